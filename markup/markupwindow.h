// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/windows.h"

#include "app/widgets/calculatorwindow.h"

namespace tillora {

// The selling price of an item for a markup picked from 5 % to 95 % plus
// VAT at the rate typed, and the VAT that price contains.
class MarkupWindow : public CalculatorWindow {
    Q_OBJECT
public:
    MarkupWindow();

private:
    static std::span<const ControlRow> controlTable();
};

} // namespace tillora
