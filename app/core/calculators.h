// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace tillora {

// The sums of the VAT and markup calculators. Each reads the leading
// number of what was typed (17.5% reads 17.5, £100 reads 0) and gives the
// whole result line. A figure beyond what a double holds raises a
// RuntimeError with words for the user.

// VAT at `rate` percent added to a net amount: "Total : £100.00 + VAT
// (£17.50) = £117.50".
QString vatAdded(QStringView amount, QStringView rate, const QLocale& region = QLocale());

// The VAT a gross amount contains at `rate` percent: "VAT Paid: £17.50".
QString vatPaid(QStringView gross, QStringView rate, const QLocale& region = QLocale());

// The selling price of an item bought for `amount`, marked up by a whole
// `markupPercent` and with VAT added at `vatRate` percent, and the VAT
// that price contains: "£12.5 + a markup of 10% = a selling price of
// £16.16 - VAT on this item is £2.41".
QString markedUp(QStringView amount, QStringView vatRate, int markupPercent, const QLocale& region = QLocale());

} // namespace tillora
