#include "till/form1.h"

#include "app/formats.h"
#include "app/msgbox.h"
#include "till/tillreport.h"
#include "till/caretkeeper.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tillora {

namespace {

using enum ControlKind;
using namespace ControlFlag;

const FormLayout form1Layout{"Form1", "Tillora", 11400, 6960, TitleButtons::MinimiseAndClose, true};

const char* const tillCaptions[tillRows] = {
    "Number of 1p coins :",  "Number of 2p coins :",  "Number of 5p coins :",  "Number of 10p coins :",
    "Number of 20p coins :", "Number of 50p coins :", "Number of £1 coins :",  "Number of £2 coins :",
    "Number of £5 notes :",  "Number of £10 notes :", "Number of £20 notes :", "Number of £50 notes :",
};

const char* const totalCaptions[tillRows] = {
    "1 pences : £",  "2 pences : £",  "5 pences : £",  "10 pences : £", "20 pences : £", "50 pences : £",
    "£1 coins : £",  "£2 coins : £",  "£5 notes : £",  "£10 notes : £", "£20 notes: £",  "£50 notes : £",
};

// Twips from each container's outer corner; frames come before what they hold.
const ControlRow form1Controls[] = {
    {"Frame10", Frame, nullptr, "FLOAT", 120, 120, 3015, 615, 59, Bold},
    {"Frame9", Frame, nullptr, "Till Contents", 120, 840, 3015, 5895, 62, Bold},
    {"Frame11", Frame, nullptr, "Cheques", 3240, 120, 2895, 4935, 38, Bold},
    {"Frame13", Frame, nullptr, "Date/Time", 3240, 5160, 2895, 975, 4, Bold},
    {"Frame12", Frame, nullptr, "Totals", 6240, 120, 2655, 5295, 9, Bold},
    {"Frame14", Frame, nullptr, "Printing", 6240, 5520, 2655, 1215, 0, Bold},
    {"Frame16", Frame, nullptr, "Overall Totals", 9000, 120, 2175, 2895, 89, Bold},
    {"cmdVATCalc", Button, nullptr, "Start VAT Calculator", 9000, 3120, 2175, 375, 101},
    {"cmdMarkup", Button, nullptr, "Start Markup Program", 9000, 3600, 2175, 375, 102},
    {"cmdExit", Button, nullptr, "Exit TLR", 9000, 4080, 2175, 375, 100},
    {"Command1", Button, nullptr, "About", 9120, 6360, 2055, 375, 103},
    {"lblCopyright", Label, nullptr, "© 2026 Tillora developers", 3240, 6240, 2895, 255, 87, AlignCenter | Bold},
    {"lblWebsite", Label, nullptr, "www.tillora.example", 3240, 6480, 2895, 255, 88, AlignCenter | Bold},

    {"txtFloat", TextBox, "Frame10", "", 120, 240, 975, 285, 60},
    {"lblPlease", Label, "Frame10", "Please enter this first.", 1200, 240, 1695, 255, 61, AlignCenter},

    {"txtTill", TextBox, "Frame9", "0", 1920, 240, 975, 285, 63, 0, "lblTill", tillRows, 480},
    {"lblTill", Label, "Frame9", nullptr, 120, 240, 1575, 255, 75, AlignRight, nullptr, tillRows, 480, tillCaptions},

    {"txtChequeAmt", TextBox, "Frame11", "0", 1440, 240, 1335, 285, 39, 0, "lblCheque", chequeRows, 480},
    {"lblCheque", Label, "Frame11", "Cheque %1 £", 120, 240, 1095, 255, 49, AlignRight, nullptr, chequeRows, 480},

    {"txtTotals", TextBox, "Frame12", "0", 1680, 240, 855, 285, 12, ReadOnly, "lblTotal", tillRows, 360},
    {"lblTotal", Label, "Frame12", nullptr, 600, 240, 975, 255, 26, AlignRight, nullptr, tillRows, 360, totalCaptions},
    {"txtChangeTotal", TextBox, "Frame12", "", 1680, 4560, 855, 285, 11, ReadOnly, "lblTotalChange"},
    {"txtNotesTotal", TextBox, "Frame12", "", 1680, 4920, 855, 285, 10, ReadOnly, "lblTotalNotes"},
    {"lblTotalChange", Label, "Frame12", "Total Change : £", 120, 4560, 1455, 255, 25, AlignRight | Bold},
    {"lblTotalNotes", Label, "Frame12", "Total Notes : £", 120, 4920, 1455, 255, 24, AlignRight | Bold},

    {"lblDate", Label, "Frame13", "Date :", 120, 240, 495, 255, 7, AlignRight},
    {"txtDate", TextBox, "Frame13", "", 720, 240, 2055, 285, 5, AlignCenter | ReadOnly, "lblDate"},
    {"lblTime", Label, "Frame13", "Time :", 120, 600, 495, 255, 8, AlignRight},
    {"txtTime", TextBox, "Frame13", "", 720, 600, 2055, 285, 6, AlignCenter | ReadOnly, "lblTime"},

    {"cmdPrintScreen", Button, "Frame14", "Print Screenshot", 120, 240, 2415, 375, 1},
    {"cmdPrintReport", Button, "Frame14", "Print Report", 120, 720, 2415, 375, 3},
    // Below the frame's lower edge, so never seen; it takes the focus and does nothing.
    {"cmdQuit", Button, "Frame14", "E&xit", 0, 3120, 2655, 375, 2},

    {"lblTillTotal", Label, "Frame16", "Till Total : £", 120, 240, 1095, 255, 99, AlignRight | Bold},
    {"txtTillTotal", TextBox, "Frame16", "", 1320, 240, 735, 285, 94, ReadOnly, "lblTillTotal"},
    {"lblChequeAdd", Label, "Frame16", "Add Cheques : £", 120, 600, 1095, 375, 98, AlignRight | Bold | WordWrap},
    {"txtChequeTotal", TextBox, "Frame16", "", 1320, 720, 735, 285, 93, ReadOnly, "lblChequeAdd"},
    {"lblGrandTotal", Label, "Frame16", "Grand Total : £", 120, 1200, 1095, 375, 97, AlignRight | Bold | WordWrap},
    {"txtTotal", TextBox, "Frame16", "", 1320, 1320, 735, 285, 92, ReadOnly, "lblGrandTotal"},
    {"lblCashBank", Label, "Frame16", "Cash to Bank : £", 120, 1800, 1095, 375, 96, AlignRight | Bold | WordWrap},
    {"txtCashBank", TextBox, "Frame16", "", 1320, 1920, 735, 285, 91, ReadOnly, "lblCashBank"},
    {"lblChequeBank", Label, "Frame16", "Cheques to Bank : £", 120, 2400, 1095, 375, 95, AlignRight | Bold | WordWrap},
    {"txtChequeBank", TextBox, "Frame16", "", 1320, 2520, 735, 285, 90, ReadOnly, "lblChequeBank"},
};

// The background of an entry box whose text keeps the totals from being worked out.
const QColor faultTint(255, 210, 210);

void markFault(QLineEdit* box, const QString& reason)
{
    if (box->toolTip() == reason)
        return;
    QPalette palette; // empty: the box follows its window again
    if (!reason.isEmpty()) {
        palette = box->palette();
        palette.setColor(QPalette::Base, faultTint);
    }
    box->setPalette(palette);
    box->setToolTip(reason);
    box->setAccessibleDescription(reason);
}

// From the caret to the end of the text, the caret staying where it is, so
// that the first key typed into a fresh "0" replaces it.
void selectToEnd(QLineEdit* box)
{
    const int length = int(box->text().size());
    box->setSelection(length, box->cursorPosition() - length);
}

} // namespace

