// The tape's history: every kind of change is one step that Back takes back
// exactly (rows, LEDs, registers, what the keys left waiting, selection)
// and Forward does again; and the steps kept stay bounded.
#include "tape/tape_history.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "shell/batch_run.h"

namespace vor {
namespace {

struct Shown {
    std::vector<std::string> rows;
    std::string mainLed, memoryLed;
    Registers registers;
    EntryState entry;
    int selected = -1;
    bool pending = false;
    bool european = false;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    for (const std::string& row : s.rows) *os << "\n  " << row;
    *os << "\n  LEDs [" << s.mainLed << "] [" << s.memoryLed << "] entry [" << s.entry.m_mainLED
        << "] total " << s.registers.m_total << " memory " << s.registers.m_memory << " selected "
        << s.selected << " pending " << s.pending;
}

Shown shown(BatchRun& run) {
    CVORApp& app = run.app();
    return {run.form().rows(),
            run.form().mainLedText(),
            run.form().memoryLedText(),
            app.doc().registers(),
            app.view().calc().entryState(),
            run.form().selectedRow(),
            app.view().calc().m_recalcPending,
            app.view().settings().europeanMode};
}

struct Change {
    const char* name;
    const char* setup;
    const char* keys;  // empty: the case's own action
    int command = 0;   // run through the app when keys is empty
    bool answerYes = true;
};

const Change kChanges[] = {
    {"keyed line", "10 + 20 + 7", "X"},
    {"total", "10 + 20 +", "Ttl"},
    {"clear all", "10 + 5 M+= 20 + Ttl", "CA"},
    {"delete line", "10 + 20 + 6 X 2 + Ttl SEL=2", "Del"},
    {"delete lines", "10 + 20 + 30 + Ttl SEL=2", "DELBACK"},
    {"edit entry", "10 + 20 + 30 + Ttl SEL=2", "EDIT=25"},
    {"comment", "10 + 20 + Ttl SEL=2", "COMMENT=rent"},
    {"blank comment line", "10 + 20 + Ttl SEL=2", "^"},
    {"undo last line", "10 + 20 + 30 +", "UNDO"},
    {"percent waiting", "200 + 10 %", "+"},
    {"settings recalculation", "10.5 + 20.25 + Ttl", "EURO"},
    {"precision recalculation", "10.5 + 20.25 + Ttl", "PREC=0"},
    {"macro played", "RECORD Macro0 5 + 6 + Macro0 1 +", "Macro0"},
    {"file new", "10 + 20 + Ttl", "", cmd::FileNew, false},
    {"paste numbers", "10 +", "", cmd::EditPaste},
};

TEST(TapeHistory, BackRestoresEachChangeExactlyAndForwardRedoesIt) {
    const auto pasted = std::filesystem::temp_directory_path() / "history_paste.txt";
    std::ofstream(pasted) << "1.5\n2.5\n";
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.name);
        std::ostringstream out, err;
        BatchRun run(nullptr, out, err, {});
        run.keys(c.setup);
        run.answer(c.answerYes ? "yes" : "no");
        const Shown before = shown(run);
        if (c.command == cmd::EditPaste)
            run.paste(pasted.string());
        else if (c.command != 0)
            run.app().runCommand(c.command);
        else
            run.keys(c.keys);
        const Shown after = shown(run);
        ASSERT_NE(after, before);
        run.keys("BACK");
        EXPECT_EQ(shown(run), before);
        EXPECT_TRUE(run.app().isModified());
        run.keys("FORWARD");
        EXPECT_EQ(shown(run), after);
        // Once more both ways: a step is not used up by taking it.
        run.keys("BACK FORWARD");
        EXPECT_EQ(shown(run), after);
        EXPECT_FALSE(run.app().commandState(cmd::TapeForward).enabled);
    }
    std::filesystem::remove(pasted);
}

TEST(TapeHistory, TypingMakesNoStepAndAChangeDropsTheStepsAhead) {
    std::ostringstream out, err;
    BatchRun run(nullptr, out, err, {});
    run.keys("10 + 20 + 30 +");
    const CTapeHistory& history = run.app().history();
    EXPECT_EQ(history.stepCount(), 3u);
    run.keys("4 5 SEL=1");
    EXPECT_EQ(history.stepCount(), 3u);
    run.keys("BACK BACK 7 +");
    EXPECT_EQ(history.stepCount(), 2u);
    EXPECT_FALSE(run.app().commandState(cmd::TapeForward).enabled);
    run.keys("BACK BACK BACK BACK");
    EXPECT_EQ(run.form().rowCount(), 0);
    EXPECT_FALSE(run.app().commandState(cmd::TapeBack).enabled);
}

// A deletion on a long tape whose replay the user put off: Back gives the
// tape before it without the waiting replay, Forward gives both back, and
// the next line then replays exactly as it would have without the steps.
TEST(TapeHistory, AReplayPutOffComesAndGoesWithItsStep) {
    std::string longTape;
    for (int i = 1; i <= 260; ++i) longTape += std::to_string(i) + " + ";
    auto deleteSecond = [&](const std::string& then) {
        std::ostringstream out, err;
        BatchRun run(nullptr, out, err, {});
        run.keys(longTape + "Ttl SEL=2");
        run.answer("no");
        const Shown before = shown(run);
        run.keys("Del");
        EXPECT_TRUE(shown(run).pending);
        if (!then.empty()) {
            run.keys("BACK");
            EXPECT_EQ(shown(run), before);
            run.keys(then);
        }
        run.keys("5 +");
        return run.form().rows();
    };
    EXPECT_EQ(deleteSecond("FORWARD"), deleteSecond(""));
}

// A tape whose every line changes at each step (a recalculation of a full
// tape) costs most; at least the newest hundred steps stay, however big.
TEST(TapeHistory, KeepsAHundredStepsInBoundedMemory) {
    CVORDoc doc;
    MemoryForm form;
    CTapeHistory history;
    auto fill = [&](int lines, const std::string& comment) {
        doc.destroyLines();
        for (int i = 0; i < lines; ++i) {
            CTapeLine line;
            line.m_text = std::to_string(i) + ".00  +   ";
            line.m_comment = comment;
            doc.appendLine(line, CLineState{});
        }
    };
    history.reset(doc);
    for (int i = 0; i < 300; ++i) {
        fill(i % 2 ? kMaxLines : 1,
             " ;a comment long enough to be stored apart #" + std::to_string(i));
        ASSERT_TRUE(history.record(doc, {}, [] { return TapeMoment{}; }));
    }
    EXPECT_EQ(history.stepCount(), CTapeHistory::kMinSteps);
    for (std::size_t i = 0; i < CTapeHistory::kMinSteps; ++i)
        ASSERT_NE(history.stepBack(doc, form), nullptr);
    EXPECT_EQ(history.stepBack(doc, form), nullptr);
    EXPECT_EQ(doc.m_lineCount, kMaxLines);
    EXPECT_EQ(doc.line(0)->m_comment, " ;a comment long enough to be stored apart #199");
    EXPECT_EQ(form.rowCount(), kMaxLines);

    // Small steps are cheap: many more than a hundred are kept.
    history.reset(doc);
    for (int i = 1; i <= 500; ++i) {
        doc.line(0)->m_value = i;
        history.record(doc, {}, [] { return TapeMoment{}; });
    }
    EXPECT_EQ(history.stepCount(), 500u);
    EXPECT_LT(history.bytes(), CTapeHistory::kByteCap);
}

}  // namespace
}  // namespace vor
