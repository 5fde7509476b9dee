// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tillora::fp {

// x, or RuntimeError's floating-point kind for it when it is not finite,
// since C++ does not trap: for a figure that should be finite by now.
double checked(double x);

} // namespace tillora::fp
