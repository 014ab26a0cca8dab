#include "shell/batch.h"

#include <ostream>

#include "shell/batch_options.h"
#include "shell/batch_run.h"

namespace vor {

void printVersion(std::ostream& out) {
    out << "vorlex " << VORLEX_VERSION << '\n';
}

int runBatch(const std::vector<std::string>& args, ProfilePort* userProfile, std::ostream& out,
             std::ostream& err, const PdfPrinter& printPdf) {
    // --help and --version win wherever they stand, before any key is read.
    for (const std::string& arg : args) {
        const BatchOption* option = findBatchOption(arg);
        if (option != nullptr && option->kind == OptionKind::Answers) {
            option->answer(out);
            return 0;
        }
    }
    try {
        BatchRun run(userProfile, out, err, printPdf);
        bool printed = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            const BatchOption* option = findBatchOption(arg);
            if (option == nullptr || option->kind == OptionKind::Answers)
                throw UsageError{"unknown option: " + arg};
            if (option->kind == OptionKind::Printer && !run.canPrintPdf())
                throw UsageError{arg + " needs the build with a window"};
            std::string value;
            if (option->argument != nullptr) {
                if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
                value = args[++i];
            }
            option->run(run, value);
            printed = printed || option->kind == OptionKind::Prints;
        }
        if (!printed) run.printTape();
        return run.fileFailed() ? 1 : 0;
    } catch (const UsageError& e) {
        err << "vorlex: " << e.text << '\n';
        return 2;
    }
}

}  // namespace vor
