// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/layout.h"

#include <QList>

#include <functional>

class QLabel;
class QLineEdit;

namespace tillora {

// What the two calculators share: every entry box is marked while it is
// too full to trust, a calculation shows its result fitted into the
// result label or, when it fails, a warning that leaves the last result
// showing, and "Close Window" discards the window.
class CalculatorWindow : public FixedWindow {
    Q_OBJECT
protected:
    CalculatorWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls, const QString& resultLabel);

    // Shows what `result` works out from the entry boxes. Raises, leaving
    // the result as it was, when a box is too full to trust.
    void calculate(const std::function<QString()>& result);

private:
    QList<QLineEdit*> m_entries;
    QLabel* m_result;
};

} // namespace tillora
