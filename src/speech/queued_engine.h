#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "speech/speech_engine.h"
#include "speech/synthesizer.h"

namespace vor {

// The speech engine object on top of a synthesizer that speaks one text at
// a time: texts queue and are spoken one after the other, never one over
// another; pause works even where the synthesizer ignores it (the line
// being read stops and is read again from its start on resume); speed is
// in words per minute.
class CSpeechEngine : public SpeechEngine {
   public:
    explicit CSpeechEngine(std::unique_ptr<Synthesizer> synth);
    ~CSpeechEngine() override;
    CSpeechEngine(const CSpeechEngine&) = delete;
    CSpeechEngine& operator=(const CSpeechEngine&) = delete;

    SpeechResult initDefault(const std::string& language) override;
    SpeechResult initMode(const std::string& modeId) override;
    SpeechResult speak(const std::string& text) override;
    SpeechResult pause() override;
    SpeechResult resume() override;
    SpeechResult reset() override;
    SpeechResult currentMode(SpeechMode& mode) const override;
    SpeechResult speedGet(int& wordsPerMinute) const override;
    SpeechResult speedSet(int wordsPerMinute) override;
    SpeechResult showDialog(EngineDialog which, MessagePort& messages) override;
    void release() override;
    std::vector<SpeechMode> modes() override;
    bool allModesListed() const override;
    void setModesListener(std::function<void()> listener) override;

    bool isPaused() const { return m_paused; }
    // Texts waiting behind the one being spoken.
    std::size_t waiting() const { return m_queue.size(); }

   private:
    SpeechResult load(const SpeechMode& mode);
    void startNext();
    void finished(int id);

    std::unique_ptr<Synthesizer> m_synth;
    bool m_loaded = false;
    SpeechMode m_mode;
    int m_speed = 0;
    std::deque<std::string> m_queue;
    std::string m_current;  // the text being spoken (or paused in)
    int m_currentId = 0;    // 0: nothing is being spoken
    int m_lastId = 0;
    bool m_paused = false;
};

// The language part of a locale name: "de" for "de_DE"; "C" and "POSIX"
// count as American English.
std::string normalLanguage(const std::string& locale);

}  // namespace vor
