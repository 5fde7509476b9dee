// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include "app/numbers/sumfault.h"
#include "app/widgets/layout.h"

#include <QList>

#include <functional>
#include <variant>

class QLabel;
class QLineEdit;

namespace tillora {

// The objectNames of a calculator's amount and VAT rate boxes and of its
// result label.
struct CalculatorBoxes {
    const char* amount;
    const char* rate;
    const char* result;
};

// What the two calculators share: both work a sum from an amount and a VAT
// rate, each read as its leading number; every entry box is marked while it
// is too full to trust; a sum shows its result fitted into the result label
// or, when it has none, a warning that leaves the last result showing;
// "Close Window" discards the window.
class CalculatorWindow : public FixedWindow {
    Q_OBJECT
protected:
    // The result, in words, of the amount and rate typed, or why there is none.
    using Outcome = std::variant<QString, SumFault>;
    using Sum = std::function<Outcome(double amount, double rate)>;

    CalculatorWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls,
                     const CalculatorBoxes& boxes);

    // Shows what the sum works out from the boxes; while a box is too full
    // to trust, says so instead and leaves the result as it was.
    void calculate(const Sum& sum);

    // What the user is told when a sum has no result.
    virtual QString faultWords(SumFault fault) const;

private:
    QList<QLineEdit*> m_entries;
    QLineEdit *m_amount, *m_rate;
    QLabel* m_result;
};

} // namespace tillora
