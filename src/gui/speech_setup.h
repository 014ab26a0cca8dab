#pragma once

class QWidget;

namespace vor {

class CVORApp;

// Brings up the speech engine behind the window (it can take a second) and
// connects it to the application's Speech commands.
void startSpeech(CVORApp& app, QWidget* window);

}  // namespace vor
