// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/windows.h"

#include "app/widgets/calculatorwindow.h"

namespace tillora {

// Adds VAT to a net amount, or finds the VAT contained in a gross amount,
// at the rate the user types.
class VatCalculatorWindow : public CalculatorWindow {
    Q_OBJECT
public:
    VatCalculatorWindow();

private:
    static std::span<const ControlRow> controlTable();
    QString faultWords(SumFault fault) const override;
};

} // namespace tillora
