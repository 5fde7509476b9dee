// SPDX-License-Identifier: GPL-3.0-or-later
// The till's working-out: the entries that keep its figures from being
// worked out, and why. The figures themselves are tst_tilltyping's, as shown.
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

const QString full = QString(entryCapacity - 2, u'0') + "12"; // a box filled to the brim

struct Blaming { // the entries that keep the figures from being worked out
    const char* name;
    Boxes counts, cheques;
    QString floatAmount, expectedTakings;
    QList<EntryFault> faults;
    bool figuresShown = false;
};

} // namespace

Q_DECLARE_METATYPE(Blaming)

class TestTillModel : public QObject {
    Q_OBJECT
private slots:
    void blaming_data()
    {
        rows<Blaming>({
            // Without a float nothing is worked out; once anything is on show, the float is to blame.
            {"cheque, no float", {}, {{9, "1"}}, "", "", {{{Float}, FloatAwaited}}},
            {"takings, no float", {}, {}, "", "12", {{{Float}, FloatAwaited}}},
            {"float emptied", {}, {}, " ", "", {{{Float}, FloatAwaited}}, true},
            {"not a number first", {{0, "x"}}, {}, "", "", {{{Count, 0}, NotANumber}, {{Float}, FloatAwaited}}, true},
            {"box full", {{0, full}}, {}, "0", "", {{{Count, 0}, BoxFull}}},
            {"beyond a double", {}, {{4, "1e999"}}, "0", "", {{{Cheque, 4}, TooLargeToRead}}},
            {"takings not a number", {}, {}, "0", "12 pounds", {{{ExpectedTakings}, NotANumber}}},
            // Beyond a double, the entry with the larger share is blamed.
            {"line total", {{11, "1e308"}}, {}, "0", "", {{{Count, 11}, LineTotalTooLarge}}},
            {"change", {{6, "1e308"}, {7, "8e307"}}, {}, "0", "", {{{Count, 7}, TotalTooLarge, Change}}},
            {"notes", {{10, "8e306"}, {11, "3e306"}}, {}, "0", "", {{{Count, 10}, TotalTooLarge, Notes}}},
            {"till", {{6, "1.7e308"}, {11, "3e306"}}, {}, "0", "", {{{Count, 6}, TotalTooLarge, Till}}},
            {"cheques", {}, {{0, "1e308"}, {1, "1.5e308"}}, "0", "", {{{Cheque, 1}, TotalTooLarge, Cheques}}},
            {"grand", {{11, "3e306"}}, {{0, "1.7e308"}}, "0", "", {{{Cheque, 0}, TotalTooLarge, Grand}}},
            {"cash to bank", {{6, "1e308"}}, {}, "-1.5e308", "", {{{Float}, TotalTooLarge, CashToBank}}},
            // A finite sum whose text, to 15 significant digits, is beyond a double.
            {"unwritable", {}, {{0, "1.7976931348623157e308"}}, "0", "", {{{Cheque, 0}, TotalTooLarge, Cheques}}},
            // Over / Short beyond a double: the float, or the takings expected, to blame.
            {"float too", {{6, "1e307"}}, {}, "-1.5e308", "-1e308", {{{Float}, TotalTooLarge, OverShort}}},
            {"takings too", {{11, "2e306"}}, {}, "0", "-1.7e308", {{{ExpectedTakings}, TotalTooLarge, OverShort}}},
        });
    }

    // Figures come whole or not at all: an entry that cannot be used keeps
    // them all back, and says why.
    void blaming()
    {
        QFETCH(Blaming, row);
        TillEntries entries{{}, {}, row.floatAmount, row.expectedTakings};
        entries.counts.fill(QStringLiteral("0"));
        entries.cheques.fill(QStringLiteral("0"));
        for (auto it = row.counts.begin(); it != row.counts.end(); ++it)
            entries.counts[size_t(it.key())] = it.value();
        for (auto it = row.cheques.begin(); it != row.cheques.end(); ++it)
            entries.cheques[size_t(it.key())] = it.value();
        const TillOutcome outcome = workOutTill(entries, row.figuresShown);
        QCOMPARE(QList<EntryFault>(outcome.faults.begin(), outcome.faults.end()), row.faults);
        QVERIFY(!outcome.figures);
    }
};

QTEST_GUILESS_MAIN(TestTillModel)
#include "tst_tillmodel.moc"
