// Keying a full tape and replaying it, on the in-memory form.
#include <benchmark/benchmark.h>

#include <memory>

#include "document/vor_file.h"
#include "engine_tape.h"
#include "tape/line_removal.h"
#include "tape/recalculation.h"
#include "tape/tape_search.h"
#include "value_edit.h"

namespace {

using Bench = vor::bench::EngineTape;

void BM_KeyThousandLines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<Bench>();
        state.ResumeTiming();
        b->keyFullTape();
        benchmark::DoNotOptimize(b->doc.m_total);
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeyThousandLines)->Unit(benchmark::kMicrosecond);

void BM_RecalculateThousandLines(benchmark::State& state) {
    Bench b;
    b.keyFullTape();
    for (auto _ : state) {
        b.recalc.recalculate();
        benchmark::DoNotOptimize(b.doc.m_total);
    }
    state.counters["lines"] = static_cast<double>(b.doc.m_lineCount);
}
BENCHMARK(BM_RecalculateThousandLines)->Unit(benchmark::kMicrosecond);

void BM_RecalculateThousandTaxLines(benchmark::State& state) {
    Bench b;
    b.keyTaxTape();
    for (auto _ : state) {
        b.recalc.recalculate();
        benchmark::DoNotOptimize(b.doc.m_grandTotal);
    }
    state.counters["lines"] = static_cast<double>(b.doc.m_lineCount);
}
BENCHMARK(BM_RecalculateThousandTaxLines)->Unit(benchmark::kMicrosecond);

using vor::bench::ValueEdit;

// Editing the first typed figure of a full tape replays all 1000 lines.
void BM_EditLineNearTopOfFullTape(benchmark::State& state) {
    Bench b;
    b.keyFullTape();
    ValueEdit edit;
    for (auto _ : state) {
        b.recalc.recalculate(0, &edit);
        benchmark::DoNotOptimize(b.doc.m_total);
    }
}
BENCHMARK(BM_EditLineNearTopOfFullTape)->Unit(benchmark::kMicrosecond);

// The first keyed line at or after `from`.
int keyedLineFrom(const vor::CVORDoc& doc, int from) {
    while (doc.line(from)->m_keyId == 0) ++from;
    return from;
}

// Deleting a line in the middle of a full tape (the question before the
// replay answered Yes).
void BM_DeleteMiddleLineOfFullTape(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto b = std::make_unique<Bench>();
        b->keyFullTape();
        vor::CLineRemover remover(b->calc, b->recalc);
        b->form.selectRow(keyedLineFrom(b->doc, vor::kMaxLines / 2));
        state.ResumeTiming();
        remover.deleteLine();
        benchmark::DoNotOptimize(b->doc.m_total);
        state.PauseTiming();
        b.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteMiddleLineOfFullTape)->Unit(benchmark::kMicrosecond);

// Reading a 1000-line file and rebuilding its tape, as File Open and the
// first paint after it do.
void BM_OpenThousandLineFile(benchmark::State& state) {
    Bench keyed;
    keyed.keyFullTape();
    const std::string bytes = vor::writeVorFile(keyed.doc);
    Bench b;
    for (auto _ : state) {
        vor::CVORDoc loaded;
        std::string message;
        if (!vor::readVorFile(bytes, loaded, message)) state.SkipWithError(message.c_str());
        b.doc = std::move(loaded);
        b.form.resetRows();
        b.recalc.recalculate();
        benchmark::DoNotOptimize(b.doc.m_total);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_OpenThousandLineFile)->Unit(benchmark::kMicrosecond);

}  // namespace

// Find Next on a full tape when only the line just above the selection
// matches: every other line is looked at once, going round.
void BM_FindRoundThousandLines(benchmark::State& state) {
    Bench b;
    b.keyFullTape();
    b.doc.line(498)->setComment(" ;Rent March");
    for (auto _ : state) benchmark::DoNotOptimize(vor::findLine(b.doc, "rent", 499, true, false));
}
BENCHMARK(BM_FindRoundThousandLines)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
