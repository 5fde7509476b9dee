// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace tillora {

// How a figure is written. An option left unset takes the region's default:
// two decimals, a leading zero, a minus sign for a negative, digit grouping.
struct FormatOptions {
    std::optional<int> decimals = std::nullopt;
    std::optional<bool> leadingDigit = std::nullopt;
    std::optional<bool> parenthesesForNegative = std::nullopt;
    std::optional<bool> groupDigits = std::nullopt;
};

// Whether formatNumber can write x: finite, and not one of the few largest
// doubles, whose 15 significant digits round up past the range.
bool writable(double x);

// x rounded half away from zero, e.g. 1,234.50 or -50.00 in the United
// Kingdom. Rounding works on the 15 significant digits a person reads, and
// a result that rounds to zero never shows a minus sign. Raises a
// floating-point fault (RuntimeError) for what is not writable().
QString formatNumber(double x, const FormatOptions& options = {}, const QLocale& region = QLocale());

// An amount of pounds: as formatNumber, always with a leading digit, and
// with "£" where the region puts its own currency symbol, e.g. £1,481.40,
// -£50.00, or 1.481,40 £ in Germany. Every amount the program handles is
// in pounds, whatever the region's own currency.
QString formatPounds(double x, const FormatOptions& options = {}, const QLocale& region = QLocale());

// A figure ready to stand in a sentence. Where the region writes it with a
// right-to-left mark (Arabic's negative sign), it is set apart as a
// first-strong isolate, so that the mark neither turns the sentence round
// nor splits the figure; any other figure is left as it is.
QString wholeInSentence(const QString& figure);

// A moment in a pattern of d, dd, m, mm, yy, yyyy, h, hh, H, HH, n, nn, s,
// ss; "/" and ":" stand for the region's date and time separators. "m"/"mm"
// straight after an hour (separators aside) are minutes, elsewhere the month.
QString formatMoment(const QDateTime& moment, QStringView pattern, const QLocale& region = QLocale());

} // namespace tillora