Form1::Form1()
    : Form(form1Layout, form1Controls)
{
    bindControls();
    // The frame's caption in capitals would be spelt out letter by letter.
    txtFloat->setAccessibleName(QStringLiteral("Float"));
    // Qt's own limit, 32,767, makes a paste that overflows it copy the
    // text once per character it keeps: gigabytes for a pasted megabyte.
    for (QLineEdit* box : txtTill)
        box->setMaxLength(entryCapacity);
    for (QLineEdit* box : txtChequeAmt)
        box->setMaxLength(entryCapacity);
    txtFloat->setMaxLength(entryCapacity);
    connectEvents();
}

void Form1::bindControls()
{
    Frame9 = control<QGroupBox>("Frame9");
    Frame10 = control<QGroupBox>("Frame10");
    Frame11 = control<QGroupBox>("Frame11");
    Frame12 = control<QGroupBox>("Frame12");
    Frame13 = control<QGroupBox>("Frame13");
    Frame14 = control<QGroupBox>("Frame14");
    Frame16 = control<QGroupBox>("Frame16");
    txtFloat = control<QLineEdit>("txtFloat");
    lblPlease = control<QLabel>("lblPlease");
    bind(txtTill, "txtTill");
    bind(lblTill, "lblTill");
    bind(txtChequeAmt, "txtChequeAmt");
    bind(lblCheque, "lblCheque");
    bind(txtTotals, "txtTotals");
    bind(lblTotal, "lblTotal");
    txtChangeTotal = control<QLineEdit>("txtChangeTotal");
    txtNotesTotal = control<QLineEdit>("txtNotesTotal");
    lblTotalChange = control<QLabel>("lblTotalChange");
    lblTotalNotes = control<QLabel>("lblTotalNotes");
    txtDate = control<QLineEdit>("txtDate");
    txtTime = control<QLineEdit>("txtTime");
    lblDate = control<QLabel>("lblDate");
    lblTime = control<QLabel>("lblTime");
    txtTillTotal = control<QLineEdit>("txtTillTotal");
    txtChequeTotal = control<QLineEdit>("txtChequeTotal");
    txtTotal = control<QLineEdit>("txtTotal");
    txtCashBank = control<QLineEdit>("txtCashBank");
    txtChequeBank = control<QLineEdit>("txtChequeBank");
    lblTillTotal = control<QLabel>("lblTillTotal");
    lblChequeAdd = control<QLabel>("lblChequeAdd");
    lblGrandTotal = control<QLabel>("lblGrandTotal");
    lblCashBank = control<QLabel>("lblCashBank");
    lblChequeBank = control<QLabel>("lblChequeBank");
    cmdPrintScreen = control<QPushButton>("cmdPrintScreen");
    cmdPrintReport = control<QPushButton>("cmdPrintReport");
    cmdQuit = control<QPushButton>("cmdQuit");
    cmdVATCalc = control<QPushButton>("cmdVATCalc");
    cmdMarkup = control<QPushButton>("cmdMarkup");
    cmdExit = control<QPushButton>("cmdExit");
    Command1 = control<QPushButton>("Command1");
    lblCopyright = control<QLabel>("lblCopyright");
    lblWebsite = control<QLabel>("lblWebsite");
}

