// SPDX-License-Identifier: GPL-3.0-or-later
#include "vatcalc/vatcalculatorwindow.h"

#include "app/numbers/formats.h"
#include "vatcalc/vatsums.h"

#include <QPushButton>

namespace tillora {

std::span<const ControlRow> VatCalculatorWindow::controlTable()
{
    using enum ControlKind;
    using enum ControlFlag;
    // clang-format off
    static const ControlRow controls[] = {
        // name               kind     container caption                                     left   top  width height tab  flags, labelled by
        {"Frame3",            Frame,   nullptr,  QT_TR_NOOP("Values"),                        120,   120,  4455,   975,   5},
        {"lblAmt",            Label,   "Frame3", QT_TR_NOOP("Amount for Calculation : £"),    120,   240,  1815,   255,   7},
        {"txtPrice",          TextBox, "Frame3", "",                                         2040,   240,  2295,   285,   6, {}, "lblAmt"},
        {"Label1",            Label,   "Frame3", QT_TR_NOOP("Current VAT Rate (%):"),         120,   600,  1815,   255,   8, AlignRight},
        {"txtCurrentVATRate", TextBox, "Frame3", "",                                         2040,   600,  2295,   285,   9, {}, "Label1"},
        {"Frame4",            Frame,   nullptr,  QT_TR_NOOP("Required Action"),               120,  1320,  4455,  1215,   2},
        {"cmdVATOn",          Button,  "Frame4", QT_TR_NOOP("Add VAT to Value"),              120,   240,  4215,   375,   3},
        {"cmdVATOff",         Button,  "Frame4", QT_TR_NOOP("Subtract VAT from Value"),       120,   720,  4215,   375,   4},
        {"Frame5",            Frame,   nullptr,  QT_TR_NOOP("Result"),                        120,  2760,  4455,   615,   0},
        {"lblResult",         Label,   "Frame5", "",                                          120,   240,  4215,   255,   1},
        {"cmdClose",          Button,  nullptr,  QT_TR_NOOP("Close Window"),                  120,  3600,  4455,   375,  10},
    };
    // clang-format on
    return controls;
}

VatCalculatorWindow::VatCalculatorWindow()
    : CalculatorWindow(staticMetaObject, {"frmVATCalc", QT_TR_NOOP("VAT Calculator"), 4740, 4155, true, true},
                       controlTable(), {"txtPrice", "txtCurrentVATRate", "lblResult"})
{
    onEvent(control<QPushButton>(QStringLiteral("cmdVATOn")), &QPushButton::clicked, [this] {
        calculate([](double net, double rate) -> Outcome {
            const VatSplit added = vatAddedTo(net, rate);
            if (!added.ok())
                return *added.fault;
            return tr("Total : \u00a3%1 + VAT (%2) = %3")
                .arg(wholeInSentence(formatNumber(added.net)), wholeInSentence(formatPounds(added.vat)),
                     wholeInSentence(formatPounds(added.gross)));
        });
    });
    onEvent(control<QPushButton>(QStringLiteral("cmdVATOff")), &QPushButton::clicked, [this] {
        calculate([](double gross, double rate) -> Outcome {
            const VatContained contained = vatContainedIn(gross, rate);
            if (!contained.ok())
                return *contained.fault;
            return tr("VAT Paid: \u00a3%1").arg(wholeInSentence(formatNumber(contained.vat)));
        });
    });
}

QString VatCalculatorWindow::faultWords(SumFault fault) const
{
    if (fault == SumFault::DivisionByZero)
        return tr("A VAT rate of -100% leaves no net amount to work from. Please check the VAT rate.");
    return CalculatorWindow::faultWords(fault);
}

} // namespace tillora
