// SPDX-License-Identifier: GPL-3.0-or-later
#include "vatcalc/vatsums.h"

#include "app/numbers/checkedarithmetic.h"
#include "app/numbers/runtimeerror.h"

namespace tillora {

VatSplit vatAddedTo(double net, double ratePercent)
{
    const double vat = fp::multiply(fp::divide(ratePercent, 100.0), net);
    return {net, vat, fp::add(net, vat)};
}

double vatContainedIn(double gross, double ratePercent)
{
    const double divisor = fp::add(fp::divide(ratePercent, 100.0), 1.0);
    if (divisor == 0.0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero);
    return fp::subtract(gross, fp::divide(gross, divisor));
}

} // namespace tillora
