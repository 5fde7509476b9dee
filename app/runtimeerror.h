#pragma once

#include <QString>

#include <stdexcept>

namespace tillora {

// The one error an event procedure can raise. It abandons the procedure at
// the step that raised it; the event boundary decides what the user sees.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind {
        TypeMismatch,     // text that is not a number
        Overflow,         // a result beyond the range of a double
        DivisionByZero,
        InvalidOperation, // e.g. 0 / 0
        Printer,          // no printer, or the printer refused the job
        Internal,         // anything else that escaped an event procedure
    };

    RuntimeError(Kind kind, const QString& message, const QString& source = {});

    Kind kind() const { return m_kind; }
    // Plain words for the user.
    const QString& message() const { return m_message; }
    // objectName of the control whose content caused the error, if known.
    const QString& source() const { return m_source; }
    void setSource(const QString& source) { m_source = source; }

    bool isFloatingPointFault() const;

private:
    Kind m_kind;
    QString m_message;
    QString m_source;
};

// An overflow or invalid result told in a calculator's terms: there the user
// can only have typed a figure too large to work with. Other errors pass
// unchanged, with their own words.
RuntimeError asFigureTooLarge(const RuntimeError& error);

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
