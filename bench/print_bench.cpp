// Printing a full tape: 1000 lines laid out and written to a PDF file, in
// one column and in two.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <string>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "core/vector_state.h"
#include "gui/tape_printer.h"
#include "shell/app.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

struct FullTape {
    vor::MemoryForm form;
    NoMessages messages;
    vor::MemoryProfile profile;
    vor::CVORApp app{vor::AppPorts{form, messages, profile, nullptr, nullptr, nullptr, {}}};
    QTemporaryDir dir;

    FullTape() {
        app.initInstance();
        // Lines of 12, every third one a Minus so that red lines are among them.
        for (int i = 0; app.doc().m_lineCount < vor::kMaxLines; ++i) {
            app.runCommand(vor::cmd::kDigitKeys[1]);
            app.runCommand(vor::cmd::kDigitKeys[2]);
            app.runCommand(i % 3 == 0 ? vor::cmd::Minus : vor::cmd::Plus);
        }
    }
    std::string path() const { return dir.filePath(QStringLiteral("tape.pdf")).toStdString(); }
};

void printThousandLines(benchmark::State& state, bool twoColumns) {
    FullTape tape;
    tape.app.view().settings().multipleColumnPrinting = twoColumns;
    std::string error;
    for (auto _ : state) {
        if (!vor::printTapeToPdf(tape.app, tape.path(), error)) state.SkipWithError(error.c_str());
    }
}

void BM_PrintThousandLinesToPdf(benchmark::State& state) {
    printThousandLines(state, false);
}
BENCHMARK(BM_PrintThousandLinesToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintThousandLinesTwoColumnsToPdf(benchmark::State& state) {
    printThousandLines(state, true);
}
BENCHMARK(BM_PrintThousandLinesTwoColumnsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    vor::clearUpperVectorState();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
