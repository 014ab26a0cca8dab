#include "gui/speech_worker.h"

#ifdef VORLEX_HAVE_SPEECH

#include <QLocale>
#include <QTimer>
#include <QVoice>
#include <algorithm>

#include "gui/speech_qt_synth.h"

namespace vor {
namespace {

// How long an engine may take to settle after a stop before the next text
// goes ahead anyway (an engine that never reports would hold the queue).
constexpr int kSettleMs = 500;

// "English (United States)"; empty for a voice of no known language (some
// engines file those under the C locale), whose name then names it.
QString languageName(const QLocale& locale) {
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) return {};
    QString language = QLocale::languageToString(locale.language());
    if (locale.territory() != QLocale::AnyTerritory)
        language += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return language;
}

}  // namespace

QStringList SpeechWorker::engineNames() {
    if (!m_names) m_names = QtSynthesizer::preferredOrder(QTextToSpeech::availableEngines());
    return *m_names;
}

QTextToSpeech* SpeechWorker::engine(const QString& name) {
    if (const auto it = m_engines.find(name); it != m_engines.end()) return it->second;
    auto* tts = new QTextToSpeech(name, this);
    connect(tts, &QTextToSpeech::stateChanged, this,
            [this, tts](QTextToSpeech::State s) { stateChanged(tts, s); });
    m_engines[name] = tts;
    return tts;
}

std::vector<SpeechMode> SpeechWorker::modesOf(const QString& name) {
    std::vector<SpeechMode> modes;
    QTextToSpeech* tts = engine(name);
    if (tts->state() != QTextToSpeech::Error) {
        // Voices are listed per language: walk them all, then put back the
        // voice the engine speaks with.
        for (const QLocale& locale : tts->availableLocales()) addVoices(modes, name, tts, locale);
        if (tts == m_active) load(m_mode);
    }
    return modes;
}

std::vector<SpeechMode> SpeechWorker::modesFor(const QString& name, const QString& language) {
    std::vector<SpeechMode> modes;
    QTextToSpeech* tts = engine(name);
    if (tts->state() == QTextToSpeech::Error) return modes;
    for (const QLocale& locale : tts->availableLocales())
        if (locale.language() == QLocale(language).language()) addVoices(modes, name, tts, locale);
    if (tts == m_active) load(m_mode);
    return modes;
}

void SpeechWorker::addVoices(std::vector<SpeechMode>& modes, const QString& name,
                             QTextToSpeech* tts, const QLocale& locale) {
    tts->setLocale(locale);
    const QString language = languageName(locale);
    for (const QVoice& voice : tts->availableVoices()) {
        SpeechMode m;
        m.engine = m.manufacturer = name.toStdString();
        m.voice = voice.name().toStdString();
        m.language = locale.name().toStdString();
        m.id = m.engine + "/" + m.language + "/" + m.voice;
        m.languageName = language.toStdString();
        m.name =
            (language.isEmpty() ? voice.name() : voice.name() + QStringLiteral(", ") + language)
                .toStdString();
        modes.push_back(std::move(m));
    }
}

bool SpeechWorker::load(const SpeechMode& mode) {
    const QString name = QString::fromStdString(mode.engine);
    if (m_active != nullptr) unload();
    QTextToSpeech* tts = engine(name);
    if (tts->state() == QTextToSpeech::Error) return false;
    tts->setLocale(QLocale(QString::fromStdString(mode.language)));
    const QString voiceName = QString::fromStdString(mode.voice);
    const QList<QVoice> voices = tts->availableVoices();
    const auto voice = std::find_if(voices.begin(), voices.end(),
                                    [&](const QVoice& v) { return v.name() == voiceName; });
    if (voice == voices.end()) return false;
    tts->setVoice(*voice);
    tts->setRate(m_rate);
    m_active = tts;
    m_mode = mode;
    return true;
}

void SpeechWorker::unload() {
    // Letting go of an engine silences it; deleting it is left to the end
    // of the process (see abandon()), so it stays at hand for a later load.
    stop();
    m_active = nullptr;
}

void SpeechWorker::abandon() {
    m_current = 0;
    m_active = nullptr;
    // Deleting or stopping the flite engine races its own audio thread (a
    // crash in Qt 6.4.2): at exit the engines are left to the end of the
    // process.
    for (auto& [name, tts] : m_engines) tts->setParent(nullptr);
    m_engines.clear();
}

void SpeechWorker::say(int id, const QString& text) {
    if (m_active == nullptr) return;
    if (m_settling) {
        m_waiting = {id, text};
        return;
    }
    start(id, text);
}

void SpeechWorker::start(int id, const QString& text) {
    m_current = id;
    m_sawSpeaking = false;
    const bool broken = m_active->state() == QTextToSpeech::Error;
    m_active->say(text);
    // An engine already in error may stay there without a word: the text
    // is given up rather than holding everything queued behind it.
    if (broken)
        QTimer::singleShot(0, this, [this, id] {
            if (m_current == id && m_active && m_active->state() == QTextToSpeech::Error) {
                m_current = 0;
                emit finished(id);
            }
        });
}

void SpeechWorker::stop() {
    m_current = 0;
    m_waiting.reset();
    if (m_active == nullptr) return;
    const QTextToSpeech::State s = m_active->state();
    if (s != QTextToSpeech::Speaking && s != QTextToSpeech::Paused) return;
    m_settling = true;
    const int generation = ++m_settleGeneration;
    QTimer::singleShot(kSettleMs, this, [this, generation] {
        if (m_settling && generation == m_settleGeneration) endSettling();
    });
    m_active->stop();
}

void SpeechWorker::endSettling() {
    m_settling = false;
    if (!m_waiting) return;
    const auto [id, text] = *m_waiting;
    m_waiting.reset();
    start(id, text);
}

void SpeechWorker::pause() {
    if (m_active) m_active->pause();
}

void SpeechWorker::resume() {
    if (m_active) m_active->resume();
}

void SpeechWorker::setRate(double rate) {
    m_rate = rate;
    if (m_active) m_active->setRate(rate);
}

void SpeechWorker::stateChanged(QTextToSpeech* tts, QTextToSpeech::State state) {
    if (tts != m_active) return;
    if (state == QTextToSpeech::Speaking) {
        m_sawSpeaking = true;
        return;
    }
    if (state != QTextToSpeech::Ready && state != QTextToSpeech::Error) return;
    if (m_settling) {
        endSettling();
        return;
    }
    if (m_current != 0 && (m_sawSpeaking || state == QTextToSpeech::Error)) {
        const int id = m_current;
        m_current = 0;
        emit finished(id);
    }
}

}  // namespace vor

#endif  // VORLEX_HAVE_SPEECH
