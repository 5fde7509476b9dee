#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace tillora {

// The three-way options of the number and currency formats.
enum class Tristate { False = 0, True = -1, UseDefault = -2 };

// x rounded half away from zero to `decimals` places (-1: the regional
// default, 2), e.g. 1,234.50 or -50.00 in the United Kingdom. Rounding works
// on the 15 significant digits a person reads, and a result that rounds to
// zero never shows a minus sign. Raises a floating-point fault for inf/nan
// and for the few largest doubles, whose text would not read back.
QString formatNumber(double x, int decimals = -1,
                     Tristate leadingDigit = Tristate::UseDefault,
                     Tristate parenthesesForNegative = Tristate::UseDefault,
                     Tristate groupDigits = Tristate::UseDefault,
                     const QLocale& region = QLocale());

// As formatNumber, with the region's currency decimals (-1) and currency
// symbol where the region puts it: £1,481.40, and -£50.00 for a negative
// (never the accountants' parentheses unless asked for).
QString formatCurrency(double x, int decimals = -1,
                       Tristate leadingDigit = Tristate::True,
                       Tristate parenthesesForNegative = Tristate::UseDefault,
                       Tristate groupDigits = Tristate::UseDefault,
                       const QLocale& region = QLocale());

// A moment in a pattern of d, dd, m, mm, yy, yyyy, h, hh, H, HH, n, nn, s,
// ss; "/" and ":" stand for the regional date and time separators. "m"/"mm"
// straight after an hour (separators aside) are minutes, elsewhere the month.
QString formatMoment(const QDateTime& moment, QStringView pattern,
                     const QLocale& region = QLocale());

// Local date and time of the system clock.
QDateTime currentMoment();

} // namespace tillora
