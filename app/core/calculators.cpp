// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/calculators.h"

#include "app/core/checkedarithmetic.h"
#include "app/core/runtimeerror.h"

namespace tillora {

VatSplit vatAddedTo(double net, double ratePercent)
{
    const double vat = fp::multiply(fp::divide(ratePercent, 100.0), net);
    return {net, vat, fp::add(net, vat)};
}

VatSplit vatContainedIn(double gross, double ratePercent)
{
    const double divisor = fp::add(fp::divide(ratePercent, 100.0), 1.0);
    if (divisor == 0.0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero);
    const double net = fp::divide(gross, divisor);
    return {net, fp::subtract(gross, net), gross};
}

MarkedUp markedUp(double cost, int markupPercent, double vatRatePercent)
{
    const double markup = fp::multiply(fp::divide(cost, 100.0), markupPercent);
    const double vatFactor = fp::add(fp::divide(vatRatePercent, 100.0), 1.0);
    const double beforeVat = fp::add(cost, markup);
    const double sellingPrice = fp::multiply(beforeVat, vatFactor);
    return {sellingPrice, fp::subtract(sellingPrice, beforeVat)};
}

} // namespace tillora
