// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "till/tillmodel.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>

namespace tillora {

// How coins may go to the bank: in full bags only, one denomination to a
// bag, as banks take them over the counter; or one by one. Notes always go
// one by one.
enum class CoinBagging { FullBags, Loose };

// The value in pence of one piece of each row's note or coin (rows as in
// the till: 1p in row 0 up to £50 in row 11).
inline constexpr std::array<qint64, tillRows> piecePence{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000};

// The most a split supports: pieces in a row, and pence in the till, the
// float or the cash to bank (£10,000,000).
inline constexpr qint64 payingInMostPieces = 1'000'000'000;
inline constexpr qint64 payingInMostPence = 1'000'000'000;

// The value in pence of one full bag of a row's coin: £20 for £2 and £1,
// £10 for 50p and 20p, £5 for 10p and 5p, £1 for 2p and 1p. 0 where pieces
// go one by one: notes, and every coin when coins go loose. The row is
// one of the till's, 0 to tillRows - 1.
qint64 bagPence(int row, CoinBagging bagging);

// One row of the split, in pieces unless named in pence.
struct PayingInRow {
    qint64 inTill = 0;      // counted
    qint64 toBank = 0;      // bags * pieces to a bag where bagged
    qint64 bags = 0;        // full bags to bank; 0 where pieces go one by one
    qint64 bagPence = 0;    // the value of one bag; 0 where pieces go one by one
    qint64 bankedPence = 0; // the value of toBank
    qint64 kept = 0;        // inTill - toBank, staying in the till
};

// What to bank and what to keep. The amount banked is the most the pieces
// allow without going over the cash to bank, so the float always stays in
// the till; kept is the float plus whatever cannot be banked without taking
// from it. Of several ways to bank that amount the one with the most £50
// notes is taken, of those the one with the most £20 notes, and so on down
// to 1p.
struct PayingIn {
    std::array<PayingInRow, tillRows> rows;
    qint64 countedPence = 0; // the till total
    qint64 floatPence = 0;   // the float, to the penny
    qint64 targetPence = 0;  // the cash to bank as shown, to the penny; below 0 when short of the float
    qint64 bankedPence = 0;
    qint64 keptPence = 0; // countedPence - bankedPence

    // By how much the till is short of its float, as the cash to bank
    // shows it; nothing is banked then. 0 when the float is there.
    qint64 shortOfFloatPence() const { return std::max<qint64>(-targetPence, 0); }
    // The part of the cash to bank that stays in the till, as no full bag
    // or no change makes it up.
    qint64 unbankedPence() const { return std::max<qint64>(targetPence, 0) - bankedPence; }
};

// Why the figures cannot be split.
struct PayingInFault {
    enum class Reason {
        CountNotWhole, // a count of 0 or more with a fraction of a piece
        CountNegative, // a count below 0, whole or not
        BeyondSupport, // beyond payingInMostPieces or payingInMostPence, or not a finite number
    };
    enum class Figure { Count, Counted, Float, CashToBank }; // Counted: the till total
    Reason reason = Reason::BeyondSupport;
    Figure figure = Figure::Count;
    int row = -1; // the count's row; -1 for the other figures
    bool operator==(const PayingInFault&) const = default;
};

struct PayingInOutcome {
    std::optional<PayingIn> split; // exactly one of the two
    std::optional<PayingInFault> fault;
};

// Splits the till into what to bank and what to keep as the float, from
// the counts as the till read them, the float and the cash to bank as the
// till shows it (pounds). The counts are checked row by row from row 0, the
// first one at fault named; then the till total, the float and the cash to
// bank. The sums are exact, in whole pence: the cash to bank is taken as
// given, so a split never banks more than it shows, nor more than the till
// holds.
PayingInOutcome splitPayingIn(const std::array<double, tillRows>& counts, double floatAmount, double cashToBank,
                              CoinBagging bagging = CoinBagging::FullBags);

} // namespace tillora
