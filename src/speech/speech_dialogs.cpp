#include "speech/speech_dialogs.h"

#include "speech/speakable_text.h"
#include "speech/speech_speed.h"
#include "speech/voice_list.h"

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
    m_haveInUse = succeeded(m_engine.currentMode(m_inUse));
    if (!m_haveInUse) m_messages.show("Error getting current TTS Mode.");
    m_speed = 0;
    m_engine.speedGet(m_speed);
    m_speedText = std::to_string(m_speed);
    m_selection = -1;
    refreshModes();
}

void CSelectModeDlg::refreshModes() {
    const bool picked = m_selection >= 0 && m_selection < static_cast<int>(m_modes.size());
    const SpeechMode selected = picked ? m_modes[static_cast<std::size_t>(m_selection)] : m_inUse;
    m_modes = offeredModes(m_engine.modes(), m_haveInUse ? &m_inUse : nullptr, kMaxLines);
    m_allListed = m_engine.allModesListed();
    m_lines.clear();
    for (const SpeechMode& mode : m_modes)
        m_lines.push_back(mode.name + " (" + mode.manufacturer + ")");
    m_selection = picked || m_haveInUse ? indexOfMode(m_modes, selected) : -1;
    if (m_selection < 0 && m_haveInUse) m_selection = indexOfMode(m_modes, m_inUse);
    if (m_selection < 0 && !m_modes.empty()) m_selection = 0;
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
