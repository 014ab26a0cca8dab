// The tape box as the window shows it: refilling 1000 rows, appending one,
// a whole replay of a 1000-line tape through the Qt form, and a macro of
// 1000 keys.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QListWidget>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "core/vector_state.h"
#include "engine_tape.h"
#include "full_macros.h"
#include "gui/keypad_form.h"
#include "gui/qt_form.h"
#include "shell/app.h"
#include "tape/line_removal.h"
#include "tape/recalculation.h"
#include "value_edit.h"

namespace {

class NoMessages : public vor::MessagePort {
   public:
    vor::Answer show(const std::string&, vor::Buttons, vor::Icon) override {
        return vor::Answer::Yes;
    }
};

const std::string kRow = "             1,234.50  +   ;a comment";

struct Window {
    vor::KeypadForm form;
    vor::QtFormPort port{form};
    Window() {
        form.resize(640, 480);
        form.show();
        QApplication::processEvents();
    }
    // Lets the list lay out and paint what changed, as the next frame would.
    void settle() { QApplication::processEvents(); }
};

void BM_RefillThousandRows(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.port.setRedraw(false);
        w.port.resetRows();
        for (int i = 0; i < vor::kMaxLines; ++i) w.port.addRow(kRow);
        w.port.selectRow(vor::kMaxLines - 1);
        w.port.setRedraw(true);
        w.settle();
    }
}
BENCHMARK(BM_RefillThousandRows)->Unit(benchmark::kMillisecond);

