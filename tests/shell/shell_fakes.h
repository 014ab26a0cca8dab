#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vor::test {

// Records every message and answers questions from a script; without one a
// question is answered Yes (OK for OK/Cancel).
class Answers : public MessagePort {
   public:
    Answer show(const std::string& text, Buttons buttons, Icon) override {
        shown.push_back(text);
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (script.empty()) return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
        const Answer a = script.front();
        script.pop_front();
        return a;
    }
    std::vector<std::string> shown;
    std::deque<Answer> script;
};

// Records what it was asked to open and answers with a fixed result.
class RecordingLauncher : public LauncherPort {
   public:
    explicit RecordingLauncher(LaunchResult result = LaunchResult::Opened) : result(result) {}
    LaunchResult open(const std::string& target) override {
        opened.push_back(target);
        return result;
    }
    LaunchResult result;
    std::vector<std::string> opened;
};

}  // namespace vor::test
