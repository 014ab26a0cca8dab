#pragma once

#include <functional>

namespace vor {

// What the application and the view ask of the main window. Batch mode and
// the tests have no window: every member has a default that does nothing,
// and the paint step runs at once.
class FramePort {
   public:
    virtual ~FramePort() = default;

    // Settings that change the window's look.
    virtual void applyAlwaysOnTop(bool /*on*/) {}
    virtual void applyMiddleKeys(bool /*shown*/) {}
    virtual void applyLedArrangement(bool /*swapped*/) {}
    virtual void setHintSuppression(bool /*suppressed*/) {}
    // Context help: the pointer shows the help cursor while the mode is on.
    virtual void showContextHelpCursor(bool /*on*/) {}

    // Document lifecycle. Before the view's initial update: the saved window
    // placement comes back. After it: the form takes the tape box's place as
    // its reference; false when the tape box has no usable placement.
    virtual void restorePlacement() {}
    virtual bool captureLayout() { return true; }
    // The view's paint step changes widgets, which a window must not do
    // while painting: it runs `paint` at its next turn of the event loop.
    virtual void schedulePaint(const std::function<void()>& paint) { paint(); }
    // The command states changed (menus and toolbar follow).
    virtual void refreshCommands() {}
    // File Exit: the window closes (and asks the application whether it may).
    virtual void closeWindow() {}
};

}  // namespace vor
