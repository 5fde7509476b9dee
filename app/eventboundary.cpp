#include "app/eventboundary.h"

#include <QtGlobal>

#include <exception>

namespace tillora {

namespace {

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

void runEvent(const std::function<void()>& procedure, const ErrorHandler& onError) noexcept
{
    try {
        procedure();
    } catch (const RuntimeError& error) {
        report(onError, error);
    } catch (const std::exception& error) {
        report(onError, RuntimeError(RuntimeError::Kind::Internal, QString::fromLocal8Bit(error.what())));
    } catch (...) {
        report(onError, RuntimeError(RuntimeError::Kind::Internal, QStringLiteral("An unexpected error occurred.")));
    }
}

} // namespace tillora
