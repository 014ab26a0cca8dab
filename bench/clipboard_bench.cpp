// Copying a full tape to the clipboard: the spreadsheet rows with their
// formulas and the plain text, built from a 1000-line tape.
#include <benchmark/benchmark.h>

#include "clipboard/sheet_export.h"
#include "clipboard/text_export.h"
#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/memory_form.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

// A full tape with every kind of line the export turns into a formula:
// items, products, percentages, memory with recall, subtotals, totals and
// mark-ups.
struct FullTape : vor::CalculatorHooks {
    vor::CSettings settings;
    vor::MemoryForm form;
    NoMessages messages;
    vor::CVORDoc doc;
    vor::CCalculator calc{doc, settings, form, messages, *this};

    FullTape() {
        using namespace vor::cmd;
        doc.startNewTape(2, 12, false);
        calc.showDocument();
        const int round[] = {
            Digit1,           Digit2,       DecimalPoint, Digit5,     Plus,     Digit3, Multiply,
            Digit4,           Plus,         Digit1,       Digit5,     Percent,  Plus,   Digit7,
            MemoryPlusEquals, MemoryRecall, Minus,        Plus,       SubTotal, Digit8, Digit0,
            Multiply,         Digit2,       Digit0,       MarkUpDown, Plus,     Total};
        while (doc.m_lineCount < vor::kMaxLines - 20)
            for (int key : round) calc.onKey(key);
        while (doc.m_lineCount < vor::kMaxLines) calc.onKey(SubTotal);
    }
};

void BM_SheetExportThousandLines(benchmark::State& state) {
    const FullTape tape;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = vor::buildSheetExport(tape.doc, "/home/user/tapes/may.vor");
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["lines"] = static_cast<double>(tape.doc.m_lineCount);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SheetExportThousandLines)->Unit(benchmark::kMicrosecond);

void BM_TextExportThousandLines(benchmark::State& state) {
    const FullTape tape;
    for (auto _ : state) {
        const std::string text = vor::buildTextExport(tape.doc, "/home/user/tapes/may.vor");
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["lines"] = static_cast<double>(tape.doc.m_lineCount);
}
BENCHMARK(BM_TextExportThousandLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
