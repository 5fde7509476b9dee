// SPDX-License-Identifier: GPL-3.0-or-later
#include "banking/payinginwindow.h"

#include "app/numbers/formats.h"
#include "app/widgets/controls.h"
#include "app/widgets/fonts.h"
#include "app/widgets/messagebox.h"
#include "banking/payinginsheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace tillora {

namespace {

enum Column { InTill, ToBank, Bags, Value, Kept, columns };

// The rows of the table, largest first as on a paying-in slip: the till's
// row of each.
int tillRowOf(int tableRow)
{
    return tillRows - 1 - tableRow;
}

QString pounds(qint64 pence)
{
    return wholeInSentence(formatPounds(double(pence) / 100));
}

QString pieces(qint64 count)
{
    return formatNumber(double(count), {.decimals = 0});
}

} // namespace

std::span<const ControlRow> PayingInWindow::controlTable()
{
    using enum ControlKind;
    using enum ControlFlag;
    // clang-format off
    static const ControlRow controls[] = {
        // name        kind      container caption                                  left   top  width height tab  flags, labelled by
        {"chkBags",    CheckBox, nullptr,  QT_TR_NOOP("Coins in full bags only"),    120,   120,  2400,   285,  0},
        {"tblSplit",   Table,    nullptr,  QT_TR_NOOP("Notes and coins to bank"),    120,   480,  6960,  3960,  1},
        {"lblCash",    Label,    nullptr,  QT_TR_NOOP("Cash to bank : £"),           120,  4590,  1815,   255,  9, AlignRight | Bold},
        {"txtCash",    TextBox,  nullptr,  "",                                      2040,  4560,  1215,   285,  2, ReadOnly, "lblCash"},
        {"lblCheques", Label,    nullptr,  QT_TR_NOOP("Cheques to bank : £"),        120,  4950,  1815,   255, 10, AlignRight | Bold},
        {"txtCheques", TextBox,  nullptr,  "",                                      2040,  4920,  1215,   285,  3, ReadOnly, "lblCheques"},
        {"lblPaidIn",  Label,    nullptr,  QT_TR_NOOP("Total paid in : £"),         3480,  4590,  2295,   255, 11, AlignRight | Bold},
        {"txtPaidIn",  TextBox,  nullptr,  "",                                      5880,  4560,  1200,   285,  4, ReadOnly, "lblPaidIn"},
        {"lblKept",    Label,    nullptr,  QT_TR_NOOP("Kept in till : £"),          3480,  4950,  2295,   255, 12, AlignRight | Bold},
        {"txtKept",    TextBox,  nullptr,  "",                                      5880,  4920,  1200,   285,  5, ReadOnly, "lblKept"},
        {"lblStatus",  Label,    nullptr,  "",                                       120,  5340,  6960,   495, 13, AlignCenter | WordWrap},
        {"cmdPrint",   Button,   nullptr,  QT_TR_NOOP("Print"),                      120,  5940,  3360,   375,  6},
        {"cmdClose",   Button,   nullptr,  QT_TR_NOOP("Close"),                     3720,  5940,  3360,   375,  7},
    };
    // clang-format on
    return controls;
}

