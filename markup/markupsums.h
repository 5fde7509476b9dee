// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tillora {

// The markup calculator's sum, in pounds and percent. A sum beyond what a
// double holds raises RuntimeError's floating-point kinds.

struct MarkedUp {
    double sellingPrice = 0;
    double vat = 0; // the VAT the selling price contains
};

// The selling price of an item bought for `cost`, marked up by a whole
// `markupPercent`, with VAT added at `vatRatePercent`.
MarkedUp markedUp(double cost, int markupPercent, double vatRatePercent);

} // namespace tillora
