#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "speech/speech_engine.h"

namespace vor {

// Reports a speech result: its message, if it has one, in a box with OK.
void reportSpeechResult(SpeechResult result, MessagePort& messages);

// Read Text Data From Clipboard: the clipboard's text, as the user edits it, read
// aloud on Read; reading goes on after the dialog closes.
class CReadClipboardDlg {
   public:
    static constexpr const char* kCaption = "Read Text Data From Clipboard";

    CReadClipboardDlg(SpeechEngine& engine, MessagePort& messages)
        : m_engine(engine), m_messages(messages) {}

    std::string m_text;  // the clipboard's text as it opens, then the edit's

    // Read: whatever was being read stops, then m_text is read.
    void onRead();
    // Stop: silence, and nothing left queued.
    void onStop();

   private:
    SpeechEngine& m_engine;
    MessagePort& m_messages;
};

// Select Speech Engine/Voice: the installed modes (see offeredModes), the
// one in use selected, and the speed. Engines that list their voices slowly
// fill the list in while it is open.
class CSelectModeDlg {
   public:
    static constexpr const char* kCaption = "Select Speech Engine/Voice";
    static constexpr int kMaxLines = 199;

    CSelectModeDlg(SpeechEngine& engine, MessagePort& messages)
        : m_engine(engine), m_messages(messages) {}

    std::vector<SpeechMode> m_modes;   // in list order
    std::vector<std::string> m_lines;  // "mode name (manufacturer)"
    int m_selection = -1;
    int m_speed = 0;
    std::string m_speedText;  // the speed field as the user left it
    bool m_allListed = true;  // false while engines are still listing voices

    // Fills the list, the selection and the speed (opening the dialog).
    void onInitDialog();
    // Takes in the modes listed since: the entry at m_selection stays
    // selected where it is still offered, else the mode in use.
    void refreshModes();
    // `more` is called each time the engines have listed more modes; an
    // empty one stops the calls (the dialog closes).
    void listenForModes(std::function<void()> more) { m_engine.setModesListener(std::move(more)); }
    // Switches to the selected mode and sets the typed speed, then checks
    // the speed: "" closes the dialog, otherwise the message to show while
    // it stays open (the switch and the speed have taken effect anyway).
    std::string onOK();

   private:
    SpeechEngine& m_engine;
    MessagePort& m_messages;
    SpeechMode m_inUse;
    bool m_haveInUse = false;
};

}  // namespace vor
