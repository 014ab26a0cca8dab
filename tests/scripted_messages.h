#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vor::test {

// The message boxes of a test: each one shown is recorded (text, buttons,
// icon) and answered from a script.
class ScriptedMessages : public MessagePort {
   public:
    // What a box the script holds no answer for gets.
    enum class Unscripted {
        // A box with only OK needs no answer and takes none from the script;
        // a question is agreed to (Yes, or OK for OK/Cancel).
        Agree,
        // Every box takes the next answer; one nobody scripted fails the
        // test (a window test must know every message its steps raise) and
        // is answered No to a Yes/No question, OK otherwise.
        Fail,
    };
    explicit ScriptedMessages(Unscripted unscripted = Unscripted::Agree)
        : m_unscripted(unscripted) {}

    void answer(Answer a) { script.push_back(a); }
    Answer show(const std::string& text, Buttons b, Icon icon) override {
        shown.push_back(text);
        buttons.push_back(b);
        icons.push_back(icon);
        if (m_unscripted == Unscripted::Agree && b == Buttons::Ok) return Answer::Ok;
        if (script.empty()) {
            if (m_unscripted == Unscripted::Agree)
                return b == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
            ADD_FAILURE() << "unexpected message box: " << text;
            return b == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
        const Answer a = script.front();
        script.pop_front();
        return a;
    }

    std::vector<std::string> shown;
    std::vector<Buttons> buttons;
    std::vector<Icon> icons;
    std::deque<Answer> script;

   private:
    Unscripted m_unscripted;
};

}  // namespace vor::test
