#include <algorithm>
#include <future>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/vector_state.h"
#include "shell/batch.h"

#ifndef VORLEX_NO_GUI
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include "gui/main_frame.h"
#include "gui/qsettings_profile.h"
#include "gui/session_keeper.h"
#include "gui/single_instance.h"
#include "gui/startup_probe.h"
#include "gui/tape_printer.h"
#include "gui/translation.h"
#include "shell/document_ahead.h"
#endif

namespace {

#ifndef VORLEX_NO_GUI
// Batch output is a public interface that scripts parse: framework notices
// (a missing runtime folder, a font lookup) must not mix into it.
void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

int runWindow(int argc, char** argv, const std::string& file, const QElapsedTimer& sinceMain) {
    // The tape named on the command line is read while the window is built.
    std::future<std::optional<vor::ReadDocument>> ahead;
    if (!file.empty()) ahead = vor::readDocumentAhead(file);
    QApplication app(argc, argv);
    vor::clearUpperVectorState();
    vor::watchFirstPaint(sinceMain);
    QApplication::setOrganizationName(QStringLiteral("Quillaby"));
    // The desktop knows the program by one name: the window class (WM_CLASS
    // "vorlex", "vorlex"), the Wayland app id and vorlex.desktop agree, so
    // the window gets the entry's icon and name and a screen reader names
    // the application. No display name: Qt would append it to every title,
    // which already ends with " - VOR". The settings file has a fixed path.
    QApplication::setApplicationName(QStringLiteral("vorlex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vorlex"));
    // The window speaks the user's language; batch mode never loads one.
    vor::installTranslations();

    // A file opened from the desktop goes to the window already running.
    vor::SingleInstance instance;
    const QString path = QString::fromStdString(file);
    if (!path.isEmpty() && vor::SingleInstance::sendToRunning(instance.serverName(), path))
        return 0;
    instance.listen();

    vor::QSettingsProfile profile;
    vor::CMainFrame frame(profile);
    // A kept tape whose question waits for the window comes back first;
    // opening a file then asks about its unsaved changes.
    const auto open = [&frame](const QString& file) {
        frame.session().afterRestore([&frame, file] { frame.openDocumentFile(file); });
    };
    QObject::connect(&instance, &vor::SingleInstance::openRequested, &frame, open);
    profile.setFailureReporter([&frame](const std::string& text) {
        frame.app().messages().show(text, vor::Buttons::Ok, vor::Icon::Exclamation);
    });
    if (!frame.start(path, &ahead)) return 1;
    frame.session().reopenLeftBehind();
    return app.exec();
}
#endif

// The options QApplication takes for itself (-platform offscreen, -style
// Fusion, ...); they are left to it.
bool takesValue(const std::string& arg) {
    for (const char* o : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                          "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-style",
                          "-stylesheet", "-display", "-geometry", "-session"})
        if (arg == o) return true;
    return false;
}

bool isQtOption(const std::string& arg) {
    if (takesValue(arg)) return true;
    for (const char* o : {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"})
        if (arg == o) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
#ifndef VORLEX_NO_GUI
    QElapsedTimer sinceMain;
    sinceMain.start();
#endif
    // The arguments are read before anything needs a display, so --help,
    // --version and mistakes are answered on any terminal.
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "--batch") {
        args.erase(args.begin());
#ifdef VORLEX_NO_GUI
        return vor::runBatch(args, nullptr, std::cout, std::cerr);
#else
        qInstallMessageHandler(quietMessages);
        // Printing to PDF needs Qt's fonts and painter, never a display.
        std::unique_ptr<QGuiApplication> gui;
        if (std::find(args.begin(), args.end(), "--print-pdf") != args.end()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            gui = std::make_unique<QGuiApplication>(argc, argv);
            vor::clearUpperVectorState();
        }
        // The user's settings, read only: batch keeps its changes in memory.
        vor::QSettingsProfile profile;
        return vor::runBatch(args, &profile, std::cout, std::cerr, vor::printTapeToPdf);
#endif
    }
    std::string file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (isQtOption(arg)) {
            if (takesValue(arg)) ++i;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            vor::printBatchUsage(std::cout);
            return 0;
        }
        if (arg == "--version") {
            vor::printVersion(std::cout);
            return 0;
        }
        if (!arg.empty() && arg.front() == '-') {
            std::cerr << "vorlex: unknown option: " << arg << '\n';
            vor::printBatchUsage(std::cerr);
            return 2;
        }
        if (file.empty()) file = arg;
    }
#ifdef VORLEX_NO_GUI
    std::cerr << "This build has no window; use batch mode.\n";
    vor::printBatchUsage(std::cerr);
    return 2;
#else
    return runWindow(argc, argv, file, sinceMain);
#endif
}
