// The till's figures as the user types them, key by key.
#include "tillwindow.h"

#include <QLabel>
#include <QPalette>
#include <QTest>

using namespace tillora;
using namespace tillora::test;

namespace {

const QString totalNames[] = {"txtChangeTotal", "txtNotesTotal", "txtTillTotal", "txtChequeTotal",
                              "txtTotal", "txtCashBank", "txtChequeBank"};

QString line(int row) { return QStringLiteral("txtTotals_%1").arg(row); }
QString count(int row) { return QStringLiteral("txtTill_%1").arg(row); }
QString cheque(int row) { return QStringLiteral("txtChequeAmt_%1").arg(row); }

bool marked(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base) != QApplication::palette(box).color(QPalette::Base);
}

// The seven totals, in the order of totalNames.
QStringList totals(const TillWindow& till)
{
    QStringList texts;
    for (const QString& name : totalNames)
        texts << till.text(name);
    return texts;
}

} // namespace

class TestTillRecalc : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void wholeCountTypedKeyByKey();
    void floatFiveThenZero();
    void countsBeforeTheFloatAreCounted();
    void rowsBlockedEarlierCatchUp();
    void emptiedCountIsZero();
    void emptiedChequeIsZero();
    void emptyFloatWritesNothing();
    void loneMinusThenDigit();
    void unusableTextBlocksEverything_data();
    void unusableTextBlocksEverything();
    void lettersInFloatLeaveNoHalfWrittenSet();
    void marksFollowTheEntries();
    void twentyFiftyPoundNotes();
    void fractionalAndNegativeCounts_data();
    void fractionalAndNegativeCounts();
    void overflowIsMarked_data();
    void overflowIsMarked();
    void writingResultsDoesNotRecalculate();
};

void TestTillRecalc::wholeCountTypedKeyByKey()
{
    TillWindow till;
    QLineEdit* box = till.tabInto("txtFloat");
    QTest::keyClicks(box, "50");
    // The float is followed by the twelve count boxes in the tab order.
    for (const char* n : {"7", "3", "4", "10", "5", "6", "12", "4", "3", "5", "2", "1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), n);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTill_11"));
    till.type(cheque(0), "25.50");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "12");

    const QStringList expectedLines{"0.07", "0.06", "0.20", "1.00", "1.00", "3.00",
                                    "12.00", "8.00", "15.00", "50.00", "40.00", "50.00"};
    QCOMPARE(till.results().mid(0, tillRows), expectedLines);
    QCOMPARE(totals(till), (QStringList{"25.33", "155.00", "180.33", "37.50", "217.83", "130.33", "37.50"}));
    QCOMPARE(till.text(count(3)), QStringLiteral("10"));
    QCOMPARE(till.text(cheque(1)), QStringLiteral("12"));
}

void TestTillRecalc::floatFiveThenZero()
{
    TillWindow till;
    QLineEdit* box = till.tabInto("txtFloat");
    QTest::keyClick(box, Qt::Key_5);
    QCOMPARE(till.text("txtCashBank"), QStringLiteral("-5.00"));
    QCOMPARE(till.text(line(0)), QStringLiteral("0.00"));
    QTest::keyClick(box, Qt::Key_0);
    QCOMPARE(totals(till), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "-50.00", "0.00"}));
}

// Fault mended: counts typed while the float was empty stayed out of every
// total once the float came, since only the 1p row was refreshed.
void TestTillRecalc::countsBeforeTheFloatAreCounted()
{
    TillWindow till;
    const QStringList atStart = till.results();
    till.type(count(3), "3");
    till.type(count(11), "2");
    till.type(cheque(4), "12");
    QCOMPARE(till.results(), atStart);
    QCOMPARE(till.text(line(3)), QStringLiteral("0"));
    QVERIFY(till.text("txtTillTotal").isEmpty());

    till.type("txtFloat", "50");
    QCOMPARE(till.text(line(3)), QStringLiteral("0.30"));
    QCOMPARE(till.text(line(11)), QStringLiteral("100.00"));
    QCOMPARE(totals(till), (QStringList{"0.30", "100.00", "100.30", "12.00", "112.30", "50.30", "12.00"}));
}

// Fault mended: a count typed while another box blocked the totals stayed
// out of them for good, since the next recalculation refreshed another row.
void TestTillRecalc::rowsBlockedEarlierCatchUp()
{
    TillWindow till;
    till.type("txtFloat", "10");
    till.type(count(0), "x");
    till.type(count(4), "3");
    QCOMPARE(till.text(line(4)), QStringLiteral("0.00"));
    // Mending the 1p count once refreshed the 1p row alone.
    till.retype(count(0), "1");
    QCOMPARE(till.text(line(4)), QStringLiteral("0.60"));
    QCOMPARE(totals(till), (QStringList{"0.61", "0.00", "0.61", "0.00", "0.61", "-9.39", "0.00"}));
}

