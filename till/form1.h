#pragma once

#include "app/form.h"
#include "app/printer.h"
#include "about/frmabout.h"
#include "markup/frmmarkup.h"
#include "vatcalc/frmvatcalc.h"
#include "till/tillmodel.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tillora {

// The till: counts of notes and coins, the float and the cheques, with
// every total kept current as the user types.
class Form1 : public Form {
    Q_OBJECT
public:
    Form1();

    // The entries that keep the figures from being worked out now.
    std::vector<BoxFault> faults() const;
    // Where the print commands print; the system's default printer unless
    // a test or the print server check chooses another.
    void setPrinterSource(PrinterSource source) { m_printerSource = std::move(source); }

    frmVATCalc* vatCalculator() const { return m_vatCalc.get(); }
    frmMarkup* markupCalculator() const { return m_markup.get(); }
    frmAbout* aboutWindow() const { return m_about.get(); }

    // The controls, as the layout table places them.
    QGroupBox *Frame9, *Frame10, *Frame11, *Frame12, *Frame13, *Frame14, *Frame16;
    QLineEdit* txtFloat;
    QLabel* lblPlease;
    std::array<QLineEdit*, tillRows> txtTill;
    std::array<QLabel*, tillRows> lblTill;
    std::array<QLineEdit*, chequeRows> txtChequeAmt;
    std::array<QLabel*, chequeRows> lblCheque;
    std::array<QLineEdit*, tillRows> txtTotals;
    std::array<QLabel*, tillRows> lblTotal;
    QLineEdit *txtChangeTotal, *txtNotesTotal;
    QLabel *lblTotalChange, *lblTotalNotes;
    QLineEdit *txtDate, *txtTime;
    QLabel *lblDate, *lblTime;
    QLineEdit *txtTillTotal, *txtChequeTotal, *txtTotal, *txtCashBank, *txtChequeBank;
    QLabel *lblTillTotal, *lblChequeAdd, *lblGrandTotal, *lblCashBank, *lblChequeBank;
    QPushButton *cmdPrintScreen, *cmdPrintReport, *cmdQuit;
    QPushButton *cmdVATCalc, *cmdMarkup, *cmdExit, *Command1;
    QLabel *lblCopyright, *lblWebsite;

protected:
    void Form_Load() override;

private slots:
    void txtTill_Change(int index);
    void txtChequeAmt_Change(int index);
    void txtFloat_Change();
    void txtTill_GotFocus(int index);
    void txtChequeAmt_GotFocus(int index);
    void cmdPrintReport_Click();
    void cmdPrintScreen_Click();
    void cmdExit_Click();
    void cmdVATCalc_Click();
    void cmdMarkup_Click();
    void Command1_Click();

private:
    void bindControls();
    void connectEvents();
    void Recalculate();
    TillEntries entries() const;
    void writeFigures(const TillFigures& figures);
    void showFaults(const std::vector<BoxFault>& faults);

    std::array<double, tillRows> Denominations{};
    PrinterSource m_printerSource = &PagePrinter::forDefaultPrinter;
    // The tool windows exist at most once; closing one discards it.
    WindowSlot<frmVATCalc> m_vatCalc;
    WindowSlot<frmMarkup> m_markup;
    WindowSlot<frmAbout> m_about;
};

} // namespace tillora
