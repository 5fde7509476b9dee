#include "till/tillmodel.h"

#include <QTest>

using namespace tillora;

namespace {

// Space-separated texts; "_" stands for an empty box, missing ones are "0".
template <size_t N>
std::array<QString, N> boxes(const QString& texts)
{
    std::array<QString, N> result;
    result.fill(QStringLiteral("0"));
    const QStringList parts = texts.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(N); ++i)
        result[i] = parts[i] == u"_" ? QString() : parts[i];
    return result;
}

TillEntries entries(const QString& counts, const QString& cheques, const QString& floatAmount)
{
    return {boxes<tillRows>(counts), boxes<chequeRows>(cheques), floatAmount};
}

QString joined(const TillFigures& f)
{
    QStringList lines(f.lineTotals.begin(), f.lineTotals.end());
    return lines.join(u' ') + QStringLiteral(" | ")
        + QStringList{f.changeTotal, f.notesTotal, f.tillTotal, f.chequeTotal, f.grandTotal, f.cashToBank,
                      f.chequesToBank}
              .join(u' ');
}

} // namespace

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void figures_data();
    void figures();
    void faults_data();
    void faults();
    void emptyFloatWaits_data();
    void emptyFloatWaits();
    void regionalStyle();
};

void TestTillModel::figures_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("cheques");
    QTest::addColumn<QString>("floatAmount");
    QTest::addColumn<QString>("expected"); // 12 line totals | change notes till cheques grand cash chequesToBank

    const QString zeros = QStringLiteral("0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00");
    QTest::newRow("whole count")
        << "7 3 4 10 5 6 12 4 3 5 2 1" << "25.50 12" << "50"
        << "0.07 0.06 0.20 1.00 1.00 3.00 12.00 8.00 15.00 50.00 40.00 50.00 | "
           "25.33 155.00 180.33 37.50 217.83 130.33 37.50";
    QTest::newRow("float only") << "" << "" << "50" << zeros + " | 0.00 0.00 0.00 0.00 0.00 -50.00 0.00";
    QTest::newRow("empty count and cheque are 0")
        << "_ 0 0 3 0 0 0 0 0 0 0 _" << "_ 12" << "5"
        << "0.00 0.00 0.00 0.30 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 | "
           "0.30 0.00 0.30 12.00 12.30 -4.70 12.00";
    QTest::newRow("one character short of full")
        << QString(entryCapacity - 3, u'0') + "12" << "" << "0"
        << "0.12 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 | 0.12 0.00 0.12 0.00 0.12 0.12 0.00";
    QTest::newRow("blank count is empty") << "   " << "" << "0" << zeros + " | 0.00 0.00 0.00 0.00 0.00 0.00 0.00";
    QTest::newRow("twenty £50 notes read back with grouping")
        << "0 0 0 0 0 0 0 0 0 0 0 20" << "" << "0"
        << "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 1,000.00 | "
           "0.00 1,000.00 1,000.00 0.00 1,000.00 1,000.00 0.00";
    QTest::newRow("fractional and negative counts")
        << "0 0 0 0 0 0 2.5 0 -1" << "" << "0"
        << "0.00 0.00 0.00 0.00 0.00 0.00 2.50 0.00 -5.00 0.00 0.00 0.00 | "
           "2.50 -5.00 -2.50 0.00 -2.50 -2.50 0.00";
    // 0.005 of a pound shows as 0.01 in each row, and the totals add what is shown.
    QTest::newRow("totals add the rounded line totals")
        << "0.5 0 0.1 0 0 0 0 0 0 0 0 0" << "" << "0"
        << "0.01 0.00 0.01 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 | "
           "0.02 0.00 0.02 0.00 0.02 0.02 0.00";
    // The cheque total adds the amounts as typed and rounds once.
    QTest::newRow("cheques add unrounded") << "" << "0.004 0.004" << "0"
                                           << zeros + " | 0.00 0.00 0.00 0.01 0.01 0.00 0.01";
    QTest::newRow("float above the till") << "0 0 0 0 0 0 0 0 0 1" << "" << "1,234.5"
                                          << "0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 10.00 0.00 0.00 | "
                                             "0.00 10.00 10.00 0.00 10.00 -1,224.50 0.00";
    QTest::newRow("grouped and signed input") << "1,000" << "+2,500.25" << "(10)"
                                              << "10.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 | "
                                                 "10.00 0.00 10.00 2,500.25 2,510.25 20.00 2,500.25";
}

