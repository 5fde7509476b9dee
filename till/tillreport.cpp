#include "till/tillreport.h"

#include "app/conversions.h"
#include "app/printer.h"
#include "till/form1.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tillora {

namespace {

QString tabs(int count)
{
    return QString(count, u'\t');
}

// A label's caption, the given number of tabs, then the box's text.
QString row(const QLabel* label, int tabCount, const QLineEdit* box)
{
    return label->text() + tabs(tabCount) + box->text();
}

bool isZero(const QLineEdit* box)
{
    const QString text = box->text();
    return text.trimmed().isEmpty() || strictNumber(text) == 0.0;
}

template <typename Labels, typename Boxes>
void printNonZeroRows(Printer& printer, const Labels& labels, const Boxes& boxes)
{
    for (size_t i = 0; i < labels.size(); ++i) {
        if (!isZero(boxes[i]))
            printer.printLine(row(labels[i], 3, boxes[i]));
    }
}

// A bold heading with an empty line under it; each section but the first
// opens so.
void printHeading(Printer& printer, const QString& heading)
{
    printer.setEmphasis(true);
    printer.printLine(heading);
    printer.setEmphasis(false);
    printer.printLine(QString());
}

void printTitle(const Form1& till, Printer& printer)
{
    printer.setEmphasis(true);
    printer.printLine(QString());
    printer.printLine(QStringLiteral("Till Calculator - Report"));
    printer.printLine(QString());
    printer.printLine({{till.lblDate->text(), PrintItem::Then::NextZone},
                       {till.txtDate->text() + tabs(2) + till.lblTime->text(), PrintItem::Then::NextZone},
                       {till.txtTime->text()}});
    printer.printLine(QStringLiteral("TILL CONTENTS"));
    printer.setEmphasis(false);
}

void printTotals(const Form1& till, Printer& printer)
{
    printHeading(printer, QStringLiteral("TOTALS"));
    printNonZeroRows(printer, till.lblTotal, till.txtTotals);
    printer.printLine(row(till.lblTotalChange, 2, till.txtChangeTotal));
    printer.printLine(row(till.lblTotalNotes, 3, till.txtNotesTotal));
    printer.printLine(QString());
    printHeading(printer, QStringLiteral("CALCULATION OF GRAND TOTAL"));
    printer.printLine(row(till.lblTillTotal, 3, till.txtTillTotal));
    printer.printLine(row(till.lblChequeAdd, 2, till.txtChequeTotal));
    printer.printLine(row(till.lblGrandTotal, 3, till.txtTotal));
    printer.printLine(QString());
    printHeading(printer, QStringLiteral("MISCELLANEOUS"));
    printer.printLine(row(till.lblCashBank, 2, till.txtCashBank));
    printer.printLine(row(till.lblChequeBank, 2, till.txtChequeBank));
}

void printFooter(const Form1& till, Printer& printer)
{
    printer.setEmphasis(true);
    printer.printLine(QString());
    printer.printLine(QStringLiteral("END OF REPORT"));
    printer.setEmphasis(false);
    printer.printLine(QString());
    printer.printLine(till.lblCopyright->text() + tabs(2) + till.lblWebsite->text());
}

QString blockerMessage(const QLineEdit* box, const QString& reason)
{
    return QStringLiteral("The report was not printed, because the figures are not up to date.\n\n"
                          "%1: %2\n\nPlease correct this box, then print the report again.")
        .arg(box->accessibleName(), reason);
}

} // namespace

// With no float nothing is worked out, so any count, cheque or total on
// the window may be out of step with the others; only an untouched till
// (every figure still at its start) prints as it stands.
bool untouched(const Form1& till)
{
    const auto zero = [](const QLineEdit* box) { return isZero(box); };
    const QLineEdit* totals[] = {till.txtChangeTotal, till.txtNotesTotal, till.txtTillTotal, till.txtChequeTotal,
                                 till.txtTotal, till.txtCashBank, till.txtChequeBank};
    return std::all_of(till.txtTill.begin(), till.txtTill.end(), zero)
        && std::all_of(till.txtChequeAmt.begin(), till.txtChequeAmt.end(), zero)
        && std::all_of(std::begin(totals), std::end(totals), [](const QLineEdit* box) { return box->text().isEmpty(); });
}

std::optional<QString> reportBlocker(const Form1& till)
{
    const std::vector<BoxFault> faults = till.faults();
    if (!faults.empty()) {
        const auto* box = till.findChild<QLineEdit*>(faults.front().box);
        return blockerMessage(box, faults.front().reason);
    }
    if (till.txtFloat->text().trimmed().isEmpty() && !untouched(till))
        return blockerMessage(till.txtFloat, QStringLiteral("the totals are worked out once the float is entered."));
    return std::nullopt;
}

void printTillReport(const Form1& till, Printer& printer)
{
    printer.setOrientation(1);
    printTitle(till, printer);
    printNonZeroRows(printer, till.lblTill, till.txtTill);
    printer.printLine(QString());
    printHeading(printer, QStringLiteral("CHEQUES"));
    printNonZeroRows(printer, till.lblCheque, till.txtChequeAmt);
    printer.printLine(QString());
    printTotals(till, printer);
    printFooter(till, printer);
    printer.endDoc();
}

} // namespace tillora
