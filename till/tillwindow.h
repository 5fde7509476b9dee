// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/layers/windows.h"

#include "about/aboutwindow.h"
#include "app/printing/pdffallback.h"
#include "app/widgets/layout.h"
#include "banking/payinginwindow.h"
#include "markup/markupwindow.h"
#include "till/tillmodel.h"
#include "till/tillreport.h"
#include "vatcalc/vatcalculatorwindow.h"

#include <array>

class QLabel;
class QLineEdit;

namespace tillora {

// The till: counts of notes and coins, the float and the cheques, with
// every total kept current as the user types.
class TillWindow : public FixedWindow {
    Q_OBJECT
public:
    TillWindow();

    // Where the print commands print: the system's default printer unless
    // a test chooses another.
    void setPrinterSource(PrinterSource source) { m_printerSource = std::move(source); }

private:
    static std::span<const ControlRow> controlTable();

    // A box and the label whose caption names it, on screen and in the report.
    struct Captioned {
        QLabel* label;
        QLineEdit* box;
        CaptionedText snapshot() const;
    };

    void connectCommands();
    void recalculate();
    TillOutcome outcome() const;
    TillEntries entries() const;
    // What Paying In follows of the till.
    TillDay day(const TillOutcome& worked) const;
    TillSnapshot snapshot(bool takingsChecked) const;
    void showFigures(const TillFigures& figures);
    void showFaults(const std::vector<EntryFault>& faults);
    QString verdict(const std::optional<TakingsCheck>& takings) const;
    // What the verdict says while the figures wait for `faults` to be mended.
    QString waiting(const std::vector<EntryFault>& faults) const;
    void showVerdict(const QString& verdict);
    // Why the entry cannot be used, in words.
    QString describe(const EntryFault& fault) const;
    QLineEdit* entryBox(EntryId entry) const;
    void showPayingIn();
    void printReport();
    void printWindow();
    void confirmExit();

    QLineEdit* m_floatBox;
    std::array<Captioned, tillRows> m_counts, m_lineTotals;
    std::array<Captioned, chequeRows> m_cheques;
    std::array<Captioned, tillTotals> m_totals; // by TillTotal
    Captioned m_date, m_time;
    Captioned m_expected;
    QLabel* m_takings;
    QLabel *m_copyright, *m_website;

    PrinterSource m_printerSource = &PagePrinter::systemPrinter;
    SingleWindow<VatCalculatorWindow> m_vatCalculator;
    SingleWindow<MarkupWindow> m_markupCalculator;
    SingleWindow<AboutWindow> m_about;
    SingleWindow<PayingInWindow> m_payingIn;
};

} // namespace tillora
