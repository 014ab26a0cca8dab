#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vor {

class BatchRun;

// What an option is to the command line's reader.
enum class OptionKind {
    Acts,     // does its work on the run
    Prints,   // prints output of its own, so the tape is not printed at the end
    Printer,  // needs the window's printing: a build without one refuses it
    Answers,  // answered before anything runs, wherever it stands, ending the run
};

// An option of `vorlex --batch`. The one table of them reads the command
// line and writes the usage text, so the two cannot drift apart.
struct BatchOption {
    const char* name;      // "--open"
    const char* argument;  // its value as the usage names it ("FILE"); nullptr: none
    std::string help;      // its usage text; empty: shares the next option's line
    OptionKind kind;
    void (*run)(BatchRun& run, const std::string& value);
    void (*answer)(std::ostream& out) = nullptr;  // OptionKind::Answers only
    const char* alias = nullptr;
};

// The options in the order the usage lists them.
const std::vector<BatchOption>& batchOptions();
// The option `arg` names, nullptr when none.
const BatchOption* findBatchOption(const std::string& arg);

}  // namespace vor
