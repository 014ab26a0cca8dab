#pragma once

#include <functional>
#include <string>
#include <vector>

#include "speech/speech_engine.h"

namespace vor {

// A text-to-speech library as it comes: it speaks one text at a time
// (a new text replaces the one being spoken), and tells when a text has
// been spoken to its end. The queue, pause emulation and speed in words per
// minute are built on top of it (CSpeechEngine).
class Synthesizer {
   public:
    virtual ~Synthesizer() = default;

    // Installed engines, in the order they are preferred.
    virtual std::vector<std::string> engines() = 0;
    // The voices of one engine; may start the engine, which can take a
    // moment the first time.
    virtual std::vector<SpeechMode> modesOf(const std::string& engine) = 0;
    // The voices of one engine for one language ("de"); by default picked
    // from modesOf, but an engine with thousands of voices answers it
    // without listing them all.
    virtual std::vector<SpeechMode> modesFor(const std::string& engine,
                                             const std::string& language);
    // Every engine's voices as far as they are known without waiting,
    // engine by engine; by default modesOf of each. An engine that lists
    // slowly may answer with the voices it has listed so far and go on:
    // modesListed() stays false until it is done, and onModesListed is
    // called (on this thread) whenever more have come.
    virtual std::vector<SpeechMode> knownModes();
    virtual bool modesListed() const { return true; }
    // Names voices may give the country of `locale` ("America" for en_US).
    virtual std::vector<std::string> territoryNames(const std::string& locale);
    // Makes `mode` the voice that speaks; false when it cannot start.
    virtual bool load(const SpeechMode& mode) = 0;
    // Lets go of the loaded engine.
    virtual void unload() = 0;
    // Whether the loaded engine really pauses (some ignore it).
    virtual bool canPause() const = 0;

    // Speaks `text` as utterance `id`, replacing what was being spoken.
    virtual void say(int id, const std::string& text) = 0;
    // Silences the current utterance for good; it reports no end.
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // -1 (slowest) .. 0 (the engine's normal rate) .. 1 (fastest).
    virtual void setRate(double rate) = 0;

    // Called with the utterance's id when it has been spoken to its end,
    // or when the engine gave up on it.
    std::function<void(int id)> onFinished;
    std::function<void()> onModesListed;
};

}  // namespace vor
