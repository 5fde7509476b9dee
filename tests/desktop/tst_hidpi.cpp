// Every window at twice the size (CTest runs this with QT_SCALE_FACTOR=2):
// the whole window scales, no control runs into another and every caption
// still fits.
#include "till/tillwindow.h"
#include "support/windowdriver.h"

using namespace tillora;
using namespace tillora::test;

namespace {

// Where the layout itself, at every scale, puts a control outside its
// frame or against a neighbour, by a pixel at most.
const QString outsideItsFrame = QStringLiteral("cmdQuit"); // unseen below the printing frame
const QStringList touchingByDesign{
    "cboMarkupRates+lblPercentSymbol", // the sign abuts the list's edge
    "lblCopyright+lblWebsite",         // boxes touch, their lines do not
};

bool allowedOverlap(const QWidget* a, const QWidget* b, const QRect& common)
{
    return std::min(common.width(), common.height()) <= 1
        && (touchingByDesign.contains(a->objectName() + '+' + b->objectName())
            || touchingByDesign.contains(b->objectName() + '+' + a->objectName()));
}

// Controls that stand outside the container that holds them, or over a
// sibling there.
QStringList collisions(QWidget* window)
{
    QList<QWidget*> containers{window};
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        containers << frame;
    QStringList found;
    for (QWidget* container : containers) {
        QList<QWidget*> placed;
        for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isWindow() || !w->isVisibleTo(window) || w->objectName() == outsideItsFrame)
                continue;
            if (!container->rect().contains(w->geometry()))
                found << w->objectName() + " outside " + container->objectName();
            placed << w;
        }
        for (qsizetype i = 0; i < placed.size(); ++i) {
            for (qsizetype j = i + 1; j < placed.size(); ++j) {
                const QRect common = placed[i]->geometry().intersected(placed[j]->geometry());
                if (!common.isEmpty() && !allowedOverlap(placed[i], placed[j], common))
                    found << placed[i]->objectName() + " over " + placed[j]->objectName();
            }
        }
    }
    return found;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windows_data();
    void windows();
};

void TestHiDpi::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), 2.0), "run with QT_SCALE_FACTOR=2, as CTest does");
}

void TestHiDpi::windows_data()
{
    QTest::addColumn<QString>("opener"); // the till's button; empty: the till itself
    QTest::addColumn<QStringList>("steps");  // box=text, list=position or a button
    QTest::addColumn<QSize>("size");
    // Totals in the thousands, as large as the till's boxes are drawn for.
    QTest::newRow("till") << "" << QStringList{"txtFloat=50", "txtTill_11=150", "txtChequeAmt_0=1234.56"}
                          << QSize(760, 464);
    QTest::newRow("VAT calculator") << "cmdVATCalc"
                                    << QStringList{"txtPrice=1234567.89", "txtCurrentVATRate=17.5", "cmdVATOn"}
                                    << QSize(316, 277);
    QTest::newRow("markup calculator")
        << "cmdMarkup" << QStringList{"txtPrice=1234.5", "txtCurrentVat=17.5", "cboMarkupRates=19", "cmdCalcSell"}
        << QSize(318, 278);
    QTest::newRow("About") << "Command1" << QStringList{} << QSize(261, 191);
}

// The window keeps its layout in logical pixels and is drawn with twice
// as many device pixels each way.
void TestHiDpi::windows()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, steps);
    QFETCH(QSize, size);
    TillWindow till;
    QWidget* window = opener.isEmpty() ? &till.form() : openTool(till.form(), opener);
    fill(window, steps);

    QCOMPARE(window->size(), size);
    const QPixmap picture = window->grab();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), 2 * size);

    const QStringList collided = collisions(window);
    QVERIFY2(collided.isEmpty(), qPrintable(collided.join(u'\n')));
    const QStringList overflowing = overflowingCaptions(window);
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
