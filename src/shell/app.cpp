#include "shell/app.h"

#include <filesystem>

#include "core/command_ids.h"
#include "document/vor_file.h"
#include "macros/macro_profile.h"
#include "shell/launch.h"
#include "shell/posix_files.h"

namespace vor {
namespace {

// The last part of a path, as the title shows it.
std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr const char* kFileFilter = "VOR Files (*.vor)";
constexpr const char* kRecentSection = "Recent File List";
constexpr int kRecentCount = 4;

std::string recentValueName(int i) {
    return "File" + std::to_string(i + 1);
}

}  // namespace

CVORApp::CVORApp(AppPorts ports) : m_ports(ports) {
    // The view reads every setting from the profile here.
    if (m_ports.dialogs == nullptr) {
        m_noDialogs = std::make_unique<CancellingDialogs>();
        m_ports.dialogs = m_noDialogs.get();
    }
    if (m_ports.files == nullptr) {
        m_ownFiles = std::make_unique<PosixFiles>();
        m_ports.files = m_ownFiles.get();
    }
    if (m_ports.clipboard == nullptr) m_ports.clipboard = &m_ownClipboard;
    // The macros are read before the view exists: they are the
    // application's, and the view's keys play them. The view's handlers
    // reach the command modules made right after it.
    loadMacros(m_ports.profile, m_macroStore);
    m_view = std::make_unique<CVORView>(
        m_ports.form, m_ports.messages, m_ports.profile, *m_ports.dialogs, m_macroStore,
        m_ports.frame,
        CVORView::Handlers{[this] { /* the title has no modified mark */ },
                           [this](const std::string& page) { openHelpPage(page); },
                           [this] { m_clipboard->copyCurrentTotal(); },
                           [this](const std::string& row) { m_speech->speakNewRow(row); }});
    m_clipboard = std::make_unique<CClipboardCommands>(
        CClipboardCommands::Ports{m_commands, m_view->doc(), m_view->settings(), m_view->calc(),
                                  m_ports.profile, m_ports.form, m_ports.messages, *m_ports.dialogs,
                                  *m_ports.files, *m_ports.clipboard, *this});
    m_speech = std::make_unique<CSpeechCommands>(
        CSpeechCommands::Ports{m_commands, m_view->doc(), m_view->settings(), m_ports.profile,
                               m_ports.messages, *m_ports.dialogs, *m_ports.clipboard,
                               [this](const std::string& page) { return openHelpPage(page); }});
    m_macroCommands = std::make_unique<CMacroCommands>(CMacroCommands::Ports{
        m_commands, m_view->macros(), m_ports.messages, *m_ports.dialogs, *m_ports.files, *this});
    registerCommands();
}

CVORApp::~CVORApp() = default;

bool CVORApp::initInstance() {
    // The first tape is where the history starts, not a step of it.
    m_historyStartsAtPaint = true;
    onNewDocument();
    return true;
}

void CVORApp::registerCommands() {
    m_view->registerCommands(m_commands);
    m_clipboard->registerCommands();
    m_speech->registerCommands();
    m_macroCommands->registerCommands();
    m_commands.add(cmd::FileNew, [this] { onFileNew(); });
    registerFileCommands();
    registerHistoryCommands();
    m_commands.add(cmd::AppExit, [this] { frame().closeWindow(); });
    m_commands.add(cmd::HelpTopics, [this] { openHelpPage("index.html"); });
    m_commands.add(cmd::Help, [this] { openHelpPage("index.html"); });
}

bool CVORApp::runCommand(int id) {
    if (m_view->takenByContextHelp(id)) return true;
    bool ran = false;
    // Back and Forward move through the history; they are no step of it.
    if (id == cmd::TapeBack || id == cmd::TapeForward)
        ran = m_commands.run(id);
    else
        runAsStep([this, id, &ran] { ran = m_commands.run(id); });
    // Menus and toolbar follow the state at once (Stop Recording lights up
    // as recording starts).
    frame().refreshCommands();
    return ran;
}

void CVORApp::runAsStep(const std::function<void()>& work) {
    if (m_commandDepth > 0) return work();
    TapeMoment before = m_view->moment();
    const int starts = m_historyStarts;
    ++m_commandDepth;
    work();
    --m_commandDepth;
    // A tape just opened is no step: the history starts with it once it
    // is rebuilt (at once without a window, at the next paint with one).
    if (!m_historyStartsAtPaint && starts == m_historyStarts)
        m_history.record(doc(), std::move(before), [this] { return m_view->moment(); });
}

void CVORApp::stepHistory(bool back) {
    const TapeMoment* moment =
        back ? m_history.stepBack(doc(), form()) : m_history.stepForward(doc(), form());
    if (moment != nullptr) m_view->restoreMoment(*moment);
}

void CVORApp::registerHistoryCommands() {
    m_commands.add(
        cmd::TapeBack, [this] { stepHistory(true); },
        [this] {
            return CommandState{m_history.canStepBack(), false, {}};
        });
    m_commands.add(
        cmd::TapeForward, [this] { stepHistory(false); },
        [this] {
            return CommandState{m_history.canStepForward(), false, {}};
        });
}

void CVORApp::onFileNew() {
    if (!saveModified()) return;
    onNewDocument();
}

void CVORApp::registerFileCommands() {
    m_commands.add(cmd::FileOpen, [this] { onFileOpen(); });
    m_commands.add(cmd::FileSave, [this] { onFileSave(); });
    m_commands.add(cmd::FileSaveAs, [this] { onFileSaveAs(); });
    for (int i = 0; i < kRecentCount; ++i) {
        m_commands.add(
            cmd::FileMru1 + i,
            [this, i] {
                const std::vector<std::string> files = recentFiles();
                if (i < static_cast<int>(files.size()))
                    openDocument(files[static_cast<std::size_t>(i)]);
            },
            [this, i] {
                CommandState s;
                const std::vector<std::string> files = recentFiles();
                s.enabled = i < static_cast<int>(files.size());
                if (s.enabled)
                    s.caption =
                        "&" + std::to_string(i + 1) + " " + files[static_cast<std::size_t>(i)];
                return s;
            });
    }
}

void CVORApp::onNewDocument() {
    m_view->newDocument();
    m_pathName.clear();
    m_stamp.reset();
    showDocument();
}

bool CVORApp::onFileOpen() {
    if (!saveModified()) return false;
    PathRequest request;
    request.filter = kFileFilter;
    request.defaultPath = m_pathName;
    const std::optional<std::string> path = m_ports.dialogs->askPath(request);
    if (!path) return false;
    return readDocument(*path);
}

bool CVORApp::openDocument(const std::string& path, std::optional<ReadDocument> ahead) {
    if (!saveModified()) return false;
    if (ahead && ahead->path == documentPath(path)) {
        showReadDocument(std::move(*ahead));
        return true;
    }
    return readDocument(path);
}

bool CVORApp::readDocument(const std::string& requested) {
    const std::string path = documentPath(requested);
    std::string bytes;
    std::string error;
    if (!m_ports.files->read(path, bytes, error, kMaxVorFileBytes)) {
        m_ports.messages.show(std::string(kFailedToOpen) + "\n" + path + ": " + error);
        return false;
    }
    // Read into a document of its own: a refused file changes nothing.
    CVORDoc loaded;
    std::string message;
    if (!readVorFile(bytes, loaded, message)) {
        m_ports.messages.show(message);
        return false;
    }
    showReadDocument({path, std::move(loaded), FileStamp::of(bytes)});
    return true;
}

void CVORApp::showReadDocument(ReadDocument&& read) {
    m_view->openDocument(std::move(read.doc));
    m_historyStartsAtPaint = true;
    m_pathName = std::move(read.path);
    m_stamp = read.stamp;
    addRecentFile(m_pathName);
    showDocument();
}

bool CVORApp::onFileSave() {
    if (m_pathName.empty()) return onFileSaveAs();
    return saveDocument(m_pathName);
}

bool CVORApp::onFileSaveAs() {
    PathRequest request;
    request.save = true;
    request.filter = kFileFilter;
    request.defaultPath = m_pathName.empty() ? std::string(kUntitledName) + ".vor" : m_pathName;
    std::optional<std::string> path = m_ports.dialogs->askPath(request);
    if (!path) return false;
    // A name typed without the extension gets it, as the filter promises.
    if (std::filesystem::path(*path).extension().empty()) *path += ".vor";
    return saveDocument(*path);
}

bool CVORApp::saveDocument(const std::string& requested) {
    const std::string path = documentPath(requested);
    if (!mayOverwrite(path)) return false;
    const std::string image = writeVorFile(doc());
    std::string error;
    if (!m_ports.files->writeAtomic(path, image, error)) {
        m_ports.messages.show("Failed to save document.\n" + path + ": " + error);
        return false;
    }
    doc().m_modified = false;
    m_pathName = path;
    m_stamp = FileStamp::of(image);
    addRecentFile(path);
    updateTitle();
    frame().refreshCommands();
    return true;
}

// The tape's own file, changed by another program since it was read or
// saved here, is not overwritten without asking: the other program's work
// would be lost.
bool CVORApp::mayOverwrite(const std::string& path) {
    if (path != m_pathName || compareWithDisk(*m_ports.files, path, m_stamp) != DiskState::Changed)
        return true;
    return m_ports.messages.show(path +
                                     "\nhas been changed by another program since VOR opened or "
                                     "last saved it.\n\nOverwrite it with this tape?",
                                 Buttons::YesNo, Icon::Exclamation) == Answer::Yes;
}

std::vector<std::string> CVORApp::recentFiles() const {
    std::vector<std::string> files;
    for (int i = 0; i < kRecentCount; ++i) {
        std::string f = m_ports.profile.getString(kRecentSection, recentValueName(i), "");
        if (!f.empty()) files.push_back(std::move(f));
    }
    return files;
}

void CVORApp::addRecentFile(const std::string& path) {
    std::vector<std::string> files = recentFiles();
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > kRecentCount) files.resize(kRecentCount);
    for (int i = 0; i < kRecentCount; ++i) {
        const std::string value =
            i < static_cast<int>(files.size()) ? files[static_cast<std::size_t>(i)] : "";
        if (m_ports.profile.getString(kRecentSection, recentValueName(i), "") != value)
            m_ports.profile.writeString(kRecentSection, recentValueName(i), value);
    }
}

