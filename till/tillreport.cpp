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

    // The totals the report prints under `section`, in the table's order.
    void totals(const TillSnapshot& till, ReportSection section)
    {
        for (const TillTotalRow& total : tillTotalTable) {
            if (total.report.section == section)
                line(row(till.totals[size_t(total.total)], total.report.tabs));
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
    report.totals(till, ReportSection::Totals);
    report.empty();
    report.heading(TillReport::tr("CALCULATION OF GRAND TOTAL"));
    report.totals(till, ReportSection::GrandTotal);
    report.empty();
    report.heading(TillReport::tr("MISCELLANEOUS"));
    report.totals(till, ReportSection::Miscellaneous);
    if (till.takings) {
        report.empty();
        report.text(TillReport::tr("TAKINGS CHECK"), true);
        report.line(row(till.expected, 3));
        report.totals(till, ReportSection::TakingsCheck);
        report.text(QStringLiteral("\t\t\t\t") + *till.takings);
    }
    report.empty(true);
    report.text(TillReport::tr("END OF REPORT"), true);
    report.empty();
    report.line(row({till.copyright, till.website}, 2));
    return report.lines();
}

} // namespace tillora
