// SPDX-License-Identifier: GPL-3.0-or-later
// The till's working-out: every figure from the entries as typed, or the
// entries that keep it from being worked out.
#include "app/numbers/conversions.h"
#include "till/tillmodel.h"

#include "support/rows.h"

#include <QTest>

using namespace tillora;
using tillora::test::rows;
using Reason = EntryFault::Reason;
using Boxes = QMap<int, QString>; // the boxes typed into, by row; the others hold "0"

namespace {

struct Totals { // change, notes, till, cheques, grand, cash to bank, cheques to bank
    Boxes counts, cheques;
    QString floatAmount, totals;
};

struct Faults {
    Boxes counts, cheques;
    QString floatAmount;
    bool figuresShown;
    QList<EntryFault> faults; // none: every figure is worked out, once there is a float
    QString expectedTakings = {};
};

TillOutcome workOut(const Boxes& counts, const Boxes& cheques, const QString& floatAmount, bool shown = false,
                    const QString& expected = {})
{
    TillEntries entries{{}, {}, floatAmount, expected};
    entries.counts.fill(QStringLiteral("0"));
    entries.cheques.fill(QStringLiteral("0"));
    for (auto it = counts.begin(); it != counts.end(); ++it)
        entries.counts[size_t(it.key())] = it.value();
    for (auto it = cheques.begin(); it != cheques.end(); ++it)
        entries.cheques[size_t(it.key())] = it.value();
    return workOutTill(entries, shown);
}

EntryFault count(int row, Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Count, row}, reason, total};
}

EntryFault cheque(int row, Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Cheque, row}, reason, total};
}

EntryFault takings(Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::ExpectedTakings}, reason, total};
}

EntryFault onFloat(Reason reason, TillTotal total = TillTotal::Change)
{
    return {{EntryId::Kind::Float}, reason, total};
}

} // namespace

Q_DECLARE_METATYPE(Totals)
Q_DECLARE_METATYPE(Faults)

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void totals_data()
    {
        rows<Totals>({
            {{{7, "1"}}, {}, "0", "2.00 0.00 2.00 0.00 2.00 2.00 0.00"}, // £2 is change
            {{{8, "1"}}, {}, "0", "0.00 5.00 5.00 0.00 5.00 5.00 0.00"}, // £5 is notes
            {{{5, "-1"}, {11, "20"}}, {}, "0", "-0.50 1,000.00 999.50 0.00 999.50 999.50 0.00"},
            {{{6, "3"}, {9, "1"}}, {{2, "4"}}, "20", "3.00 10.00 13.00 4.00 17.00 -7.00 4.00"},
            // The totals add the line totals as shown, the cheques as typed.
            {{{0, "0.5"}, {2, "0.1"}}, {}, "0", "0.02 0.00 0.02 0.00 0.02 0.02 0.00"},
            {{}, {{0, "0.004"}, {9, "0.004"}}, "0", "0.00 0.00 0.00 0.01 0.01 0.00 0.01"},
            {{{0, ""}, {3, "3"}}, {{0, "  "}, {1, "12"}}, "5", "0.30 0.00 0.30 12.00 12.30 -4.70 12.00"},
            {{{10, "50"}, {11, "20"}},
             {{0, "1,234.5"}},
             "0.5",
             "0.00 2,000.00 2,000.00 1,234.50 3,234.50 1,999.50 1,234.50"},
        });
    }

    void totals()
    {
        QFETCH(Totals, row);
        const TillOutcome outcome = workOut(row.counts, row.cheques, row.floatAmount);
        QVERIFY(outcome.faults.empty());
        const TillFigures& f = *outcome.figures;
        const QStringList totals{f.changeTotal, f.notesTotal, f.tillTotal,    f.chequeTotal,
                                 f.grandTotal,  f.cashToBank, f.chequesToBank};
        QCOMPARE(totals.join(u' '), row.totals);
    }

    void faults_data()
    {
        const QString full = QString(entryCapacity - 2, u'0') + "12";
        rows<Faults>({
            // Without a float nothing is worked out; once anything is on show, the float is to blame.
            {{}, {}, "", false, {}},
            {{{3, "4"}}, {}, "", false, {onFloat(Reason::FloatAwaited)}},
            {{}, {{9, "1"}}, "", false, {onFloat(Reason::FloatAwaited)}},
            {{}, {}, " ", true, {onFloat(Reason::FloatAwaited)}},
            {{{0, "x"}}, {}, "", true, {count(0, Reason::NotANumber), onFloat(Reason::FloatAwaited)}},
            {{{11, "y"}},
             {{9, "-"}},
             "?",
             false,
             {count(11, Reason::NotANumber), cheque(9, Reason::NotANumber), onFloat(Reason::NotANumber)}},
            {{{0, full.mid(1)}}, {}, "0", true, {}},
            {{{0, full}}, {}, "0", true, {count(0, Reason::BoxFull)}},
            {{}, {{4, "1e999"}}, "0", false, {cheque(4, Reason::TooLargeToRead)}},
            // Beyond a double, the entry with the larger share is blamed.
            {{{11, "1e308"}}, {}, "0", false, {count(11, Reason::LineTotalTooLarge)}},
            {{{6, "1e308"}, {7, "8e307"}}, {}, "0", false, {count(7, Reason::TotalTooLarge, TillTotal::Change)}},
            {{{10, "8e306"}, {11, "3e306"}}, {}, "0", false, {count(10, Reason::TotalTooLarge, TillTotal::Notes)}},
            {{{6, "1.7e308"}, {11, "3e306"}}, {}, "0", false, {count(6, Reason::TotalTooLarge, TillTotal::Till)}},
            {{}, {{0, "1e308"}, {1, "1.5e308"}}, "0", false, {cheque(1, Reason::TotalTooLarge, TillTotal::Cheques)}},
            {{{11, "3e306"}}, {{0, "1.7e308"}}, "0", false, {cheque(0, Reason::TotalTooLarge, TillTotal::Grand)}},
            {{{6, "1e308"}}, {}, "-1.5e308", false, {onFloat(Reason::TotalTooLarge, TillTotal::CashToBank)}},
            // Finite sums whose text, to 15 significant digits, is beyond a double.
            {{{0, "5.3e295"}, {7, "8.98846567431155e307"}},
             {},
             "0",
             false,
             {count(7, Reason::TotalTooLarge, TillTotal::Change)}},
            {{}, {{0, "1.7976931348623157e308"}}, "0", false, {cheque(0, Reason::TotalTooLarge, TillTotal::Cheques)}},
            // The takings expected: a figure like any other.
            {{}, {}, "", false, {onFloat(Reason::FloatAwaited)}, "12"},
            {{}, {}, "0", false, {takings(Reason::NotANumber)}, "12 pounds"},
            {{{6, "1e307"}}, {}, "-1.5e308", false, {onFloat(Reason::TotalTooLarge, TillTotal::OverShort)}, "-1e308"},
            {{{11, "2e306"}}, {}, "0", false, {takings(Reason::TotalTooLarge, TillTotal::OverShort)}, "-1.7e308"},
        });
    }

    // Figures come whole or not at all.
    void faults()
    {
        QFETCH(Faults, row);
        const TillOutcome outcome
            = workOut(row.counts, row.cheques, row.floatAmount, row.figuresShown, row.expectedTakings);
        QCOMPARE(QList<EntryFault>(outcome.faults.begin(), outcome.faults.end()), row.faults);
        QCOMPARE(outcome.figures.has_value(), row.faults.isEmpty() && !row.floatAmount.trimmed().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
