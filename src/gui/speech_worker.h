#pragma once

// Built only where Qt TextToSpeech is installed.
#ifdef VORLEX_HAVE_SPEECH

#include <QObject>
#include <QString>
#include <QTextToSpeech>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "speech/speech_engine.h"

namespace vor {

// Lives on the speech thread and owns the Qt engines there. Turns Qt's
// "say replaces, state changes" into one report per utterance that ends by
// itself: a stopped utterance reports nothing, and a state change that
// belongs to an earlier utterance is not taken for the current one's end.
class SpeechWorker : public QObject {
    Q_OBJECT
   public:
    QStringList engineNames();
    // Every voice of the engine; takes seconds for speechd. Not kept: the
    // synthesizer keeps the list.
    std::vector<SpeechMode> modesOf(const QString& engine);
    // Only the voices of one language ("de"), without listing them all.
    std::vector<SpeechMode> modesFor(const QString& engine, const QString& language);
    bool load(const SpeechMode& mode);
    void unload();
    // Shut-down: silence, and let go without deleting (see the .cpp).
    void abandon();
    void say(int id, const QString& text);
    void stop();
    void pause();
    void resume();
    void setRate(double rate);

   signals:
    void finished(int id);

   private:
    QTextToSpeech* engine(const QString& name);
    void addVoices(std::vector<SpeechMode>& modes, const QString& name, QTextToSpeech* tts,
                   const QLocale& locale);
    void stateChanged(QTextToSpeech* tts, QTextToSpeech::State state);
    void start(int id, const QString& text);
    void endSettling();

    std::map<QString, QTextToSpeech*> m_engines;
    std::optional<QStringList> m_names;
    QTextToSpeech* m_active = nullptr;
    SpeechMode m_mode;
    double m_rate = 0.0;
    int m_current = 0;  // the utterance being spoken, 0 for none
    bool m_sawSpeaking = false;
    // After a stop the engine is told nothing new until it has settled,
    // or its "ready" would be taken for the end of the next text.
    bool m_settling = false;
    int m_settleGeneration = 0;
    std::optional<std::pair<int, QString>> m_waiting;
};

}  // namespace vor

#endif  // VORLEX_HAVE_SPEECH
