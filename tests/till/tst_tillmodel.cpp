// The till's working-out, for what typing into the window cannot reach
// cheaply: full boxes, the box blamed for each total beyond a double,
// rounding, and another region's separators.
#include "till/tillmodel.h"

#include <QTest>

using namespace tillora;

namespace {

// "_" stands for an empty box and "~" for one holding only blanks.
QString entry(const QString& text)
{
    return text == u"_" ? QString() : text == u"~" ? QStringLiteral("  ") : text;
}

// Space-separated texts; missing ones are "0".
template <size_t N>
std::array<QString, N> boxes(const QString& texts)
{
    std::array<QString, N> result;
    result.fill(QStringLiteral("0"));
    const QStringList parts = texts.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(N); ++i)
        result[i] = entry(parts[i]);
    return result;
}

// "row:line total" for each line total that is not 0.00, then "|" and the
// seven totals; or each fault as "box: reason"; or that it waits.
QString outcomeOf(const TillOutcome& outcome)
{
    QStringList parts;
    const TillFigures& f = outcome.figures;
    switch (outcome.kind) {
    case TillOutcome::Kind::Figures:
        for (int i = 0; i < tillRows; ++i) {
            if (f.lineTotals[i] != u"0.00" && f.lineTotals[i] != u"0,00")
                parts << QStringLiteral("%1:%2").arg(i).arg(f.lineTotals[i]);
        }
        parts << QStringLiteral("|") << f.changeTotal << f.notesTotal << f.tillTotal << f.chequeTotal
              << f.grandTotal << f.cashToBank << f.chequesToBank;
        return parts.join(u' ');
    case TillOutcome::Kind::AwaitingFloat:
        return QStringLiteral("awaiting the float");
    case TillOutcome::Kind::Faults:
        for (const BoxFault& fault : outcome.faults)
            parts << fault.box + QStringLiteral(": ") + fault.reason;
        return parts.join(QStringLiteral("; "));
    }
    return {};
}

QString tooLarge(const char* box, const char* figure)
{
    return QStringLiteral("%1: This number makes the %2 too large to calculate.").arg(box, figure);
}

} // namespace

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void workOut_data();
    void workOut();
    void regionalStyle();
};

void TestTillModel::workOut_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("cheques");
    QTest::addColumn<QString>("floatAmount");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty and blank boxes are 0") << "_ ~ 0 3" << "~ 12" << "5"
                                                 << "3:0.30 | 0.30 0.00 0.30 12.00 12.30 -4.70 12.00";
    QTest::newRow("float of blanks") << "7" << "" << "~" << "awaiting the float";
    // 0.005 of a pound shows as 0.01 in each row, and the totals add what is shown.
    QTest::newRow("totals add the rounded line totals") << "0.5 0 0.1" << "" << "0"
                                                        << "0:0.01 2:0.01 | 0.02 0.00 0.02 0.00 0.02 0.02 0.00";
    QTest::newRow("cheques add unrounded") << "" << "0.004 0.004" << "0"
                                           << "| 0.00 0.00 0.00 0.01 0.01 0.00 0.01";

    QTest::newRow("every unusable box is named, in order")
        << "x 0 0 0 0 0 0 0 0 0 0 y" << "0 0 0 0 0 0 0 0 0 z" << "?"
        << "txtTill_0: \u201cx\u201d is not a number.; txtTill_11: \u201cy\u201d is not a number.; "
           "txtChequeAmt_9: \u201cz\u201d is not a number.; txtFloat: \u201c?\u201d is not a number.";
    // A box this full may have cut short what was pasted into it.
    QTest::newRow("one character short of full") << QString(entryCapacity - 3, u'0') + "12" << "" << "0"
                                                 << "0:0.12 | 0.12 0.00 0.12 0.00 0.12 0.12 0.00";
    QTest::newRow("full box") << QString(entryCapacity - 2, u'0') + "12" << "" << "0"
                              << "txtTill_0: This box is full at 1,000 characters, so part of what was put into "
                                 "it may be missing.";

    // Beyond a double, the entry with the larger share is blamed.
    QTest::newRow("line total") << "0 0 0 0 0 0 0 0 0 0 0 1e308" << "" << "0"
                                << "txtTill_11: This count makes its line total too large to calculate.";
    QTest::newRow("notes total") << "0 0 0 0 0 0 0 0 0 0 8e306 3e306" << "" << "0"
                                 << tooLarge("txtTill_10", "notes total");
    QTest::newRow("till total") << "0 0 0 0 0 0 1.7e308 0 0 0 0 3e306" << "" << "0"
                                << tooLarge("txtTill_6", "till total");
    QTest::newRow("cash to bank") << "0 0 0 0 0 0 1e308" << "" << "-1.5e308" << tooLarge("txtFloat", "cash to bank");
    // Finite sums whose text, to 15 significant digits, is beyond a double.
    QTest::newRow("change total as shown") << "5.3e295 0 0 0 0 0 0 8.98846567431155e307" << "" << "0"
                                           << tooLarge("txtTill_7", "change total");
    QTest::newRow("cheque total as shown") << "" << "1.7976931348623157e308" << "0"
                                           << tooLarge("txtChequeAmt_0", "cheque total");
}

void TestTillModel::workOut()
{
    QFETCH(QString, counts);
    QFETCH(QString, cheques);
    QFETCH(QString, floatAmount);
    QFETCH(QString, expected);
    const TillOutcome outcome = workOutTill({boxes<tillRows>(counts), boxes<chequeRows>(cheques), entry(floatAmount)});
    QCOMPARE(outcomeOf(outcome), expected);
    // Nothing half-done comes back without figures.
    QCOMPARE(outcome.figures.tillTotal.isEmpty(), outcome.kind != TillOutcome::Kind::Figures);
}

void TestTillModel::regionalStyle()
{
    const TillOutcome outcome = workOutTill({boxes<tillRows>("0 0 0 0 0 0 0 0 0 0 0 20"), boxes<chequeRows>("1.234,5"),
                                             QStringLiteral("0,5")},
                                            denominationValues, QLocale(QStringLiteral("de_DE")));
    QCOMPARE(outcomeOf(outcome), QStringLiteral("11:1.000,00 | 0,00 1.000,00 1.000,00 1.234,50 2.234,50 999,50 1.234,50"));
}

QTEST_APPLESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
