// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/numbers/rounding.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tillora::decimal {

Significant significant(double x)
{
    // to_chars is locale-independent, unlike printf under a German LC_NUMERIC.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr); // d.dddddddddddddde+XX
    Significant s;
    s.negative = std::signbit(x);
    s.digits = text.substr(0, 1) + text.substr(2, 14);
    s.exponent = std::stoi(text.substr(text.find('e') + 1));
    return s;
}

bool fitsDouble(const Significant& s)
{
    return s.exponent < 308 || s.digits < "179769313486232";
}

namespace {

// Adds one to a string of decimal digits; it may grow by a digit.
void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

Fixed round(double x, int decimals)
{
    const Significant s = significant(x);
    // Digit k stands for 10^(exponent - k); keep those worth at least 10^-decimals.
    const long keep = long(s.exponent) + decimals + 1;
    std::string kept;
    bool roundUp = false;
    if (keep >= 0) {
        const auto fromDigits = std::min<long>(keep, long(s.digits.size()));
        kept = s.digits.substr(0, size_t(fromDigits));
        kept.append(size_t(keep - fromDigits), '0');
        roundUp = keep < long(s.digits.size()) && s.digits[size_t(keep)] >= '5';
    }
    if (roundUp)
        increment(kept);
    // kept now holds the result in units of 10^-decimals.
    if (kept.size() < size_t(decimals) + 1)
        kept.insert(0, size_t(decimals) + 1 - kept.size(), '0');

    Fixed f;
    f.integer = kept.substr(0, kept.size() - size_t(decimals));
    f.fraction = kept.substr(kept.size() - size_t(decimals));
    f.integer.erase(0, std::min(f.integer.find_first_not_of('0'), f.integer.size() - 1));
    const bool zero = f.integer == "0" && f.fraction.find_first_not_of('0') == std::string::npos;
    f.negative = s.negative && !zero;
    return f;
}

} // namespace tillora::decimal
