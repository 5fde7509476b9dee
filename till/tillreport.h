// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/printing/document.h"
#include "till/tillmodel.h"

#include <QList>
#include <QString>

#include <span>

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

// Writes the lines of the till's printed documents, in their one style.
class ReportWriter {
public:
    explicit ReportWriter(const QLocale& region = QLocale());

    void line(const PrintLine& line) { m_lines << line; }
    void text(const QString& text, bool emphasis = false) { m_lines << PrintLine{{{text}}, emphasis}; }
    void empty(bool emphasis = false) { m_lines << PrintLine{{}, emphasis}; }
    // A bold heading with an empty line under it.
    void heading(const QString& heading);
    // The title, then the moment the till was opened, all in bold.
    void titleBlock(const QString& title, const CaptionedText& date, const CaptionedText& time);
    // A caption, the given number of tabs, then the box's text.
    void captioned(const CaptionedText& row, int tabs);
    // The rows whose text is not zero, an empty box counting as zero. Text
    // that is not a number is printed as it stands, so that nothing on the
    // window is left out unseen.
    void nonZeroRows(std::span<const CaptionedText> rows);

    QList<PrintLine> lines() const { return m_lines; }

private:
    QLocale m_region;
    QList<PrintLine> m_lines;
};

// The day's figures as the report prints them: a title block, the till
// contents, cheques, totals, the grand total, cash to bank, the takings
// check when takings are expected, and a footer. Rows of counts, cheques
// and line totals whose number is zero (an empty box included) are left
// out; every other text is printed as it stands.
QList<PrintLine> tillReport(const TillSnapshot& till, const QLocale& region = QLocale());

} // namespace tillora
