// What a screen reader finds: every control a user can operate, in the main
// window and in each dialog, carries a name, and the keypad and tape speak
// in words rather than captions.
#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/command_ids.h"
#include "frame_fixture.h"
#include "gui/about_dialog.h"
#include "gui/comment_widget.h"
#include "gui/edit_entry_widget.h"
#include "gui/edit_macros_widget.h"
#include "gui/enter_value_widget.h"
#include "gui/keypad_form.h"
#include "gui/speech_widgets.h"
#include "tape/recalculation.h"

namespace vor::test {
namespace {

// The operable controls without a name, as "role class objectName". Hidden
// controls are skipped, but closed menus are walked: their items are named
// before they open. A list's rows carry their own text and are not walked.
void collectUnnamed(QAccessibleInterface* node, QStringList& out) {
    using A = QAccessible;
    static const QSet<A::Role> operable = {
        A::PushButton, A::RadioButton, A::CheckBox,       A::EditableText, A::List,  A::ComboBox,
        A::MenuItem,   A::ButtonMenu,  A::ButtonDropDown, A::SpinBox,      A::Slider};
    if (node == nullptr || !node->isValid()) return;
    const A::Role role = node->role();
    const auto* action = qobject_cast<const QAction*>(node->object());
    if (action ? !action->isVisible() : node->state().invisible && role != A::PopupMenu) return;
    if (operable.contains(role) && node->text(A::Name).trimmed().isEmpty()) {
        const QObject* o = node->object();
        out << QStringLiteral("role %1 %2 %3")
                   .arg(int(role))
                   .arg(o ? QString::fromLatin1(o->metaObject()->className()) : QString())
                   .arg(o ? o->objectName() : QString());
    }
    if (role == A::List) return;
    for (int i = 0; i < node->childCount(); ++i) collectUnnamed(node->child(i), out);
}

std::string unnamed(QWidget& window) {
    window.show();
    QStringList out;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), out);
    return out.join(QStringLiteral("; ")).toStdString();
}

TEST_F(FrameTest, EveryControlOfTheWindowHasANameAndTheKeysSayWhatTheyDo) {
    EXPECT_EQ(unnamed(*frame), "");

    KeypadForm& form = frame->form();
    struct Case {
        int id;
        const char* name;
        const char* shortcut;  // part of the description
    } const keys[] = {
        {cmd::Total, "Total", "T"},
        {cmd::MemoryPlusEquals, "Memory Plus Equals", "PgDn"},
        {cmd::RightShift, "Backspace", "Backspace"},
        {cmd::Digit7, "Seven", "7"},
    };
    for (const Case& k : keys) {
        QAccessibleInterface* key = QAccessible::queryAccessibleInterface(form.key(k.id));
        ASSERT_NE(key, nullptr) << k.name;
        EXPECT_EQ(key->text(QAccessible::Name), QLatin1String(k.name));
        EXPECT_TRUE(key->text(QAccessible::Description).contains(QLatin1String(k.shortcut)))
            << k.name << ": " << key->text(QAccessible::Description).toStdString();
    }
    // The displays are read-only stops of the Tab chain.
    for (QLineEdit* led : {form.mainLed(), form.memoryLed()}) {
        EXPECT_TRUE(led->focusPolicy() & Qt::TabFocus);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(led)->state().readOnly);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.button(cmd::Precision2))
                  ->text(QAccessible::Name),
              QStringLiteral("Decimal precision 2"));

    // A tape row reads as its words, without the blanks that pad its columns.
    QTest::keyClicks(frame.get(), "12+");
    ASSERT_TRUE(settle());
    QListWidgetItem* row = form.tapeBox()->item(0);
    ASSERT_NE(row, nullptr);
    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(form.tapeBox());
    EXPECT_EQ(tape->text(QAccessible::Name), QStringLiteral("Tape"));
    ASSERT_GE(tape->childCount(), 1);
    EXPECT_EQ(tape->child(0)->text(QAccessible::Name), row->text().simplified());
}

TEST(AccessibleNames, EveryDialogNamesItsControls) {
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    RecordingLauncher launcher;
    NoSpeechEngine engine;
    CCommentDlg comment;
    CEditEntryDlg entry;
    CReplayStep step;
    step.m_keyId = cmd::Plus;
    step.m_valueText = "12";
    entry.initFromStep(step);
    CEditMacrosDlg macros(CMacroStore{}, messages);
    CEnterValueDlg value;
    value.m_prompt = "Hours:";
    CReadClipboardDlg clipboard(engine, messages);
    CSelectModeDlg mode(engine, messages);

    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.emplace_back(new CommentWidget(comment, messages));
    dialogs.emplace_back(new EditEntryWidget(entry, messages, [] {}));
    dialogs.emplace_back(new EditMacrosWidget(macros, [] {}));
    dialogs.emplace_back(new EnterValueWidget(value, messages));
    dialogs.emplace_back(new AboutDialog(launcher, messages));
    dialogs.emplace_back(new ReadClipboardWidget(clipboard));
    dialogs.emplace_back(new SelectModeWidget(mode, messages));
    for (const auto& dialog : dialogs)
        EXPECT_EQ(unnamed(*dialog), "") << dialog->windowTitle().toStdString();
}

}  // namespace
}  // namespace vor::test
