// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/markupwindow.h"

#include "app/numbers/conversions.h"
#include "app/numbers/formats.h"
#include "markup/markupsums.h"

#include <QComboBox>
#include <QPushButton>

namespace tillora {

namespace {

// List position p stands for a markup of 5 × p percent; 0 is the prompt.
constexpr int lastRatePosition = 19;

} // namespace

std::span<const ControlRow> MarkupWindow::controlTable()
{
    using enum ControlKind;
    using enum ControlFlag;
    // The window's own controls first, then what each frame holds.
    // clang-format off
    static const ControlRow controls[] = {
        // name              kind      container caption                                     left   top  width height tab  flags, labelled by
        {"Frame6",           Frame,    nullptr,  QT_TR_NOOP("Values"),                        120,   120,  4455,  1335,   8},
        {"Frame7",           Frame,    nullptr,  QT_TR_NOOP("Required Action"),               120,  1680,  4455,   735,   7},
        {"Frame8",           Frame,    nullptr,  QT_TR_NOOP("Result"),                        120,  2640,  4455,   735,   5},
        {"cmdClose",         Button,   nullptr,  QT_TR_NOOP("Close Window"),                  120,  3600,  4455,   375,  12},
        {"lblAmount2",       Label,    "Frame6", QT_TR_NOOP("Amount for Calculation : £"),    120,   240,  1815,   255,   0, AlignRight},
        {"txtPrice",         TextBox,  "Frame6", "",                                         2040,   240,  2295,   285,   1, {}, "lblAmount2"},
        {"lblVAT",           Label,    "Frame6", QT_TR_NOOP("Current VAT Rate (%):"),         120,   600,  1815,   255,  11, AlignRight},
        {"txtCurrentVat",    TextBox,  "Frame6", "",                                         2040,   600,  2295,   285,   2, {}, "lblVAT"},
        {"lblMarkup",        Label,    "Frame6", QT_TR_NOOP("Markup Percentage :"),           120,   960,  1815,   255,  10, AlignRight},
        {"cboMarkupRates",   DropDown, "Frame6", "",                                         2040,   960,  2175,   315,   3, {}, "lblMarkup"},
        {"lblPercentSymbol", Label,    "Frame6", QT_TR_NOOP("%"),                            4200,   960,   135,   255,   9},
        {"cmdCalcSell",      Button,   "Frame7", QT_TR_NOOP("Calculate Selling Price"),       120,   240,  4215,   375,   4},
        {"lblResult2",       Label,    "Frame8", "",                                          120,   240,  4215,   375,   6, WordWrap},
    };
    // clang-format on
    return controls;
}

MarkupWindow::MarkupWindow()
    : CalculatorWindow(staticMetaObject, {"frmMarkup", QT_TR_NOOP("Markup Program"), 4770, 4170, true, true},
                       controlTable(), {"txtPrice", "txtCurrentVat", "lblResult2"})
{
    auto* rates = control<QComboBox>(QStringLiteral("cboMarkupRates"));
    rates->addItem(tr("Select One"));
    for (int position = 1; position <= lastRatePosition; ++position)
        rates->addItem(QString::number(5 * position));
    onEvent(control<QPushButton>(QStringLiteral("cmdCalcSell")), &QPushButton::clicked, [this, rates] {
        const int markup = 5 * rates->currentIndex();
        if (markup >= 5 && markup <= 5 * lastRatePosition)
            calculate([markup](double cost, double vatRate) -> Outcome {
                const MarkedUp result = markedUp(cost, markup, vatRate);
                if (!result.ok())
                    return *result.fault;
                return tr("\u00a3%1 + a markup of %2% = a selling price of \u00a3%3 - VAT on this item is \u00a3%4")
                    .arg(wholeInSentence(numberToText(cost)), QString::number(markup),
                         wholeInSentence(formatNumber(result.sellingPrice)), wholeInSentence(formatNumber(result.vat)));
            });
    });
}

} // namespace tillora
