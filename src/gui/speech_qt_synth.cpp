#include "gui/speech_qt_synth.h"

#ifdef VORLEX_HAVE_SPEECH

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

#include "gui/speech_worker.h"
#include "speech/voice_list.h"

namespace vor {
namespace {

// Starting speechd takes one to two seconds; a call that takes far longer
// means the engine hangs (speech-dispatcher can, without a sound server).
constexpr auto kCallLimit = std::chrono::seconds(20);

}  // namespace

QtSynthesizer::QtSynthesizer() {
    m_local = new SpeechWorker;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_remote = new SpeechWorker;
    m_remote->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_remote, &QObject::deleteLater);
    for (SpeechWorker* w : {m_local, m_remote})
        connect(
            w, &SpeechWorker::finished, this,
            [this](int id) {
                if (onFinished) onFinished(id);
            },
            Qt::QueuedConnection);
    m_active = m_local;
    m_thread->start();
}

QtSynthesizer::~QtSynthesizer() {
    m_local->abandon();
    delete m_local;
    post(m_remote, [](SpeechWorker& w) { w.abandon(); });
    m_thread->quit();
    // A thread stuck in an engine cannot be stopped; the process is ending,
    // so it is left to go with it rather than hold up the exit.
    if (m_thread->wait(3000)) delete m_thread;
}

SpeechWorker* QtSynthesizer::workerFor(const std::string& engine) const {
    return engine == "speechd" ? m_remote : m_local;
}

template <class F>
void QtSynthesizer::post(SpeechWorker* worker, F work) {
    if (worker == m_local) {
        work(*worker);
        return;
    }
    if (m_stuck) return;
    QMetaObject::invokeMethod(
        worker, [worker, work] { work(*worker); }, Qt::QueuedConnection);
}

template <class R, class F>
R QtSynthesizer::call(SpeechWorker* worker, F work, R fallback) {
    if (worker == m_local) return work(*worker);
    if (m_stuck) return fallback;
    auto promise = std::make_shared<std::promise<R>>();
    std::future<R> result = promise->get_future();
    QMetaObject::invokeMethod(
        worker, [worker, work, promise] { promise->set_value(work(*worker)); },
        Qt::QueuedConnection);
    if (result.wait_for(kCallLimit) != std::future_status::ready) {
        m_stuck = true;
        return fallback;
    }
    return result.get();
}

QStringList QtSynthesizer::preferredOrder(QStringList engines) {
    std::stable_partition(engines.begin(), engines.end(),
                          [](const QString& e) { return e == QLatin1String("speechd"); });
    return engines;
}

bool QtSynthesizer::enginePauses(const QString& engine) {
    return engine != QLatin1String("speechd");
}

void QtSynthesizer::prepare(const std::string& language, std::function<void(bool)> done) {
    // Even finding the engine plugins takes a moment: on the speech thread.
    QPointer<QtSynthesizer> self(this);
    const std::string lang = languageOf(language);
    post(m_remote, [self, lang, done](SpeechWorker& w) {
        const QStringList names = w.engineNames();
        QMetaObject::invokeMethod(
            self.data(),
            [self, names, lang, done] {
                if (!self) return;
                self->m_engines.clear();
                for (const QString& n : names) self->m_engines.push_back(n.toStdString());
                self->m_enginesKnown = true;
                if (self->m_listingWanted) self->startListing();
                self->prepareFrom(0, lang, done);
            },
            Qt::QueuedConnection);
    });
}

// Engine after engine until one speaks the language; speechd is asked on
// its thread and answers later.
void QtSynthesizer::prepareFrom(std::size_t index, const std::string& lang,
                                const std::function<void(bool)>& done) {
    if (index >= m_engines.size()) {
        done(!m_engines.empty());
        return;
    }
    const std::string engine = m_engines[index];
    const QString name = QString::fromStdString(engine);
    const QString qlang = QString::fromStdString(lang);
    SpeechWorker* worker = workerFor(engine);
    if (worker == m_local) {
        const std::vector<SpeechMode> modes = m_local->modesFor(name, qlang);
        remember(engine, lang, modes);
        if (!modes.empty())
            done(true);
        else
            prepareFrom(index + 1, lang, done);
        return;
    }
    QPointer<QtSynthesizer> self(this);
    post(worker, [self, index, engine, name, lang, qlang, done](SpeechWorker& w) {
        const std::vector<SpeechMode> modes = w.modesFor(name, qlang);
        QMetaObject::invokeMethod(
            self.data(),
            [self, index, engine, lang, done, modes] {
                if (!self) return;
                self->remember(engine, lang, modes);
                if (!modes.empty())
                    done(true);
                else
                    self->prepareFrom(index + 1, lang, done);
            },
            Qt::QueuedConnection);
    });
}

void QtSynthesizer::remember(const std::string& engine, const std::string& language,
                             const std::vector<SpeechMode>& modes) {
    m_asked[{engine, language}] = modes;
    std::vector<SpeechMode>& seen = m_seen[engine];
    for (const SpeechMode& m : modes)
        if (std::none_of(seen.begin(), seen.end(),
                         [&](const SpeechMode& s) { return s.id == m.id; }))
            seen.push_back(m);
}

std::vector<SpeechMode> QtSynthesizer::knownModes() {
    startListing();
    std::vector<SpeechMode> all;
    for (const std::string& engine : m_engines) {
        const auto listed = m_listed.find(engine);
        const std::vector<SpeechMode>& modes =
            listed != m_listed.end() ? listed->second : m_seen[engine];
        all.insert(all.end(), modes.begin(), modes.end());
    }
    return all;
}

