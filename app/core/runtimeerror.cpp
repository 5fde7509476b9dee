// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/runtimeerror.h"

#include <QCoreApplication>

#include <cmath>

namespace tillora {

RuntimeError::RuntimeError(Kind kind, const QString& message)
    : std::runtime_error(message.toStdString())
    , m_kind(kind)
    , m_message(message)
{
}

bool RuntimeError::isFloatingPointFault() const
{
    return m_kind == Kind::Overflow || m_kind == Kind::DivisionByZero || m_kind == Kind::InvalidOperation;
}

namespace fp {

namespace {
struct Arithmetic {
    Q_DECLARE_TR_FUNCTIONS(Arithmetic)
};
} // namespace

double checked(double x)
{
    if (std::isnan(x))
        throw RuntimeError(RuntimeError::Kind::InvalidOperation,
                           Arithmetic::tr("The calculation has no valid result."));
    if (std::isinf(x))
        throw RuntimeError(RuntimeError::Kind::Overflow, Arithmetic::tr("The result is too large to calculate."));
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
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw RuntimeError(RuntimeError::Kind::InvalidOperation,
                               Arithmetic::tr("Zero divided by zero has no result."));
        throw RuntimeError(RuntimeError::Kind::DivisionByZero, Arithmetic::tr("The calculation divides by zero."));
    }
    return checked(a / b);
}

} // namespace fp
} // namespace tillora
