// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace tillora {

// The most characters an entry box holds, far more than any number needs.
// A box cuts short what is pasted beyond it, so a text this long cannot be
// trusted to be what the user put in.
inline constexpr int entryCapacity = 1000;

// Whether a text fills its box, so that part of what was put in may be missing.
inline bool fillsItsBox(QStringView text)
{
    return text.size() >= entryCapacity;
}

// Why a text cannot be read as a number.
enum class ReadFault {
    NotANumber, // empty, a lone sign, letters, a currency symbol, misplaced grouping
    TooLarge,   // a number beyond the range of a double
};

// A number read from a text, or why there is none.
struct Reading {
    double value = 0;
    std::optional<ReadFault> fault;
    bool ok() const { return !fault; }
};

// Reads a number written in the region's style, as formatNumber writes it:
// blanks around it, group separators in their proper places, a leading sign
// (or parentheses for a negative), the regional decimal separator (or "."
// where "." is neither it nor the group separator) and an exponent, in ASCII
// or the region's own digits. Anything else is not a number, so that a
// mistyped figure is never silently taken for another.
Reading strictNumber(QStringView text, const QLocale& region = QLocale());

// Never fails. Skips blanks, tabs and line feeds wherever they stand and
// reads the longest leading number, in ASCII or the region's own digits,
// with "." as its decimal point in every region (and the region's own
// separator where it is no ASCII character, as ٫ is); 0 when the text does
// not begin with a number. A value beyond a double reads as infinity, for
// the caller's fault check to catch.
double lenientNumber(QStringView text, const QLocale& region = QLocale());

// A number as plain text: at most 15 significant digits, no grouping, no
// trailing zeros, the regional decimal separator; an exponent form
// (1.5E+20, 1E-05) outside 1E-05 <= |x| < 1E+15.
QString numberToText(double x, const QLocale& region = QLocale());

} // namespace tillora
