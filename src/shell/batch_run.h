#pragma once

#include <iosfwd>
#include <string>

#include "core/key_tokens.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/app.h"
#include "shell/batch.h"
#include "shell/batch_console.h"
#include "shell/batch_dialogs.h"

namespace vor {

// One batch run: the application on a form in memory, with what each
// option does to it. Usage errors are thrown as UsageError; a file that
// cannot be read or written is reported and the run goes on with the tape
// as it was, the exit status saying it at the end.
class BatchRun : private KeyTarget {
   public:
    BatchRun(ProfilePort* user, std::ostream& out, std::ostream& err, const PdfPrinter& printPdf);

    void keys(const std::string& list);
    void set(const std::string& assignment);
    void answer(const std::string& a);
    void open(const std::string& path);
    void save(const std::string& path);
    bool canPrintPdf() const { return static_cast<bool>(m_printPdf); }
    void printPdf(const std::string& path);
    void paste(const std::string& path);
    void importMacros(const std::string& path);
    void exportMacros(const std::string& path);

    void printTape();
    void printLeds();
    void exportTape(const std::string& kind);
    void speakText();
    void printMacros();

    bool fileFailed() const { return m_fileFailed; }
    CVORApp& app() { return m_app; }
    const MemoryForm& form() const { return m_form; }

   private:
    void press(int commandId) override;
    void selectRow(int index) override { m_form.selectRow(index); }
    void selectLastRow() override { m_form.selectRow(m_form.rowCount() - 1); }
    void answerNextDialog(const std::string& value, const std::string& key) override {
        m_dialogs.queue({value, key});
    }
    void answerValue(std::optional<std::string> value) override {
        m_dialogs.queueValue(std::move(value));
    }

    OverlayProfile m_profile;
    MemoryForm m_form;
    ConsoleMessages m_messages;
    ScriptedDialogs m_dialogs;
    CVORApp m_app;
    std::ostream& m_out;
    const PdfPrinter& m_printPdf;
    bool m_keyed = false;
    bool m_fileFailed = false;
};

}  // namespace vor
