// SPDX-License-Identifier: GPL-3.0-or-later
#include "vatcalc/vatsums.h"

#include "app/numbers/formats.h"

#include <cmath>

namespace tillora {

// A step beyond a double gives infinity or nan, and no later step makes it
// finite again but dividing by infinity, so checking the figures a sum
// gives, and a divisor, checks every step.

VatSplit vatAddedTo(double net, double ratePercent)
{
    const double vat = ratePercent / 100.0 * net;
    const double gross = net + vat;
    if (!writable(net) || !writable(vat) || !writable(gross))
        return {.fault = SumFault::TooLarge};
    return {.net = net, .vat = vat, .gross = gross};
}

VatContained vatContainedIn(double gross, double ratePercent)
{
    const double divisor = ratePercent / 100.0 + 1.0;
    if (!std::isfinite(divisor))
        return {.fault = SumFault::TooLarge};
    if (divisor == 0.0)
        return {.fault = SumFault::DivisionByZero};
    const double vat = gross - gross / divisor;
    if (!writable(vat))
        return {.fault = SumFault::TooLarge};
    return {.vat = vat};
}

} // namespace tillora
