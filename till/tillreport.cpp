// SPDX-License-Identifier: GPL-3.0-or-later
#include "till/tillreport.h"

#include "app/numbers/conversions.h"

#include <QCoreApplication>

namespace tillora {

namespace {

struct TillReport {
    Q_DECLARE_TR_FUNCTIONS(TillReport)
};

// Text that cannot be read as a number is not zero.
bool isZero(const QString& text, const QLocale& region)
{
    if (text.trimmed().isEmpty())
        return true;
    const Reading reading = strictNumber(text, region);
    return reading.ok() && reading.value == 0.0;
}

// The totals the report prints under `section`, in the table's order.
void totals(ReportWriter& report, const TillSnapshot& till, ReportSection section)
{
    for (const TillTotalRow& total : tillTotalTable) {
        if (total.report.section == section)
            report.captioned(till.totals[size_t(total.total)], total.report.tabs);
    }
}

} // namespace

ReportWriter::ReportWriter(const QLocale& region)
    : m_region(region)
{
}

void ReportWriter::heading(const QString& heading)
{
    text(heading, true);
    empty();
}

void ReportWriter::titleBlock(const QString& title, const CaptionedText& date, const CaptionedText& time)
{
    using Then = PrintItem::Then;
    empty(true);
    text(title, true);
    empty(true);
    line({{{date.caption, Then::NextZone},
           {date.text + QStringLiteral("\t\t") + time.caption, Then::NextZone},
           {time.text}},
          true});
}

void ReportWriter::captioned(const CaptionedText& row, int tabs)
{
    line({{{row.caption + QString(tabs, u'\t') + row.text}}});
}

void ReportWriter::nonZeroRows(std::span<const CaptionedText> rows)
{
    for (const CaptionedText& row : rows) {
        if (!isZero(row.text, m_region))
            captioned(row, 3);
    }
}

QList<PrintLine> tillReport(const TillSnapshot& till, const QLocale& region)
{
    ReportWriter report(region);
    report.titleBlock(TillReport::tr("Till Calculator - Report"), till.date, till.time);
    report.text(TillReport::tr("TILL CONTENTS"), true);
    report.nonZeroRows(till.counts);
    report.empty();
    report.heading(TillReport::tr("CHEQUES"));
    report.nonZeroRows(till.cheques);
    report.empty();
    report.heading(TillReport::tr("TOTALS"));
    report.nonZeroRows(till.lineTotals);
    totals(report, till, ReportSection::Totals);
    report.empty();
    report.heading(TillReport::tr("CALCULATION OF GRAND TOTAL"));
    totals(report, till, ReportSection::GrandTotal);
    report.empty();
    report.heading(TillReport::tr("MISCELLANEOUS"));
    totals(report, till, ReportSection::Miscellaneous);
    if (till.takings) {
        report.empty();
        report.heading(TillReport::tr("TAKINGS CHECK"));
        report.captioned(till.expected, 3);
        totals(report, till, ReportSection::TakingsCheck);
        report.text(QStringLiteral("\t\t\t\t") + *till.takings);
    }
    report.empty(true);
    report.text(TillReport::tr("END OF REPORT"), true);
    report.empty();
    report.captioned({till.copyright, till.website}, 2);
    return report.lines();
}

} // namespace tillora