// Fault mended: an emptied count box froze every total.
void TestTillRecalc::emptiedCountIsZero()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(11), "2");
    QCOMPARE(till.text(line(11)), QStringLiteral("100.00"));
    till.empty(count(11));
    QCOMPARE(till.text(count(11)), QString());
    QCOMPARE(till.text(line(11)), QStringLiteral("0.00"));
    QCOMPARE(totals(till), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "-50.00", "0.00"}));
    // Other rows go on counting while it stays empty.
    till.type(count(9), "3");
    QCOMPARE(till.text("txtNotesTotal"), QStringLiteral("30.00"));
    QCOMPARE(till.text("txtCashBank"), QStringLiteral("-20.00"));
    QVERIFY(!marked(till.box(count(11))));
}

// Fault mended: an emptied cheque box froze every total.
void TestTillRecalc::emptiedChequeIsZero()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(cheque(0), "25.50");
    till.type(cheque(1), "12");
    QCOMPARE(till.text("txtChequeTotal"), QStringLiteral("37.50"));
    till.empty(cheque(0));
    QCOMPARE(till.text("txtChequeTotal"), QStringLiteral("12.00"));
    QCOMPARE(till.text("txtChequeBank"), QStringLiteral("12.00"));
    till.type(count(8), "4");
    QCOMPARE(till.text("txtTotal"), QStringLiteral("32.00"));
    QCOMPARE(till.text("txtCashBank"), QStringLiteral("-30.00"));
}

void TestTillRecalc::emptyFloatWritesNothing()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(6), "3");
    const QStringList before = till.results();
    till.empty("txtFloat");
    till.type(count(7), "5");
    QCOMPARE(till.results(), before);
    QVERIFY(!marked(till.box("txtFloat")));
    QVERIFY(till.box("txtFloat")->toolTip().isEmpty());
    QCOMPARE(till.form().findChild<QLabel*>("lblPlease")->text(), QStringLiteral("Please enter this first."));
    // The float back again: everything catches up.
    QTest::keyClicks(till.tabInto("txtFloat"), "1");
    QCOMPARE(till.text(line(7)), QStringLiteral("10.00"));
    QCOMPARE(till.text("txtCashBank"), QStringLiteral("12.00"));
}

void TestTillRecalc::loneMinusThenDigit()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(9), "2");
    const QStringList before = till.results();
    QLineEdit* box = till.tabInto(count(6));
    QTest::keyClick(box, Qt::Key_Minus);
    QCOMPARE(box->text(), QStringLiteral("-"));
    QCOMPARE(till.results(), before);
    QVERIFY(marked(box));
    QCOMPARE(box->toolTip(), QStringLiteral("\u201c-\u201d is not a number."));
    QTest::keyClick(box, Qt::Key_1);
    QVERIFY(!marked(box));
    QVERIFY(box->toolTip().isEmpty());
    QCOMPARE(till.text(line(6)), QStringLiteral("-1.00"));
    QCOMPARE(till.text("txtTillTotal"), QStringLiteral("19.00"));
}

void TestTillRecalc::unusableTextBlocksEverything_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("goodKeys"); // typed first, still usable
    QTest::addColumn<QString>("badKeys");
    QTest::addColumn<QString>("reason");
    QTest::newRow("letters in a cheque") << cheque(2) << "12" << "a" << "\u201c12a\u201d is not a number.";
    QTest::newRow("letters in a count") << count(0) << "" << "abc" << "\u201cabc\u201d is not a number.";
    QTest::newRow("letters in the float") << "txtFloat" << "" << "x" << "\u201cx\u201d is not a number.";
    QTest::newRow("1e400") << count(5) << "1e40" << "0" << "\u201c1e400\u201d is too large to calculate with.";
}

// Fault mended: text that cannot be read stopped the recalculation half
// way, leaving some totals new and others old.
void TestTillRecalc::unusableTextBlocksEverything()
{
    QFETCH(QString, box);
    QFETCH(QString, goodKeys);
    QFETCH(QString, badKeys);
    QFETCH(QString, reason);
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(10), "3");
    QLineEdit* target = till.tabInto(box);
    QTest::keyClicks(target, goodKeys);
    const QStringList before = till.results();

    QTest::keyClicks(target, badKeys);
    QCOMPARE(till.results(), before);
    QVERIFY(marked(target));
    QCOMPARE(target->toolTip(), reason);
    QCOMPARE(target->accessibleDescription(), reason);
    // Typing elsewhere meanwhile changes no figure either.
    till.type(count(8), "1");
    QCOMPARE(till.results(), before);
    QVERIFY(marked(target));
}

void TestTillRecalc::lettersInFloatLeaveNoHalfWrittenSet()
{
    TillWindow till;
    till.type("txtFloat", "abc");
    till.type(count(11), "2");
    // Before the mend the grand total read 100.00 while cash to bank stayed empty.
    QCOMPARE(till.text("txtTotal"), QString());
    QCOMPARE(till.text(line(11)), QStringLiteral("0"));
    QVERIFY(marked(till.box("txtFloat")));
    till.retype("txtFloat", "20");
    QCOMPARE(till.text("txtTotal"), QStringLiteral("100.00"));
    QCOMPARE(till.text("txtCashBank"), QStringLiteral("80.00"));
}

