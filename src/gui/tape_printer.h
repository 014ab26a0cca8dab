#pragma once

#include <string>

class QPrinter;
class QWidget;

namespace vor {

class CVORApp;

// Prints the tape of `app` on `printer`, every page or the range the print
// dialog left in it. A recalculation that is waiting is done first. Two
// columns print in "Courier New" at the Multi Column Font Point Size, one
// column in the printer's default size. In Receipt Printer Mode (one
// column) the page is made exactly as long as the tape, one page in all.
// The job is named after the tape's file ("VOR" while it has none). Print
// to File saves the PDF as every file is saved (writeFileAtomically). A job
// that cannot start or a PDF that cannot be written (with the path and the
// reason) is reported to the user; false then.
bool printTape(CVORApp& app, QPrinter& printer);

// Writes the printout to a PDF file titled like the print job: A4, 1200
// dpi, every page. The file is saved as every file is (writeFileAtomically):
// replaced only when complete. False with the reason in `error`.
bool printTapeToPdf(CVORApp& app, const std::string& path, std::string& error);

// Adds File Print (the print dialog, then printTape), Print Preview (the
// same pages on screen) and Print Setup (paper and printer) to the command
// table. The three share one printer for the session, so a setup carries
// over to the next print and preview, and Print to File with its path
// stays chosen in the print dialog for the rest of the run. `parent` owns
// the dialogs.
void registerPrintCommands(CVORApp& app, QWidget* parent);

}  // namespace vor
