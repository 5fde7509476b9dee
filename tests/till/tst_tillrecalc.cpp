// The till's figures as the user types them, key by key. The random-typing
// test checks every result box after each of thousands of edits; these are
// the examples and the mended faults, each typed as a user would. The
// whole-count example is typed by Tab alone in tst_keyboardcashup.
#include "tillwindow.h"

#include <QTest>

using namespace tillora;
using namespace tillora::test;

namespace {

// "row:line total" for each line total that is not 0.00, then "|" and the
// seven totals, as the window shows them.
QString figures(const TillWindow& till)
{
    const QStringList results = till.results();
    QStringList parts;
    for (int i = 0; i < tillRows; ++i) {
        if (results[i] != u"0.00")
            parts << QStringLiteral("%1:%2").arg(i).arg(results[i]);
    }
    return (parts << QStringLiteral("|") << results.mid(tillRows)).join(u' ');
}

bool tinted(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base);
}

QStringList markedBoxes(TillWindow& till)
{
    QStringList marked;
    for (QLineEdit* box : till.form().findChildren<QLineEdit*>()) {
        if (tinted(box) || !box->toolTip().isEmpty())
            marked << box->objectName();
    }
    return marked;
}

} // namespace

class TestTillRecalc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void typed_data();
    void typed();
    void unusableEntryBlocksEveryFigure_data();
    void unusableEntryBlocksEveryFigure();
};

void TestTillRecalc::typed_data()
{
    // "box=keys" retypes the box, "box=" empties it; "~" before a step: it changes no figure.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("figures");
    QTest::newRow("float 5") << QStringList{"txtFloat=5"} << "| 0.00 0.00 0.00 0.00 0.00 -5.00 0.00";
    QTest::newRow("float 5, then 0") << QStringList{"txtFloat=50"} << "| 0.00 0.00 0.00 0.00 0.00 -50.00 0.00";
    // Fault mended: counts typed while the float was empty stayed out of
    // every total once the float came, since only the 1p row was refreshed.
    QTest::newRow("counts before the float")
        << QStringList{"~txtTill_3=3", "~txtTill_11=2", "~txtChequeAmt_4=12", "txtFloat=50"}
        << "3:0.30 11:100.00 | 0.30 100.00 100.30 12.00 112.30 50.30 12.00";
    QTest::newRow("float emptied meanwhile")
        << QStringList{"txtFloat=50", "txtTill_6=3", "txtFloat=", "~txtTill_7=5", "txtFloat=1"}
        << "6:3.00 7:10.00 | 13.00 0.00 13.00 0.00 13.00 12.00 0.00";
    // Fault mended: mending the 1p count refreshed the 1p row alone.
    QTest::newRow("count blocked by letters meanwhile")
        << QStringList{"txtFloat=10", "txtTill_0=x", "~txtTill_4=3", "txtTill_0=1"}
        << "0:0.01 4:0.60 | 0.61 0.00 0.61 0.00 0.61 -9.39 0.00";
    // Fault mended: an emptied count or cheque box froze every total.
    QTest::newRow("emptied count is 0") << QStringList{"txtFloat=50", "txtTill_11=2", "txtTill_11=", "txtTill_9=3"}
                                        << "9:30.00 | 0.00 30.00 30.00 0.00 30.00 -20.00 0.00";
    QTest::newRow("emptied cheque is 0")
        << QStringList{"txtFloat=50", "txtChequeAmt_0=25.50", "txtChequeAmt_1=12", "txtChequeAmt_0=", "txtTill_8=4"}
        << "8:20.00 | 0.00 20.00 20.00 12.00 32.00 -30.00 12.00";
    // The totals add the line totals as shown, read back with their grouping.
    QTest::newRow("twenty £50 notes") << QStringList{"txtFloat=0", "txtTill_11=20", "txtTill_10=1"}
                                      << "10:20.00 11:1,000.00 | 0.00 1,020.00 1,020.00 0.00 1,020.00 1,020.00 0.00";
    QTest::newRow("2.5 pound coins") << QStringList{"txtFloat=0", "txtTill_6=2.5"}
                                     << "6:2.50 | 2.50 0.00 2.50 0.00 2.50 2.50 0.00";
    QTest::newRow("-1 five pound note") << QStringList{"txtFloat=0", "txtTill_8=-1"}
                                        << "8:-5.00 | 0.00 -5.00 -5.00 0.00 -5.00 -5.00 0.00";
}

void TestTillRecalc::typed()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, figures);
    TillWindow till;
    for (const QString& step : steps) {
        const QStringList before = till.results();
        till.enter({step.startsWith(u'~') ? step.mid(1) : step});
        if (step.startsWith(u'~'))
            QVERIFY2(till.results() == before, qPrintable(step));
    }
    QCOMPARE(::figures(till), figures);
    QCOMPARE(markedBoxes(till), QStringList());
}

void TestTillRecalc::unusableEntryBlocksEveryFigure_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("mend");
    QTest::addColumn<QString>("figures"); // once mended; the float is 50 and there are three £20 notes
    QTest::newRow("letters in a cheque") << "txtChequeAmt_2" << "12a" << "\u201c12a\u201d is not a number." << "12"
                                         << "10:60.00 | 0.00 60.00 60.00 12.00 72.00 10.00 12.00";
    QTest::newRow("letters in the float") << "txtFloat" << "x" << "\u201cx\u201d is not a number." << "20"
                                          << "10:60.00 | 0.00 60.00 60.00 0.00 60.00 40.00 0.00";
    QTest::newRow("lone minus, then -1") << "txtTill_6" << "-" << "\u201c-\u201d is not a number." << "-1"
                                         << "6:-1.00 10:60.00 | -1.00 60.00 59.00 0.00 59.00 9.00 0.00";
    QTest::newRow("1e400") << "txtTill_5" << "1e400" << "\u201c1e400\u201d is too large to calculate with." << "1"
                           << "5:0.50 10:60.00 | 0.50 60.00 60.50 0.00 60.50 10.50 0.00";
    QTest::newRow("£50 notes beyond a double") << "txtTill_11" << "1e308"
                                               << "This count makes its line total too large to calculate." << "1"
                                               << "10:60.00 11:50.00 | 0.00 110.00 110.00 0.00 110.00 60.00 0.00";
}

// Fault mended: text that cannot be used stopped the recalculation half
// way, leaving some totals new and others old.
void TestTillRecalc::unusableEntryBlocksEveryFigure()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, reason);
    QFETCH(QString, mend);
    QFETCH(QString, figures);
    TillWindow till;
    till.enter({"txtFloat=50", "txtTill_10=3"});
    till.retype(box, keys.chopped(1));
    const QStringList before = till.results();

    QTest::keyClicks(till.box(box), keys.right(1));
    QCOMPARE(till.results(), before);
    QCOMPARE(markedBoxes(till), QStringList{box});
    QVERIFY(tinted(till.box(box)));
    QCOMPARE(till.box(box)->toolTip(), reason);
    // Typing elsewhere meanwhile changes no figure either.
    till.type("txtTill_8", "1");
    QCOMPARE(till.results(), before);

    till.enter({"txtTill_8=0", box + "=" + mend});
    QCOMPARE(markedBoxes(till), QStringList());
    QCOMPARE(::figures(till), figures);
}

QTEST_MAIN(TestTillRecalc)
#include "tst_tillrecalc.moc"
