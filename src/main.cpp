#include <iostream>
#include <string>
#include <vector>

#include "shell/batch.h"

#ifndef VORLEX_NO_GUI
#include <QApplication>
#include <QElapsedTimer>

#include "gui/main_frame.h"
#include "gui/qsettings_profile.h"
#include "gui/single_instance.h"
#include "gui/startup_probe.h"
#endif

namespace {

#ifndef VORLEX_NO_GUI
int runWindow(int argc, char** argv, const QElapsedTimer& sinceMain) {
    QApplication app(argc, argv);
    vor::watchFirstPaint(sinceMain);
    QApplication::setOrganizationName(QStringLiteral("Quillaby"));
    QApplication::setApplicationName(QStringLiteral("VOR"));

    QString file;
    const QStringList args = QApplication::arguments().mid(1);
    for (const QString& arg : args) {
        if (arg.startsWith(QLatin1Char('-'))) {
            std::cerr << "vorlex: unknown option: " << arg.toStdString() << '\n';
            vor::printBatchUsage(std::cerr);
            return 2;
        }
        if (file.isEmpty()) file = arg;
    }

    // A file opened from the desktop goes to the window already running.
    vor::SingleInstance instance;
    if (!file.isEmpty() && vor::SingleInstance::sendToRunning(instance.serverName(), file))
        return 0;
    instance.listen();

    vor::QSettingsProfile profile;
    vor::CMainFrame frame(profile);
    QObject::connect(&instance, &vor::SingleInstance::openRequested, &frame,
                     &vor::CMainFrame::openDocumentFile);
    frame.newDocument();
    if (!file.isEmpty()) frame.openDocumentFile(file);
    frame.show();
    return app.exec();
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifndef VORLEX_NO_GUI
    QElapsedTimer sinceMain;
    sinceMain.start();
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "--batch") {
        args.erase(args.begin());
#ifdef VORLEX_NO_GUI
        return vor::runBatch(args, nullptr, std::cout, std::cerr);
#else
        // The user's settings, read only: batch keeps its changes in memory.
        vor::QSettingsProfile profile;
        return vor::runBatch(args, &profile, std::cout, std::cerr);
#endif
    }
#ifdef VORLEX_NO_GUI
    std::cerr << "This build has no window; use batch mode.\n";
    vor::printBatchUsage(std::cerr);
    return 2;
#else
    return runWindow(argc, argv, sinceMain);
#endif
}
