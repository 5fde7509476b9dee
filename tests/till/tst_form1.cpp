// The main window as laid out: geometry, fonts, focus and start-up.
#include "tillwindow.h"
#include "support/windowdriver.h"

#include "app/formats.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void window();
    void geometry_data();
    void geometry();
    void everyCaptionFits();
    void tabWalksTheOrder();
    void focusAndTyping_data();
    void focusAndTyping();
};

// As it opens: fixed size, start-up texts, the focus, and bold only where marked.
void TestForm1::window()
{
    const QDateTime before = currentMoment();
    TillWindow till;
    const QDateTime after = currentMoment();
    Form1& form = till.form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tillora"));
    QCOMPARE(form.size(), QSize(760, 464));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(16, 16));
    QCOMPARE(form.findChildren<QWidget*>().size(), 104);
    QCOMPARE(QApplication::focusWidget(), form.cmdPrintScreen);
    QCOMPARE(form.lblPlease->text(), QStringLiteral("Please enter this first."));
    for (const auto& [box, pattern] : {std::pair{"txtDate", u"dd/mm/yyyy"}, std::pair{"txtTime", u"HH:mm"}}) {
        const QString shown = till.text(box);
        QVERIFY2(shown == formatMoment(before, pattern) || shown == formatMoment(after, pattern), qPrintable(shown));
    }
    // Nothing is worked out before the float is typed.
    QCOMPARE(till.results(), QStringList(tillRows, QStringLiteral("0")) + QStringList(7, QString()));
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QGroupBox*>(w))
            QVERIFY2(w->font().bold() == bool(qobject_cast<QGroupBox*>(w)), qPrintable(w->objectName()));
    }
    QVERIFY(form.lblTotalChange->font().bold() && !form.lblTill[0]->font().bold());
}

void TestForm1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels"); // twips / 15
    QTest::newRow("till frame") << "Frame9" << "Form1" << QRect(8, 56, 201, 393);
    QTest::newRow("last count") << "txtTill_11" << "Frame9" << QRect(128, 368, 65, 19);
    QTest::newRow("cheque 10") << "txtChequeAmt_9" << "Frame11" << QRect(96, 304, 89, 19);
    QTest::newRow("£20 line total") << "txtTotals_10" << "Frame12" << QRect(112, 256, 57, 19);
    QTest::newRow("hidden exit, below its frame") << "cmdQuit" << "Frame14" << QRect(0, 208, 177, 25);
    QTest::newRow("about") << "Command1" << "Form1" << QRect(608, 424, 137, 25);
}

void TestForm1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    TillWindow till;
    auto* control = till.form().findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), pixels);
}

void TestForm1::everyCaptionFits()
{
    TillWindow till;
    // Figures in the thousands, as large as the narrowest result boxes are drawn for.
    till.enter({"txtFloat=0", "txtTill_11=199.98"});
    QCOMPARE(till.text("txtTillTotal"), QStringLiteral("9,999.00"));
    const QStringList overflowing = overflowingCaptions(&till.form());
    QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
}

void TestForm1::tabWalksTheOrder()
{
    TillWindow till;
    QStringList expected{"cmdPrintScreen", "cmdQuit", "cmdPrintReport", "txtDate", "txtTime", "txtNotesTotal",
                         "txtChangeTotal"};
    for (int i = 0; i < tillRows; ++i)
        expected << QStringLiteral("txtTotals_%1").arg(i);
    for (int j = 0; j < chequeRows; ++j)
        expected << QStringLiteral("txtChequeAmt_%1").arg(j);
    expected << "txtFloat";
    for (int i = 0; i < tillRows; ++i)
        expected << QStringLiteral("txtTill_%1").arg(i);
    expected << QStringList{"txtChequeBank", "txtCashBank", "txtTotal", "txtChequeTotal", "txtTillTotal", "cmdExit",
                            "cmdVATCalc", "cmdMarkup", "Command1", "cmdPrintScreen"};
    QCOMPARE(tabCycle(int(expected.size()) - 1), expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestForm1::focusAndTyping_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");     // typed on the first visit, "<" moving the caret left
    QTest::addColumn<QString>("selected"); // on coming back by Shift+Tab
    QTest::addColumn<QString>("typed");    // then, after a 7
    QTest::newRow("fresh 0 is replaced") << "txtTill_3" << "" << "0" << "7";
    QTest::newRow("caret after the count") << "txtTill_3" << "7" << "" << "77";
    QTest::newRow("caret in the middle") << "txtChequeAmt_4" << "1234<<" << "34" << "127";
    // No focus handler here: Qt's own select-all stands.
    QTest::newRow("float") << "txtFloat" << "12<" << "12" << "7";
    // Result boxes take the focus but refuse typing, Backspace ("\b") too.
    QTest::newRow("line total") << "txtTotals_0" << "42\b" << "0" << "0";
    QTest::newRow("cash to bank") << "txtCashBank" << "42\b" << "" << "";
}

void TestForm1::focusAndTyping()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    TillWindow till;
    QLineEdit* target = till.tabInto(box);
    for (QChar key : keys)
        key == u'<' ? QTest::keyClick(target, Qt::Key_Left) : QTest::keyClicks(target, key);
    QTest::keyClick(target, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), selected);
    QTest::keyClick(target, Qt::Key_7);
    QCOMPARE(target->text(), typed);
    // A click puts the caret where it lands.
    QTest::keyClick(target, Qt::Key_Tab);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() - 3, target->height() / 2));
    QCOMPARE(target->cursorPosition(), int(typed.size()));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
