// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/calculators.h"

#include "app/core/checkedarithmetic.h"
#include "app/core/conversions.h"
#include "app/core/formats.h"
#include "app/core/runtimeerror.h"

#include <QCoreApplication>

namespace tillora {

namespace {

struct Calculators {
    Q_DECLARE_TR_FUNCTIONS(Calculators)
};

// In a calculator the user can only have typed a figure too large to work
// with, whatever step overflowed.
template <typename Sum>
QString tellingTooLarge(Sum sum)
{
    try {
        return sum();
    } catch (const RuntimeError& error) {
        if (error.kind() != RuntimeError::Kind::Overflow && error.kind() != RuntimeError::Kind::InvalidOperation)
            throw;
        throw RuntimeError(error.kind(), Calculators::tr("The amount or the VAT rate is too large to work with. "
                                                         "Please check both figures."));
    }
}

} // namespace

QString vatAdded(QStringView amountText, QStringView rateText, const QLocale& region)
{
    return tellingTooLarge([&] {
        const double amount = lenientNumber(amountText);
        const double vat = fp::multiply(fp::divide(lenientNumber(rateText), 100.0), amount);
        const double total = fp::add(amount, vat);
        return Calculators::tr("Total : \u00a3%1 + VAT (%2) = %3")
            .arg(wholeInSentence(formatNumber(amount, {}, region)), wholeInSentence(formatPounds(vat, {}, region)),
                 wholeInSentence(formatPounds(total, {}, region)));
    });
}

QString vatPaid(QStringView grossText, QStringView rateText, const QLocale& region)
{
    return tellingTooLarge([&] {
        const double gross = lenientNumber(grossText);
        const double divisor = fp::add(fp::divide(lenientNumber(rateText), 100.0), 1.0);
        if (divisor == 0.0)
            throw RuntimeError(RuntimeError::Kind::DivisionByZero,
                               Calculators::tr("A VAT rate of -100% leaves no net amount to work from. "
                                               "Please check the VAT rate."));
        const double vat = fp::subtract(gross, fp::divide(gross, divisor));
        return Calculators::tr("VAT Paid: \u00a3%1").arg(wholeInSentence(formatNumber(vat, {}, region)));
    });
}

QString markedUp(QStringView amountText, QStringView vatRateText, int markupPercent, const QLocale& region)
{
    return tellingTooLarge([&] {
        const double amount = lenientNumber(amountText);
        const double markup = fp::multiply(fp::divide(amount, 100.0), markupPercent);
        const double vatFactor = fp::add(fp::divide(lenientNumber(vatRateText), 100.0), 1.0);
        const double beforeVat = fp::add(amount, markup);
        const double sellingPrice = fp::multiply(beforeVat, vatFactor);
        // The VAT the selling price contains at the rate typed.
        const double vat = fp::subtract(sellingPrice, beforeVat);
        return Calculators::tr(
                   "\u00a3%1 + a markup of %2% = a selling price of \u00a3%3 - VAT on this item is \u00a3%4")
            .arg(wholeInSentence(numberToText(amount, region)), QString::number(markupPercent),
                 wholeInSentence(formatNumber(sellingPrice, {}, region)),
                 wholeInSentence(formatNumber(vat, {}, region)));
    });
}

} // namespace tillora