void TestTillRecalc::marksFollowTheEntries()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(1), "q");
    till.type(cheque(3), "w");
    QVERIFY(marked(till.box(count(1))));
    QVERIFY(marked(till.box(cheque(3))));
    till.retype(count(1), "4");
    QVERIFY(!marked(till.box(count(1))));
    QVERIFY(till.box(count(1))->accessibleDescription().isEmpty());
    QVERIFY(marked(till.box(cheque(3))));
    QCOMPARE(till.text(line(1)), QStringLiteral("0.00")); // still blocked
    till.retype(cheque(3), "1");
    QVERIFY(!marked(till.box(cheque(3))));
    QCOMPARE(till.text(line(1)), QStringLiteral("0.08"));
    QCOMPARE(till.text("txtTotal"), QStringLiteral("1.08"));
}

void TestTillRecalc::twentyFiftyPoundNotes()
{
    TillWindow till;
    till.type("txtFloat", "0");
    till.type(count(11), "20");
    QCOMPARE(till.text(line(11)), QStringLiteral("1,000.00"));
    QCOMPARE(till.text("txtNotesTotal"), QStringLiteral("1,000.00"));
    QCOMPARE(till.text("txtTillTotal"), QStringLiteral("1,000.00"));
    till.type(count(10), "1");
    QCOMPARE(till.text("txtNotesTotal"), QStringLiteral("1,020.00"));
}

void TestTillRecalc::fractionalAndNegativeCounts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("lineTotal");
    QTest::addColumn<QString>("tillTotal");
    QTest::newRow("2.5 pound coins") << 6 << "2.5" << "2.50" << "2.50";
    QTest::newRow("-1 five pound note") << 8 << "-1" << "-5.00" << "-5.00";
    QTest::newRow("half a penny rounds up") << 0 << "0.5" << "0.01" << "0.01";
    QTest::newRow("-0.4 pennies shows no minus") << 0 << "-0.4" << "0.00" << "0.00";
}

void TestTillRecalc::fractionalAndNegativeCounts()
{
    QFETCH(int, row);
    QFETCH(QString, keys);
    QFETCH(QString, lineTotal);
    QFETCH(QString, tillTotal);
    TillWindow till;
    till.type("txtFloat", "0");
    till.type(count(row), keys);
    QCOMPARE(till.text(line(row)), lineTotal);
    QCOMPARE(till.text("txtTillTotal"), tillTotal);
    QVERIFY(!marked(till.box(count(row))));
}

void TestTillRecalc::overflowIsMarked_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstKeys");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("goodKeys");
    QTest::addColumn<QString>("badKey");
    QTest::addColumn<QString>("markedBox");
    QTest::newRow("£50 notes beyond a double") << count(0) << "1" << count(11) << "1e30" << "8" << count(11);
    QTest::newRow("notes total") << count(10) << "8e306" << count(11) << "3e30" << "6" << count(10);
    QTest::newRow("cheque total") << cheque(0) << "1e308" << cheque(1) << "1.5e30" << "8" << cheque(1);
    // A finite total whose text would not read back.
    QTest::newRow("largest cheque") << count(0) << "1" << cheque(0) << "1.7976931348623157e30" << "8" << cheque(0);
}

void TestTillRecalc::overflowIsMarked()
{
    QFETCH(QString, first);
    QFETCH(QString, firstKeys);
    QFETCH(QString, box);
    QFETCH(QString, goodKeys);
    QFETCH(QString, badKey);
    QFETCH(QString, markedBox);
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(first, firstKeys);
    QLineEdit* target = till.tabInto(box);
    QTest::keyClicks(target, goodKeys);
    const QStringList before = till.results();

    QTest::keyClicks(target, badKey);
    QCOMPARE(till.results(), before);
    QVERIFY(marked(till.box(markedBox)));
    QVERIFY(till.box(markedBox)->toolTip().contains(QStringLiteral("too large to calculate")));
    // With the huge numbers gone the figures are written again.
    till.retype(box, "0");
    till.retype(first, "0");
    QVERIFY(!marked(till.box(markedBox)));
    QCOMPARE(totals(till), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "-50.00", "0.00"}));
}

void TestTillRecalc::writingResultsDoesNotRecalculate()
{
    TillWindow till;
    till.type("txtFloat", "50");
    till.type(count(3), "2");
    till.box(line(3))->setText(QStringLiteral("9.99"));
    QCOMPARE(till.text("txtChangeTotal"), QStringLiteral("0.20"));
    till.box("txtChangeTotal")->setText(QStringLiteral("7.00"));
    QCOMPARE(till.text("txtTillTotal"), QStringLiteral("0.20"));
}

QTEST_MAIN(TestTillRecalc)
#include "tst_tillrecalc.moc"
