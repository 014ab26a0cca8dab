#include "speech/speech_dialogs.h"

#include "speech/speakable_text.h"
#include "speech/speech_speed.h"

namespace vor {

void reportSpeechResult(SpeechResult result, MessagePort& messages) {
    const std::string text = speechErrorMessage(result);
    if (!text.empty()) messages.show(text, Buttons::Ok);
}

void CReadClipboardDlg::onRead() {
    m_engine.reset();
    if (!fitsSpeechBuffer(m_text, kClipboardCapacity)) {
        m_messages.show(
            "Internal Error converting text to Unicode for speech engine.  Probably too much "
            "text for allocated memory buffer.");
        return;
    }
    reportSpeechResult(m_engine.speak(m_text), m_messages);
}

void CReadClipboardDlg::onStop() {
    m_engine.pause();
    m_engine.reset();
}

void CSelectModeDlg::onInitDialog() {
    SpeechMode current;
    const bool haveCurrent = succeeded(m_engine.currentMode(current));
    if (!haveCurrent) m_messages.show("Error getting current TTS Mode.");
    m_speed = 0;
    m_engine.speedGet(m_speed);
    m_speedText = std::to_string(m_speed);

    m_modes.clear();
    m_lines.clear();
    for (SpeechMode& mode : m_engine.modes()) {
        if (static_cast<int>(m_lines.size()) == kMaxLines) break;
        m_lines.push_back(mode.name + " (" + mode.manufacturer + ")");
        m_modes.push_back(std::move(mode));
    }
    m_selection = -1;
    if (m_modes.empty()) return;
    m_selection = 0;
    // The last entry of the current mode: two entries may share an id.
    if (haveCurrent)
        for (std::size_t i = 0; i < m_modes.size(); ++i)
            if (m_modes[i].id == current.id) m_selection = static_cast<int>(i);
}

std::string CSelectModeDlg::onOK() {
    // With an empty list there is no mode to switch to: the engine stays as
    // it is and only the speed applies.
    if (m_selection >= 0 && m_selection < static_cast<int>(m_modes.size())) {
        const SpeechMode& chosen = m_modes[static_cast<std::size_t>(m_selection)];
        m_engine.reset();
        m_engine.release();
        const SpeechResult r = m_engine.initMode(chosen.id);
        if (!succeeded(r)) {
            m_messages.show("Error switching to " + chosen.name);
            reportSpeechResult(r, m_messages);
        }
    }
    m_speed = leadingInteger(m_speedText);
    m_engine.speedSet(m_speed);
    if (m_speed < kMinSpeed || m_speed > kMaxSpeed) return speedRangeMessage();
    return {};
}

}  // namespace vor
