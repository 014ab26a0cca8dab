#include "shell/app.h"

#include "core/command_ids.h"
#include "shell/launch.h"

namespace vor {
namespace {

// The last part of a path, as the title shows it.
std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Without anyone to fill them in, dialogs are cancelled.
class CancelledDialogs : public DialogPort {
   public:
    bool run(DialogModel&) override { return false; }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }
};

}  // namespace

CVORApp::CVORApp(AppPorts ports) : m_ports(ports) {
    // The view reads every setting from the profile here.
    if (m_ports.dialogs == nullptr) {
        m_noDialogs = std::make_unique<CancelledDialogs>();
        m_ports.dialogs = m_noDialogs.get();
    }
    m_view = std::make_unique<CVORView>(m_ports.form, m_ports.messages, m_ports.profile,
                                        *m_ports.dialogs);
    m_view->setFrame(m_ports.frame);
    m_view->setHandlers(
        {[this] { /* the title has no modified mark */ }, [this] { openHelpPage("index.html"); }});
    registerCommands();
}

CVORApp::~CVORApp() = default;

bool CVORApp::initInstance() {
    onNewDocument();
    return true;
}

void CVORApp::registerCommands() {
    m_view->registerCommands(m_commands);
    m_commands.add(cmd::FileNew, [this] { onFileNew(); });
    m_commands.add(cmd::AppExit, [this] { frame().closeWindow(); });
    m_commands.add(cmd::HelpTopics, [this] { openHelpPage("index.html"); });
    m_commands.add(cmd::Help, [this] { openHelpPage("index.html"); });
}

bool CVORApp::runCommand(int id) {
    if (m_view->takenByContextHelp(id)) return true;
    const bool ran = m_commands.run(id);
    // Menus and toolbar follow the state at once (Stop Recording lights up
    // as recording starts).
    frame().refreshCommands();
    return ran;
}

void CVORApp::onFileNew() {
    if (!saveModified()) return;
    onNewDocument();
}

void CVORApp::onNewDocument() {
    m_view->newDocument();
    m_pathName.clear();
    updateTitle();
    // The saved placement comes back at every new tape, not only at
    // start-up.
    frame().restorePlacement();
    m_view->initialUpdate();
    if (!frame().captureLayout())
        m_ports.messages.show("Error getting current Tape Box placement.", Buttons::Ok);
    frame().schedulePaint([this] {
        m_view->onPaint();
        frame().refreshCommands();
    });
}

bool CVORApp::saveModified() {
    // Without a way to save there is nothing to offer: the question would
    // only lead to a Yes that cannot be kept.
    if (!isModified() || !m_commands.state(cmd::FileSave).handled) return true;
    const Answer a = m_ports.messages.show("Save changes to " + documentTitle() + "?",
                                           Buttons::YesNoCancel, Icon::Exclamation);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
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
    m_ports.form.setTitle(windowTitle());
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
