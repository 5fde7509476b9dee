// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tillora::decimal {

// A finite double as a person reads it: its 15 significant decimal digits.
// value = 0 or d0.d1d2...d14 x 10^exponent.
struct Significant {
    bool negative = false;
    std::string digits; // exactly 15 ASCII digits
    int exponent = 0;
};
Significant significant(double x);

// Whether the 15 digits still name a double. The largest doubles do not:
// 1.7976931348623157E+308 reads 1.79769313486232E+308, past the range.
bool fitsDouble(const Significant& s);

// x rounded to a number of decimals, half away from zero, working on its
// 15 significant digits so that 1.005 gives 1.01 as on paper (the binary
// value is a hair below 1.005).
struct Fixed {
    bool negative = false; // never set when every digit is zero
    std::string integer;   // ASCII digits, no leading zeros, at least "0"
    std::string fraction;  // exactly the requested number of digits
};
Fixed round(double x, int decimals);

} // namespace tillora::decimal
