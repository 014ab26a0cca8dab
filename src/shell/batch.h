#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vor {

// `vorlex --batch ...`: the same view as the window's, with a form in
// memory, messages on standard error and every setting change kept in
// memory for this run only. `args` excludes the program name and "--batch".
// Returns the exit status: 0, 1 for a file error, 2 for a usage error.
class CVORApp;

// Writes the printout of the application's tape to a PDF file; false with
// the reason. The window's printing provides it; a build without a window
// refuses --print-pdf as a usage error.
using PdfPrinter = std::function<bool(CVORApp& app, const std::string& path, std::string& error)>;

int runBatch(const std::vector<std::string>& args, ProfilePort* userProfile, std::ostream& out,
             std::ostream& err, const PdfPrinter& printPdf = {});

// Prints the usage text of batch mode.
void printBatchUsage(std::ostream& out);
// Prints "vorlex <version>" and a line end.
void printVersion(std::ostream& out);

}  // namespace vor
