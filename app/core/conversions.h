// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace tillora {

// Reads a number written in the region's style, as formatNumber writes it:
// blanks around it, group separators in their proper places, a leading sign
// (or parentheses for a negative), the regional decimal separator and an
// exponent. Anything else (empty text, a lone sign, letters, a currency
// symbol, misplaced grouping) raises RuntimeError::Kind::TypeMismatch; a
// value beyond a double raises Kind::Overflow.
double strictNumber(QStringView text, const QLocale& region = QLocale());

// Never fails. Skips blanks, tabs and line feeds wherever they stand and
// reads the longest leading number with "." as its only decimal point in
// every region; 0 when the text does not begin with a number. A value
// beyond a double reads as infinity, for the caller's fault check to catch.
double lenientNumber(QStringView text);

// A number as plain text: at most 15 significant digits, no grouping, no
// trailing zeros, the regional decimal separator; an exponent form
// (1.5E+20, 1E-05) outside 1E-05 <= |x| < 1E+15.
QString numberToText(double x, const QLocale& region = QLocale());

} // namespace tillora
