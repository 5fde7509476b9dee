// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string_view>

namespace tillora {

// The pieces of a region's number style that the conversions and formats
// share, read once from QLocale.
struct NumberStyle {
    QString decimalPoint;
    QString groupSeparator;
    QString negativeSign;
    QString positiveSign;
    char16_t zeroDigit = u'0';
    int primaryGroup = 3;   // digits in the group next to the decimal point; 0: no grouping
    int secondaryGroup = 3; // digits in each group further left

    static NumberStyle of(const QLocale& region);

    // ASCII digits in the region's own digits.
    QString localDigits(std::string_view ascii) const;
    // 0-9 for an ASCII or regional digit, else -1.
    int digitValue(QChar c) const;
    // The region's separator, or what people type for it: any space for a
    // space-like one, any apostrophe for an apostrophe.
    bool isGroupSeparator(QChar c) const;
    // The length of the decimal separator that text begins with, 0 for none:
    // the region's own, or the keyboard's "." where "." means nothing else there.
    qsizetype decimalPointAt(QStringView text) const;
    // Integer digits with the region's group separators.
    QString grouped(std::string_view asciiDigits) const;
};

} // namespace tillora
