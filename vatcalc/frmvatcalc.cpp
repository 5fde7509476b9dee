#include "vatcalc/frmvatcalc.h"

#include "app/conversions.h"
#include "app/fittedcaption.h"
#include "app/formats.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tillora {

namespace {

using enum ControlKind;
using namespace ControlFlag;

const FormLayout vatLayout{"frmVATCalc", "VAT Calculator", 4740, 4155, TitleButtons::MinimiseAndClose, true};

// clang-format off
const ControlRow vatControls[] = {
    // name                 kind     container  caption                         left  top   width height tab flags     labelledBy
    {"Frame3",            Frame,   nullptr,  "Values",                       120,  120, 4455, 975,  5},
    {"lblAmt",            Label,   "Frame3", "Amount for Calculation : \u00a3", 120, 240, 1815, 255,  7},
    {"txtPrice",          TextBox, "Frame3", "",                             2040,  240, 2295, 285,  6, 0,          "lblAmt"},
    {"Label1",            Label,   "Frame3", "Current VAT Rate (%):",        120,  600, 1815, 255,  8, AlignRight},
    {"txtCurrentVATRate", TextBox, "Frame3", "",                             2040,  600, 2295, 285,  9, 0,          "Label1"},
    {"Frame4",            Frame,   nullptr,  "Required Action",              120, 1320, 4455, 1215, 2},
    {"cmdVATOn",          Button,  "Frame4", "Add VAT to Value",             120,  240, 4215, 375,  3},
    {"cmdVATOff",         Button,  "Frame4", "Subtract VAT from Value",      120,  720, 4215, 375,  4},
    {"Frame5",            Frame,   nullptr,  "Result",                       120, 2760, 4455, 615,  0},
    {"lblResult",         Label,   "Frame5", "",                             120,  240, 4215, 255,  1},
    {"cmdClose",          Button,  nullptr,  "Close Window",                 120, 3600, 4455, 375, 10},
};
// clang-format on

} // namespace

frmVATCalc::frmVATCalc()
    : Form(vatLayout, vatControls)
    , txtPrice(control<QLineEdit>(QStringLiteral("txtPrice")))
    , txtCurrentVATRate(control<QLineEdit>(QStringLiteral("txtCurrentVATRate")))
    , cmdVATOn(control<QPushButton>(QStringLiteral("cmdVATOn")))
    , cmdVATOff(control<QPushButton>(QStringLiteral("cmdVATOff")))
    , cmdClose(control<QPushButton>(QStringLiteral("cmdClose")))
    , lblResult(control<QLabel>(QStringLiteral("lblResult")))
{
    fitLabelCaptions(this);
    onEvent(cmdVATOn, &QPushButton::clicked, [this] { cmdVATOn_Click(); });
    onEvent(cmdVATOff, &QPushButton::clicked, [this] { cmdVATOff_Click(); });
    onEvent(cmdClose, &QPushButton::clicked, [this] { cmdClose_Click(); });
}

void frmVATCalc::cmdVATOn_Click()
{
    const double amount = lenientNumber(txtPrice->text());
    const double rate = lenientNumber(txtCurrentVATRate->text());
    const double vat = fp::multiply(fp::divide(rate, 100.0), amount);
    const double total = fp::add(amount, vat);
    setFittedCaption(lblResult, QStringLiteral("Total : \u00a3") + formatNumber(amount)
                                    + QStringLiteral(" + VAT (") + formatCurrency(vat, -1, Tristate::True)
                                    + QStringLiteral(") = ") + formatCurrency(total, -1, Tristate::True));
}

void frmVATCalc::cmdVATOff_Click()
{
    const double gross = lenientNumber(txtPrice->text());
    const double rate = lenientNumber(txtCurrentVATRate->text());
    const double divisor = fp::add(fp::divide(rate, 100.0), 1.0);
    if (divisor == 0.0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero,
                           QStringLiteral("A VAT rate of -100% leaves no net amount to work from. "
                                          "Please check the VAT rate."),
                           txtCurrentVATRate->objectName());
    const double net = fp::divide(gross, divisor);
    const double vat = fp::subtract(gross, net);
    setFittedCaption(lblResult, QStringLiteral("VAT Paid: \u00a3") + formatNumber(vat));
}

void frmVATCalc::cmdClose_Click()
{
    close();
}

void frmVATCalc::showRuntimeError(const RuntimeError& error)
{
    Form::showRuntimeError(asFigureTooLarge(error));
}

} // namespace tillora
