// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tillora {

// Why a calculator's sum has no result. Figures anyone can type lead to
// either, so a sum returns it as a value and its window puts it into words.
enum class SumFault {
    TooLarge,       // a figure it gives, or one on the way to it, is beyond what formatNumber writes
    DivisionByZero, // it would divide by zero
};

} // namespace tillora
