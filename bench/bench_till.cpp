// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the till answers a keystroke, builds its report, opens, and
// takes a pasted megabyte.
#include "app/numbers/conversions.h"
#include "support/recordingprinter.h"
#include "till/tillwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tillora;

namespace {

QLineEdit* box(QWidget& form, const char* name)
{
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// A keystroke in a count box: Qt's key handling, the change event, the
// recalculation and the writing of all 19 result boxes. (Painting follows
// later in the event loop and is not counted.)
void keystrokeInCountBox(benchmark::State& state)
{
    TillWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("window not shown");
        return;
    }
    box(form, "txtFloat")->setText(QStringLiteral("50"));
    QLineEdit* count = box(form, "txtTill_11");
    count->setFocus();
    count->setText(QStringLiteral("2"));
    QLineEdit* grandTotal = box(form, "txtTotal");
    bool typing = false;
    for (auto _ : state) {
        // Alternately type a 0 and take it away again: 20 then 2 notes.
        QTest::keyClick(count, typing ? Qt::Key_Backspace : Qt::Key_0);
        typing = !typing;
        benchmark::DoNotOptimize(grandTotal->text());
    }
    if (grandTotal->text().isEmpty())
        state.SkipWithError("the totals were not written");
}
BENCHMARK(keystrokeInCountBox)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void workOutTillAlone(benchmark::State& state)
{
    TillEntries entries;
    entries.counts = {"7", "3", "4", "10", "5", "6", "12", "4", "3", "5", "2", "1"};
    entries.cheques.fill(QStringLiteral("0"));
    entries.cheques[0] = QStringLiteral("25.50");
    entries.floatAmount = QStringLiteral("50");
    for (auto _ : state)
        benchmark::DoNotOptimize(workOutTill(entries, true));
}
BENCHMARK(workOutTillAlone)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The longest report: every count and cheque row filled, so none is left
// out; its lines worked out and printed into the recording printer.
void buildWholeReport(benchmark::State& state)
{
    TillSnapshot till;
    for (int i = 0; i < tillRows; ++i) {
        till.counts[i] = {QStringLiteral("Number of coins :"), QString::number(i + 1)};
        till.lineTotals[i] = {QStringLiteral("coins : £"), QStringLiteral("1,000.00")};
    }
    for (int j = 0; j < chequeRows; ++j)
        till.cheques[j] = {QStringLiteral("Cheque %1 £").arg(j + 1), QString::number(j + 1) + ".50"};
    PrintRecord record;
    for (auto _ : state) {
        record = {};
        RecordingPrinter printer(record);
        printDocument(printer, tillReport(till));
        benchmark::DoNotOptimize(record.lines.constData());
    }
    if (record.lines.size() != 62)
        state.SkipWithError("the report left rows out");
}
BENCHMARK(buildWholeReport)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A megabyte pasted into a count box, which keeps its first 1,000
// characters and is marked; Qt's own limit made this take 20 ms.
void pasteMegabyte(benchmark::State& state)
{
    TillWindow form;
    form.show();
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    QLineEdit* count = box(form, "txtTill_3");
    count->setFocus();
    for (auto _ : state) {
        count->clear();
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    }
    if (count->text().size() != entryCapacity || count->toolTip().isEmpty())
        state.SkipWithError("the paste was not cut and marked");
}
BENCHMARK(pasteMegabyte)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Reading a megabyte leniently: linear, where rescanning would take minutes.
void lenientMegabyte(benchmark::State& state)
{
    const QString text = QString(1 << 20, u' ') + QStringLiteral("5");
    for (auto _ : state)
        benchmark::DoNotOptimize(lenientNumber(text));
}
BENCHMARK(lenientMegabyte)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// From nothing to the loaded window shown on screen.
void constructAndShowTillWindow(benchmark::State& state)
{
    for (auto _ : state) {
        TillWindow form;
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("window not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(constructAndShowTillWindow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
