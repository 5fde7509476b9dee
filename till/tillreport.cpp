// SPDX-License-Identifier: GPL-3.0-or-later
#include "till/tillreport.h"

#include "app/numbers/conversions.h"

#include <QCoreApplication>

namespace tillora {

namespace {

struct TillReport {
    Q_DECLARE_TR_FUNCTIONS(TillReport)
};

// A caption, the given number of tabs, then the box's text.
PrintLine row(const CaptionedText& row, int tabs)
{
    return {{{row.caption + QString(tabs, u'\t') + row.text}}};
}

// Text that cannot be read as a number is printed as it stands, so that
// nothing on the window is left out of the report unseen.
bool isZero(const QString& text, const QLocale& region)
{
    if (text.trimmed().isEmpty())
        return true;
    const Reading reading = strictNumber(text, region);
    return reading.ok() && reading.value == 0.0;
}

class Report {
public:
    explicit Report(const QLocale& region)
        : m_region(region)
    {
    }

    void line(const PrintLine& line) { m_lines << line; }
    void text(const QString& text, bool emphasis = false) { m_lines << PrintLine{{{text}}, emphasis}; }
    void empty(bool emphasis = false) { m_lines << PrintLine{{}, emphasis}; }

    // A bold heading with an empty line under it.
    void heading(const QString& heading)
    {
        text(heading, true);
        empty();
    }

    template <typename Rows>
    void nonZeroRows(const Rows& rows)
    {
        for (const CaptionedText& r : rows) {
            if (!isZero(r.text, m_region))
                line(row(r, 3));
        }
    }

    QList<PrintLine> lines() const { return m_lines; }

private:
    QLocale m_region;
    QList<PrintLine> m_lines;
};

} // namespace

QList<PrintLine> tillReport(const TillSnapshot& till, const QLocale& region)
{
    using Then = PrintItem::Then;
    Report report(region);
    report.empty(true);
    report.text(TillReport::tr("Till Calculator - Report"), true);
    report.empty(true);
    report.line({{{till.date.caption, Then::NextZone},
                  {till.date.text + QStringLiteral("\t\t") + till.time.caption, Then::NextZone},
                  {till.time.text}},
                 true});
    report.text(TillReport::tr("TILL CONTENTS"), true);
    report.nonZeroRows(till.counts);
    report.empty();
    report.heading(TillReport::tr("CHEQUES"));
    report.nonZeroRows(till.cheques);
    report.empty();
    report.heading(TillReport::tr("TOTALS"));
    report.nonZeroRows(till.lineTotals);
    report.line(row(till.changeTotal, 2));
    report.line(row(till.notesTotal, 3));
    report.empty();
    report.heading(TillReport::tr("CALCULATION OF GRAND TOTAL"));
    report.line(row(till.tillTotal, 3));
    report.line(row(till.chequeTotal, 2));
    report.line(row(till.grandTotal, 3));
    report.empty();
    report.heading(TillReport::tr("MISCELLANEOUS"));
    report.line(row(till.cashToBank, 2));
    report.line(row(till.chequesToBank, 2));
    if (strictNumber(till.expected.text, region).ok()) {
        report.empty();
        report.text(TillReport::tr("TAKINGS CHECK"), true);
        report.line(row(till.expected, 3));
        report.line(row(till.overShort, 3));
        report.text(QStringLiteral("\t\t\t\t") + till.takings);
    }
    report.empty(true);
    report.text(TillReport::tr("END OF REPORT"), true);
    report.empty();
    report.line(row({till.copyright, till.website}, 2));
    return report.lines();
}

} // namespace tillora
