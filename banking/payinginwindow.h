// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/windows.h"

#include "app/printing/pdffallback.h"
#include "app/widgets/layout.h"
#include "banking/payingin.h"
#include "till/tillreport.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tillora {

class FigureTable;

// What Paying In follows of the till as it stands.
struct TillDay {
    std::optional<TillFigures> figures; // none while the till's figures wait
    QString waitsFor;                   // why they wait, in words; empty when they don't
    TillSnapshot till;                  // the date, time and cheques the sheet prints
};

// Which notes and coins to take to the bank and which to keep as the
// float, following the till on every keystroke while it is open.
class PayingInWindow : public FixedWindow {
    Q_OBJECT
public:
    PayingInWindow();

    void follow(const TillDay& day);
    void setPrinterSource(PrinterSource source) { m_printerSource = std::move(source); }

private:
    static std::span<const ControlRow> controlTable();

    void showSplit();
    void showRows(const PayingIn* split);
    void showTotals(const PayingIn* split);
    QString status(const PayingInOutcome& outcome) const;
    void printSheet();

    TillDay m_day;
    std::optional<PayingIn> m_split; // as shown
    FigureTable* m_table;
    QCheckBox* m_bags;
    QLineEdit *m_cash, *m_cheques, *m_paidIn, *m_kept;
    QLabel* m_status;
    PrinterSource m_printerSource = &PagePrinter::systemPrinter;
};

} // namespace tillora
