#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculator.h"
#include "core/key_table.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "scripted_messages.h"
#include "tape/recalculation.h"

namespace vor::test {

class TestHooks : public CalculatorHooks {
   public:
    void recalculateAll() override { recalc->recalculate(-1); }
    void addToActiveMacro(int id) override { recorded.push_back(id); }
    bool activeMacroPlaying() const override { return playing; }
    void speakRow(const std::string& row) override { spoken.push_back(row); }
    void copyCurrentTotal() override { ++copies; }
    // Kept where the view keeps them, so tests read them back by name.
    void settingChanged(const char* name, int value) override {
        profile->writeInt("Settings", name, value);
    }

    CRecalculator* recalc = nullptr;
    ProfilePort* profile = nullptr;
    std::vector<int> recorded;
    std::vector<std::string> spoken;
    bool playing = false;
    int copies = 0;
};

// A complete calculator on an in-memory form.
struct Machine {
    explicit Machine(CSettings s = {}, int precision = 2) : settings(s) {
        hooks.recalc = &recalc;
        hooks.profile = &profile;
        doc.startNewTape(precision, kRoundOffCode, settings.autoDecimal);
        calc.showDocument();
    }
    static constexpr int kRoundOffCode = 12;

    // Presses the keys named in `seq` (macro labels; numbers are typed
    // digit by digit).
    void keys(std::string_view seq);
    // Each tape line as "value symbol ;comment" with the column padding
    // squeezed out, for readable expectations.
    std::vector<std::string> lines() const;
    // Key id and flags of each line: "1016 I", "0 -", "1016 R".
    std::vector<std::string> flags() const;
    std::string mainLed() const;    // as shown, leading spaces removed
    std::string memoryLed() const;  // as shown, leading spaces removed

    CSettings settings;
    MemoryForm form;
    ScriptedMessages messages;
    MemoryProfile profile;
    CVORDoc doc;
    TestHooks hooks;
    CCalculator calc{doc, settings, form, messages, hooks};
    CRecalculator recalc{calc};
};

std::string squeeze(const std::string& text);

}  // namespace vor::test
