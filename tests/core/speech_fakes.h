#pragma once

#include <string>
#include <vector>

#include "speech/synthesizer.h"

namespace vor::test {

// A synthesizer that records what it is told; the test ends utterances.
class FakeSynth : public Synthesizer {
   public:
    std::vector<std::string> engineNames = {"flite", "speechd"};
    std::vector<SpeechMode> all = {mode("flite", "en_US", "slt"), mode("flite", "en_US", "kal"),
                                   mode("speechd", "de_DE", "German"),
                                   mode("speechd", "en_GB", "English")};
    bool pauses = true;
    bool loadFails = false;
    std::vector<std::string> said;   // every text, in order
    std::vector<std::string> log;    // say/stop/pause/resume/load/unload
    std::vector<std::string> asked;  // engines whose voices were listed
    int lastId = 0;
    double rate = 99;

    static SpeechMode mode(const std::string& engine, const std::string& lang,
                           const std::string& voice) {
        return {engine + "/" + lang + "/" + voice,
                voice + ", " + lang,
                engine,
                engine,
                voice,
                lang,
                {}};
    }

    std::vector<std::string> engines() override { return engineNames; }
    std::vector<SpeechMode> modesOf(const std::string& engine) override {
        asked.push_back(engine);
        std::vector<SpeechMode> out;
        for (const SpeechMode& m : all)
            if (m.engine == engine) out.push_back(m);
        return out;
    }
    bool load(const SpeechMode& m) override {
        log.push_back("load " + m.id);
        return !loadFails;
    }
    void unload() override { log.push_back("unload"); }
    bool canPause() const override { return pauses; }
    void say(int id, const std::string& text) override {
        lastId = id;
        said.push_back(text);
        log.push_back("say " + text);
    }
    void stop() override { log.push_back("stop"); }
    void pause() override { log.push_back("pause"); }
    void resume() override { log.push_back("resume"); }
    void setRate(double r) override { rate = r; }

    // The engine got to the end of the utterance it was given last.
    void finish() { onFinished(lastId); }
};

}  // namespace vor::test
