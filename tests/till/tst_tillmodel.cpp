// SPDX-License-Identifier: GPL-3.0-or-later
// The till's working-out: every figure from the entries as typed, or the
// entries that keep it from being worked out.
#include "app/numbers/conversions.h"
#include "till/tillmodel.h"

#include "support/rows.h"

#include <QTest>

using namespace tillora;
using tillora::test::rows;
using enum EntryId::Kind;
using enum EntryFault::Reason;
using enum TillTotal;
using Boxes = QMap<int, QString>; // the boxes typed into, by row; the others hold "0"

namespace {

struct Working {
    Boxes counts, cheques;
    QString floatAmount;
    bool figuresShown;
    QList<EntryFault> faults; // none: every figure is worked out, once there is a float
    QString expectedTakings = {};
    QString totals = {}; // change, notes, till, cheques, grand, cash to bank, cheques to bank
};

} // namespace

Q_DECLARE_METATYPE(Working)

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void workingOut_data()
    {
        const QString full = QString(entryCapacity - 2, u'0') + "12";
        rows<Working>({
            // £2 is change, £5 notes; figures have thousands separators, and entries may.
            {{{7, "1"}, {8, "1"}, {9, "1"}}, {}, "0", false, {}, {}, "2.00 15.00 17.00 0.00 17.00 17.00 0.00"},
            {{{5, "-1"}, {11, "20"}}, {}, "0.5", false, {}, {}, "-0.50 1,000.00 999.50 0.00 999.50 999.00 0.00"},
            {{{6, "3"}}, {{2, "1,234.5"}}, "20", false, {}, {}, "3.00 0.00 3.00 1,234.50 1,237.50 -17.00 1,234.50"},
            // The totals add the line totals as shown, the cheques as typed.
            {{{0, "0.5"}, {2, "0.1"}}, {}, "0", false, {}, {}, "0.02 0.00 0.02 0.00 0.02 0.02 0.00"},
            {{}, {{0, "0.004"}, {9, "0.004"}}, "0", false, {}, {}, "0.00 0.00 0.00 0.01 0.01 0.00 0.01"},
            {{{0, ""}, {3, "3"}}, {{0, "  "}, {1, "12"}}, "5", false, {}, {}, "0.30 0.00 0.30 12.00 12.30 -4.70 12.00"},
            // Without a float nothing is worked out; once anything is on show, the float is to blame.
            {{}, {}, "", false, {}},
            {{{3, "4"}}, {}, "", false, {{{Float}, FloatAwaited}}},
            {{}, {{9, "1"}}, "", false, {{{Float}, FloatAwaited}}},
            {{}, {}, " ", true, {{{Float}, FloatAwaited}}},
            {{{0, "x"}}, {}, "", true, {{{Count, 0}, NotANumber}, {{Float}, FloatAwaited}}},
            {{{11, "y"}}, {{9, "-"}}, "0", false, {{{Count, 11}, NotANumber}, {{Cheque, 9}, NotANumber}}},
            {{{0, full.mid(1)}}, {}, "0", true, {}},
            {{{0, full}}, {}, "0", true, {{{Count, 0}, BoxFull}}},
            {{}, {{4, "1e999"}}, "0", false, {{{Cheque, 4}, TooLargeToRead}}},
            // Beyond a double, the entry with the larger share is blamed.
            {{{11, "1e308"}}, {}, "0", false, {{{Count, 11}, LineTotalTooLarge}}},
            {{{6, "1e308"}, {7, "8e307"}}, {}, "0", false, {{{Count, 7}, TotalTooLarge, Change}}},
            {{{10, "8e306"}, {11, "3e306"}}, {}, "0", false, {{{Count, 10}, TotalTooLarge, Notes}}},
            {{{6, "1.7e308"}, {11, "3e306"}}, {}, "0", false, {{{Count, 6}, TotalTooLarge, Till}}},
            {{}, {{0, "1e308"}, {1, "1.5e308"}}, "0", false, {{{Cheque, 1}, TotalTooLarge, Cheques}}},
            {{{11, "3e306"}}, {{0, "1.7e308"}}, "0", false, {{{Cheque, 0}, TotalTooLarge, Grand}}},
            {{{6, "1e308"}}, {}, "-1.5e308", false, {{{Float}, TotalTooLarge, CashToBank}}},
            // Finite sums whose text, to 15 significant digits, is beyond a double.
            {{}, {{0, "1.7976931348623157e308"}}, "0", false, {{{Cheque, 0}, TotalTooLarge, Cheques}}},
            // The takings expected: a figure like any other.
            {{}, {}, "", false, {{{Float}, FloatAwaited}}, "12"},
            {{}, {}, "0", false, {{{ExpectedTakings}, NotANumber}}, "12 pounds"},
            {{{6, "1e307"}}, {}, "-1.5e308", false, {{{Float}, TotalTooLarge, OverShort}}, "-1e308"},
            {{{11, "2e306"}}, {}, "0", false, {{{ExpectedTakings}, TotalTooLarge, OverShort}}, "-1.7e308"},
        });
    }

    // Figures come whole or not at all, from the entries as typed; the boxes
    // not in a row hold "0".
    void workingOut()
    {
        QFETCH(Working, row);
        TillEntries entries{{}, {}, row.floatAmount, row.expectedTakings};
        entries.counts.fill(QStringLiteral("0"));
        entries.cheques.fill(QStringLiteral("0"));
        for (auto it = row.counts.begin(); it != row.counts.end(); ++it)
            entries.counts[size_t(it.key())] = it.value();
        for (auto it = row.cheques.begin(); it != row.cheques.end(); ++it)
            entries.cheques[size_t(it.key())] = it.value();
        const TillOutcome outcome = workOutTill(entries, row.figuresShown);
        QCOMPARE(QList<EntryFault>(outcome.faults.begin(), outcome.faults.end()), row.faults);
        QCOMPARE(outcome.figures.has_value(), row.faults.isEmpty() && !row.floatAmount.trimmed().isEmpty());
        if (const auto& f = outcome.figures; f && !row.totals.isEmpty())
            QCOMPARE(QStringList(f->totals.begin(), f->totals.begin() + int(OverShort)).join(u' '), row.totals);
    }
};

QTEST_GUILESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
