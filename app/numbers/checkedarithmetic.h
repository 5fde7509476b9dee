// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tillora::fp {

// Floating-point operations that raise RuntimeError's floating-point kinds
// instead of quietly giving inf or nan, since C++ does not trap. For a
// command that stops at the fault, as the calculators do.
double add(double a, double b);
double subtract(double a, double b);
double multiply(double a, double b);
// A zero divisor raises DivisionByZero, or InvalidOperation for 0 / 0.
double divide(double a, double b);
// Raises when x is not finite; for results computed some other way.
double checked(double x);

} // namespace tillora::fp
