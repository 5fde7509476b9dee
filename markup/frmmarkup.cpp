#include "markup/frmmarkup.h"

#include "app/conversions.h"
#include "app/fittedcaption.h"
#include "app/formats.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tillora {

namespace {

using enum ControlKind;
using namespace ControlFlag;

const FormLayout markupLayout{"frmMarkup", "Markup Program", 4770, 4170, TitleButtons::MinimiseAndClose, true};

// clang-format off
const ControlRow markupControls[] = {
    // name                kind      container  caption                      left  top   width height tab flags      labelledBy
    {"Frame6",           Frame,    nullptr,  "Values",                    120,  120, 4455, 1335,  8},
    {"lblAmount2",       Label,    "Frame6", "Amount for Calculation : \u00a3", 120, 240, 1815, 255, 0, AlignRight},
    {"txtPrice",         TextBox,  "Frame6", "",                          2040,  240, 2295, 285,  1, 0,          "lblAmount2"},
    {"lblVAT",           Label,    "Frame6", "Current VAT Rate (%):",     120,  600, 1815, 255, 11, AlignRight},
    {"txtCurrentVat",    TextBox,  "Frame6", "",                          2040,  600, 2295, 285,  2, 0,          "lblVAT"},
    {"lblMarkup",        Label,    "Frame6", "Markup Percentage :",       120,  960, 1815, 255, 10, AlignRight},
    {"cboMarkupRates",   DropDown, "Frame6", "",                          2040,  960, 2175, 315,  3, 0,          "lblMarkup"},
    {"lblPercentSymbol", Label,    "Frame6", "%",                         4200,  960,  135, 255,  9},
    {"Frame7",           Frame,    nullptr,  "Required Action",           120, 1680, 4455, 735,  7},
    {"cmdCalcSell",      Button,   "Frame7", "Calculate Selling Price",   120,  240, 4215, 375,  4},
    {"Frame8",           Frame,    nullptr,  "Result",                    120, 2640, 4455, 735,  5},
    {"lblResult2",       Label,    "Frame8", "",                          120,  240, 4215, 375,  6, WordWrap},
    {"cmdClose",         Button,   nullptr,  "Close Window",              120, 3600, 4455, 375, 12},
};
// clang-format on

// List position p stands for a markup of 5 × p percent; 0 is the prompt.
constexpr int lastRatePosition = 19;

} // namespace

frmMarkup::frmMarkup()
    : Form(markupLayout, markupControls)
    , txtPrice(control<QLineEdit>(QStringLiteral("txtPrice")))
    , txtCurrentVat(control<QLineEdit>(QStringLiteral("txtCurrentVat")))
    , cboMarkupRates(control<QComboBox>(QStringLiteral("cboMarkupRates")))
    , cmdCalcSell(control<QPushButton>(QStringLiteral("cmdCalcSell")))
    , cmdClose(control<QPushButton>(QStringLiteral("cmdClose")))
    , lblResult2(control<QLabel>(QStringLiteral("lblResult2")))
{
    fitLabelCaptions(this);
    onEvent(cmdCalcSell, &QPushButton::clicked, [this] { cmdCalcSell_Click(); });
    onEvent(cmdClose, &QPushButton::clicked, [this] { cmdClose_Click(); });
}

void frmMarkup::Form_Load()
{
    cboMarkupRates->insertItem(0, QStringLiteral("Select One"));
    for (int position = 1; position <= lastRatePosition; ++position)
        cboMarkupRates->insertItem(position, QString::number(5 * position));
    cboMarkupRates->setCurrentIndex(0);
}

void frmMarkup::cmdCalcSell_Click()
{
    const int position = cboMarkupRates->currentIndex();
    if (position < 1 || position > lastRatePosition)
        return;
    const double rate = 5.0 * position;
    const double amount = lenientNumber(txtPrice->text());
    const double markup = fp::multiply(fp::divide(amount, 100.0), rate);
    const double vatFactor = fp::add(fp::divide(lenientNumber(txtCurrentVat->text()), 100.0), 1.0);
    const double beforeVat = fp::add(amount, markup);
    const double sellingPrice = fp::multiply(beforeVat, vatFactor);
    // The VAT the selling price contains, at the rate typed.
    const double vat = fp::subtract(sellingPrice, beforeVat);
    const QString middle = QStringLiteral(" + a markup of %1% = a selling price of \u00a3").arg(5 * position);
    setFittedCaption(lblResult2, u'\u00a3' + numberToText(amount) + middle + formatNumber(sellingPrice)
                                     + QStringLiteral(" - VAT on this item is \u00a3") + formatNumber(vat));
}

void frmMarkup::cmdClose_Click()
{
    close();
}

void frmMarkup::showRuntimeError(const RuntimeError& error)
{
    Form::showRuntimeError(asFigureTooLarge(error));
}

} // namespace tillora