// The yardstick for the one above: a bare QListWidget of the same size,
// font and uniform rows, refilled with the same 1000 rows.
void BM_RefillThousandRowsPlainList(benchmark::State& state) {
    Window w;
    QListWidget list;
    list.setFont(w.form.tapeBox()->font());
    list.setUniformItemSizes(true);
    list.resize(w.form.tapeBox()->size());
    list.show();
    QApplication::processEvents();
    const QString row = QString::fromStdString(kRow);
    for (auto _ : state) {
        list.setUpdatesEnabled(false);
        list.clear();
        for (int i = 0; i < vor::kMaxLines; ++i) list.addItem(row);
        list.setCurrentRow(vor::kMaxLines - 1);
        list.scrollToItem(list.item(vor::kMaxLines - 1));
        list.setUpdatesEnabled(true);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RefillThousandRowsPlainList)->Unit(benchmark::kMillisecond);

void BM_AppendOneRow(benchmark::State& state) {
    Window w;
    for (int i = 0; i < vor::kMaxLines - 1; ++i) w.port.addRow(kRow);
    w.settle();
    for (auto _ : state) {
        w.port.addRow(kRow);
        w.port.selectRow(w.port.rowCount() - 1);
        w.settle();
        state.PauseTiming();
        w.port.deleteRow(w.port.rowCount() - 1);
        w.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendOneRow)->Unit(benchmark::kMicrosecond);

// A calculator on the window's form with a full tape keyed.
struct Machine {
    Window w;
    vor::CSettings settings;
    NoMessages messages;
    vor::CalculatorHooks hooks;
    vor::CVORDoc doc;
    vor::CCalculator calc{doc, settings, w.port, messages, hooks};
    vor::CRecalculator recalc{calc};

    explicit Machine(int lines = vor::kMaxLines) {
        doc.startNewTape(2, 12, false);
        using namespace vor::cmd;
        while (doc.m_lineCount < lines)
            for (int key :
                 {Digit1, Digit2, DecimalPoint, Digit5, Plus, Digit3, Multiply, Digit4, Plus})
                calc.onKey(key);
        w.settle();
    }
};

void BM_ReplayThousandLinesOnScreen(benchmark::State& state) {
    Machine m;
    for (auto _ : state) {
        m.recalc.recalculate();
        m.w.settle();
    }
}
BENCHMARK(BM_ReplayThousandLinesOnScreen)->Unit(benchmark::kMillisecond);

// A short tape shows what every change on screen costs whatever its length.
void BM_ReplayHundredLinesOnScreen(benchmark::State& state) {
    Machine m(100);
    for (auto _ : state) {
        m.recalc.recalculate();
        m.w.settle();
    }
}
BENCHMARK(BM_ReplayHundredLinesOnScreen)->Unit(benchmark::kMicrosecond);

// The engine alone, as vorlex_core_bench's BM_RecalculateThousandLines, but
// in a process that has built a QApplication and a window: the two should
// cost about the same. Building widgets leaves the CPU's vector unit in a state
// that makes the engine's SSE code about twice as slow until something
// clears it (see core/vector_state.h).
void BM_RecalculateThousandLinesBesideWindow(benchmark::State& state) {
    Window w;
    vor::bench::EngineTape b;
    b.keyFullTape();
    for (auto _ : state) {
        // A dialog opened and closed between two replays, as Edit does.
        state.PauseTiming();
        delete new vor::KeypadForm;
        state.ResumeTiming();
        b.recalc.recalculate();
        benchmark::DoNotOptimize(b.doc.m_total);
    }
}
BENCHMARK(BM_RecalculateThousandLinesBesideWindow)->Unit(benchmark::kMicrosecond);

using vor::bench::ValueEdit;

// From OK in the edit dialog to the tape box drawn with every total below
// the edited line changed.
void BM_EditLineNearTopOnScreen(benchmark::State& state) {
    Machine m;
    ValueEdit edit;
    for (auto _ : state) {
        m.recalc.recalculate(0, &edit);
        m.w.settle();
    }
}
BENCHMARK(BM_EditLineNearTopOnScreen)->Unit(benchmark::kMillisecond);

// Deleting a middle line of a full tape and drawing the replayed tape.
void BM_DeleteMiddleLineOnScreen(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto m = std::make_unique<Machine>();
        vor::CLineRemover remover(m->calc, m->recalc);
        int line = vor::kMaxLines / 2;
        while (m->doc.line(line)->m_keyId == 0) ++line;
        m->w.port.selectRow(line);
        m->w.settle();
        state.ResumeTiming();
        remover.deleteLine();
        m->w.settle();
        state.PauseTiming();
        m.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteMiddleLineOnScreen)->Unit(benchmark::kMillisecond);

// Playing a 1000-key macro: the time until the tape is painted, and how
// many times the tape box was painted for it.
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
        bench::fillThousandKeyMacros(app.macroStore());
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

// A step of the tape's history on a full tape in the window, until the
// tape box is drawn. Arg 0: Back over Clear All, which brings all 1000
// rows back (the most a step can do); Arg 1: Back over the last line
// keyed. Forward is done again between the timed steps.
void BM_StepBackOnScreen(benchmark::State& state) {
    using namespace vor;
    Window w;
    NoMessages messages;
    MemoryProfile profile;
    CVORApp app(AppPorts{w.port, messages, profile, nullptr, nullptr, nullptr, {}});
    app.initInstance();
    using namespace vor::cmd;
    while (app.doc().m_lineCount < kMaxLines - 4)
        for (int key : {Digit1, Digit2, DecimalPoint, Digit5, Plus, Digit3, Multiply, Digit4, Plus})
            app.runCommand(key);
    app.runCommand(state.range(0) == 0 ? ClearAll : Total);
    w.settle();
    for (auto _ : state) {
        app.runCommand(TapeBack);
        w.settle();
        state.PauseTiming();
        app.runCommand(TapeForward);
        w.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StepBackOnScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Keying a 1000-line tape through the application: Arg 1 the way every key
// comes (each key checked for a change of the tape and recorded as a step),
// Arg 0 straight through the command table, without the history.
void BM_KeyThousandLinesThroughApp(benchmark::State& state) {
    using namespace vor;
    for (auto _ : state) {
        state.PauseTiming();
        MemoryForm form;
        NoMessages messages;
        MemoryProfile profile;
        CVORApp app(AppPorts{form, messages, profile, nullptr, nullptr, nullptr, {}});
        app.initInstance();
        state.ResumeTiming();
        using namespace vor::cmd;
        while (app.doc().m_lineCount < kMaxLines)
            for (int key :
                 {Digit1, Digit2, DecimalPoint, Digit5, Plus, Digit3, Multiply, Digit4, Plus}) {
                if (state.range(0) == 1)
                    app.runCommand(key);
                else
                    app.commands().run(key);
            }
    }
}
BENCHMARK(BM_KeyThousandLinesThroughApp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
