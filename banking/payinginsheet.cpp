// SPDX-License-Identifier: GPL-3.0-or-later
#include "banking/payinginsheet.h"

#include <QCoreApplication>

namespace tillora {

namespace {

struct PayingInSheetText {
    Q_DECLARE_TR_FUNCTIONS(PayingInSheet)
};

QString pieces(const SheetRow& row)
{
    if (row.bags.isEmpty())
        return PayingInSheetText::tr("%1 : %2").arg(row.denomination, row.pieces);
    return PayingInSheetText::tr("%1 : %2 in %3").arg(row.denomination, row.pieces, row.bags);
}

} // namespace

QList<PrintLine> payingInSheet(const PayingInSheet& sheet, const QLocale& region)
{
    ReportWriter writer(region);
    writer.titleBlock(PayingInSheetText::tr("Paying In - Sheet"), sheet.date, sheet.time);
    writer.heading(PayingInSheetText::tr("NOTES AND COINS"));
    for (const SheetRow& row : sheet.banked)
        writer.captioned({pieces(row), row.value}, 3);
    writer.empty();
    writer.heading(PayingInSheetText::tr("CHEQUES"));
    writer.nonZeroRows(sheet.cheques);
    writer.empty();
    writer.heading(PayingInSheetText::tr("TOTALS"));
    for (const CaptionedText& total : sheet.totals)
        writer.captioned(total, 2);
    writer.empty();
    writer.text(sheet.status);
    writer.empty(true);
    writer.text(PayingInSheetText::tr("END OF SHEET"), true);
    return writer.lines();
}

} // namespace tillora
