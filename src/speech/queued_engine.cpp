#include "speech/queued_engine.h"

#include <algorithm>

#include "speech/speech_speed.h"
#include "speech/voice_list.h"

namespace vor {
namespace {

std::string engineOfId(const std::string& id) {
    return id.substr(0, id.find('/'));
}

}  // namespace

std::string normalLanguage(const std::string& locale) {
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0)
        return "en_US";
    return locale;
}

CSpeechEngine::CSpeechEngine(std::unique_ptr<Synthesizer> synth) : m_synth(std::move(synth)) {
    m_synth->onFinished = [this](int id) { finished(id); };
}

CSpeechEngine::~CSpeechEngine() {
    release();
    m_synth->onFinished = nullptr;
    m_synth->onModesListed = nullptr;
}

SpeechResult CSpeechEngine::load(const SpeechMode& mode) {
    if (!m_synth->load(mode)) return SpeechResult::Fail;
    m_loaded = true;
    m_mode = mode;
    m_speed = kNormalSpeed;
    m_synth->setRate(rateForSpeed(m_speed));
    return SpeechResult::Ok;
}

std::vector<SpeechMode> Synthesizer::modesFor(const std::string& engine,
                                              const std::string& language) {
    std::vector<SpeechMode> modes = modesOf(engine);
    std::erase_if(modes, [&](const SpeechMode& m) { return languageOf(m.language) != language; });
    return modes;
}

std::vector<SpeechMode> Synthesizer::knownModes() {
    std::vector<SpeechMode> all;
    for (const std::string& engine : engines()) {
        std::vector<SpeechMode> modes = modesOf(engine);
        all.insert(all.end(), modes.begin(), modes.end());
    }
    return all;
}

std::vector<std::string> Synthesizer::territoryNames(const std::string& locale) {
    return commonTerritoryNames(locale);
}

// The first engine, in the synthesizer's order of preference, that speaks
// the user's language, with its best voice for the user's country; failing
// all, the first voice there is.
SpeechResult CSpeechEngine::initDefault(const std::string& language) {
    if (m_loaded) return SpeechResult::Fail;
    const std::string locale = normalLanguage(language);
    const std::string lang = languageOf(locale);
    const std::vector<std::string> engines = m_synth->engines();
    for (const std::string& engine : engines) {
        const std::vector<SpeechMode> modes = m_synth->modesFor(engine, lang);
        if (const SpeechMode* best = bestModeFor(modes, locale, m_synth->territoryNames(locale)))
            return load(*best);
    }
    for (const std::string& engine : engines) {
        const std::vector<SpeechMode> modes = m_synth->modesOf(engine);
        if (!modes.empty()) return load(modes.front());
    }
    return SpeechResult::Fail;
}

SpeechResult CSpeechEngine::initMode(const std::string& modeId) {
    if (m_loaded) return SpeechResult::Fail;
    // A mode picked from the list is known already; asking the engine
    // again could mean waiting for it to list every voice.
    for (const SpeechMode& m : m_synth->knownModes())
        if (m.id == modeId) return load(m);
    for (const SpeechMode& m : m_synth->modesOf(engineOfId(modeId)))
        if (m.id == modeId) return load(m);
    return SpeechResult::InvalidMode;
}

SpeechResult CSpeechEngine::speak(const std::string& text) {
    if (!m_loaded) return SpeechResult::NoInterface;
    // Line by line: a pause that has to stop the engine reads the line it
    // cut off again, not the whole tape, and engines stream a short text
    // more reliably than a long one.
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string line = text.substr(from, end - from);
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            m_queue.push_back(std::move(line));
        from = end + 1;
    }
    if (m_currentId == 0 && !m_paused) startNext();
    return SpeechResult::Ok;
}

void CSpeechEngine::startNext() {
    if (m_queue.empty()) return;
    m_current = std::move(m_queue.front());
    m_queue.pop_front();
    m_currentId = ++m_lastId;
    m_synth->say(m_currentId, m_current);
}

void CSpeechEngine::finished(int id) {
    // A late report about a text that was stopped meanwhile changes nothing.
    if (id != m_currentId || id == 0) return;
    m_currentId = 0;
    m_current.clear();
    if (!m_paused) startNext();
}

SpeechResult CSpeechEngine::pause() {
    if (!m_loaded) return SpeechResult::NoInterface;
    if (m_paused) return SpeechResult::Ok;
    m_paused = true;
    if (m_currentId == 0) return SpeechResult::Ok;
    if (m_synth->canPause()) {
        m_synth->pause();
    } else {
        // The engine would go on talking: silence it, and keep the line it
        // was reading to read again, whole, on resume.
        m_synth->stop();
        m_queue.push_front(std::move(m_current));
        m_current.clear();
        m_currentId = 0;
    }
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::resume() {
    if (!m_loaded) return SpeechResult::NoInterface;
    if (!m_paused) return SpeechResult::Ok;
    m_paused = false;
    if (m_currentId != 0)
        m_synth->resume();
    else
        startNext();
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::reset() {
    if (!m_loaded) return SpeechResult::NoInterface;
    m_queue.clear();
    if (m_currentId != 0) m_synth->stop();
    m_currentId = 0;
    m_current.clear();
    // A reset starts afresh: what is read next is heard at once.
    m_paused = false;
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::currentMode(SpeechMode& mode) const {
    if (!m_loaded) return SpeechResult::NoInterface;
    mode = m_mode;
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::speedGet(int& wordsPerMinute) const {
    if (!m_loaded) return SpeechResult::NoInterface;
    wordsPerMinute = m_speed;
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::speedSet(int wordsPerMinute) {
    if (!m_loaded) return SpeechResult::NoInterface;
    // Beyond the range the engine goes as slow or as fast as it can.
    m_speed = std::clamp(wordsPerMinute, kMinSpeed, kMaxSpeed);
    m_synth->setRate(rateForSpeed(m_speed));
    return SpeechResult::Ok;
}

SpeechResult CSpeechEngine::showDialog(EngineDialog which, MessagePort& messages) {
    if (!m_loaded) return SpeechResult::NoInterface;
    if (which != EngineDialog::About) return SpeechResult::NotImplemented;
    messages.show("Speech engine: " + m_mode.engine + "\nVoice: " + m_mode.voice + "\nLanguage: " +
                      m_mode.language + "\nSpeed: " + std::to_string(m_speed) + " words per minute",
                  Buttons::Ok, Icon::Information);
    return SpeechResult::Ok;
}

void CSpeechEngine::release() {
    if (!m_loaded) return;
    reset();
    m_synth->unload();
    m_loaded = false;
    m_mode = {};
}

std::vector<SpeechMode> CSpeechEngine::modes() {
    return m_synth->knownModes();
}

bool CSpeechEngine::allModesListed() const {
    return m_synth->modesListed();
}

void CSpeechEngine::setModesListener(std::function<void()> listener) {
    m_synth->onModesListed = std::move(listener);
}

}  // namespace vor
