#pragma once

#include <memory>
#include <string>

#include "core/ports.h"
#include "shell/command_registry.h"
#include "shell/frame_port.h"
#include "shell/view.h"

namespace vor {

// Everything the application runs with. The window passes its Qt adapters,
// batch mode its console ones, tests their fakes. Ports left empty do
// nothing: no frame, dialogs cancelled, nothing launched.
struct AppPorts {
    FormPort& form;
    MessagePort& messages;
    ProfilePort& profile;
    FramePort* frame = nullptr;
    DialogPort* dialogs = nullptr;
    LauncherPort* launcher = nullptr;
    // The program's own folder; the help pages are looked up from it.
    std::string appDir;
};

// The application: owns the view (and through it the document), the command
// table and the document lifecycle, and fixes the start-up order that the
// window, batch mode and the tests all go through.
class CVORApp {
   public:
    static constexpr const char* kAppTitle = "VOR";
    // A tape that has never been saved is called after the document type.
    static constexpr const char* kUntitledName = "VOR";

    explicit CVORApp(AppPorts ports);
    ~CVORApp();
    CVORApp(const CVORApp&) = delete;
    CVORApp& operator=(const CVORApp&) = delete;

    // Start-up: a new tape, shown. Returns false when start-up fails.
    bool initInstance();

    CVORView& view() { return *m_view; }
    const CVORView& view() const { return *m_view; }
    CVORDoc& doc() { return m_view->doc(); }
    CommandRegistry& commands() { return m_commands; }
    const CommandRegistry& commands() const { return m_commands; }

    // Runs a command from any source (key, click, menu, batch); false when
    // it has no handler in this build or is disabled.
    bool runCommand(int id);
    CommandState commandState(int id) const { return m_commands.state(id); }

    // ---- document lifecycle ----
    // File New: asks about unsaved changes first; nothing happens on Cancel.
    void onFileNew();
    // A new, empty tape without asking (start-up).
    void onNewDocument();
    // Asks "Save changes to <name>?" when the tape is modified and can be
    // saved. Yes saves; false when the user cancelled or the save failed,
    // and whatever was about to replace the tape must not happen.
    bool saveModified();
    // Whether the window may close now (Exit, the close button).
    bool canCloseFrame() { return saveModified(); }
    // Where a save goes: set by Open and Save As; empty for a new tape.
    const std::string& pathName() const { return m_pathName; }
    void setPathName(const std::string& path);
    // The document's name as the title shows it: the file name, or "VOR".
    std::string documentTitle() const;
    // Title bar text: "<document title> - VOR".
    std::string windowTitle() const { return documentTitle() + " - " + kAppTitle; }
    void updateTitle();
    bool isModified() const { return m_view->doc().m_modified; }

    // ---- help and web pages ----
    bool openHelpPage(const std::string& name);
    bool openWebPage(const std::string& url);

   private:
    void registerCommands();
    FramePort& frame() { return m_ports.frame ? *m_ports.frame : m_noFrame; }

    AppPorts m_ports;
    FramePort m_noFrame;
    std::unique_ptr<DialogPort> m_noDialogs;
    CommandRegistry m_commands;
    std::unique_ptr<CVORView> m_view;
    std::string m_pathName;
};

}  // namespace vor
