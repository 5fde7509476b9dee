// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/printing/document.h"
#include "till/tillmodel.h"

#include <QList>
#include <QString>

namespace tillora {

// A caption and the text of the box beside it, as the window shows them.
struct CaptionedText {
    QString caption, text;
};

// The till window as it stands, as far as its report prints it.
struct TillSnapshot {
    CaptionedText date, time;
    std::array<CaptionedText, tillRows> counts;
    std::array<CaptionedText, chequeRows> cheques;
    std::array<CaptionedText, tillRows> lineTotals;
    std::array<CaptionedText, tillTotals> totals; // by TillTotal
    CaptionedText expected;                       // the takings the till roll gives
    std::optional<QString> takings;               // the check's verdict in words, when takings are expected
    QString copyright, website;
};

// The day's figures as the report prints them: a title block, the till
// contents, cheques, totals, the grand total, cash to bank, the takings
// check when takings are expected, and a footer. Rows of counts, cheques
// and line totals whose number is zero (an empty box included) are left
// out; every other text is printed as it stands.
QList<PrintLine> tillReport(const TillSnapshot& till, const QLocale& region = QLocale());

} // namespace tillora
