// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/numbers/sumfault.h"

#include <optional>

namespace tillora {

// The VAT calculator's sums, in pounds and percent. Each gives figures that
// formatNumber writes, or why it cannot.

// An amount of money and the VAT added to it.
struct VatSplit {
    double net = 0;
    double vat = 0;
    double gross = 0;
    std::optional<SumFault> fault = std::nullopt; // the figures are 0 when there is one
    bool ok() const { return !fault; }
};

// VAT at `ratePercent` added to a net amount.
VatSplit vatAddedTo(double net, double ratePercent);

// The VAT a gross amount contains.
struct VatContained {
    double vat = 0;
    std::optional<SumFault> fault = std::nullopt;
    bool ok() const { return !fault; }
};

// The VAT a gross amount contains at `ratePercent`. A rate of -100 %
// leaves no net amount to work from: DivisionByZero.
VatContained vatContainedIn(double gross, double ratePercent);

} // namespace tillora
