// Playing a full macro that calls the other three: 1000 key presses and
// 1000 tape lines from one key, through the command table as a click goes.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "full_macros.h"
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
        bench::fillThousandKeyMacros(app->macroStore());
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
