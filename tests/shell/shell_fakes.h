#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/ports.h"
#include "scripted_messages.h"

namespace vor::test {

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