void CVORApp::restoreDocument(CVORDoc&& doc, const std::string& path, bool modified,
                              const std::optional<FileStamp>& stamp) {
    m_view->openDocument(std::move(doc));
    m_historyStartsAtPaint = true;
    m_pathName = path;
    m_stamp = stamp;
    showDocument();
    frame().schedulePaint([this, modified] { m_view->doc().m_modified = modified; });
}

void CVORApp::showDocument() {
    m_discarded = false;
    updateTitle();
    // The saved placement comes back at every new tape, not only at
    // start-up.
    frame().restorePlacement();
    m_view->initialUpdate();
    if (!frame().captureLayout())
        m_ports.messages.show("Error getting current Tape Box placement.", Buttons::Ok);
    frame().schedulePaint([this] {
        m_view->onPaint();
        if (m_historyStartsAtPaint) {
            m_historyStartsAtPaint = false;
            m_history.reset(doc());
            ++m_historyStarts;
        }
        frame().refreshCommands();
    });
}

bool CVORApp::saveModified() {
    if (!isModified()) return true;
    // The question names the file by its full path, so two tapes of the
    // same name in different folders are never confused.
    const std::string name = m_pathName.empty() ? documentTitle() : m_pathName;
    const Answer a = m_ports.messages.show("Save changes to " + name + "?", Buttons::YesNoCancel,
                                           Icon::Exclamation);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) {
        m_discarded = true;
        return true;
    }
    m_commands.run(cmd::FileSave);
    return !isModified();
}

void CVORApp::setPathName(const std::string& path) {
    m_pathName = path;
    updateTitle();
}

std::string CVORApp::documentTitle() const {
    return m_pathName.empty() ? std::string(kUntitledName) : fileNameOf(m_pathName);
}

void CVORApp::updateTitle() {
    setTitleText(windowTitle());
}

void CVORApp::setTitleText(const std::string& title) {
    m_title = title;
    m_ports.form.setTitle(title);
}

bool CVORApp::openHelpPage(const std::string& name) {
    if (m_ports.launcher == nullptr) return false;
    return vor::openHelpPage(*m_ports.launcher, m_ports.messages, m_ports.appDir, name);
}

bool CVORApp::openWebPage(const std::string& url) {
    if (m_ports.launcher == nullptr) return false;
    return launch(*m_ports.launcher, m_ports.messages, url, LaunchCaller::Menu);
}

}  // namespace vor
