// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/checkedarithmetic.h"

#include "app/numbers/runtimeerror.h"

#include <cmath>

namespace tillora::fp {

double checked(double x)
{
    if (std::isnan(x))
        throw RuntimeError(RuntimeError::Kind::InvalidOperation);
    if (std::isinf(x))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return x;
}

} // namespace tillora::fp
