// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace tillora {

// The one error a command can raise. It abandons the command at the step
// that raised it; the window's event boundary decides what the user sees.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind {
        TypeMismatch, // text that is not a number
        Overflow,     // a result beyond the range of a double
        DivisionByZero,
        InvalidOperation, // e.g. 0 / 0
        Printer,          // no printer, the printer refused, or a file could not be saved
        Internal,         // anything else that escaped a command
    };

    RuntimeError(Kind kind, const QString& message);

    Kind kind() const { return m_kind; }
    // Plain words for the user.
    const QString& message() const { return m_message; }
    bool isFloatingPointFault() const;

private:
    Kind m_kind;
    QString m_message;
};

// Floating-point operations that raise the run-time error instead of
// quietly giving inf or nan, since C++ does not trap.
namespace fp {
double add(double a, double b);
double subtract(double a, double b);
double multiply(double a, double b);
double divide(double a, double b);
// Raises when x is not finite; for results computed some other way.
double checked(double x);
} // namespace fp

} // namespace tillora
