// Paste Numbers with a full tape's worth of numbers: reading the clipboard
// text, and keying every number onto an empty tape.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "clipboard/paste_numbers.h"
#include "core/calculator.h"
#include "core/memory_form.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

// A spreadsheet column of amounts as a bank export writes them: thousands
// separators, negatives in parentheses, CRLF line ends.
std::string thousandAmounts() {
    std::string text;
    for (int i = 0; i < vor::kMaxLines; ++i) {
        const std::string amount =
            "1," + std::to_string(100 + i % 900) + "." + std::to_string(10 + i % 90);
        text += (i % 7 == 0 ? "(" + amount + ")" : amount) + "\r\n";
    }
    return text;
}

void BM_ParseThousandLines(benchmark::State& state) {
    const std::string text = thousandAmounts();
    for (auto _ : state) {
        const vor::PastedNumbers parsed = vor::parsePastedNumbers(text, false);
        benchmark::DoNotOptimize(parsed.numbers.data());
    }
}
BENCHMARK(BM_ParseThousandLines)->Unit(benchmark::kMicrosecond);

struct EmptyTape : vor::CalculatorHooks {
    vor::CSettings settings;
    vor::MemoryForm form;
    NoMessages messages;
    vor::CVORDoc doc;
    vor::CCalculator calc{doc, settings, form, messages, *this};

    EmptyTape() {
        doc.startNewTape(2, 12, false);
        calc.showDocument();
    }
};

void BM_PasteThousandNumbers(benchmark::State& state) {
    const vor::PastedNumbers parsed = vor::parsePastedNumbers(thousandAmounts(), false);
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto tape = std::make_unique<EmptyTape>();
        state.ResumeTiming();
        added = vor::pasteNumbers(tape->calc, parsed.numbers);
        benchmark::DoNotOptimize(added);
        state.PauseTiming();
        tape.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = added;
}
BENCHMARK(BM_PasteThousandNumbers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
