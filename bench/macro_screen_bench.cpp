// Playing a 1000-key macro in the window's form: the time until the tape is
// painted, and how many times the tape box was painted for it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QListWidget>

#include "core/command_ids.h"
#include "core/memory_profile.h"
#include "gui/keypad_form.h"
#include "gui/qt_form.h"
#include "shell/app.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

class PaintCounter : public QObject {
   public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

void BM_PlayThousandKeyMacroOnScreen(benchmark::State& state) {
    using namespace vor;
    double paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        KeypadForm form;
        form.resize(640, 480);
        form.show();
        QtFormPort port{form};
        NoMessages messages;
        MemoryProfile profile;
        CVORApp app(AppPorts{port, messages, profile, nullptr, nullptr, nullptr, {}});
        app.initInstance();
        CMacroStore& store = app.macroStore();
        for (int k = 0; k < kMacroCount; ++k) {
            for (auto& e : store.m_macroEntry[static_cast<std::size_t>(k)]) e = cmd::Plus;
            store.m_macroSize[static_cast<std::size_t>(k)] = kMaxMacroEntries;
        }
        for (int k = 1; k < kMacroCount; ++k)
            store.m_macroEntry[0][static_cast<std::size_t>(kMaxMacroEntries - 4 + k)] =
                cmd::Macro0 + k;
        app.runCommand(cmd::Digit1);
        QApplication::processEvents();
        PaintCounter counter;
        form.tapeBox()->viewport()->installEventFilter(&counter);
        state.ResumeTiming();
        app.runCommand(cmd::Macro0);
        QApplication::processEvents();
        state.PauseTiming();
        paints += counter.paints;
        form.tapeBox()->viewport()->removeEventFilter(&counter);
        state.ResumeTiming();
    }
    state.counters["tape_paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlayThousandKeyMacroOnScreen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