void TestTillModel::figures()
{
    QFETCH(QString, counts);
    QFETCH(QString, cheques);
    QFETCH(QString, floatAmount);
    QFETCH(QString, expected);

    const TillOutcome outcome = workOutTill(entries(counts, cheques, floatAmount));
    QCOMPARE(outcome.kind, TillOutcome::Kind::Figures);
    QVERIFY(outcome.faults.empty());
    QCOMPARE(joined(outcome.figures), expected);
}

void TestTillModel::faults_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("cheques");
    QTest::addColumn<QString>("floatAmount");
    QTest::addColumn<QStringList>("expected"); // box: reason, in box order

    QTest::newRow("letters in a count") << "0 0 0 abc" << "" << "50"
                                        << QStringList{"txtTill_3: \u201cabc\u201d is not a number."};
    QTest::newRow("lone minus") << "0 0 0 0 0 0 -" << "" << "50"
                                << QStringList{"txtTill_6: \u201c-\u201d is not a number."};
    QTest::newRow("letters in a cheque") << "" << "0 12a" << "50"
                                         << QStringList{"txtChequeAmt_1: \u201c12a\u201d is not a number."};
    QTest::newRow("letters in the float") << "" << "" << "fifty"
                                          << QStringList{"txtFloat: \u201cfifty\u201d is not a number."};
    QTest::newRow("misplaced grouping") << "1,5" << "" << "0"
                                        << QStringList{"txtTill_0: \u201c1,5\u201d is not a number."};
    QTest::newRow("every unusable box is named")
        << "x 0 0 0 0 0 0 0 0 0 0 y" << "0 0 0 0 0 0 0 0 0 z" << "?"
        << QStringList{"txtTill_0: \u201cx\u201d is not a number.", "txtTill_11: \u201cy\u201d is not a number.",
                       "txtChequeAmt_9: \u201cz\u201d is not a number.", "txtFloat: \u201c?\u201d is not a number."};
    // Unusable text is named even while the float is still to come.
    QTest::newRow("letters before the float") << "abc" << "" << ""
                                              << QStringList{"txtTill_0: \u201cabc\u201d is not a number."};
    // A box this full may have cut short what was pasted into it.
    QTest::newRow("full box") << QString(entryCapacity - 2, u'0') + "12" << "" << "0"
                              << QStringList{"txtTill_0: This box is full at 1,000 characters, so part of what "
                                             "was put into it may be missing."};
    QTest::newRow("full box of junk") << "" << "" << QString(entryCapacity, u'x')
                                      << QStringList{"txtFloat: This box is full at 1,000 characters, so part of "
                                                     "what was put into it may be missing."};
    QTest::newRow("number beyond a double") << "0 0 0 0 0 0 0 0 0 0 0 1e400" << "" << "0"
                                            << QStringList{"txtTill_11: \u201c1e400\u201d is too large to calculate with."};
    QTest::newRow("cheque beyond a double") << "" << "-1e400" << "0"
                                            << QStringList{"txtChequeAmt_0: \u201c-1e400\u201d is too large to calculate with."};
    QTest::newRow("line total beyond a double")
        << "0 0 0 0 0 0 0 0 0 0 0 1e308" << "" << "0"
        << QStringList{"txtTill_11: This count makes its line total too large to calculate."};
    // 1.6e308 + 1.5e308: the larger share is blamed.
    QTest::newRow("notes total beyond a double")
        << "0 0 0 0 0 0 0 0 0 0 8e306 3e306" << "" << "0"
        << QStringList{"txtTill_10: This number makes the notes total too large to calculate."};
    QTest::newRow("change total beyond a double")
        << "0 0 0 0 0 0 1e308 4e307" << "" << "0"
        << QStringList{"txtTill_6: This number makes the change total too large to calculate."};
    QTest::newRow("till total beyond a double")
        << "0 0 0 0 0 0 1.7e308 0 0 0 0 3e306" << "" << "0"
        << QStringList{"txtTill_6: This number makes the till total too large to calculate."};
    QTest::newRow("cheque total beyond a double") << "" << "1e308 1.5e308" << "0"
                                                  << QStringList{"txtChequeAmt_1: This number makes the cheque total too large to calculate."};
    QTest::newRow("grand total beyond a double") << "0 0 0 0 0 0 1e308" << "1.5e308" << "0"
                                                 << QStringList{"txtChequeAmt_0: This number makes the grand total too large to calculate."};
    QTest::newRow("cash to bank beyond a double") << "0 0 0 0 0 0 1e308" << "" << "-1.5e308"
                                                  << QStringList{"txtFloat: This number makes the cash to bank too large to calculate."};
    // Shown to 15 significant digits the largest double rounds beyond the range.
    // 1.79769313486231e308 + 5.3e293 is a double, but its 15 digits are not.
    QTest::newRow("change total shown beyond a double")
        << "5.3e295 0 0 0 0 0 0 8.98846567431155e307" << "" << "0"
        << QStringList{"txtTill_7: This number makes the change total too large to calculate."};
    QTest::newRow("rounded cheque total beyond a double") << "" << "1.7976931348623157e308" << "0"
                                                          << QStringList{"txtChequeAmt_0: This number makes the cheque total too large to calculate."};
}

