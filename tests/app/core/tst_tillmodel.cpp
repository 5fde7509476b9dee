// The till's working-out, for what typing into the window cannot reach
// cheaply: full boxes, the entry blamed for each total beyond a double,
// rounding, the float's mark and another region's separators.
#include "app/core/tillmodel.h"

#include <QTest>

using namespace tillora;

namespace {

// Space-separated texts, "_" for an empty box and "~" for blanks; the boxes
// not given hold "0".
template <size_t N>
std::array<QString, N> boxes(const QString& texts)
{
    std::array<QString, N> result;
    result.fill(QStringLiteral("0"));
    const QStringList parts = texts.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i)
        result[i] = parts[i] == u"_" ? QString() : parts[i] == u"~" ? QStringLiteral("  ") : parts[i];
    return result;
}

// Each fault as "count 3: reason" (or cheque, float); then line totals
// other than 0.00 as "row:total", "|" and the seven totals.
QString outcomeOf(const TillOutcome& outcome)
{
    QStringList parts;
    for (const EntryFault& fault : outcome.faults)
        parts << QStringList{"count", "cheque", "float"}[int(fault.entry.kind)]
                     + (fault.entry.kind == EntryId::Kind::Float ? QString() : u' ' + QString::number(fault.entry.row)) + ": " + fault.reason;
    if (const auto& f = outcome.figures) {
        for (int i = 0; i < tillRows; ++i) {
            if (f->lineTotals[i] != u"0.00" && f->lineTotals[i] != u"0,00")
                parts << QStringLiteral("%1:%2").arg(i).arg(f->lineTotals[i]);
        }
        parts << "|" << f->changeTotal << f->notesTotal << f->tillTotal << f->chequeTotal << f->grandTotal << f->cashToBank << f->chequesToBank;
    }
    return parts.join(u' ');
}

QString tooLarge(const char* entry, const char* figure)
{
    return QStringLiteral("%1: This number makes the %2 too large to calculate.").arg(entry, figure);
}

} // namespace

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void workOut_data()
    {
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("cheques");
        QTest::addColumn<QString>("floatAmount");
        QTest::addColumn<bool>("figuresShown");
        QTest::addColumn<QString>("expected");
        const QString awaitFloat = QStringLiteral("float: The totals are worked out once the float is entered.");
        QTest::newRow("empty and blank boxes are 0") << "_ ~ 0 3" << "~ 12" << "5" << true << "3:0.30 | 0.30 0.00 0.30 12.00 12.30 -4.70 12.00";
        // Nothing is worked out without a float; once anything is on show, the float is to blame.
        QTest::newRow("untouched, no float") << "" << "" << "" << false << "";
        QTest::newRow("a count, no float") << "0 0 0 3" << "" << "" << false << awaitFloat;
        QTest::newRow("float emptied") << "" << "" << " " << true << awaitFloat;
        QTest::newRow("float emptied beside a bad count") << "x" << "" << "" << true << "count 0: \u201cx\u201d is not a number. " + awaitFloat;
        // 0.005 of a pound shows as 0.01 in each row, and the totals add what is shown.
        QTest::newRow("totals add the line totals shown") << "0.5 0 0.1" << "" << "0" << false
                                                          << "0:0.01 2:0.01 | 0.02 0.00 0.02 0.00 0.02 0.02 0.00";
        QTest::newRow("cheques add unrounded") << "" << "0.004 0.004" << "0" << false << "| 0.00 0.00 0.00 0.01 0.01 0.00 0.01";
        QTest::newRow("every unusable entry, in order") << "x 0 0 0 0 0 0 0 0 0 0 y" << "0 0 0 0 0 0 0 0 0 z" << "?" << true
            << "count 0: \u201cx\u201d is not a number. count 11: \u201cy\u201d is not a number. "
               "cheque 9: \u201cz\u201d is not a number. float: \u201c?\u201d is not a number.";
        QTest::newRow("one short of full") << QString(entryCapacity - 3, u'0') + "12" << "" << "0" << true
                                           << "0:0.12 | 0.12 0.00 0.12 0.00 0.12 0.12 0.00";
        QTest::newRow("full box") << QString(entryCapacity - 2, u'0') + "12" << "" << "0" << true
                                  << "count 0: This box is full at 1,000 characters, so part of what was put into it may be missing.";
        QTest::newRow("too large to read") << "1e999" << "" << "0" << true << "count 0: \u201c1e999\u201d is too large to calculate with.";
        // Beyond a double, the entry with the larger share is blamed.
        QTest::newRow("line total") << "0 0 0 0 0 0 0 0 0 0 0 1e308" << "" << "0" << true
                                    << "count 11: This count makes its line total too large to calculate.";
        QTest::newRow("notes total") << "0 0 0 0 0 0 0 0 0 0 8e306 3e306" << "" << "0" << true << tooLarge("count 10", "notes total");
        QTest::newRow("till total") << "0 0 0 0 0 0 1.7e308 0 0 0 0 3e306" << "" << "0" << true << tooLarge("count 6", "till total");
        QTest::newRow("grand total") << "0 0 0 0 0 0 0 0 0 0 0 3e306" << "1.7e308" << "0" << true << tooLarge("cheque 0", "grand total");
        QTest::newRow("cash to bank") << "0 0 0 0 0 0 1e308" << "" << "-1.5e308" << true << tooLarge("float", "cash to bank");
        // Finite sums whose text, to 15 significant digits, is beyond a double.
        QTest::newRow("change total as shown") << "5.3e295 0 0 0 0 0 0 8.98846567431155e307" << "" << "0" << true
                                               << tooLarge("count 7", "change total");
        QTest::newRow("cheque total as shown") << "" << "1.7976931348623157e308" << "0" << true << tooLarge("cheque 0", "cheque total");
    }

    void workOut()
    {
        QFETCH(QString, counts);
        QFETCH(QString, cheques);
        QFETCH(QString, floatAmount);
        QFETCH(bool, figuresShown);
        QFETCH(QString, expected);
        const TillOutcome outcome = workOutTill({boxes<tillRows>(counts), boxes<chequeRows>(cheques), floatAmount}, figuresShown);
        QCOMPARE(outcomeOf(outcome), expected);
        QVERIFY(!outcome.figures || outcome.faults.empty()); // figures come whole or not at all
    }

    void regionalStyle()
    {
        const TillEntries entries{boxes<tillRows>("0 0 0 0 0 0 0 0 0 0 0 20"), boxes<chequeRows>("1.234,5"), "0,5"};
        QCOMPARE(outcomeOf(workOutTill(entries, false, QLocale(QStringLiteral("de_DE")))),
                 QStringLiteral("11:1.000,00 | 0,00 1.000,00 1.000,00 1.234,50 2.234,50 999,50 1.234,50"));
    }
};

QTEST_APPLESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
