// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/calculatorwindow.h"

#include "app/core/tillmodel.h"
#include "app/ui/controls.h"
#include "app/ui/fonts.h"

#include <QPushButton>

namespace tillora {

CalculatorWindow::CalculatorWindow(const QMetaObject& window, const WindowLayout& layout, std::span<const ControlRow> controls,
                                   const QString& resultLabel)
    : FixedWindow(window, layout, controls), m_entries(findChildren<QLineEdit*>()), m_result(control<QLabel>(resultLabel))
{
    fitLabelCaptions(this);
    for (QLineEdit* box : m_entries)
        connect(box, &QLineEdit::textChanged, box, [box](const QString& text) { markFault(box, capacityFault(text).value_or(QString())); });
    connect(control<QPushButton>(QStringLiteral("cmdClose")), &QPushButton::clicked, this, &QWidget::close);
}

void CalculatorWindow::calculate(const std::function<QString()>& result)
{
    for (const QLineEdit* box : m_entries) {
        if (const auto full = capacityFault(box->text()))
            throw RuntimeError(RuntimeError::Kind::TypeMismatch, tr("%1: %2").arg(box->accessibleName(), *full));
    }
    setFittedCaption(m_result, result());
}

} // namespace tillora
