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

double add(double a, double b)
{
    return checked(a + b);
}

double subtract(double a, double b)
{
    return checked(a - b);
}

double multiply(double a, double b)
{
    return checked(a * b);
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw RuntimeError(a == 0.0 || std::isnan(a) ? RuntimeError::Kind::InvalidOperation
                                                     : RuntimeError::Kind::DivisionByZero);
    return checked(a / b);
}

} // namespace tillora::fp
