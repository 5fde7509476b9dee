// SPDX-License-Identifier: GPL-3.0-or-later
// How fast paying in splits a day's till, the largest till it supports,
// and the most awkward till its tests found.
#include "banking/payingin.h"

#include <benchmark/benchmark.h>

using namespace tillora;

namespace {

struct Till {
    std::array<double, tillRows> counts;
    double floatAmount, cashToBank;
};

// £515.77 counted, £100 float.
const Till day{{37, 20, 14, 22, 18, 11, 25, 9, 6, 12, 8, 3}, 100, 415.77};
// £10,000,000 to the penny, 600 million of them in 1p.
const Till largest{{6e8, 1e8, 2e7, 5e6, 1e6, 2e5, 1e5, 25000, 4000, 2000, 300, 80}, 123.45, 9999876.55};
// The cash to bank cannot be made loose, so every way near it is tried.
const Till awkward{{0, 1, 883, 842, 9, 3, 1, 20, 3, 1, 4, 39553}, 886636.54, 1091291.13};

void split(benchmark::State& state, const Till& till, CoinBagging bagging)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(splitPayingIn(till.counts, till.floatAmount, till.cashToBank, bagging));
    const PayingInOutcome out = splitPayingIn(till.counts, till.floatAmount, till.cashToBank, bagging);
    if (!out.split)
        state.SkipWithError("the till was not split");
    else
        state.counters["banked £"] = double(out.split->bankedPence) / 100;
}
BENCHMARK_CAPTURE(split, dayInBags, day, CoinBagging::FullBags)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(split, dayLoose, day, CoinBagging::Loose)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(split, largestInBags, largest, CoinBagging::FullBags)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(split, largestLoose, largest, CoinBagging::Loose)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(split, awkwardLoose, awkward, CoinBagging::Loose)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
