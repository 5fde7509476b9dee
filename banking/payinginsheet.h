// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "till/tillreport.h"

namespace tillora {

// A denomination with something to bank, as the window shows it.
struct SheetRow {
    QString denomination, pieces, bags, value;
};

// The paying-in window as far as its sheet prints it.
struct PayingInSheet {
    CaptionedText date, time;                      // when the till was opened
    QList<SheetRow> banked;                        // largest first
    std::array<CaptionedText, chequeRows> cheques; // as the till shows them
    QList<CaptionedText> totals;                   // what is banked, and kept
    QString status;
};

// The sheet to take to the bank with the money: a title block, a line for
// each denomination to bank, the cheques, the totals and the status.
QList<PrintLine> payingInSheet(const PayingInSheet& sheet, const QLocale& region = QLocale());

} // namespace tillora
