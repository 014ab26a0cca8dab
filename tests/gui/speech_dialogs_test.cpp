// The two speech dialogs on screen, on a fake engine.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "frame_fixture.h"
#include "gui/qt_clipboard.h"
#include "gui/speech_widgets.h"

namespace vor {
namespace {

class FakeEngine : public NoSpeechEngine {
   public:
    std::vector<std::string> calls;
    SpeechResult speak(const std::string& text) override { return record("speak " + text); }
    SpeechResult pause() override { return record("pause"); }
    SpeechResult reset() override { return record("reset"); }

   private:
    SpeechResult record(const std::string& c) {
        calls.push_back(c);
        return SpeechResult::Ok;
    }
};

// VORLEX_SPEECH_SHOTS=<folder>: each dialog is also saved as a picture, to
// look at (run once more with QT_SCALE_FACTOR=2).
void keepPicture(QWidget& w, const char* name) {
    const QByteArray folder = qgetenv("VORLEX_SPEECH_SHOTS");
    if (folder.isEmpty()) return;
    w.show();
    QTest::qWait(50);
    w.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name) +
                  QStringLiteral(".png"));
}

TEST(SpeechDialogs, ReadClipboardShowsItsTextAndReadsWhatIsInTheEdit) {
    FakeEngine engine;
    test::ScriptedMessages messages{test::ScriptedMessages::Unscripted::Fail};
    CReadClipboardDlg model(engine, messages);
    model.m_text = "12 plus 5\nequals 17";
    ReadClipboardWidget dialog(model);
    EXPECT_EQ(dialog.textEdit()->toPlainText(), QStringLiteral("12 plus 5\nequals 17"));
    keepPicture(dialog, "read_clipboard");
    dialog.textEdit()->appendPlainText(QStringLiteral("done"));
    dialog.readButton()->click();
    EXPECT_EQ(engine.calls,
              (std::vector<std::string>{"reset", "speak 12 plus 5\nequals 17\ndone"}));
    dialog.stopButton()->click();
    EXPECT_EQ(engine.calls.size(), 4u);
}

// A picture, or a clipboard nobody owns, gives Read Clipboard no text.
TEST(SpeechDialogs, TheClipboardHasNoTextWhenItHoldsAPictureOrNothing) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    QtClipboard clipboard;
    EXPECT_EQ(clipboard.text(), "");
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(clipboard.text(), "");
}

TEST(SpeechDialogs, SelectModeShowsTheListAndStaysOpenOnASpeedOutOfRange) {
    FakeEngine engine;
    test::ScriptedMessages messages{test::ScriptedMessages::Unscripted::Fail};
    CSelectModeDlg model(engine, messages);
    model.m_lines = {"slt, English (United States) (flite)", "German, German (Germany) (speechd)"};
    model.m_selection = 1;
    model.m_speedText = "180";
    SelectModeWidget dialog(model, messages);
    EXPECT_EQ(dialog.modeList()->count(), 2);
    EXPECT_EQ(dialog.modeList()->currentRow(), 1);
    EXPECT_EQ(dialog.speedEdit()->text(), QStringLiteral("180"));
    keepPicture(dialog, "select_mode");
    dialog.show();
    dialog.speedEdit()->setText(QStringLiteral("20"));
    messages.answer(Answer::Ok);
    dialog.okButton()->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Please enter an integer between 30 and 510.");
    EXPECT_TRUE(dialog.isVisible());
    dialog.speedEdit()->setText(QStringLiteral("200"));
    dialog.okButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(model.m_speed, 200);
}

// An engine whose voices arrive while the dialog is open.
class ListingEngine : public NoSpeechEngine {
   public:
    std::vector<SpeechMode> known;
    bool done = false;
    std::function<void()> listener;
    SpeechResult currentMode(SpeechMode& m) const override {
        m = known.front();
        return SpeechResult::Ok;
    }
    std::vector<SpeechMode> modes() override { return known; }
    bool allModesListed() const override { return done; }
    void setModesListener(std::function<void()> l) override { listener = std::move(l); }
};

SpeechMode voice(const std::string& engine, const std::string& lang, const std::string& name) {
    return {engine + "/" + lang + "/" + name, name + ", " + lang, engine, engine, name, lang, {}};
}

TEST(SpeechDialogs, SelectModeFillsInWhileVoicesAreListedAndKeepsThePick) {
    ListingEngine engine;
    engine.known = {voice("speechd", "en_US", "English (America)"), voice("flite", "en_US", "slt")};
    test::ScriptedMessages messages{test::ScriptedMessages::Unscripted::Fail};
    CSelectModeDlg model(engine, messages);
    model.onInitDialog();
    {
        SelectModeWidget dialog(model, messages);
        EXPECT_EQ(dialog.modeList()->count(), 2);
        EXPECT_EQ(dialog.modeList()->currentRow(), 0);  // the voice in use
        EXPECT_FALSE(dialog.listingLabel()->isHidden());
        keepPicture(dialog, "select_mode_listing");
        ASSERT_TRUE(engine.listener);
        dialog.modeList()->setCurrentRow(1);
        engine.known.push_back(voice("speechd", "de_DE", "German"));
        engine.done = true;
        engine.listener();
        EXPECT_EQ(dialog.modeList()->count(), 3);
        EXPECT_EQ(dialog.modeList()->currentItem()->text(), QStringLiteral("slt, en_US (flite)"));
        EXPECT_TRUE(dialog.listingLabel()->isHidden());
    }
    EXPECT_FALSE(engine.listener);  // a closed dialog is told nothing more
}

}  // namespace
}  // namespace vor
