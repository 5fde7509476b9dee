// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/widgets.h"

#include "app/widgets/layout.h"

#include <QList>

#include <functional>

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
// or, when it fails, a warning that leaves the last result showing; "Close
// Window" discards the window.
class CalculatorWindow : public FixedWindow {
    Q_OBJECT
protected:
    // The result, in words, of the amount and rate typed.
    using Sum = std::function<QString(double amount, double rate)>;

    CalculatorWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls,
                     const CalculatorBoxes& boxes);

    // Shows what the sum works out from the boxes; while a box is too full
    // to trust, says so instead and leaves the result as it was.
    void calculate(const Sum& sum);

    // What the user is told of a floating-point fault in a sum.
    virtual QString faultWords(RuntimeError::Kind kind) const;

private:
    void showError(const RuntimeError& error) override;

    QList<QLineEdit*> m_entries;
    QLineEdit *m_amount, *m_rate;
    QLabel* m_result;
};

} // namespace tillora
