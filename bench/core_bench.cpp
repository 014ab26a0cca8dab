// Keying a full tape and replaying it, on the in-memory form.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/memory_form.h"
#include "tape/recalculation.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

struct Bench : vor::CalculatorHooks {
    vor::CSettings settings;
    vor::MemoryForm form;
    NoMessages messages;
    vor::CVORDoc doc;
    vor::CCalculator calc{doc, settings, form, messages, *this};
    vor::CRecalculator recalc{calc};

    Bench() {
        doc.startNewTape(2, 12, false);
        calc.showDocument();
    }

    // A realistic mix: items, a multiplication added to the total, memory
    // and a subtotal; 1000 lines in all.
    void keyFullTape() {
        using namespace vor::cmd;
        while (doc.m_lineCount < 995) {
            for (int key : {Digit1, Digit2, DecimalPoint, Digit5, Plus, Digit3, Multiply, Digit4,
                            Plus, Digit7, MemoryPlusEquals, Digit2, Minus, SubTotal})
                calc.onKey(key);
        }
        while (doc.m_lineCount < vor::kMaxLines) calc.onKey(SubTotal);
    }
};

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

}  // namespace

BENCHMARK_MAIN();