PayingInWindow::PayingInWindow()
    : FixedWindow(staticMetaObject, {"frmPayingIn", QT_TR_NOOP("Paying In"), 7200, 6420, true, true}, controlTable())
    , m_table(control<FigureTable>(QStringLiteral("tblSplit")))
    , m_bags(control<QCheckBox>(QStringLiteral("chkBags")))
    , m_cash(control<QLineEdit>(QStringLiteral("txtCash")))
    , m_cheques(control<QLineEdit>(QStringLiteral("txtCheques")))
    , m_paidIn(control<QLineEdit>(QStringLiteral("txtPaidIn")))
    , m_kept(control<QLineEdit>(QStringLiteral("txtKept")))
    , m_status(control<QLabel>(QStringLiteral("lblStatus")))
{
    // Largest first, as on a paying-in slip.
    static const char* const names[tillRows] = {
        QT_TR_NOOP("£50 notes"), QT_TR_NOOP("£20 notes"), QT_TR_NOOP("£10 notes"), QT_TR_NOOP("£5 notes"),
        QT_TR_NOOP("£2 coins"),  QT_TR_NOOP("£1 coins"),  QT_TR_NOOP("50p coins"), QT_TR_NOOP("20p coins"),
        QT_TR_NOOP("10p coins"), QT_TR_NOOP("5p coins"),  QT_TR_NOOP("2p coins"),  QT_TR_NOOP("1p coins"),
    };
    QStringList rows;
    for (const char* name : names)
        rows << tr(name);
    m_table->setHeaders(rows, {tr("In the till"), tr("To bank"), tr("Bags"), tr("Value : £"), tr("Kept")});
    m_bags->setChecked(true);
    onEvent(m_bags, &QCheckBox::toggled, [this] { showSplit(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdPrint")), &QPushButton::clicked, [this] { printSheet(); });
    onEvent(control<QPushButton>(QStringLiteral("cmdClose")), &QPushButton::clicked, [this] { close(); });
    onEvent(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, [this] { close(); });
}

void PayingInWindow::follow(const TillDay& day)
{
    m_day = day;
    showSplit();
}

void PayingInWindow::showSplit()
{
    std::optional<PayingInOutcome> outcome;
    if (const auto& figures = m_day.figures) {
        const TillReadings& read = figures->read;
        outcome = splitPayingIn(read.counts, read.floatAmount, read.cashToBank,
                                m_bags->isChecked() ? CoinBagging::FullBags : CoinBagging::Loose);
    }
    m_split = outcome ? outcome->split : std::nullopt;
    const PayingIn* split = m_split ? &*m_split : nullptr;
    showRows(split);
    showTotals(split);
    setFittedCaption(m_status, outcome ? status(*outcome) : m_day.waitsFor);
}

void PayingInWindow::showRows(const PayingIn* split)
{
    for (int r = 0; r < tillRows; ++r) {
        QStringList cells(columns);
        if (split) {
            const PayingInRow& row = split->rows[tillRowOf(r)];
            cells[InTill] = pieces(row.inTill);
            cells[ToBank] = pieces(row.toBank);
            if (row.bags > 0)
                cells[Bags] = tr("%1 \u00d7 %2")
                                  .arg(pieces(row.bags), formatPounds(double(row.bagPence) / 100, {.decimals = 0}));
            cells[Value] = formatNumber(double(row.bankedPence) / 100, {.decimals = 2});
            cells[Kept] = pieces(row.kept);
        }
        for (int c = 0; c < columns; ++c)
            m_table->setFigure(r, c, cells[c]);
    }
}

void PayingInWindow::showTotals(const PayingIn* split)
{
    const QString cheques = m_day.figures ? (*m_day.figures)[TillTotal::ChequesToBank] : QString();
    const auto amount = [](qint64 pence) { return formatNumber(double(pence) / 100, {.decimals = 2}); };
    setFigure(m_cheques, split ? cheques : QString());
    setFigure(m_cash, split ? amount(split->bankedPence) : QString());
    setFigure(m_kept, split ? amount(split->keptPence) : QString());
    setFigure(m_paidIn, split
                            ? amount(split->bankedPence + qint64(std::llround(m_day.figures->read.chequesToBank * 100)))
                            : QString());
}

QString PayingInWindow::status(const PayingInOutcome& outcome) const
{
    if (const auto& fault = outcome.fault) {
        const QString row = fault->row >= 0 ? m_table->verticalHeaderItem(tillRowOf(fault->row))->text() : QString();
        const bool notes = fault->row >= firstNotesRow;
        switch (fault->reason) {
        case PayingInFault::Reason::CountNotWhole:
            return notes ? tr("The count of %1 is not a whole number of notes.").arg(row)
                         : tr("The count of %1 is not a whole number of coins.").arg(row);
        case PayingInFault::Reason::CountNegative: return tr("The count of %1 is below zero.").arg(row);
        case PayingInFault::Reason::BeyondSupport: break;
        }
        // The count picks the noun's plural form; the figure is written in
        // the region's style, which %n would not follow.
        return tr("The till holds more than can be split: at most %1 in all, and %2 pieces a row.", nullptr,
                  int(payingInMostPieces))
            .arg(pounds(payingInMostPence), pieces(payingInMostPieces));
    }
    const PayingIn& split = *outcome.split;
    if (split.shortOfFloatPence() > 0)
        return tr("The till holds %1 less than its float: nothing to bank.").arg(pounds(split.shortOfFloatPence()));
    const qint64 beyondFloat = split.keptPence - split.floatPence;
    if (beyondFloat <= 0)
        return tr("The float of %1 stays in the till.").arg(pounds(split.floatPence));
    return tr("The till keeps %1: the float of %2 and %3 that cannot be banked without taking from it.")
        .arg(pounds(split.keptPence), pounds(split.floatPence), pounds(beyondFloat));
}

void PayingInWindow::printSheet()
{
    PayingInSheet sheet{m_day.till.date, m_day.till.time, {}, m_day.till.cheques, {}, wholeCaption(m_status)};
    for (int r = 0; m_split && r < tillRows; ++r) {
        if (m_split->rows[tillRowOf(r)].toBank > 0)
            sheet.banked << SheetRow{m_table->verticalHeaderItem(r)->text(), m_table->item(r, ToBank)->text(),
                                     m_table->item(r, Bags)->text(), m_table->item(r, Value)->text()};
    }
    for (const auto& [label, box] : {std::pair{"lblCash", "txtCash"},
                                     {"lblCheques", "txtCheques"},
                                     {"lblPaidIn", "txtPaidIn"},
                                     {"lblKept", "txtKept"}})
        sheet.totals << CaptionedText{wholeCaption(control<QLabel>(QLatin1String(label))),
                                      control<QLineEdit>(QLatin1String(box))->text()};
    const QList<PrintLine> lines = payingInSheet(sheet);
    printOrOfferPdf(
        this, m_printerSource, [&lines](Printer& printer) { printDocument(printer, lines); }, tr("paying-in.pdf"));
}

} // namespace tillora
