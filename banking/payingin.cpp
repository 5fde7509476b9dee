// SPDX-License-Identifier: GPL-3.0-or-later
#include "banking/payingin.h"

#include <cmath>
#include <numeric>

namespace tillora {

namespace {

using Reason = PayingInFault::Reason;
using Figure = PayingInFault::Figure;
using Units = std::array<qint64, tillRows>;

constexpr Units bagOf{100, 100, 500, 500, 1000, 1000, 2000, 2000, 0, 0, 0, 0};

// The pieces of each row go to the bank in units (a bag, or a piece), and
// the split picks how many units of each row: the largest sum not over the
// target, and of those the choice that is greatest row by row from row 11.
// Greedy is not enough, as counts are bounded (60p from three 20p and one
// 50p takes no 50p), so the search runs depth first from row 11 down,
// trying the most units first: the first choice it meets with the largest
// sum is the one wanted. Three facts about that choice keep it small:
//
// - Exchange: were row i to keep back at least swapIn[i][j] units while a
//   row j below it banks swapOut[i][j] (their least common multiple in
//   each row's units), those row j units could give way to swapIn[i][j]
//   of row i: the same sum, but greater from the top. So once row i keeps
//   that many back, row j banks fewer than swapOut[i][j].
// - Room: were row i to keep a unit back with a unit's worth of room left
//   after the rows below bank all they may, the sum would not be the
//   largest.
// - Bound: a branch that cannot beat the best sum found so far is left.
//   Fewer units of a row only lower both this bound and the room, so the
//   rest of the row is left too.
//
// With the exchange limits the rows below a row that keeps units back add
// up to a few times its unit at most, so the room leaves about ten counts
// to try in each row, mostly far fewer, and the bound cuts those down to
// a few hundred choices in the worst tills found. The search ends once it
// reaches the ceiling: the target, or the whole till, in steps of the
// units' greatest common divisor.
class Search {
public:
    Search(const Units& unit, const Units& available, qint64 target)
        : unit(unit)
        , target(target)
    {
        qint64 total = 0, step = 0;
        for (int i = 0; i < tillRows; ++i) {
            total += available[i] * unit[i];
            if (available[i] > 0)
                step = std::gcd(step, unit[i]);
            for (int j = 0; j < i; ++j) {
                const qint64 common = std::gcd(unit[i], unit[j]);
                swapIn[i][j] = unit[j] / common;
                swapOut[i][j] = unit[i] / common;
            }
        }
        limits[tillRows] = available;
        ceiling = step > 0 ? std::min(target, total) / step * step : 0;
    }

    Units run()
    {
        down(tillRows - 1, target, 0);
        return best;
    }

private:
    // Rows above `row` are chosen; limits[row + 1] holds what each row at or
    // below it may still bank.
    void down(int row, qint64 room, qint64 sum)
    {
        if (row < 0) {
            if (sum > bestSum) {
                bestSum = sum;
                best = units;
            }
            return;
        }
        const qint64 u = unit[row];
        const Units& here = limits[row + 1];
        Units& below = limits[row];
        const qint64 most = std::min(here[row], room / u);
        for (qint64 n = most; n >= 0; --n) {
            const qint64 keptBack = limits[tillRows][row] - n;
            qint64 rest = 0, step = 0;
            for (int j = 0; j < row; ++j) {
                below[j] = keptBack >= swapIn[row][j] ? std::min(here[j], swapOut[row][j] - 1) : here[j];
                rest += below[j] * unit[j];
                if (below[j] > 0)
                    step = std::gcd(step, unit[j]);
            }
            const qint64 left = room - n * u;
            if (sum + n * u + std::min(left, rest) <= bestSum || (n < most && left - rest >= u))
                break;
            if (step > 0 && sum + n * u + std::min(left, rest) / step * step <= bestSum)
                continue;
            units[row] = n;
            down(row - 1, left, sum + n * u);
            if (bestSum == ceiling)
                return;
        }
    }

    Units unit;
    qint64 target;
    qint64 ceiling = 0;
    std::array<Units, tillRows> swapIn{}, swapOut{};
    std::array<Units, tillRows + 1> limits{};
    Units units{}, best{};
    qint64 bestSum = -1;
};

// Pounds to whole pence, if within what a split supports.
std::optional<qint64> toPence(double pounds)
{
    if (!std::isfinite(pounds) || std::fabs(pounds) > 2.0 * payingInMostPence / 100)
        return std::nullopt;
    const qint64 pence = std::llround(pounds * 100);
    if (std::abs(pence) > payingInMostPence)
        return std::nullopt;
    return pence;
}

PayingInOutcome fault(Reason reason, Figure figure, int row = -1)
{
    return {std::nullopt, PayingInFault{reason, figure, row}};
}

} // namespace

qint64 bagPence(int row, CoinBagging bagging)
{
    return bagging == CoinBagging::FullBags ? bagOf[row] : 0;
}

PayingInOutcome splitPayingIn(const std::array<double, tillRows>& counts, double floatAmount, double cashToBank,
                              CoinBagging bagging)
{
    PayingIn split;
    for (int row = 0; row < tillRows; ++row) {
        const double count = counts[row];
        if (!std::isfinite(count) || count > double(payingInMostPieces))
            return fault(Reason::BeyondSupport, Figure::Count, row);
        if (count < 0)
            return fault(Reason::CountNegative, Figure::Count, row);
        if (count != std::floor(count))
            return fault(Reason::CountNotWhole, Figure::Count, row);
        split.rows[row].inTill = qint64(count);
        split.countedPence += split.rows[row].inTill * piecePence[row];
    }
    if (split.countedPence > payingInMostPence)
        return fault(Reason::BeyondSupport, Figure::Counted);
    const std::optional<qint64> floatPence = toPence(floatAmount);
    if (!floatPence)
        return fault(Reason::BeyondSupport, Figure::Float);
    const std::optional<qint64> target = toPence(cashToBank);
    if (!target)
        return fault(Reason::BeyondSupport, Figure::CashToBank);
    split.floatPence = *floatPence;
    split.targetPence = *target;

    Units unit, available;
    for (int row = 0; row < tillRows; ++row) {
        PayingInRow& r = split.rows[row];
        r.bagPence = bagPence(row, bagging);
        unit[row] = r.bagPence > 0 ? r.bagPence : piecePence[row];
        available[row] = r.inTill / (unit[row] / piecePence[row]);
    }
    const Units units = split.targetPence > 0 ? Search(unit, available, split.targetPence).run() : Units{};
    for (int row = 0; row < tillRows; ++row) {
        PayingInRow& r = split.rows[row];
        r.toBank = units[row] * (unit[row] / piecePence[row]);
        r.bags = r.bagPence > 0 ? units[row] : 0;
        r.bankedPence = units[row] * unit[row];
        r.kept = r.inTill - r.toBank;
        split.bankedPence += r.bankedPence;
    }
    split.keptPence = split.countedPence - split.bankedPence;
    return {split, std::nullopt};
}

} // namespace tillora
