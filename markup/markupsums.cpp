// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/markupsums.h"

#include "app/numbers/formats.h"

namespace tillora {

MarkedUp markedUp(double cost, int markupPercent, double vatRatePercent)
{
    // A step beyond a double gives infinity or nan, and no later step makes
    // it finite again (none divides by a figure), so checking the figures
    // given checks every step.
    const double markup = cost / 100.0 * markupPercent;
    const double vatFactor = vatRatePercent / 100.0 + 1.0;
    const double beforeVat = cost + markup;
    const double sellingPrice = beforeVat * vatFactor;
    const double vat = sellingPrice - beforeVat;
    if (!writable(sellingPrice) || !writable(vat))
        return {.fault = SumFault::TooLarge};
    return {.sellingPrice = sellingPrice, .vat = vat};
}

} // namespace tillora
