// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include "app/numbers/runtimeerror.h"

#include <functional>

namespace tillora {

using ErrorHandler = std::function<void(const RuntimeError&)>;

// What the user is told of an error: its own words where it has them, else
// what the kind of fault means.
QString describe(const RuntimeError& error);

// The one place that catches what a command raises, so that no exception
// ever crosses Qt's event loop: the printer and the disk failing mid-command,
// or a fault nothing else foresaw. A RuntimeError goes to onError; anything
// else is wrapped as Kind::Internal and goes there too.
void runGuarded(const std::function<void()>& command, const ErrorHandler& onError) noexcept;

} // namespace tillora