void TestTillModel::faults()
{
    QFETCH(QString, counts);
    QFETCH(QString, cheques);
    QFETCH(QString, floatAmount);
    QFETCH(QStringList, expected);

    const TillOutcome outcome = workOutTill(entries(counts, cheques, floatAmount));
    QCOMPARE(outcome.kind, TillOutcome::Kind::Faults);
    QStringList seen;
    for (const BoxFault& fault : outcome.faults)
        seen << fault.box + QStringLiteral(": ") + fault.reason;
    QCOMPARE(seen, expected);
    // Nothing half-done comes back with a fault.
    QVERIFY(outcome.figures.tillTotal.isEmpty());
    QVERIFY(outcome.figures.lineTotals[0].isEmpty());
}

void TestTillModel::emptyFloatWaits_data()
{
    QTest::addColumn<QString>("floatAmount");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "  ";
}

void TestTillModel::emptyFloatWaits()
{
    QFETCH(QString, floatAmount);
    const TillOutcome outcome = workOutTill(entries("7 3 4 10", "25.50", floatAmount));
    QCOMPARE(outcome.kind, TillOutcome::Kind::AwaitingFloat);
    QVERIFY(outcome.faults.empty());
    QVERIFY(outcome.figures.cashToBank.isEmpty());
}

void TestTillModel::regionalStyle()
{
    const QLocale germany(QStringLiteral("de_DE"));
    const TillOutcome outcome =
        workOutTill(entries("0 0 0 0 0 0 0 0 0 0 0 20", "1.234,5", "0,5"), denominationValues, germany);
    QCOMPARE(outcome.kind, TillOutcome::Kind::Figures);
    QCOMPARE(outcome.figures.lineTotals[11], QStringLiteral("1.000,00"));
    QCOMPARE(outcome.figures.tillTotal, QStringLiteral("1.000,00"));
    QCOMPARE(outcome.figures.grandTotal, QStringLiteral("2.234,50"));
    QCOMPARE(outcome.figures.cashToBank, QStringLiteral("999,50"));
    QCOMPARE(outcome.figures.chequesToBank, QStringLiteral("1.234,50"));
}

QTEST_APPLESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
