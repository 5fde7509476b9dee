// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widgets/calculatorwindow.h"

#include "app/numbers/conversions.h"
#include "app/widgets/controls.h"
#include "app/widgets/fonts.h"
#include "app/widgets/messagebox.h"

#include <QPushButton>

namespace tillora {

CalculatorWindow::CalculatorWindow(const QMetaObject& window, const WindowLayout& layout,
                                   std::span<const ControlRow> controls, const CalculatorBoxes& boxes)
    : FixedWindow(window, layout, controls)
    , m_entries(findChildren<QLineEdit*>())
    , m_amount(control<QLineEdit>(QLatin1String(boxes.amount)))
    , m_rate(control<QLineEdit>(QLatin1String(boxes.rate)))
    , m_result(control<QLabel>(QLatin1String(boxes.result)))
{
    for (QLineEdit* box : m_entries) {
        connect(box, &QLineEdit::textChanged, box,
                [box](const QString& text) { markFault(box, fillsItsBox(text) ? EntryBox::fullReason() : QString()); });
    }
    connect(control<QPushButton>(QStringLiteral("cmdClose")), &QPushButton::clicked, this, &QWidget::close);
}

void CalculatorWindow::calculate(const Sum& sum)
{
    for (const QLineEdit* box : m_entries) {
        if (fillsItsBox(box->text())) {
            warnUser(this, windowTitle(), tr("%1: %2").arg(box->accessibleName(), EntryBox::fullReason()));
            return;
        }
    }
    setFittedCaption(m_result, sum(lenientNumber(m_amount->text()), lenientNumber(m_rate->text())));
}

QString CalculatorWindow::faultWords(RuntimeError::Kind) const
{
    return tr("The amount or the VAT rate is too large to work with. Please check both figures.");
}

void CalculatorWindow::showError(const RuntimeError& error)
{
    if (error.isFloatingPointFault())
        warnUser(this, windowTitle(), faultWords(error.kind()));
    else
        FixedWindow::showError(error);
}

} // namespace tillora
