// How fast the till answers a keystroke, builds its report, and opens.
#include "app/printer.h"
#include "till/form1.h"
#include "till/tillreport.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tillora;

namespace {

QLineEdit* box(Form1& form, const char* name)
{
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// A keystroke in a count box: Qt's key handling, the change event, the
// recalculation and the writing of all 19 result boxes. (Painting follows
// later in the event loop and is not counted.)
void keystrokeInCountBox(benchmark::State& state)
{
    Form1 form;
    form.load();
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
        benchmark::DoNotOptimize(workOutTill(entries));
}
BENCHMARK(workOutTillAlone)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The longest report: every count and cheque row filled, so none is left
// out; built line by line into the recording printer.
void buildWholeReport(benchmark::State& state)
{
    Form1 form;
    form.load();
    box(form, "txtFloat")->setText(QStringLiteral("100"));
    for (int i = 0; i < tillRows; ++i)
        box(form, qPrintable(QStringLiteral("txtTill_%1").arg(i)))->setText(QString::number(i + 1));
    for (int j = 0; j < chequeRows; ++j)
        box(form, qPrintable(QStringLiteral("txtChequeAmt_%1").arg(j)))->setText(QString::number(j + 1) + ".50");
    for (auto _ : state) {
        RecordingPrinter printer;
        printTillReport(form, printer);
        benchmark::DoNotOptimize(printer.lines.constData());
    }
    RecordingPrinter check;
    printTillReport(form, check);
    if (check.lines.size() != 62)
        state.SkipWithError("the report left rows out");
}
BENCHMARK(buildWholeReport)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// From nothing to the loaded window shown on screen.
void constructAndShowForm1(benchmark::State& state)
{
    for (auto _ : state) {
        Form1 form;
        form.load();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            state.SkipWithError("window not shown");
        QCoreApplication::processEvents();
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(constructAndShowForm1)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

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
