#include "macros/macro_player.h"

#include <algorithm>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "macros/enter_value_dialog.h"
#include "macros/macro_profile.h"

namespace vor {
namespace {

constexpr const char* kClearedPrompt = "Enter a value in the edit control below.";

bool isMacroKey(int id) {
    return id >= cmd::Macro0 && id < cmd::Macro0 + kMacroCount;
}

// The keys that end the armed state and then act as usual: every key that
// starts or finishes a figure or changes the tape.
bool cancelsArmedState(int id) {
    for (int digit : cmd::kDigitKeys)
        if (id == digit) return true;
    switch (id) {
        case cmd::DoubleZero:
        case cmd::Plus:
        case cmd::Minus:
        case cmd::Multiply:
        case cmd::Divide:
        case cmd::Equals:
        case cmd::Total:
        case cmd::SubTotal:
        case cmd::MemoryPlusEquals:
        case cmd::MemoryMinusEquals:
        case cmd::MemorySubTotal:
        case cmd::MemoryTotal:
        case cmd::ClearAll:
        case cmd::Pound:
        case cmd::DeleteKey:
        case cmd::RightShift:
        case cmd::MarkUpDown:
        case cmd::Negate: return true;
        default: return false;
    }
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

CMacroPlayer::CMacroPlayer(CCalculator& calc, CMacroStore& store, ProfilePort& profile,
                           DialogPort& dialogs)
    : m_calc(calc), m_store(store), m_profile(profile), m_dialogs(dialogs) {}

bool CMacroPlayer::anyPlaying() const {
    return std::any_of(m_macroPlaying.begin(), m_macroPlaying.end(), [](bool p) { return p; });
}

std::string CMacroPlayer::keyCaption(int k) const {
    std::string caption = "M" + std::to_string(k);
    if (recording() && nActiveMacro == k) caption += '*';
    return caption;
}

void CMacroPlayer::saveMacros() {
    vor::saveMacros(m_profile, m_store);
    m_calc.doc().m_newEntry = true;
}

void CMacroPlayer::addToActiveMacro(int commandId) {
    MessagePort& messages = m_calc.messages();
    if (nActiveMacro < 0 || nActiveMacro >= kMacroCount) {
        messages.show(
            "Runtime Error: Invalid call to addToActiveMacro()  -- nActiveMacro too large");
        return;
    }
    if (m_macroLength >= kMaxMacroEntries) {
        messages.show("Macro is too large.");
        return;
    }
    const auto k = static_cast<std::size_t>(nActiveMacro);
    m_store.m_macroEntry[k][static_cast<std::size_t>(m_macroLength)] = commandId;
    ++m_macroLength;
    ++m_store.m_macroSize[k];
}

void CMacroPlayer::onMacroKey(int k) {
    if (m_quickRecordPending) {
        quickRecord(k);
    } else if (recording() && nActiveMacro != k) {
        addToActiveMacro(cmd::Macro0 + k);
    } else if (recording()) {
        endRecording();
    } else if (m_macroArmed) {
        m_calc.m_macroRecording = true;
        m_macroArmed = false;
        nActiveMacro = k;
        m_store.m_macroSize[static_cast<std::size_t>(k)] = 0;
        m_macroLength = 0;
    } else if (m_macroPlaying[static_cast<std::size_t>(k)]) {
        // Macros that call one another meet skipped calls at every level,
        // thousands of them for one key press; the user hears of it once
        // for each playback they started.
        if (!m_recursionReported) m_calc.messages().show("Skipping recursive macro call");
        m_recursionReported = true;
    } else {
        m_calc.readDisplays();
        m_macroVariable[static_cast<std::size_t>(k)] = m_calc.m_mainLED;
        playMacro(k);
    }
}

void CMacroPlayer::endRecording() {
    m_calc.m_macroRecording = false;
    saveMacros();
}

void CMacroPlayer::finishRecording() {
    m_macroArmed = false;
    if (recording()) endRecording();
}

void CMacroPlayer::playMacro(int k) {
    m_calc.settlePendingRecalc();
    FormPort& form = m_calc.form();
    if (m_store.size(k) != 0) {
        playEntries(k);
    } else if (anyPlaying()) {
        promptForValue(k);
    } else {
        offerToRecord(k);
    }
    // Only the outermost playback lets the form draw again, so a macro
    // that calls others is painted once, when everything has run.
    if (m_playDepth == 0) form.setRedraw(true);
}

void CMacroPlayer::playEntries(int k) {
    const auto m = static_cast<std::size_t>(k);
    FormPort& form = m_calc.form();
    // Which keys a QR inside this playback turned into temporary
    // registers: they are emptied when it ends.
    std::array<bool, kMacroCount> temporary{};
    if (m_playDepth == 0) m_recursionReported = false;
    m_macroPlaying[m] = true;
    ++m_playDepth;
    form.setWaitCursor(true);
    form.setRedraw(false);
    const std::string title = m_host ? m_host->title() : std::string();
    if (m_host) m_host->setTitle(kPlayingTitle);
    // The size is read at every step: an entry may change the macro.
    for (int i = 0; i < m_store.size(k); ++i) {
        const int e = m_store.entry(k, i);
        if (e == 0) continue;
        if (e == cmd::Variable) {
            setEntry(m_macroVariable[m]);
            continue;
        }
        // Only a macro key that really quick-records becomes temporary: a
        // QR pressed twice has cancelled itself, and the key then plays.
        if (i >= 1 && m_store.entry(k, i - 1) == cmd::QuickRecord && isMacroKey(e) &&
            m_quickRecordPending)
            temporary[static_cast<std::size_t>(e - cmd::Macro0)] = true;
        click(e);
    }
    m_macroPlaying[m] = false;
    bool emptied = false;
    for (int j = 0; j < kMacroCount; ++j) {
        if (!temporary[static_cast<std::size_t>(j)]) continue;
        m_store.m_macroSize[static_cast<std::size_t>(j)] = 0;
        emptied = true;
    }
    if (emptied) saveMacros();
    --m_playDepth;
    form.setWaitCursor(false);
    if (m_host) m_host->setTitle(title);
}

void CMacroPlayer::setEntry(const std::string& internalText) {
    CVORDoc& doc = m_calc.doc();
    doc.m_mainText = internalText;
    m_calc.m_mainLED = internalText;
    doc.m_newEntry = false;
    doc.m_decimalEntered = false;
    m_calc.writeDisplays();
}

// An empty key reached from a playing macro asks the user for the value.
void CMacroPlayer::promptForValue(int k) {
    const auto m = static_cast<std::size_t>(k);
    CEnterValueDlg dlg;
    dlg.m_prompt = m_store.m_macroPrompt[m];
    dlg.m_valueText = m_store.m_macroDefault[m];
    if (!m_dialogs.run(dlg)) return;
    // The value is read in the number style the user sees.
    const std::string typed =
        m_calc.settings().europeanMode ? europeanExchange(dlg.m_valueText) : dlg.m_valueText;
    setEntry(m_calc.format(stringToDouble(typed), 98));
}

void CMacroPlayer::offerToRecord(int k) {
    if (m_calc.messages().show(
            "This macro key is empty.  Would you like to record a new macro for it now?  (If you "
            "choose YES, click this macro button again when you are finished.",
            Buttons::YesNo) != Answer::Yes)
        return;
    m_macroArmed = true;
    nActiveMacro = k;
    m_macroLength = 0;
    click(cmd::Macro0 + k);
}

void CMacroPlayer::click(int id) {
    if (m_host) m_host->click(id);
}

void CMacroPlayer::quickRecord(int k) {
    m_calc.readDisplays();
    std::string value = m_calc.m_mainLED;
    value.erase(std::remove(value.begin(), value.end(), ','), value.end());
    value = trimmed(value);
    const int savedMacro = nActiveMacro;
    const int savedLength = m_macroLength;
    nActiveMacro = k;
    m_store.m_macroSize[static_cast<std::size_t>(k)] = 0;
    m_macroLength = 0;
    bool negative = false;
    for (char c : value) {
        if (c == '-')
            negative = true;
        else if (c == '.')
            addToActiveMacro(cmd::DecimalPoint);
        else if (c >= '0' && c <= '9')
            addToActiveMacro(cmd::kDigitKeys[c - '0']);
    }
    if (negative) addToActiveMacro(cmd::Negate);
    m_quickRecordPending = false;
    saveMacros();
    nActiveMacro = savedMacro;
    // A recording into the key just overwritten goes on after its new
    // content, so that size and recorded length agree.
    m_macroLength = recording() && savedMacro == k ? m_store.size(k) : savedLength;
}

void CMacroPlayer::onVariable() {
    if (m_calc.recording(cmd::Variable)) return;
    m_calc.messages().show(
        "This key is only valid during the recording of a macro.  It tells the system to insert "
        "whatever value was contained in the Main LED at the time the macro key is first played.",
        Buttons::Ok, Icon::Information);
}

void CMacroPlayer::onQuickRecord() {
    if (m_calc.recording(cmd::QuickRecord)) return;
    if (m_quickRecordPending) {
        m_quickRecordPending = false;
        return;
    }
    m_quickRecordPending = true;
    m_calc.doc().m_newEntry = true;
    m_calc.doc().m_decimalEntered = false;
}

void CMacroPlayer::startRecording() {
    m_calc.messages().show(
        "Press a macro key to begin recording or just about any other key to cancel.  When "
        "finished, press the same macro key to end recording.",
        Buttons::Ok, Icon::Information);
    m_macroArmed = true;
    nActiveMacro = 0;
    m_macroLength = 0;
}

void CMacroPlayer::stopRecording() {
    m_macroArmed = false;
    if (!recording()) return;
    if (nActiveMacro < 0 || nActiveMacro >= kMacroCount) {
        m_calc.messages().show(
            "Runtime error: Invalid active macro button on call to OnMacrosStoprecording()");
        return;
    }
    endRecording();
}

void CMacroPlayer::keyPressed(int commandId) {
    if (m_macroArmed && cancelsArmedState(commandId)) m_macroArmed = false;
}

void CMacroPlayer::clearAllMacros() {
    if (m_calc.messages().show(
            "This will clear all macro keys.  Operation cannot be undone.  Continue?",
            Buttons::YesNo) != Answer::Yes)
        return;
    // A recording in progress ends here: its keys would otherwise go on
    // filling a macro that was just emptied.
    m_calc.m_macroRecording = false;
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        m_store.m_macroSize[m] = 0;
        m_profile.writeInt(macroSection(k), "Size", 0);
        m_store.m_macroPrompt[m] = kClearedPrompt;
        m_profile.writeString(macroSection(k), "Prompt", kClearedPrompt);
    }
}

}  // namespace vor
