#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vor {

class BatchRun;

// An option of `vorlex --batch`. The one table of them reads the command
// line and writes the usage text, so the two cannot drift apart.
struct BatchOption {
    const char* name;      // "--open"
    const char* argument;  // its value as the usage names it ("FILE"); nullptr: none
    std::string help;      // its usage text; empty: shares the next option's line
    void (*run)(BatchRun& run, const std::string& value) = nullptr;
    // --help and --version answer before anything else runs and end the run.
    void (*answer)(std::ostream& out) = nullptr;
    bool prints = false;       // prints output, so the tape is not printed at the end
    bool needsWindow = false;  // refused by a build without one
    const char* alias = nullptr;
};

// The options in the order the usage lists them.
const std::vector<BatchOption>& batchOptions();
// The option `arg` names, nullptr when none.
const BatchOption* findBatchOption(const std::string& arg);

}  // namespace vor
