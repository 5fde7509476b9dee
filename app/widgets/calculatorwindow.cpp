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
    const Outcome outcome = sum(lenientNumber(m_amount->text()), lenientNumber(m_rate->text()));
    if (const auto* fault = std::get_if<SumFault>(&outcome))
        warnUser(this, windowTitle(), faultWords(*fault));
    else
        setFittedCaption(m_result, std::get<QString>(outcome));
}

QString CalculatorWindow::faultWords(SumFault) const
{
    return tr("The amount or the VAT rate is too large to work with. Please check both figures.");
}

} // namespace tillora
