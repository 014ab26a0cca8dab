#include "shell/batch_options.h"

#include <ostream>

#include "core/key_tokens.h"
#include "shell/batch.h"
#include "shell/batch_run.h"

namespace vor {

const std::vector<BatchOption>& batchOptions() {
    using Run = BatchRun;
    using Value = const std::string&;
    using enum OptionKind;
    static const std::vector<BatchOption> options = {
        {"--keys", "\"K K ...\"", keyTokenUsage(), Acts, [](Run& r, Value v) { r.keys(v); }},
        {"--set", "\"Name=value\"", "change a setting for this run only", Acts,
         [](Run& r, Value v) { r.set(v); }},
        {"--answer", "yes|no", "how questions are answered (default yes)", Acts,
         [](Run& r, Value v) { r.answer(v); }},
        {"--tape", nullptr, "print the tape box rows (the default output)", Prints,
         [](Run& r, Value) { r.printTape(); }},
        {"--leds", nullptr, "print the Main LED and the Memory LED", Prints,
         [](Run& r, Value) { r.printLeds(); }},
        {"--open", "FILE", "open a .vor file (File Open)", Acts,
         [](Run& r, Value v) { r.open(v); }},
        {"--save", "FILE", "save the tape as a .vor file (File Save As)", Acts,
         [](Run& r, Value v) { r.save(v); }},
        {"--print-pdf", "FILE", "print the tape to a PDF file", Printer,
         [](Run& r, Value v) { r.printPdf(v); }},
        {"--export", "sheet|text|csv", "print what Copy to Clipboard would copy, or the CSV",
         Prints, [](Run& r, Value v) { r.exportTape(v); }},
        {"--paste", "FILE", "Paste Numbers with FILE's text as the clipboard", Acts,
         [](Run& r, Value v) { r.paste(v); }},
        {"--speak-text", nullptr, "print the text Read Tape would speak", Prints,
         [](Run& r, Value) { r.speakText(); }},
        {"--import-macros", "FILE", "", Acts, [](Run& r, Value v) { r.importMacros(v); }},
        {"--export-macros", "FILE", "read or write a .mcr macro file", Acts,
         [](Run& r, Value v) { r.exportMacros(v); }},
        {"--macros", nullptr, "print the four macros", Prints,
         [](Run& r, Value) { r.printMacros(); }},
        {"--version", nullptr, "print the version", Answers, nullptr, printVersion},
        {"--help", nullptr, "print this text", Answers, nullptr, printBatchUsage, "-h"},
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
