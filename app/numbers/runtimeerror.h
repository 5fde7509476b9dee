// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace tillora {

// A failure of the runtime in the middle of a command: a floating-point
// fault, or the printer's. It abandons the command at the step that raised
// it, and the window's event boundary tells the user. (Input that cannot be
// read is no failure: the conversions return the reason as a value.)
class RuntimeError : public std::runtime_error {
public:
    enum class Kind {
        Overflow, // a result beyond the range of a double
        DivisionByZero,
        InvalidOperation, // e.g. 0 / 0
        Printer,          // no printer, the printer refused, or a file could not be saved
        Internal,         // anything else that escaped a command
    };

    // `message`, where the layer that raised it has words, says what happened.
    explicit RuntimeError(Kind kind, const QString& message = {});

    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }
    bool isFloatingPointFault() const;

private:
    Kind m_kind;
    QString m_message;
};

} // namespace tillora
