// SPDX-License-Identifier: GPL-3.0-or-later
#include "till/tillwindow.h"

#include "app/numbers/formats.h"
#include "app/widgets/controls.h"
#include "app/widgets/fonts.h"
#include "app/widgets/messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <map>

namespace tillora {

namespace {

using enum ControlKind;
using enum ControlFlag;

// From the caret to the end of the text, the caret staying where it is, so
// that the first key typed into a fresh "0" replaces it.
void selectToEnd(QLineEdit* box)
{
    const int length = int(box->text().size());
    box->setSelection(length, box->cursorPosition() - length);
}

} // namespace

std::span<const ControlRow> TillWindow::controlTable()
{
    static const char* const countCaptions[tillRows] = {
        QT_TR_NOOP("Number of 1p coins :"),  QT_TR_NOOP("Number of 2p coins :"),  QT_TR_NOOP("Number of 5p coins :"),
        QT_TR_NOOP("Number of 10p coins :"), QT_TR_NOOP("Number of 20p coins :"), QT_TR_NOOP("Number of 50p coins :"),
        QT_TR_NOOP("Number of £1 coins :"),  QT_TR_NOOP("Number of £2 coins :"),  QT_TR_NOOP("Number of £5 notes :"),
        QT_TR_NOOP("Number of £10 notes :"), QT_TR_NOOP("Number of £20 notes :"), QT_TR_NOOP("Number of £50 notes :"),
    };
    static const char* const lineTotalCaptions[tillRows] = {
        QT_TR_NOOP("1 pences : £"),  QT_TR_NOOP("2 pences : £"),  QT_TR_NOOP("5 pences : £"),
        QT_TR_NOOP("10 pences : £"), QT_TR_NOOP("20 pences : £"), QT_TR_NOOP("50 pences : £"),
        QT_TR_NOOP("£1 coins : £"),  QT_TR_NOOP("£2 coins : £"),  QT_TR_NOOP("£5 notes : £"),
        QT_TR_NOOP("£10 notes : £"), QT_TR_NOOP("£20 notes: £"),  QT_TR_NOOP("£50 notes : £"),
    };

    // Twips from each container's outer corner; frames come before what they hold.
    // clang-format off
    static const ControlRow controls[] = {
        // name            kind     container  caption                                   left    top  width height tab  flags, labelled by, array
        {"Frame10",        Frame,   nullptr,   QT_TR_NOOP("FLOAT"),                       120,   120,  3015,   615,  59, Bold},
        {"Frame9",         Frame,   nullptr,   QT_TR_NOOP("Till Contents"),               120,   840,  3015,  5895,  62, Bold},
        {"Frame11",        Frame,   nullptr,   QT_TR_NOOP("Cheques"),                    3240,   120,  2895,  4935,  38, Bold},
        {"Frame13",        Frame,   nullptr,   QT_TR_NOOP("Date/Time"),                  3240,  5160,  2895,   975,   4, Bold},
        {"Frame12",        Frame,   nullptr,   QT_TR_NOOP("Totals"),                     6240,   120,  2655,  5295,   9, Bold},
        {"Frame14",        Frame,   nullptr,   QT_TR_NOOP("Printing"),                   6240,  5520,  2655,  1215,   0, Bold},
        {"Frame16",        Frame,   nullptr,   QT_TR_NOOP("Overall Totals"),             9000,   120,  2175,  2895,  89, Bold},
        {"cmdVATCalc",     Button,  nullptr,   QT_TR_NOOP("Start VAT Calculator"),       9000,  3120,  2175,   375, 101},
        {"cmdMarkup",      Button,  nullptr,   QT_TR_NOOP("Start Markup Program"),       9000,  3600,  2175,   375, 102},
        {"cmdExit",        Button,  nullptr,   QT_TR_NOOP("Exit TLR"),                   9000,  4080,  2175,   375, 100},
        {"Command1",       Button,  nullptr,   QT_TR_NOOP("About"),                      9120,  6360,  2055,   375, 103},
        {"lblCopyright",   Label,   nullptr,   AboutWindow::copyright,                    3240,  6240,  2895,   255,  87, AlignCenter | Bold},
        {"lblWebsite",     Label,   nullptr,   QT_TR_NOOP("www.tillora.example"),        3240,  6480,  2895,   255,  88, AlignCenter | Bold},

        {"txtFloat",       TextBox, "Frame10", "",                                        120,   240,   975,   285,  60},
        {"lblPlease",      Label,   "Frame10", QT_TR_NOOP("Please enter this first."),   1200,   240,  1695,   255,  61, AlignCenter},

        {"txtTill",        TextBox, "Frame9",  "0",                                      1920,   240,   975,   285,  63, {}, "lblTill", tillRows, 480},
        {"lblTill",        Label,   "Frame9",  nullptr,                                   120,   240,  1575,   255,  75, AlignRight, nullptr, tillRows, 480, countCaptions},

        {"txtChequeAmt",   TextBox, "Frame11", "0",                                      1440,   240,  1335,   285,  39, {}, "lblCheque", chequeRows, 480},
        {"lblCheque",      Label,   "Frame11", QT_TR_NOOP("Cheque %1 £"),                 120,   240,  1095,   255,  49, AlignRight, nullptr, chequeRows, 480},

        {"txtTotals",      TextBox, "Frame12", "0",                                      1680,   240,   855,   285,  12, ReadOnly, "lblTotal", tillRows, 360},
        {"lblTotal",       Label,   "Frame12", nullptr,                                   600,   240,   975,   255,  26, AlignRight, nullptr, tillRows, 360, lineTotalCaptions},
        {"txtChangeTotal", TextBox, "Frame12", "",                                       1680,  4560,   855,   285,  11, ReadOnly, "lblTotalChange"},
        {"txtNotesTotal",  TextBox, "Frame12", "",                                       1680,  4920,   855,   285,  10, ReadOnly, "lblTotalNotes"},
        {"lblTotalChange", Label,   "Frame12", QT_TR_NOOP("Total Change : £"),            120,  4560,  1455,   255,  25, AlignRight | Bold},
        {"lblTotalNotes",  Label,   "Frame12", QT_TR_NOOP("Total Notes : £"),             120,  4920,  1455,   255,  24, AlignRight | Bold},

        {"lblDate",        Label,   "Frame13", QT_TR_NOOP("Date :"),                      120,   240,   495,   255,   7, AlignRight},
        {"txtDate",        TextBox, "Frame13", "",                                        720,   240,  2055,   285,   5, AlignCenter | ReadOnly, "lblDate"},
        {"lblTime",        Label,   "Frame13", QT_TR_NOOP("Time :"),                      120,   600,   495,   255,   8, AlignRight},
        {"txtTime",        TextBox, "Frame13", "",                                        720,   600,  2055,   285,   6, AlignCenter | ReadOnly, "lblTime"},

        {"cmdPrintScreen", Button,  "Frame14", QT_TR_NOOP("Print Screenshot"),            120,   240,  2415,   375,   1},
        {"cmdPrintReport", Button,  "Frame14", QT_TR_NOOP("Print Report"),                120,   720,  2415,   375,   3},
        // Below the frame's lower edge, so never seen; it takes the focus and does nothing.
        {"cmdQuit",        Button,  "Frame14", QT_TR_NOOP("E&xit"),                         0,  3120,  2655,   375,   2},

        {"lblTillTotal",   Label,   "Frame16", QT_TR_NOOP("Till Total : £"),              120,   240,  1095,   255,  99, AlignRight | Bold},
        {"txtTillTotal",   TextBox, "Frame16", "",                                       1320,   240,   735,   285,  94, ReadOnly, "lblTillTotal"},
        {"lblChequeAdd",   Label,   "Frame16", QT_TR_NOOP("Add Cheques : £"),             120,   600,  1095,   375,  98, AlignRight | Bold | WordWrap},
        {"txtChequeTotal", TextBox, "Frame16", "",                                       1320,   720,   735,   285,  93, ReadOnly, "lblChequeAdd"},
        {"lblGrandTotal",  Label,   "Frame16", QT_TR_NOOP("Grand Total : £"),             120,  1200,  1095,   375,  97, AlignRight | Bold | WordWrap},
        {"txtTotal",       TextBox, "Frame16", "",                                       1320,  1320,   735,   285,  92, ReadOnly, "lblGrandTotal"},
        {"lblCashBank",    Label,   "Frame16", QT_TR_NOOP("Cash to Bank : £"),            120,  1800,  1095,   375,  96, AlignRight | Bold | WordWrap},
        {"txtCashBank",    TextBox, "Frame16", "",                                       1320,  1920,   735,   285,  91, ReadOnly, "lblCashBank"},
        {"lblChequeBank",  Label,   "Frame16", QT_TR_NOOP("Cheques to Bank : £"),         120,  2400,  1095,   375,  95, AlignRight | Bold | WordWrap},
        {"txtChequeBank",  TextBox, "Frame16", "",                                       1320,  2520,   735,   285,  90, ReadOnly, "lblChequeBank"},

        // Between "Exit TLR" and "About": the money to bank against the takings the till roll gives.
        {"Frame17",        Frame,   nullptr,   QT_TR_NOOP("Takings Check"),              9000,  4560,  2175,  1215, 106, Bold},
        {"lblExpected",    Label,   "Frame17", QT_TR_NOOP("Expected : £"),                120,   240,  1095,   255, 107, AlignRight | Bold},
        {"txtExpected",    TextBox, "Frame17", "",                                       1320,   240,   735,   285, 104, {}, "lblExpected"},
        {"lblOverShort",   Label,   "Frame17", QT_TR_NOOP("Over / Short : £"),            120,   600,  1095,   255, 108, AlignRight | Bold},
        {"txtOverShort",   TextBox, "Frame17", "",                                       1320,   600,   735,   285, 105, ReadOnly, "lblOverShort"},
        // The verdict, drawn in the frame but not of it: an empty line in a frame takes the frame's title as its
        // name, and a screen reader would read "Takings Check" twice.
        {"lblTakings",     Label,   nullptr,   "",                                       9120,  5490,  1935,   255, 109, AlignCenter},
        // Which notes and coins make up the cash to bank.
        {"cmdPayingIn",    Button,  nullptr,   QT_TR_NOOP("Paying In"),                  9000,  5880,  2175,   375, 110},
    };
    // clang-format on
    return controls;
}

CaptionedText TillWindow::Captioned::snapshot() const
{
    return {wholeCaption(label), box->text()};
}

TillWindow::TillWindow()
    : FixedWindow(staticMetaObject, {"Form1", QT_TR_NOOP("Tillora"), 11400, 6960, true, true}, controlTable())
    , m_floatBox(control<QLineEdit>(QStringLiteral("txtFloat")))
{
    const auto pair = [this](const QString& label, const QString& box) {
        return Captioned{control<QLabel>(label), control<QLineEdit>(box)};
    };
    for (int i = 0; i < tillRows; ++i) {
        m_counts[i] = pair(QStringLiteral("lblTill_%1").arg(i), QStringLiteral("txtTill_%1").arg(i));
        m_lineTotals[i] = pair(QStringLiteral("lblTotal_%1").arg(i), QStringLiteral("txtTotals_%1").arg(i));
    }
    for (int j = 0; j < chequeRows; ++j)
        m_cheques[j] = pair(QStringLiteral("lblCheque_%1").arg(j), QStringLiteral("txtChequeAmt_%1").arg(j));
    for (const TillTotalRow& total : tillTotalTable)
        m_totals[size_t(total.total)] = pair(QLatin1String(total.label), QLatin1String(total.box));
    m_expected = pair(QStringLiteral("lblExpected"), QStringLiteral("txtExpected"));
    m_takings = control<QLabel>(QStringLiteral("lblTakings"));
    m_date = pair(QStringLiteral("lblDate"), QStringLiteral("txtDate"));
    m_time = pair(QStringLiteral("lblTime"), QStringLiteral("txtTime"));
    m_copyright = control<QLabel>(QStringLiteral("lblCopyright"));
    // The About window owns the copyright's words, and so their translation.
    setFittedCaption(m_copyright, AboutWindow::tr(AboutWindow::copyright));
    m_website = control<QLabel>(QStringLiteral("lblWebsite"));

    // The frame's caption in capitals would be spelt out letter by letter.
    m_floatBox->setAccessibleName(tr("Float"));
    // The hint beside the float is read with the box, as its description.
    m_floatBox->setAccessibleDescription(control<QLabel>(QStringLiteral("lblPlease"))->text());
    auto* unused = control<QPushButton>(QStringLiteral("cmdQuit"));
    unused->setAccessibleName(tr("Unused button"));
    unused->setAccessibleDescription(tr("This button does nothing. Exit TLR leaves the program."));

    // The moment the till was opened, which every report of the day prints.
    const QDateTime now = QDateTime::currentDateTime();
    m_date.box->setText(formatMoment(now, u"dd/mm/yyyy"));
    m_time.box->setText(formatMoment(now, u"HH:mm"));
    connectCommands();
}

// Result boxes have no change handler: writing them never recalculates.
void TillWindow::connectCommands()
{
    QList<QLineEdit*> entries{m_floatBox, m_expected.box};
    for (const Captioned& count : m_counts)
        entries << count.box;
    for (const Captioned& cheque : m_cheques)
        entries << cheque.box;
    for (QLineEdit* box : entries) {
        onEvent(box, &QLineEdit::textChanged, [this] { recalculate(); });
        if (box != m_floatBox && box != m_expected.box)
            onEvent(qobject_cast<EntryBox*>(box), &EntryBox::entered, [box] { selectToEnd(box); });
    }
    onEvent(control<QPushButton>(QStringLiteral("cmdPrintReport")), &QPushButton::clicked, [this] { printReport(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdPrintScreen")), &QPushButton::clicked, [this] { printWindow(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdExit")), &QPushButton::clicked, [this] { confirmExit(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdVATCalc")), &QPushButton::clicked,
            [this] { m_vatCalculator.show(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdMarkup")), &QPushButton::clicked,
            [this] { m_markupCalculator.show(); });
    onEvent(control<QPushButton>(QStringLiteral("Command1")), &QPushButton::clicked, [this] { m_about.show(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdPayingIn")), &QPushButton::clicked, [this] { showPayingIn(); });
}

// Every figure from every entry, so that none lags behind its count; all
// result boxes are written, or none when an entry cannot be used.
void TillWindow::recalculate()
{
    const TillOutcome worked = outcome();
    showFaults(worked.faults);
    if (worked.figures)
        showFigures(*worked.figures);
    else
        showVerdict(waiting(worked.faults));
    if (PayingInWindow* payingIn = m_payingIn.window())
        payingIn->follow(day(worked));
}

void TillWindow::showPayingIn()
{
    PayingInWindow& payingIn = m_payingIn.show();
    payingIn.setPrinterSource(m_printerSource);
    payingIn.follow(day(outcome()));
}

TillDay TillWindow::day(const TillOutcome& worked) const
{
    TillDay day{worked.figures, {}, snapshot(false)};
    if (worked.figures)
        return day;
    const auto fault = std::find_if(worked.faults.begin(), worked.faults.end(),
                                    [](const EntryFault& f) { return f.reason != EntryFault::Reason::FloatAwaited; });
    if (fault == worked.faults.end())
        day.waitsFor = tr("Type the float and the counts in the till first.");
    else
        day.waitsFor = tr("Correct this box in the till first: %1. %2")
                           .arg(entryBox(fault->entry)->accessibleName(), describe(*fault));
    return day;
}

TillOutcome TillWindow::outcome() const
{
    // Totals stay empty until the first figures are worked out.
    return workOutTill(entries(), !m_totals[size_t(TillTotal::Till)].box->text().isEmpty());
}

TillEntries TillWindow::entries() const
{
    TillEntries entries;
    for (int i = 0; i < tillRows; ++i)
        entries.counts[i] = m_counts[i].box->text();
    for (int j = 0; j < chequeRows; ++j)
        entries.cheques[j] = m_cheques[j].box->text();
    entries.floatAmount = m_floatBox->text();
    entries.expectedTakings = m_expected.box->text();
    return entries;
}

void TillWindow::showFigures(const TillFigures& figures)
{
    for (int i = 0; i < tillRows; ++i)
        setFigure(m_lineTotals[i].box, figures.lineTotals[i]);
    for (size_t t = 0; t < m_totals.size(); ++t)
        setFigure(m_totals[t].box, figures.totals[t]);
    showVerdict(verdict(figures.takings));
}

// The verdict in words, so that it never rests on a sign or a colour.
QString TillWindow::verdict(const std::optional<TakingsCheck>& takings) const
{
    if (!takings)
        return {};
    const QString amount = wholeInSentence(formatPounds(std::fabs(takings->difference)));
    switch (takings->verdict) {
    case TakingsCheck::Verdict::Over: return tr("Over by %1").arg(amount);
    case TakingsCheck::Verdict::Short: return tr("Short by %1").arg(amount);
    case TakingsCheck::Verdict::Balanced: break;
    }
    return tr("Balanced");
}

// The figures on show stay the last worked out, but a verdict is a sentence
// and reads as current: while the figures wait, so does the check.
QString TillWindow::waiting(const std::vector<EntryFault>& faults) const
{
    if (!takingsExpected(entries()))
        return {};
    const bool floatOnly = std::all_of(
        faults.begin(), faults.end(), [](const EntryFault& f) { return f.reason == EntryFault::Reason::FloatAwaited; });
    return floatOnly ? tr("Waiting for the float") : tr("Waiting for usable entries");
}

// The box the takings are typed into says the verdict too, for a screen reader.
void TillWindow::showVerdict(const QString& verdict)
{
    setFittedCaption(m_takings, verdict);
    setOwnDescription(m_expected.box, verdict);
}

QLineEdit* TillWindow::entryBox(EntryId entry) const
{
    switch (entry.kind) {
    case EntryId::Kind::Count: return m_counts[entry.row].box;
    case EntryId::Kind::Cheque: return m_cheques[entry.row].box;
    case EntryId::Kind::Float: return m_floatBox;
    case EntryId::Kind::ExpectedTakings: return m_expected.box;
    }
    return m_floatBox;
}

// Marks exactly the entries at fault now; every other mark is cleared.
void TillWindow::showFaults(const std::vector<EntryFault>& faults)
{
    std::map<QLineEdit*, QString> reasons;
    for (const EntryFault& fault : faults)
        reasons.try_emplace(entryBox(fault.entry), describe(fault));
    markFault(m_floatBox, reasons[m_floatBox]);
    markFault(m_expected.box, reasons[m_expected.box]);
    for (const Captioned& entry : m_counts)
        markFault(entry.box, reasons[entry.box]);
    for (const Captioned& entry : m_cheques)
        markFault(entry.box, reasons[entry.box]);
}

QString TillWindow::describe(const EntryFault& fault) const
{
    const QString text = entryBox(fault.entry)->text().trimmed().left(40);
    switch (fault.reason) {
    case EntryFault::Reason::NotANumber: return tr("\u201c%1\u201d is not a number.").arg(text);
    case EntryFault::Reason::TooLargeToRead: return tr("\u201c%1\u201d is too large to calculate with.").arg(text);
    case EntryFault::Reason::BoxFull: return EntryBox::fullReason();
    case EntryFault::Reason::FloatAwaited: return tr("The totals are worked out once the float is entered.");
    case EntryFault::Reason::LineTotalTooLarge: return tr("This count makes its line total too large to calculate.");
    case EntryFault::Reason::TotalTooLarge: break;
    }
    return tr(tillTotalTable[size_t(fault.total)].tooLargeWhy);
}

TillSnapshot TillWindow::snapshot(bool takingsChecked) const
{
    TillSnapshot till;
    till.date = m_date.snapshot();
    till.time = m_time.snapshot();
    for (int i = 0; i < tillRows; ++i) {
        till.counts[i] = m_counts[i].snapshot();
        till.lineTotals[i] = m_lineTotals[i].snapshot();
    }
    for (int j = 0; j < chequeRows; ++j)
        till.cheques[j] = m_cheques[j].snapshot();
    for (size_t t = 0; t < m_totals.size(); ++t)
        till.totals[t] = m_totals[t].snapshot();
    till.expected = m_expected.snapshot();
    if (takingsChecked)
        till.takings = wholeCaption(m_takings);
    till.copyright = wholeCaption(m_copyright);
    till.website = wholeCaption(m_website);
    return till;
}

// Printed totals must never disagree with the entries, so a till whose
// figures are not up to date prints nothing and says which box to mend.
void TillWindow::printReport()
{
    const TillOutcome worked = outcome();
    if (!worked.faults.empty()) {
        const EntryFault& fault = worked.faults.front();
        warnUser(this, tr("Print Report"),
                 tr("The report was not printed, because the figures are not up to date.\n\n%1: %2\n\n"
                    "Please correct this box, then print the report again.")
                     .arg(entryBox(fault.entry)->accessibleName(), describe(fault)));
        return;
    }
    const QList<PrintLine> report = tillReport(snapshot(worked.figures && worked.figures->takings));
    printOrOfferPdf(
        this, m_printerSource, [&report](Printer& printer) { printDocument(printer, report); }, tr("till-report.pdf"));
}

void TillWindow::printWindow()
{
    printOrOfferPdf(
        this, m_printerSource,
        [this](Printer& printer) {
            printer.setOrientation(QPageLayout::Portrait);
            printer.printPicture(*this);
            printer.endDocument();
        },
        tr("till-window.pdf"));
}

void TillWindow::confirmExit()
{
    const QString title = tr("Please Confirm");
    if (askUser(this, title, tr("Are you sure you want to exit?"), QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    const QString text = tr("Click 'OK' if you have printed off a report and wish to exit.\r\n"
                            "Click 'Cancel' to abort the program exit and print off a report.");
    if (askUser(this, title, text, QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok)
        endProgram();
}

} // namespace tillora
