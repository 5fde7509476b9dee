// SPDX-License-Identifier: GPL-3.0-or-later
// Paying in: the split against every sum the pieces can make, the figures it
// cannot split, and the window following every keystroke in the till and
// saying why when there is nothing to split.
#include "app/widgets/fonts.h"
#include "banking/payingin.h"
#include "support/rows.h"
#include "support/support.h"
#include "till/tillwindow.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTableWidget>

#include <numeric>

using namespace tillora;
using namespace tillora::test;
using enum PayingInFault::Reason;
using enum PayingInFault::Figure;
using Units = std::array<qint64, tillRows>;

namespace {

// The banks' bags, in pence: £1 for 1p and 2p, £5 for 5p and 10p, £10 for 20p and 50p, £20 for £1 and £2.
constexpr Units bagsOf{100, 100, 500, 500, 1000, 1000, 2000, 2000, 0, 0, 0, 0};

// The units (bags or pieces) of each row that bank the most not over the
// target, the most £50 first, then £20, and so on: found from every sum the
// rows below each row can make.
Units exhaustive(const Units& unit, const Units& available, qint64 target)
{
    const qint64 total = std::inner_product(unit.begin(), unit.end(), available.begin(), qint64(0));
    std::vector<std::vector<char>> makes(tillRows + 1, std::vector<char>(size_t(total + 1)));
    makes[0][0] = true;
    for (int row = 0; row < tillRows; ++row)
        for (qint64 sum = 0; sum <= total; ++sum)
            for (qint64 n = 0; n <= available[row] && n * unit[row] <= sum && !makes[row + 1][sum]; ++n)
                makes[row + 1][sum] = makes[row][sum - n * unit[row]];
    qint64 room = std::clamp<qint64>(target, 0, total);
    while (!makes[tillRows][room])
        --room;
    Units units{};
    for (int row = tillRows - 1; row >= 0; --row) {
        units[row] = std::min(available[row], room / unit[row]);
        while (!makes[row][room - units[row] * unit[row]])
            --units[row];
        room -= units[row] * unit[row];
    }
    return units;
}

struct Split {
    const char* name;
    std::array<double, tillRows> counts;
    double floatAmount, cashToBank;
    std::optional<PayingInFault> fault; // or what is banked:
    qint64 bankedInBags = 0, bankedLoose = 0, shortOfFloat = 0;
};

struct Shown { // what the window shows
    const char* name;
    QStringList till; // typed into the till once Paying In is open
    bool loose;       // coins may go one by one
    QString split;    // the pieces to bank, £50 notes first, then "|" and the bags
    QString totals;   // cash, cheques, paid in, kept
    QString status;
};

// A column's cells, one after another.
QString column(const QTableWidget& table, int column)
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells << table.item(row, column)->text();
    return cells.join(u' ').simplified();
}

} // namespace

Q_DECLARE_METATYPE(Split)
Q_DECLARE_METATYPE(Shown)

class TestPayingIn : public QObject {
    Q_OBJECT
private slots:
    void againstEverySum_data() { seeds(20261207); }

