#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/vector_state.h"

// One QApplication for all GUI tests. The offscreen platform is the default
// so the binary also runs where no display exists (test discovery included),
// and the profile lives in a throwaway folder so no test can touch the
// user's settings.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    if (profile.isValid()) qputenv("XDG_CONFIG_HOME", profile.path().toLocal8Bit());

    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    vor::clearUpperVectorState();  // as the program does
    return RUN_ALL_TESTS();
}
