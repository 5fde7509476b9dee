#include "app/runtimeerror.h"

#include <cmath>

namespace tillora {

RuntimeError::RuntimeError(Kind kind, const QString& message, const QString& source)
    : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message), m_source(source)
{
}

bool RuntimeError::isFloatingPointFault() const
{
    return m_kind == Kind::Overflow || m_kind == Kind::DivisionByZero
        || m_kind == Kind::InvalidOperation;
}

RuntimeError asFigureTooLarge(const RuntimeError& error)
{
    if (error.kind() != RuntimeError::Kind::Overflow && error.kind() != RuntimeError::Kind::InvalidOperation)
        return error;
    return RuntimeError(error.kind(),
                        QStringLiteral("The amount or the VAT rate is too large to work with. "
                                       "Please check both figures."),
                        error.source());
}

namespace fp {

double checked(double x)
{
    if (std::isnan(x))
        throw RuntimeError(RuntimeError::Kind::InvalidOperation,
                           QStringLiteral("The calculation has no valid result."));
    if (std::isinf(x))
        throw RuntimeError(RuntimeError::Kind::Overflow,
                           QStringLiteral("The result is too large to calculate."));
    return x;
}

double add(double a, double b) { return checked(a + b); }
double subtract(double a, double b) { return checked(a - b); }
double multiply(double a, double b) { return checked(a * b); }

double divide(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw RuntimeError(RuntimeError::Kind::InvalidOperation,
                               QStringLiteral("Zero divided by zero has no result."));
        throw RuntimeError(RuntimeError::Kind::DivisionByZero,
                           QStringLiteral("The calculation divides by zero."));
    }
    return checked(a / b);
}

} // namespace fp
} // namespace tillora
