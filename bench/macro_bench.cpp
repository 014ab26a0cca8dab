// Playing a full macro that calls the other three: 1000 key presses and
// 1000 tape lines from one key, through the command table as a click goes.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/app.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

void BM_PlayThousandKeyMacro(benchmark::State& state) {
    using namespace vor;
    for (auto _ : state) {
        state.PauseTiming();
        MemoryForm form;
        NoMessages messages;
        MemoryProfile profile;
        auto app = std::make_unique<CVORApp>(
            AppPorts{form, messages, profile, nullptr, nullptr, nullptr, {}});
        app->initInstance();
        CMacroStore& store = app->macroStore();
        // M0: 247 repeated +, then calls of M1, M2, M3 (250 + each).
        for (int k = 0; k < kMacroCount; ++k) {
            for (auto& e : store.m_macroEntry[static_cast<std::size_t>(k)]) e = cmd::Plus;
            store.m_macroSize[static_cast<std::size_t>(k)] = kMaxMacroEntries;
        }
        for (int k = 1; k < kMacroCount; ++k)
            store.m_macroEntry[0][static_cast<std::size_t>(kMaxMacroEntries - 4 + k)] =
                cmd::Macro0 + k;
        app->runCommand(cmd::Digit1);
        state.ResumeTiming();
        app->runCommand(cmd::Macro0);
        benchmark::DoNotOptimize(app->doc().m_lineCount);
        state.PauseTiming();
        if (app->doc().m_lineCount < 990) state.SkipWithError("the macro printed too few lines");
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayThousandKeyMacro)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
