#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "shell/clipboard_commands.h"
#include "shell/command_registry.h"
#include "shell/document_ahead.h"
#include "shell/file_stamp.h"
#include "shell/frame_port.h"
#include "shell/macro_commands.h"
#include "shell/speech_commands.h"
#include "shell/title_port.h"
#include "shell/view.h"
#include "tape/tape_history.h"

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
    // Where the files are read and written (the window passes its own; the
    // plain POSIX calls otherwise), and the clipboard the copy commands fill
    // (one in memory otherwise).
    FilePort* files = nullptr;
    ClipboardPort* clipboard = nullptr;
};

// The application: owns the view (and through it the document), the command
// table and the document lifecycle, and fixes the start-up order that the
// window, batch mode and the tests all go through.
class CVORApp : public TitlePort {
   public:
    static constexpr const char* kAppTitle = "VOR";
    // A tape that has never been saved is called after the document type.
    static constexpr const char* kUntitledName = "VOR";

    explicit CVORApp(AppPorts ports);
    ~CVORApp() override;
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
    // it has no handler in this build or is disabled. A command that
    // changes the tape becomes a step of the tape's history.
    bool runCommand(int id);
    // Runs `work` as one step of the tape's history, as a command would
    // (batch mode pastes without the Paste command).
    void runAsStep(const std::function<void()>& work);
    const CTapeHistory& history() const { return m_history; }
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
    // File Open: the question about unsaved changes, the file dialog, then
    // the file. False when nothing was opened.
    bool onFileOpen();
    // Opens `path` after the question about unsaved changes. A file that
    // cannot be read is refused with a message and leaves the tape, its
    // name and its modified flag exactly as they were. `ahead`, when it is
    // that file already read (readDocumentAhead), is shown without reading
    // the file again.
    bool openDocument(const std::string& path, std::optional<ReadDocument> ahead = std::nullopt);
    // File Save (Save As for a tape never saved) and File Save As; false
    // when nothing was saved. A failed save leaves the old file intact and
    // the tape modified. Saving over the tape's own file after another
    // program changed it asks first; No saves nothing.
    bool onFileSave();
    bool onFileSaveAs();
    bool saveDocument(const std::string& path);
    // A document kept from an earlier run comes back with its file name,
    // its modified flag (which the rebuild at the next paint would clear)
    // and what was known of its file then.
    void restoreDocument(CVORDoc&& doc, const std::string& path, bool modified,
                         const std::optional<FileStamp>& stamp);
    // The tape's file as it was last read or saved; empty for a new tape
    // or a file that was not there.
    const std::optional<FileStamp>& fileStamp() const { return m_stamp; }
    // The user answered No to "Save changes to ...?" since the tape was last
    // opened, saved or started: its changes are not to be kept.
    bool changesDiscarded() const { return m_discarded; }
    // The clipboard kept in memory when none was given (batch mode, tests).
    MemoryClipboard& memoryClipboard() { return m_ownClipboard; }
    CClipboardCommands& clipboardCommands() { return *m_clipboard; }
    CSpeechCommands& speech() { return *m_speech; }
    CMacroCommands& macroCommands() { return *m_macroCommands; }
    // The four macros belong to the application: New and Open leave them.
    CMacroStore& macroStore() { return m_macroStore; }

    MessagePort& messages() { return m_ports.messages; }
    ProfilePort& profile() { return m_ports.profile; }
    FilePort& files() { return *m_ports.files; }
    FormPort& form() { return m_ports.form; }
    // The window's title as last set (a long command puts it back after its
    // please-wait text; auto-copy shows the total in it).
    const std::string& currentTitle() const override { return m_title; }
    void setTitleText(const std::string& title) override;
    // The recent-file list, most recent first (at most four).
    std::vector<std::string> recentFiles() const;

    // Where a save goes: set by Open and Save As; empty for a new tape.
    const std::string& pathName() const override { return m_pathName; }
    void setPathName(const std::string& path);
    // The document's name as the title shows it: the file name, or "VOR".
    std::string documentTitle() const override;
    // Title bar text: "<document title> - VOR".
    std::string windowTitle() const { return documentTitle() + " - " + kAppTitle; }
    void updateTitle();
    bool isModified() const { return m_view->doc().m_modified; }

    // ---- help and web pages ----
    bool openHelpPage(const std::string& name);
    bool openWebPage(const std::string& url);

   private:
    void registerCommands();
    void registerFileCommands();
    void registerHistoryCommands();
    void addRecentFile(const std::string& path);
    bool readDocument(const std::string& path);
    void showReadDocument(ReadDocument&& read);
    bool mayOverwrite(const std::string& path);
    void showDocument();
    void stepHistory(bool back);
    FramePort& frame() { return m_ports.frame ? *m_ports.frame : m_noFrame; }

    AppPorts m_ports;
    FramePort m_noFrame;
    std::unique_ptr<DialogPort> m_noDialogs;
    std::unique_ptr<FilePort> m_ownFiles;
    MemoryClipboard m_ownClipboard;
    std::unique_ptr<CClipboardCommands> m_clipboard;
    std::unique_ptr<CSpeechCommands> m_speech;
    std::string m_title;
    bool m_discarded = false;
    CommandRegistry m_commands;
    CMacroStore m_macroStore;
    std::unique_ptr<CVORView> m_view;
    std::unique_ptr<CMacroCommands> m_macroCommands;
    std::string m_pathName;
    std::optional<FileStamp> m_stamp;
    CTapeHistory m_history;
    // Commands running now: a command run from inside another is part of
    // the outer one's step.
    int m_commandDepth = 0;
    // A tape was opened or restored and its rebuild at the next paint is
    // still to come; the history starts over with the rebuilt tape.
    bool m_historyStartsAtPaint = false;
    int m_historyStarts = 0;
};

}  // namespace vor