// Result boxes have no change handler: writing them never recalculates.
void Form1::connectEvents()
{
    for (int i = 0; i < tillRows; ++i) {
        onEvent(txtTill[i], &QLineEdit::textChanged, [this, i] { txtTill_Change(i); });
        onEvent(new CaretKeeper(txtTill[i]), &CaretKeeper::gotFocus, [this, i] { txtTill_GotFocus(i); });
    }
    for (int j = 0; j < chequeRows; ++j) {
        onEvent(txtChequeAmt[j], &QLineEdit::textChanged, [this, j] { txtChequeAmt_Change(j); });
        onEvent(new CaretKeeper(txtChequeAmt[j]), &CaretKeeper::gotFocus, [this, j] { txtChequeAmt_GotFocus(j); });
    }
    onEvent(txtFloat, &QLineEdit::textChanged, [this] { txtFloat_Change(); });
    onEvent(cmdPrintReport, &QPushButton::clicked, [this] { cmdPrintReport_Click(); });
    onEvent(cmdPrintScreen, &QPushButton::clicked, [this] { cmdPrintScreen_Click(); });
    onEvent(cmdExit, &QPushButton::clicked, [this] { cmdExit_Click(); });
    onEvent(cmdVATCalc, &QPushButton::clicked, [this] { cmdVATCalc_Click(); });
    onEvent(cmdMarkup, &QPushButton::clicked, [this] { cmdMarkup_Click(); });
    onEvent(Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    // cmdQuit has no action, by click, Space or its access key.
}

void Form1::Form_Load()
{
    Denominations = denominationValues;
    const QDateTime now = currentMoment();
    txtDate->setText(formatMoment(now, u"dd/mm/yyyy"));
    txtTime->setText(formatMoment(now, u"HH:mm"));
}

void Form1::txtTill_Change(int)
{
    Recalculate();
}

void Form1::txtChequeAmt_Change(int)
{
    Recalculate();
}

void Form1::txtFloat_Change()
{
    Recalculate();
}

void Form1::txtTill_GotFocus(int index)
{
    selectToEnd(txtTill[index]);
}

void Form1::txtChequeAmt_GotFocus(int index)
{
    selectToEnd(txtChequeAmt[index]);
}

// Every figure from every entry, so that none lags behind its count; all
// result boxes are written, or none when an entry cannot be used.
void Form1::Recalculate()
{
    const TillOutcome outcome = workOutTill(entries(), Denominations);
    showFaults(outcome.faults);
    if (outcome.kind == TillOutcome::Kind::Figures)
        writeFigures(outcome.figures);
}

TillEntries Form1::entries() const
{
    TillEntries entries;
    for (int i = 0; i < tillRows; ++i)
        entries.counts[i] = txtTill[i]->text();
    for (int j = 0; j < chequeRows; ++j)
        entries.cheques[j] = txtChequeAmt[j]->text();
    entries.floatAmount = txtFloat->text();
    return entries;
}

std::vector<BoxFault> Form1::faults() const
{
    return workOutTill(entries(), Denominations).faults;
}

void Form1::cmdPrintReport_Click()
{
    if (const auto blocker = reportBlocker(*this)) {
        msgBox(this, *blocker, MsgStyle::OkOnly | MsgStyle::Exclamation, QStringLiteral("Print Report"));
        return;
    }
    printOrOfferPdf(this, m_printerSource, [this](Printer& printer) { printTillReport(*this, printer); },
                    QStringLiteral("till-report.pdf"));
}

void Form1::cmdPrintScreen_Click()
{
    printOrOfferPdf(this, m_printerSource, [this](Printer& printer) {
            printer.setOrientation(1);
            printer.printPicture(*this);
            printer.endDoc();
        },
        QStringLiteral("till-window.pdf"));
}

void Form1::cmdExit_Click()
{
    const QString title = QStringLiteral("Please Confirm");
    if (msgBox(this, QStringLiteral("Are you sure you want to exit?"), MsgStyle::YesNo | MsgStyle::Question, title)
        != MsgAnswer::Yes)
        return;
    const QString prompt = QStringLiteral("Click 'OK' if you have printed off a report and wish to exit.\r\n"
                                          "Click 'Cancel' to abort the program exit and print off a report.");
    if (msgBox(this, prompt, MsgStyle::OkCancel | MsgStyle::Information, title) == MsgAnswer::Ok)
        endProgram();
}

void Form1::cmdVATCalc_Click()
{
    m_vatCalc.show();
}

void Form1::cmdMarkup_Click()
{
    m_markup.show();
}

void Form1::Command1_Click()
{
    m_about.show();
}

void Form1::writeFigures(const TillFigures& figures)
{
    for (int i = 0; i < tillRows; ++i)
        txtTotals[i]->setText(figures.lineTotals[i]);
    txtChequeTotal->setText(figures.chequeTotal);
    txtChangeTotal->setText(figures.changeTotal);
    txtNotesTotal->setText(figures.notesTotal);
    txtTillTotal->setText(figures.tillTotal);
    txtTotal->setText(figures.grandTotal);
    txtCashBank->setText(figures.cashToBank);
    txtChequeBank->setText(figures.chequesToBank);
}

// Marks exactly the entries at fault now; every other mark is cleared.
void Form1::showFaults(const std::vector<BoxFault>& faults)
{
    const auto reasonFor = [&](const QLineEdit* box) {
        for (const BoxFault& fault : faults) {
            if (fault.box == box->objectName())
                return fault.reason;
        }
        return QString();
    };
    for (QLineEdit* box : txtTill)
        markFault(box, reasonFor(box));
    for (QLineEdit* box : txtChequeAmt)
        markFault(box, reasonFor(box));
    markFault(txtFloat, reasonFor(txtFloat));
}

} // namespace tillora
