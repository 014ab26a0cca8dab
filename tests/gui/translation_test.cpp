// The window in German: menus, a command's status prompt, messages of the
// Qt-free layers through the real message box, unique mnemonics in every
// German menu, and English left as it is without a translator.
#include "gui/translation.h"

#include <QAbstractButton>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QTranslator>

#include "clipboard/paste_numbers.h"
#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/message_box.h"

namespace vor::test {
namespace {

#ifdef VORLEX_HAVE_TRANSLATIONS
constexpr bool kHaveTranslations = true;
#else
constexpr bool kHaveTranslations = false;
#endif

// Installed before the window is built, removed after it is gone: the
// other tests of the process see English.
class GermanFrameTest : public FrameTest {
   protected:
    void SetUp() override {
        if (!kHaveTranslations) GTEST_SKIP() << "built without lrelease";
        m_german = ownTranslator(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_NE(m_german, nullptr);
        QCoreApplication::installTranslator(m_german.get());
        FrameTest::SetUp();
    }
    void TearDown() override {
        FrameTest::TearDown();
        if (m_german) QCoreApplication::removeTranslator(m_german.get());
    }
    std::unique_ptr<QTranslator> m_german;
};

QString mnemonic(const QString& text) {
    for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2))
        if (text.at(i + 1) != QLatin1Char('&')) return text.at(i + 1).toLower();
    return {};
}

// Two entries of one menu (or of the menu bar) with the same letter:
// the first wins and the second cannot be reached by its letter.
void expectUniqueMnemonics(const QList<QAction*>& actions, const QString& where) {
    QSet<QString> seen;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        const QString m = mnemonic(a->text());
        if (m.isEmpty()) continue;
        EXPECT_FALSE(seen.contains(m)) << where.toStdString() << ": '" << m.toStdString()
                                       << "' again in " << a->text().toStdString();
        seen.insert(m);
        if (a->menu() != nullptr) expectUniqueMnemonics(a->menu()->actions(), a->text());
    }
}

TEST_F(GermanFrameTest, MenusSpeakGermanWithOneLetterPerEntry) {
    const QList<QAction*> bar = frame->menuBar()->actions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Datei"));
    EXPECT_EQ(bar[1]->text(), QStringLiteral("&Bearbeiten"));
    EXPECT_TRUE(action(cmd::FileOpen)->text().startsWith(QStringLiteral("Ö&ffnen...\t")));
    EXPECT_EQ(action(cmd::FileOpen)->statusTip(),
              QStringLiteral("Öffnet ein vorhandenes Dokument"));
    EXPECT_EQ(action(cmd::FileOpen)->toolTip(), QStringLiteral("Öffnen"));
    expectUniqueMnemonics(bar, QStringLiteral("menu bar"));
    const QMenu* context = nullptr;
    for (const QMenu* menu : frame->findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("Kontextmenü")) context = menu;
    ASSERT_NE(context, nullptr);
    expectUniqueMnemonics(context->actions(), QStringLiteral("context menu"));
}

TEST_F(GermanFrameTest, KeysTellScreenReadersTheirNameAndShortcutsInGerman) {
    auto* total = frame->findChild<QPushButton*>(QStringLiteral("key%1").arg(cmd::Total));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->accessibleName(), QStringLiteral("Summe"));
    EXPECT_TRUE(total->accessibleDescription().startsWith(QStringLiteral("Tastenkürzel: T, ")))
        << total->accessibleDescription().toStdString();
    EXPECT_TRUE(total->accessibleDescription().contains(QStringLiteral(" oder ")));
}

TEST(Translation, CoreMessagesByWholeTextFirstLineAndTemplate) {
    if (!kHaveTranslations) GTEST_SKIP() << "built without lrelease";
    auto german = ownTranslator(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NE(german, nullptr);
    QCoreApplication::installTranslator(german.get());
    const struct {
        std::string english;
        const char* german;
    } cases[] = {
        {"Nothing to undo!", "Nichts rückgängig zu machen!"},
        {"Failed to save document.\n/tmp/a.vor: No space left on device",
         "Das Dokument konnte nicht gespeichert werden.\n/tmp/a.vor: No space left on device"},
        {"Save changes to Budget 2026.vor?", "Änderungen an Budget 2026.vor speichern?"},
        {skippedMessage(3), "3 Zeilen waren keine Zahlen und wurden übersprungen."},
        {"Undo  12.00 +?", "12.00 + rückgängig machen?"},
        {"The tape cannot be kept between sessions: /s/vorlex cannot be written (Permission "
         "denied).\n\nIf VOR ends unexpectedly, changes not saved to a file are lost.",
         "Das Band kann nicht zwischen Sitzungen behalten werden: /s/vorlex kann nicht "
         "geschrieben werden (Permission denied).\n\nWenn VOR unerwartet beendet wird, gehen "
         "Änderungen verloren, die nicht in einer Datei gespeichert sind."},
        {"The tape of the last session could not be read (bad (1)) and was set aside as "
         "/s/a.vor. VOR starts with an empty tape.",
         "Das Band der letzten Sitzung konnte nicht gelesen werden (bad (1)) und wurde als "
         "/s/a.vor beiseitegelegt. VOR beginnt mit einem leeren Band."},
        {"Settings cannot be kept: /c/vorlex.conf cannot be written (it is a folder). Changes "
         "to the settings last only until VOR is closed.",
         "Die Einstellungen können nicht gespeichert werden: /c/vorlex.conf kann nicht "
         "geschrieben werden (it is a folder). Änderungen an den Einstellungen gelten nur, bis "
         "VOR beendet wird."},
        {"/t/a.vor\nhas been changed by another program since VOR opened or last saved "
         "it.\n\nOverwrite it with this tape?",
         "/t/a.vor\nwurde von einem anderen Programm geändert, seit VOR die Datei geöffnet oder "
         "zuletzt gespeichert hat.\n\nMit diesem Band überschreiben?"},
        {"The value \"1x\" is not a number.  Type a number such as 1,234.50 (with % for a "
         "percentage) or MR.",
         "Der Wert „1x“ ist keine Zahl.  Geben Sie eine Zahl wie 1,234.50 ein (mit % für einen "
         "Prozentsatz) oder MR."},
        // A message and its tip, each translated.
        {"Cannot Undo.\n\nNothing to undo!",
         "Rückgängig nicht möglich.\n\nNichts rückgängig zu machen!"},
        {"A text nobody translated", "A text nobody translated"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translateMessage(c.english).toStdString(), c.german) << c.english;

    // The real message box, answered as soon as it shows.
    QString shown, yes;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    QtMessagePort port;
    EXPECT_EQ(port.show("Recalculate tape box?", Buttons::YesNo, Icon::Exclamation), Answer::Yes);
    EXPECT_EQ(shown, QStringLiteral("Band neu berechnen?"));
    QCoreApplication::removeTranslator(german.get());
}

TEST(Translation, EnglishAndUnknownLanguagesKeepTheSourceText) {
    for (const QLocale& l : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(),
                             QLocale(QLocale::French, QLocale::France)})
        EXPECT_EQ(ownTranslator(l), nullptr) << l.name().toStdString();
    EXPECT_EQ(translateMessage("Save changes to a.vor?"), QStringLiteral("Save changes to a.vor?"));
    EXPECT_EQ(commandPromptText(cmd::FileOpen), QStringLiteral("Open an existing document"));
}

}  // namespace
}  // namespace vor::test
