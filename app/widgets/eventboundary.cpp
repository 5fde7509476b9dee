// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/eventboundary.h"

#include <QCoreApplication>

#include <exception>

namespace tillora {

namespace {

struct EventBoundary {
    Q_DECLARE_TR_FUNCTIONS(EventBoundary)
};

void report(const ErrorHandler& onError, const RuntimeError& error) noexcept
{
    try {
        if (onError)
            onError(error);
    } catch (...) {
        // Telling the user failed too; the program must still go on.
        qWarning("tillora: could not report an error: %s", error.what());
    }
}

} // namespace

QString describe(const RuntimeError& error)
{
    if (!error.message().isEmpty())
        return error.message();
    switch (error.kind()) {
    case RuntimeError::Kind::Overflow: return EventBoundary::tr("The result is too large to calculate.");
    case RuntimeError::Kind::DivisionByZero: return EventBoundary::tr("The calculation divides by zero.");
    case RuntimeError::Kind::InvalidOperation: return EventBoundary::tr("The calculation has no valid result.");
    case RuntimeError::Kind::Printer: return EventBoundary::tr("The document could not be printed.");
    case RuntimeError::Kind::Internal: break;
    }
    return EventBoundary::tr("An unexpected error occurred.");
}

void runGuarded(const std::function<void()>& command, const ErrorHandler& onError) noexcept
{
    try {
        command();
    } catch (const RuntimeError& error) {
        report(onError, error);
    } catch (const std::exception& error) {
        report(onError, RuntimeError(RuntimeError::Kind::Internal, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        report(onError, RuntimeError(RuntimeError::Kind::Internal));
    }
}

} // namespace tillora