    // Small random tills, now and then short of their float, split in bags
    // and loose: each row banks what the exhaustive search picks, and keeps
    // the rest. TILLORA_RANDOM_SEED adds a seed.
    void againstEverySum()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        for (int till = 0; till < 400; ++till) {
            const auto bagging = till % 2 ? CoinBagging::Loose : CoinBagging::FullBags;
            std::array<double, tillRows> counts;
            Units unit, perUnit, available;
            qint64 counted = 0;
            for (int row = 0; row < tillRows; ++row) {
                const qint64 piece = std::llround(denominations[row] * 100);
                unit[row] = bagging == CoinBagging::FullBags && bagsOf[row] ? bagsOf[row] : piece;
                perUnit[row] = unit[row] / piece;
                available[row] = random.bounded(random.bounded(4) ? 5 : 13);
                counts[row] = double(available[row] * perUnit[row] + random.bounded(perUnit[row]));
                counted += qint64(counts[row]) * piece;
            }
            const qint64 floatPence = random.bounded(counted + 200);
            const PayingInOutcome out
                = splitPayingIn(counts, floatPence / 100.0, (counted - floatPence) / 100.0, bagging);
            QVERIFY(out.split && !out.fault);
            const Units units = exhaustive(unit, available, counted - floatPence);
            QList<qint64> expected, got; // each row's fields, then the totals
            qint64 banked = 0;
            for (int row = 0; row < tillRows; ++row) {
                const qint64 bag = bagging == CoinBagging::FullBags ? bagsOf[row] : 0,
                             toBank = units[row] * perUnit[row];
                expected << qint64(counts[row]) << toBank << (bag ? units[row] : 0) << bag << units[row] * unit[row]
                         << qint64(counts[row]) - toBank;
                const PayingInRow& r = out.split->rows[row];
                got << r.inTill << r.toBank << r.bags << r.bagPence << r.bankedPence << r.kept;
                banked += units[row] * unit[row];
            }
            expected << counted << banked << counted - banked;
            got << out.split->countedPence << out.split->bankedPence << out.split->keptPence;
            QString failure;
            QDebug(&failure) << "seed" << seed << "till" << till << "float" << floatPence << got << "not" << expected;
            QVERIFY2(got == expected, qPrintable(failure));
        }
    }

    void faultsAndLimits_data()
    {
        const double inf = qInf(), nan = qQNaN();
        using Fault = PayingInFault;
        rows<Split>({
            {"half a 2p named before -1 20p", {0, 1.5, 0, 0, -1}, 0, 0.03, Fault{CountNotWhole, Count, 1}},
            {"-2 10p named before half a 20p", {0, 0, 0, -2, 0.5}, 0, 0, Fault{CountNegative, Count, 3}},
            {"a billion and one pennies", {1e9 + 1}, 0, 0, Fault{BeyondSupport, Count, 0}},
            {"an endless count of 5p", {0, 0, inf}, 0, 0, Fault{BeyondSupport, Count, 2}},
            {"£10,000,000.02 in the till", {1e9, 1}, 0, 1e7 + 0.02, Fault{BeyondSupport, Counted}},
            {"a float over £10,000,000", {}, 1e7 + 0.01, -1e7 - 0.01, Fault{BeyondSupport, Float}},
            {"cash to bank not a number", {}, 0, nan, Fault{BeyondSupport, CashToBank}},
            {"a till £47 short of its float", {0, 0, 0, 0, 0, 0, 3}, 50, -47, {}, 0, 0, 4700},
            {"a billion pennies, the most a row holds", {1e9}, 100, 9999900, {}, 999990000, 999990000},
            {"£10,000,000 in 1p, 2p and 5p", {5e8, 1e8, 6e7}, 123.45, 9999876.55, {}, 999987600, 999987655},
        });
    }

    // Faults name the first row at fault; the largest tills split exactly.
    void faultsAndLimits()
    {
        QFETCH(Split, row);
        for (const auto bagging : {CoinBagging::FullBags, CoinBagging::Loose}) {
            const PayingInOutcome out = splitPayingIn(row.counts, row.floatAmount, row.cashToBank, bagging);
            QCOMPARE(out.split.has_value(), !row.fault);
            QVERIFY(out.fault == row.fault);
            if (row.fault)
                continue;
            QCOMPARE(out.split->bankedPence, bagging == CoinBagging::FullBags ? row.bankedInBags : row.bankedLoose);
            QCOMPARE(out.split->shortOfFloatPence(), row.shortOfFloat);
        }
    }
    void split_data()
    {
        const QString keeps = "The till keeps %1: the float of %2 and %3 that cannot be banked without taking from it.";
        const QString kept = keeps.arg("£53.40", "£50.00", "£3.40");
        const QString stays = "The float of £50.00 stays in the till.";
        const QString bagged = keeps.arg("£11.50", "£10.00", "£1.50");
        const QString inBags = "0 2 0 0 0 40 0 0 0 0 0 200 | 2 × £20 2 × £1";
        const QStringList bags{"txtFloat=10", "txtTill_0=250", "txtTill_4=30", "txtTill_6=45", "txtTill_10=2"};
        const QString first = "Type the float and the counts in the till first.", none = "   ";
        const QString notWhole = "The count of £5 notes is not a whole number of notes.";
        const QString negative = "The count of £50 notes is below zero.";
        const QString unusable = "Correct this box in the till first: Number of 10p coins. “abc” is not a number.";
        rows<Shown>({
            {"waits for the float", {"txtTill_3=4"}, false, "|", none, first},
            {"notes in any number", workedExample, false, "0 1 2 0 0 0 0 0 0 0 0 0 |", "40.00 25.00 65.00 53.40", kept},
            {"loose coins bank it all", workedExample, true, "0 1 2 0 0 3 0 0 4 0 0 0 |", "43.40 25.00 68.40 50.00",
             stays},
            {"full bags", bags, false, inBags, "82.00 0.00 82.00 11.50", bagged},
            {"short of the float",
             {"txtFloat=50", "txtTill_9=3"},
             false,
             "0 0 0 0 0 0 0 0 0 0 0 0 |",
             "0.00 0.00 0.00 30.00",
             "The till holds £20.00 less than its float: nothing to bank."},
            {"a count not whole", {"txtFloat=50", "txtTill_8=2.5"}, false, "|", none, notWhole},
            {"a count below zero", {"txtFloat=5", "txtTill_11=-1"}, false, "|", none, negative},
            {"an unusable entry", {"txtFloat=50", "txtTill_3=abc"}, false, "|", none, unusable},
        });
    }

    // Opened first, so that every figure comes by following the till.
    void split()
    {
        QFETCH(Shown, row);
        auto till = shown<TillWindow>();
        act(till.get(), {"cmdPayingIn"});
        QWidget* payingIn = visible("frmPayingIn").value(0);
        QVERIFY(payingIn);
        const auto closing = qScopeGuard([payingIn] { payingIn->close(); });
        act(till.get(), row.till);
        act(payingIn, row.loose ? QStringList{"chkBags"} : QStringList{});
        const auto* table = child<QTableWidget>(payingIn, "tblSplit");
        QCOMPARE((column(*table, 1) + " | " + column(*table, 2)).simplified(), row.split);
        QCOMPARE(texts(payingIn, {"txtCash", "txtCheques", "txtPaidIn", "txtKept"}).join(u' '), row.totals);
        QCOMPARE(wholeCaption(child<QLabel>(payingIn, "lblStatus")), row.status);
    }
};

QTEST_MAIN(TestPayingIn)
#include "tst_payingin.moc"
