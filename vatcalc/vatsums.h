// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tillora {

// The VAT calculator's sums, in pounds and percent. A sum
// beyond what a double holds raises RuntimeError's floating-point kinds.

// An amount of money and the VAT in it.
struct VatSplit {
    double net = 0;
    double vat = 0;
    double gross = 0;
};

// VAT at `ratePercent` added to a net amount.
VatSplit vatAddedTo(double net, double ratePercent);

// The VAT a gross amount contains at `ratePercent`. A rate of -100 %
// leaves no net amount to work from: DivisionByZero.
double vatContainedIn(double gross, double ratePercent);

} // namespace tillora
