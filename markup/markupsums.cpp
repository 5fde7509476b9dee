// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/markupsums.h"

#include "app/numbers/checkedarithmetic.h"

namespace tillora {

MarkedUp markedUp(double cost, int markupPercent, double vatRatePercent)
{
    const double markup = fp::multiply(fp::divide(cost, 100.0), markupPercent);
    const double vatFactor = fp::add(fp::divide(vatRatePercent, 100.0), 1.0);
    const double beforeVat = fp::add(cost, markup);
    const double sellingPrice = fp::multiply(beforeVat, vatFactor);
    return {sellingPrice, fp::subtract(sellingPrice, beforeVat)};
}

} // namespace tillora
