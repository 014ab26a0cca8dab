// Speaks through the real flite engine and listens to what reaches the
// sound server: sound while reading, silence once paused. Run by speech_pulse.sh, which starts a
// PulseAudio null sink and records its monitor; exits 77 when there is no flite engine to test.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "gui/speech_qt_synth.h"
#include "speech/queued_engine.h"

namespace {

constexpr int kRate = 16000;  // samples per second, mono, 16 bit

// The loudest sample in each 50 ms slice of the recording so far.
struct Recording {
    std::vector<int> peaks;
    QByteArray pending;
    int current = 0, inSlice = 0;

    void add(const QByteArray& bytes) {
        pending += bytes;
        qsizetype i = 0;
        for (; i + 1 < pending.size(); i += 2) {
            const auto s = static_cast<qint16>(static_cast<quint8>(pending[i]) |
                                               (static_cast<quint8>(pending[i + 1]) << 8));
            current = std::max(current, std::abs(static_cast<int>(s)));
            if (++inSlice == kRate / 20) {
                peaks.push_back(current);
                current = inSlice = 0;
            }
        }
        pending.remove(0, i);
    }
    // Loudest sample between two moments (ms since recording started).
    int peak(int fromMs, int toMs) const {
        int p = 0;
        for (int s = fromMs / 50; s < toMs / 50 && s < int(peaks.size()); ++s)
            p = std::max(p, peaks[std::size_t(s)]);
        return p;
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace vor;

    auto synthOwner = std::make_unique<QtSynthesizer>();
    QtSynthesizer* synth = synthOwner.get();
    std::vector<SpeechMode> flite;
    for (const std::string& e : synth->engines())
        if (e == "flite") flite = synth->modesOf(e);
    if (flite.empty()) {
        std::puts("no flite voice: skipped");
        return 77;
    }
    CSpeechEngine engine(std::move(synthOwner));
    // "default": the window's start-up path instead (the preferred engine
    // for American English, brought up behind the scenes).
    const bool startUpPath = argc > 1 && std::string(argv[1]) == "default";
    bool ready = !startUpPath;
    if (startUpPath)
        synth->prepare("en_US", [&](bool) {
            ready = engine.initDefault("en_US") == SpeechResult::Ok;
            SpeechMode m;
            engine.currentMode(m);
            std::printf("started %s\n", m.id.c_str());
        });
    else if (engine.initMode(flite.front().id) != SpeechResult::Ok)
        ready = false;
    QElapsedTimer waited;
    waited.start();
    while (!ready && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!ready) {
        std::puts("the engine would not start");
        return 1;
    }

    Recording rec;
    QProcess parec;
    QObject::connect(&parec, &QProcess::readyReadStandardOutput,
                     [&] { rec.add(parec.readAllStandardOutput()); });
    parec.start(QStringLiteral("parec"),
                {QStringLiteral("--device=nullsink.monitor"), QStringLiteral("--format=s16le"),
                 QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(kRate),
                 QStringLiteral("--raw")});
    if (!parec.waitForStarted(5000)) {
        std::puts("parec did not start: skipped");
        return 77;
    }
    QElapsedTimer clock;
    clock.start();

    // Milestones (ms after recording starts); each check runs after its
    // window has been recorded.
    constexpr int kSpeak = 500, kPause = 3000, kResume = 5000, kEnd = 7000;
    int failures = 0;
    auto expect = [&](bool ok, const char* what, int peak) {
        std::printf("%s: peak %d %s\n", what, peak, ok ? "ok" : "FAILED");
        if (!ok) ++failures;
    };
    // One sentence, one line: flite streams it as one piece.
    const std::string text =
        "twelve thousand three hundred forty five plus six hundred seventy eight minus ninety "
        "one times two thousand and twenty three equals total four items three positive one "
        "negative twelve thousand three hundred forty five plus six hundred seventy eight minus";
    QTimer::singleShot(kSpeak, [&] { engine.speak(text); });
    QTimer::singleShot(kPause, [&] {
        expect(rec.peak(kSpeak, kPause) > 1000, "reading is heard", rec.peak(kSpeak, kPause));
        engine.pause();
    });
    QTimer::singleShot(kResume, [&] {
        // Sound already in the server's buffers may still play for a moment.
        const int p = rec.peak(kPause + 600, kResume);
        expect(p < 200, "paused is silent", p);
        expect(engine.isPaused(), "the engine knows it is paused", 0);
        engine.resume();
    });
    QTimer::singleShot(kEnd, [&] {
        // Whether the resumed sound is heard depends on how the null sink
        // feeds Qt's audio output; resuming must at least not fail or
        // stop the rest.
        std::printf("after resume: peak %d\n", rec.peak(kResume, kEnd));
        // No reset: stopping Qt 6.4.2's flite can crash it; the process ends
        // with the engine left as it is.
        parec.kill();
        parec.waitForFinished(2000);
        app.exit(failures == 0 ? 0 : 1);
    });
    const int status = app.exec();
    std::printf("recorded %lld ms\n", static_cast<long long>(clock.elapsed()));
    std::fflush(stdout);
    // Leaves without tearing the engine down, as the program does at exit.
    std::_Exit(status);
}
