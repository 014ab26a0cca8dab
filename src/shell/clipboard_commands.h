#pragma once

#include <string>

#include "core/ports.h"
#include "core/settings.h"
#include "core/vor_doc.h"
#include "shell/title_port.h"

namespace vor {

class CCalculator;
class CommandRegistry;

// A clipboard that lives in memory: batch mode's and the tests'.
class MemoryClipboard : public ClipboardPort {
   public:
    bool setText(const std::string& text) override {
        m_text = text;
        ++m_sets;
        return true;
    }
    std::string text() override { return m_text; }
    int sets() const { return m_sets; }

   private:
    std::string m_text;
    int m_sets = 0;
};

// The tape on the clipboard: spreadsheet rows with formulas, plain text,
// and the running total after every new line while auto-copy is on.
class CClipboardCommands {
   public:
    // What the commands work with: the tape and the calculator keyed into,
    // the settings they read and keep, and where they write and tell.
    struct Ports {
        CommandRegistry& commands;
        const CVORDoc& doc;
        CSettings& settings;
        CCalculator& calc;
        ProfilePort& profile;
        FormPort& form;
        MessagePort& messages;
        DialogPort& dialogs;
        FilePort& files;
        ClipboardPort& clipboard;
        TitlePort& title;
    };
    explicit CClipboardCommands(Ports ports) : m_p(ports) {}
    ClipboardPort& clipboard() { return m_p.clipboard; }

    void registerCommands();
    void copySheet();
    void copyText();
    void toggleAutoCopy();
    // After every appended line while the setting is on.
    void copyCurrentTotal();
    // Paste Numbers: each number of `text` entered and added with +.
    void pasteNumbers(const std::string& text);
    // File > Export Tape: CSV, or the text export for a ".txt" name.
    bool exportTape(const std::string& path);

   private:
    // Runs a long copy with the please-wait title and the wait cursor,
    // giving the window its title back whatever happens.
    void copyWithTitle(const std::string& text);
    bool put(const std::string& text);

    Ports m_p;
};

}  // namespace vor
