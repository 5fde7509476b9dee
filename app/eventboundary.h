#pragma once

#include "app/runtimeerror.h"

#include <functional>

namespace tillora {

using ErrorHandler = std::function<void(const RuntimeError&)>;

// The one place that catches what an event procedure raises, so that no
// exception ever crosses Qt's event loop. A RuntimeError goes to onError;
// anything else is wrapped as Kind::Internal and goes there too.
void runEvent(const std::function<void()>& procedure, const ErrorHandler& onError) noexcept;

} // namespace tillora
