#pragma once

// Built only where Qt TextToSpeech is installed.
#ifdef VORLEX_HAVE_SPEECH

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "speech/synthesizer.h"

class QThread;

namespace vor {

class SpeechWorker;

// The synthesizer on Qt TextToSpeech. Engines that play their sound in this
// process (flite) live on the window's thread, as Qt's audio output needs.
// speechd lives on a thread of its own: creating it starts its daemon and
// lists thousands of voices, which takes seconds, and nothing about speech
// may hold up typing. Calls to it are posted and return at once; loading a
// voice waits for it, with a time limit, so an engine that hangs disables
// speech instead of the window. The full voice list is gathered once, the
// first time it is asked for, behind the window (knownModes), and kept.
class QtSynthesizer : public QObject, public Synthesizer {
    Q_OBJECT
   public:
    QtSynthesizer();
    ~QtSynthesizer() override;

    // Starts, on the speech thread, the engines the user's language needs
    // (in order of preference, until one speaks it), then calls `done` on
    // this thread with whether any engine is installed at all.
    void prepare(const std::string& language, std::function<void(bool anyEngine)> done);

    std::vector<std::string> engines() override;
    std::vector<SpeechMode> knownModes() override;
    bool modesListed() const override;
    std::vector<std::string> territoryNames(const std::string& locale) override;
    std::vector<SpeechMode> modesOf(const std::string& engine) override;
    std::vector<SpeechMode> modesFor(const std::string& engine,
                                     const std::string& language) override;
    bool load(const SpeechMode& mode) override;
    void unload() override;
    bool canPause() const override { return m_canPause; }
    void say(int id, const std::string& text) override;
    void stop() override;
    void pause() override;
    void resume() override;
    void setRate(double rate) override;

    // The engines in order of preference: speechd first. flite pauses
    // properly, but Qt 6.4.2's flite can crash when stopped (every Stop and
    // every Read Tape stops), and speechd speaks about a hundred languages;
    // its missing pause is made up for by CSpeechEngine.
    static QStringList preferredOrder(QStringList engines);
    // Whether an engine honours pause (speechd in Qt 6.4 does not).
    static bool enginePauses(const QString& engine);

   private:
    SpeechWorker* workerFor(const std::string& engine) const;
    template <class R, class F>
    R call(SpeechWorker* worker, F work, R fallback);
    template <class F>
    void post(SpeechWorker* worker, F work);
    void prepareFrom(std::size_t index, const std::string& language,
                     const std::function<void(bool)>& done);
    // The voices of one language an engine was asked for, kept so that
    // nobody waits for them twice.
    void remember(const std::string& engine, const std::string& language,
                  const std::vector<SpeechMode>& modes);
    void startListing();
    void listed(const std::string& engine, std::vector<SpeechMode> modes);

    QThread* m_thread = nullptr;
    SpeechWorker* m_local = nullptr;   // this thread's engines
    SpeechWorker* m_remote = nullptr;  // speechd, on m_thread
    SpeechWorker* m_active = nullptr;  // the loaded engine's
    bool m_stuck = false;              // the speech thread stopped answering
    bool m_canPause = true;
    std::vector<std::string> m_engines;
    bool m_enginesKnown = false;
    std::map<std::string, std::vector<SpeechMode>> m_listed;  // every voice, per engine
    std::map<std::string, std::vector<SpeechMode>> m_seen;    // some voices, until then
    std::map<std::pair<std::string, std::string>, std::vector<SpeechMode>> m_asked;  // by language
    bool m_listing = false;
    bool m_listingWanted = false;  // asked for before the engines were known
};

}  // namespace vor

#endif  // VORLEX_HAVE_SPEECH
