#pragma once

#include <array>
#include <string>

#include "core/calculator.h"
#include "core/ports.h"
#include "macros/macro_store.h"

namespace vor {

inline constexpr const char* kPlayingTitle = "Playing macro.  Please wait...";

// What playback needs from the program around it.
class MacroHost {
   public:
    virtual ~MacroHost() = default;
    // Runs key `id` exactly as a click on it does; an id without a key
    // does nothing.
    virtual void click(int id) = 0;
    virtual std::string title() const = 0;
    virtual void setTitle(const std::string& title) = 0;
};

// The macro keys: recording (armed, recording, quick record) and playback
// of the application's four macros. Recording is blind: a recorded key is
// only stored. Playback clicks each stored key, so a macro gives exactly
// the tape the same keys give by hand.
class CMacroPlayer {
   public:
    CMacroPlayer(CCalculator& calc, CMacroStore& store, ProfilePort& profile, DialogPort& dialogs);
    void setHost(MacroHost* host) { m_host = host; }
    CMacroStore& store() { return m_store; }
    const CMacroStore& store() const { return m_store; }

    bool recording() const { return m_calc.m_macroRecording; }
    bool anyPlaying() const;
    // A key the recorder met: stored in the macro being recorded.
    void addToActiveMacro(int commandId);
    // Macro key k (0..3): quick record, record a call, end or start a
    // recording, refuse a recursive call, or play.
    void onMacroKey(int k);
    void playMacro(int k);
    void quickRecord(int k);
    void onVariable();
    void onQuickRecord();
    void startRecording();
    void stopRecording();
    void clearAllMacros();
    // A key is about to run: the keys that cancel the armed state do so.
    void keyPressed(int commandId);
    // Ends a recording in progress and keeps what it recorded, before the
    // macros are replaced (import, Edit Macros).
    void finishRecording();
    // Writes the macros to the profile; the next digit starts a new entry.
    void saveMacros();

    std::string keyCaption(int k) const;
    std::string quickRecordCaption() const { return m_quickRecordPending ? "&QR*" : "&QR"; }

    bool m_macroArmed = false;
    int nActiveMacro = 0;
    int m_macroLength = 0;
    std::array<bool, kMacroCount> m_macroPlaying{};
    bool m_quickRecordPending = false;
    std::array<std::string, kMacroCount> m_macroVariable{};

   private:
    void endRecording();
    void playEntries(int k);
    void promptForValue(int k);
    void offerToRecord(int k);
    void click(int id);
    // Puts a value into the Main LED as the entry being keyed, the way
    // Memory Recall does: the next digit starts after it, the next
    // operation key takes it.
    void setEntry(const std::string& internalText);

    CCalculator& m_calc;
    CMacroStore& m_store;
    ProfilePort& m_profile;
    DialogPort& m_dialogs;
    MacroHost* m_host = nullptr;
    int m_playDepth = 0;
    // A skipped recursive call was reported during the current outermost
    // playback.
    bool m_recursionReported = false;
};

}  // namespace vor
