#include "shell/batch_options.h"

#include <ostream>

#include "shell/batch.h"
#include "shell/batch_run.h"
#include "shell/key_tokens.h"

namespace vor {

const std::vector<BatchOption>& batchOptions() {
    using Run = BatchRun;
    using Value = const std::string&;
    static const std::vector<BatchOption> options = {
        {"--keys", "\"K K ...\"", keyTokenUsage(), [](Run& r, Value v) { r.keys(v); }},
        {"--set", "\"Name=value\"", "change a setting for this run only",
         [](Run& r, Value v) { r.set(v); }},
        {"--answer", "yes|no", "how questions are answered (default yes)",
         [](Run& r, Value v) { r.answer(v); }},
        {.name = "--tape",
         .argument = nullptr,
         .help = "print the tape box rows (the default output)",
         .run = [](Run& r, Value) { r.printTape(); },
         .prints = true},
        {.name = "--leds",
         .argument = nullptr,
         .help = "print the Main LED and the Memory LED",
         .run = [](Run& r, Value) { r.printLeds(); },
         .prints = true},
        {"--open", "FILE", "open a .vor file (File Open)", [](Run& r, Value v) { r.open(v); }},
        {"--save", "FILE", "save the tape as a .vor file (File Save As)",
         [](Run& r, Value v) { r.save(v); }},
        {.name = "--print-pdf",
         .argument = "FILE",
         .help = "print the tape to a PDF file",
         .run = [](Run& r, Value v) { r.printPdf(v); },
         .needsWindow = true},
        {.name = "--export",
         .argument = "sheet|text|csv",
         .help = "print what Copy to Clipboard would copy, or the CSV",
         .run = [](Run& r, Value v) { r.exportTape(v); },
         .prints = true},
        {"--paste", "FILE", "Paste Numbers with FILE's text as the clipboard",
         [](Run& r, Value v) { r.paste(v); }},
        {.name = "--speak-text",
         .argument = nullptr,
         .help = "print the text Read Tape would speak",
         .run = [](Run& r, Value) { r.speakText(); },
         .prints = true},
        {"--import-macros", "FILE", "", [](Run& r, Value v) { r.importMacros(v); }},
        {"--export-macros", "FILE", "read or write a .mcr macro file",
         [](Run& r, Value v) { r.exportMacros(v); }},
        {.name = "--macros",
         .argument = nullptr,
         .help = "print the four macros",
         .run = [](Run& r, Value) { r.printMacros(); },
         .prints = true},
        {.name = "--version",
         .argument = nullptr,
         .help = "print the version",
         .answer = printVersion},
        {.name = "--help",
         .argument = nullptr,
         .help = "print this text",
         .answer = printBatchUsage,
         .alias = "-h"},
    };
    return options;
}

const BatchOption* findBatchOption(const std::string& arg) {
    for (const BatchOption& o : batchOptions())
        if (arg == o.name || (o.alias != nullptr && arg == o.alias)) return &o;
    return nullptr;
}

void printBatchUsage(std::ostream& out) {
    out << "usage: vorlex [FILE]          open the window\n"
           "       vorlex --batch [options]\n"
           "       vorlex --version       print the version\n";
    // Help texts start in this column, or two blanks after a longer name.
    constexpr std::size_t kHelpColumn = 21;
    std::string names;
    for (const BatchOption& o : batchOptions()) {
        names += names.empty() ? "  " : ", ";
        names += o.name;
        if (o.argument != nullptr) names += std::string(" ") + o.argument;
        if (o.help.empty()) continue;
        out << names
            << std::string(names.size() < kHelpColumn ? kHelpColumn - names.size() : 2, ' ');
        for (char c : o.help) {
            out << c;
            if (c == '\n') out << std::string(kHelpColumn, ' ');
        }
        out << '\n';
        names.clear();
    }
}

}  // namespace vor