bool QtSynthesizer::modesListed() const {
    return m_enginesKnown &&
           std::all_of(m_engines.begin(), m_engines.end(),
                       [this](const std::string& e) { return m_listed.count(e) > 0; });
}

// Every engine lists all its voices once, behind the window: speechd on its
// thread, in seconds; flite on this one, where its engine must live, in a
// few milliseconds, after whatever asked has been shown.
void QtSynthesizer::startListing() {
    if (m_listing) return;
    if (!m_enginesKnown) {
        m_listingWanted = true;
        return;
    }
    m_listing = true;
    QPointer<QtSynthesizer> self(this);
    for (const std::string& engine : m_engines) {
        if (m_listed.count(engine) > 0) continue;
        const QString name = QString::fromStdString(engine);
        SpeechWorker* worker = workerFor(engine);
        if (worker == m_local) {
            QTimer::singleShot(0, this,
                               [this, engine, name] { listed(engine, m_local->modesOf(name)); });
            continue;
        }
        post(worker, [self, engine, name](SpeechWorker& w) {
            const std::vector<SpeechMode> modes = w.modesOf(name);
            QMetaObject::invokeMethod(
                self.data(),
                [self, engine, modes] {
                    if (self) self->listed(engine, modes);
                },
                Qt::QueuedConnection);
        });
    }
}

void QtSynthesizer::listed(const std::string& engine, std::vector<SpeechMode> modes) {
    m_listed[engine] = std::move(modes);
    m_seen.erase(engine);
    std::erase_if(m_asked, [&engine](const auto& asked) { return asked.first.first == engine; });
    if (onModesListed) onModesListed();
}

std::vector<std::string> QtSynthesizer::territoryNames(const std::string& locale) {
    std::vector<std::string> names = commonTerritoryNames(locale);
    const QLocale l(QString::fromStdString(locale));
    if (l.territory() != QLocale::AnyTerritory) {
        names.push_back(QLocale::territoryToString(l.territory()).toStdString());
        names.push_back(l.nativeTerritoryName().toStdString());
    }
    return names;
}

std::vector<std::string> QtSynthesizer::engines() {
    if (!m_enginesKnown) {
        const QStringList names = call(
            m_remote, [](SpeechWorker& w) { return w.engineNames(); }, QStringList());
        m_engines.clear();
        for (const QString& n : names) m_engines.push_back(n.toStdString());
        m_enginesKnown = !m_stuck;
    }
    return m_engines;
}

std::vector<SpeechMode> QtSynthesizer::modesOf(const std::string& engine) {
    if (const auto listed = m_listed.find(engine); listed != m_listed.end()) return listed->second;
    // Not listed yet: the first look at an engine may start it, a moment to
    // wait for.
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const QString name = QString::fromStdString(engine);
    auto modes = call(
        workerFor(engine), [name](SpeechWorker& w) { return w.modesOf(name); },
        std::vector<SpeechMode>());
    QGuiApplication::restoreOverrideCursor();
    if (!m_stuck) m_listed[engine] = modes;
    return modes;
}

std::vector<SpeechMode> QtSynthesizer::modesFor(const std::string& engine,
                                                const std::string& language) {
    auto ofLanguage = [&language](std::vector<SpeechMode> modes) {
        std::erase_if(modes,
                      [&](const SpeechMode& m) { return languageOf(m.language) != language; });
        return modes;
    };
    if (const auto asked = m_asked.find({engine, language}); asked != m_asked.end())
        return asked->second;
    if (const auto listed = m_listed.find(engine); listed != m_listed.end())
        return ofLanguage(listed->second);
    const QString name = QString::fromStdString(engine);
    const QString lang = QString::fromStdString(language);
    auto modes = call(
        workerFor(engine), [name, lang](SpeechWorker& w) { return w.modesFor(name, lang); },
        std::vector<SpeechMode>());
    if (!m_stuck) remember(engine, language, modes);
    return modes;
}

bool QtSynthesizer::load(const SpeechMode& mode) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // One engine speaks at a time: the other worker's is silenced.
    SpeechWorker* worker = workerFor(mode.engine);
    if (worker != m_active) post(m_active, [](SpeechWorker& w) { w.unload(); });
    const bool loaded = call(
        worker, [mode](SpeechWorker& w) { return w.load(mode); }, false);
    QGuiApplication::restoreOverrideCursor();
    m_active = worker;
    if (loaded) m_canPause = enginePauses(QString::fromStdString(mode.engine));
    return loaded;
}

void QtSynthesizer::unload() {
    post(m_active, [](SpeechWorker& w) { w.unload(); });
}

void QtSynthesizer::say(int id, const std::string& text) {
    const QString t = QString::fromStdString(text);
    post(m_active, [id, t](SpeechWorker& w) { w.say(id, t); });
}

void QtSynthesizer::stop() {
    post(m_active, [](SpeechWorker& w) { w.stop(); });
}

void QtSynthesizer::pause() {
    post(m_active, [](SpeechWorker& w) { w.pause(); });
}

void QtSynthesizer::resume() {
    post(m_active, [](SpeechWorker& w) { w.resume(); });
}

void QtSynthesizer::setRate(double rate) {
    post(m_active, [rate](SpeechWorker& w) { w.setRate(rate); });
}

}  // namespace vor

#endif  // VORLEX_HAVE_SPEECH
