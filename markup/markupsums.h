// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/numbers/sumfault.h"

#include <optional>

namespace tillora {

// The markup calculator's sum, in pounds and percent: figures that
// formatNumber writes, or why there are none.
struct MarkedUp {
    double sellingPrice = 0;
    double vat = 0;                               // the VAT the selling price contains
    std::optional<SumFault> fault = std::nullopt; // the figures are 0 when there is one
    bool ok() const { return !fault; }
};

// The selling price of an item bought for `cost`, marked up by a whole
// `markupPercent`, with VAT added at `vatRatePercent`.
MarkedUp markedUp(double cost, int markupPercent, double vatRatePercent);

} // namespace tillora
