#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ports.h"
#include "speech/speech_result.h"

namespace vor {

// One way of speaking: an engine with one of its voices.
struct SpeechMode {
    std::string id;            // selects the mode again: engine, language and voice
    std::string name;          // the voice and its language, as the user picks it
    std::string manufacturer;  // the engine ("flite", "speechd")
    std::string engine;
    std::string voice;
    std::string language;      // "en_US"
    std::string languageName;  // "English (United States)"; empty when the engine does not say
};

enum class EngineDialog { About, General, Lexicon, Translate };

// The speech engine object the Speech commands talk to. Every operation
// answers a SpeechResult; one without an engine behind it answers
// NoInterface and does nothing.
class SpeechEngine {
   public:
    virtual ~SpeechEngine() = default;

    // The best mode for `language` ("de_DE"); Fail when already initialised
    // or when no engine has a voice at all.
    virtual SpeechResult initDefault(const std::string& language) = 0;
    virtual SpeechResult initMode(const std::string& modeId) = 0;
    // Queues `text` (UTF-8) behind whatever is being spoken; returns at once.
    virtual SpeechResult speak(const std::string& text) = 0;
    virtual SpeechResult pause() = 0;
    virtual SpeechResult resume() = 0;
    // Stops and discards everything queued.
    virtual SpeechResult reset() = 0;
    virtual SpeechResult currentMode(SpeechMode& mode) const = 0;
    // Speed in words per minute.
    virtual SpeechResult speedGet(int& wordsPerMinute) const = 0;
    virtual SpeechResult speedSet(int wordsPerMinute) = 0;
    // The engine's own dialogs, shown through `messages`.
    virtual SpeechResult showDialog(EngineDialog which, MessagePort& messages) = 0;
    // Lets go of the engine: the object is empty afterwards.
    virtual void release() = 0;
    // Every mode the engines have listed so far, engine by engine in order
    // of preference. Never waits for an engine: one that lists its voices
    // slowly goes on behind (see allModesListed).
    virtual std::vector<SpeechMode> modes() = 0;
    // False while engines are still listing their modes.
    virtual bool allModesListed() const { return true; }
    // `listener` (if set) is called, on this thread, each time more modes
    // have been listed; an empty one stops the calls.
    virtual void setModesListener(std::function<void()> listener) { (void)listener; }
};

// An engine that is not there: what the commands talk to before one has
// started, in batch mode, and on a system without speech.
class NoSpeechEngine : public SpeechEngine {
   public:
    SpeechResult initDefault(const std::string&) override { return SpeechResult::NoInterface; }
    SpeechResult initMode(const std::string&) override { return SpeechResult::NoInterface; }
    SpeechResult speak(const std::string&) override { return SpeechResult::NoInterface; }
    SpeechResult pause() override { return SpeechResult::NoInterface; }
    SpeechResult resume() override { return SpeechResult::NoInterface; }
    SpeechResult reset() override { return SpeechResult::NoInterface; }
    SpeechResult currentMode(SpeechMode&) const override { return SpeechResult::NoInterface; }
    SpeechResult speedGet(int&) const override { return SpeechResult::NoInterface; }
    SpeechResult speedSet(int) override { return SpeechResult::NoInterface; }
    SpeechResult showDialog(EngineDialog, MessagePort&) override {
        return SpeechResult::NoInterface;
    }
    void release() override {}
    std::vector<SpeechMode> modes() override { return {}; }
};

}  // namespace vor
