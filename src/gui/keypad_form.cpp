#include "gui/keypad_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/selector_buttons.h"
#include "gui/form_fonts.h"
#include "gui/indicator_buttons.h"
#include "gui/translation.h"
#include "shell/hint_table.h"
#include "shell/keyboard_table.h"

namespace vor {
namespace {

using namespace formid;

// One key of a shortcut list in the user's language: the keypad's keys from
// the translations, the others in Qt's own words for them ("Umschalt+Eingabe").
QString shortcutKeyText(const std::string& key) {
    const QString text = uiText(key);
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence.toString(QKeySequence::PortableText) != text) return text;
    return sequence.toString(QKeySequence::NativeText);
}

// The keys that reach a control, said after its name by a screen reader.
QString shortcutsDescription(int id, bool remapKeypad) {
    const std::vector<std::string> keys = keyShortcuts(id, remapKeypad);
    if (keys.empty()) return {};
    if (keys.size() == 1) return Tr::tr("Shortcut: %1").arg(shortcutKeyText(keys.front()));
    QStringList first;
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) first << shortcutKeyText(keys[i]);
    return Tr::tr("Shortcuts: %1 or %2")
        .arg(first.join(QStringLiteral(", ")), shortcutKeyText(keys.back()));
}

}  // namespace

KeypadForm::KeypadForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("form"));
    const QFont font = formFont();
    setFont(font);
    const QFontMetrics fm(font);
    m_unitX = qMax(1, fm.averageCharWidth());
    m_unitY = qMax(1, fm.height());
    buildControls();
    applyStyle();
    placeAll();
}

int KeypadForm::indicatorSize() const {
    // The selectors' indicators fit the 8-unit cells they stand in, so they
    // line up under "F 0 1 2 3 4 5".
    return qMax(7, fromDialogUnits(0, 0, 8, 8).width() - 5);
}

void KeypadForm::applyStyle() {
    // The classic look at the classic sizes: group box frames run through
    // the middle of their captions. The frame line is drawn halfway between
    // the window and its text colour, so it shows on a light palette and a
    // dark one alike.
    const QColor window = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor line = QColor::fromRgbF(0.55f * window.redF() + 0.45f * text.redF(),
                                         0.55f * window.greenF() + 0.45f * text.greenF(),
                                         0.55f * window.blueF() + 0.45f * text.blueF());
    // Setting the style sheet may itself raise a palette change.
    if (line == m_frameLine) return;
    m_frameLine = line;
    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid %3; border-radius: 2px;"
                                 " margin-top: %1px; }"
                                 "QGroupBox::title { subcontrol-origin: margin;"
                                 " subcontrol-position: top left; left: %2px; padding: 0 1px; }"
                                 "QGroupBox#frameBox::title { subcontrol-position: top center;"
                                 " left: 0; }")
                      .arg(m_unitY / 2)
                      .arg(m_unitX / 2)
                      .arg(line.name()));
}

void KeypadForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A new palette (the desktop switched to a dark theme) needs a frame
    // line of its own.
    if (event->type() == QEvent::PaletteChange) applyStyle();
}

void KeypadForm::paintEvent(QPaintEvent* event) {
    if (!m_painted)
        QMetaObject::invokeMethod(this, &KeypadForm::firstPainted, Qt::QueuedConnection);
    m_painted = true;
    QWidget::paintEvent(event);
}

QAbstractButton* KeypadForm::button(int id) const {
    return qobject_cast<QAbstractButton*>(control(id));
}

QPushButton* KeypadForm::key(int id) const {
    return qobject_cast<QPushButton*>(control(id));
}

int KeypadForm::mnemonicKey(QChar letter) const {
    for (const KeyDesc& k : keypad()) {
        QPushButton* b = key(k.id);
        if (b == nullptr || !b->isVisible() || !b->isEnabled()) continue;
        const QString text = b->text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&')) continue;
            if (text[i + 1] == QLatin1Char('&')) {  // "&&" is a literal ampersand
                ++i;
                continue;
            }
            if (text[i + 1].toUpper() == letter.toUpper()) return k.id;
            break;
        }
    }
    return 0;
}

QPushButton* KeypadForm::addKey(const KeyDesc& k) {
    const int id = k.id;
    auto* b = new QPushButton(QString::fromUtf8(k.caption), this);
    b->setObjectName(QStringLiteral("key%1").arg(id));
    // Read aloud, "M-=" or "->" means nothing: a screen reader says what the
    // key does, and its keyboard shortcuts as the description.
    b->setAccessibleName(uiText(k.name));
    // The window handles mnemonics itself (keypad first, then the menu bar),
    // so the button must not grab Alt+letter as a competing shortcut.
    b->setShortcut(QKeySequence());
    // Clicking a key must not steal the focus from the tape box; Tab still
    // reaches the keys.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, id] {
        if (m_onCommand) m_onCommand(id);
    });
    m_controls.insert(id, b);
    return b;
}

QMenu* KeypadForm::createLedMenu(QLineEdit* led) {
    // The LED right-aligns its figure with blanks; pasted elsewhere they
    // would only be in the way.
    auto* menu = new QMenu(led);
    QAction* copy = menu->addAction(Tr::tr("&Copy"), led, [led] {
        const QString text = led->hasSelectedText() ? led->selectedText() : led->text();
        QGuiApplication::clipboard()->setText(text.trimmed());
    });
    copy->setEnabled(!led->text().trimmed().isEmpty());
    menu->addAction(Tr::tr("Select &All"), led, [led] {
        const QString text = led->text();
        qsizetype start = 0;
        while (start < text.size() && text[start].isSpace()) ++start;
        led->setSelection(static_cast<int>(start), static_cast<int>(text.trimmed().size()));
    });
    return menu;
}

QLabel* KeypadForm::addLabel(int id, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("label%1").arg(id));
    m_controls.insert(id, label);
    return label;
}

void KeypadForm::applyShortcutDescriptions(bool remapKeypad) {
    // Called on every refresh of the keys: only a changed setting rewrites
    // the texts.
    if (m_describedRemap == int(remapKeypad)) return;
    m_describedRemap = int(remapKeypad);
    for (const KeyDesc& k : keypad()) {
        if (QPushButton* b = key(k.id))
            b->setAccessibleDescription(shortcutsDescription(k.id, remapKeypad));
    }
    if (QWidget* check = control(cmd::AutoDecimalCheck))
        check->setAccessibleDescription(shortcutsDescription(cmd::AutoDecimalCheck, remapKeypad));
}

void KeypadForm::buildControls() {
    // Creation order is stacking order: the group boxes first, under
    // everything they enclose.
    m_frameBox = new QGroupBox(
        QString::fromLatin1(kProductName) + QStringLiteral(" - ") + uiText(kProductTagline), this);
    m_frameBox->setObjectName(QStringLiteral("frameBox"));
    m_frameBox->setAlignment(Qt::AlignHCenter);
    m_controls.insert(cmd::GroupBox, m_frameBox);
    auto* precisionBox = new QGroupBox(Tr::tr("Decimal Precision"), this);
    m_controls.insert(PrecisionBox, precisionBox);
    auto* roundingBox = new QGroupBox(Tr::tr("Rounding"), this);
    m_controls.insert(RoundingBox, roundingBox);

    addLabel(MemoryLabel, Tr::tr("Memory LED:"));
    addLabel(MainLabel, Tr::tr("Main LED:"));
    for (int id : {cmd::MemoryLED, cmd::MainLED}) {
        auto* led = new QLineEdit(this);
        led->setObjectName(id == cmd::MainLED ? QStringLiteral("mainLed")
                                              : QStringLiteral("memoryLed"));
        led->setAccessibleName(id == cmd::MainLED ? Tr::tr("Main display")
                                                  : Tr::tr("Memory display"));
        led->setReadOnly(true);
        led->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        led->setFont(ledFont());
        // Displays, not inputs: a click (a right click for their copy menu
        // included) must not move the keyboard away from the tape box or
        // draw a focus frame around a field nobody can type in. Tab still
        // stops on them, so a screen reader user can have them read out.
        led->setFocusPolicy(Qt::TabFocus);
        // A calculator display whatever the desktop theme: pale face, dark
        // figures.
        QPalette face = led->palette();
        face.setColor(QPalette::Base, QColor(0xee, 0xf2, 0xe4));
        face.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
        led->setPalette(face);
        led->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(led, &QLineEdit::customContextMenuRequested, this, [this, led](QPoint at) {
            QMenu* menu = createLedMenu(led);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(led->mapToGlobal(at));
        });
        m_controls.insert(id, led);
        (id == cmd::MainLED ? m_mainLed : m_memoryLed) = led;
    }

    for (const KeyDesc& k : keypad())
        if (k.w > 0) addKey(k);

    addLabel(AutoDecimalLabel, QStringLiteral("A"));
    addLabel(PrecisionLabel, QStringLiteral("F 0 1 2 3 4 5"));
    addLabel(RoundingLabel, Tr::tr("Up Off Down"));

    auto* autoDecimal = new IndicatorCheck(indicatorSize(), this);
    autoDecimal->setObjectName(QStringLiteral("autoDecimal"));
    autoDecimal->setFocusPolicy(Qt::TabFocus);
    autoDecimal->setAccessibleName(uiText(kAutoDecimalSpoken));
    connect(autoDecimal, &QCheckBox::clicked, this, [this] {
        if (m_onCommand) m_onCommand(cmd::AutoDecimalCheck);
    });
    m_controls.insert(cmd::AutoDecimalCheck, autoDecimal);

    // Each selector is one exclusive group so a click moves the check the
    // usual way; the calculator then confirms or corrects it. From the
    // keyboard it is one stop for Tab, its checked button, where the left
    // and right arrows move the check: the group clicks the button it moves
    // to, so the command (and its question) is the one a click runs.
    auto addRadios = [this](QButtonGroup*& group, const auto& radios) {
        group = new QButtonGroup(this);
        for (const SelectorButton& s : radios) {
            auto* r = new IndicatorRadio(indicatorSize(), this);
            r->setObjectName(QStringLiteral("radio%1").arg(s.id));
            r->setAccessibleName(uiText(s.spoken));
            r->setFocusPolicy(Qt::NoFocus);
            connect(r, &QRadioButton::toggled, r,
                    [r](bool checked) { r->setFocusPolicy(checked ? Qt::TabFocus : Qt::NoFocus); });
            group->addButton(r, s.id);
            m_controls.insert(s.id, r);
        }
        connect(group, &QButtonGroup::idClicked, this, [this](int id) {
            if (m_onCommand) m_onCommand(id);
        });
    };
    addRadios(m_precision, precisionButtons());
    addRadios(m_rounding, roundingButtons());

    m_tape = new QListWidget(this);
    m_tape->setObjectName(QStringLiteral("tapeBox"));
    m_tape->setAccessibleName(Tr::tr("Tape"));
    m_tape->setFont(tapeFont());
    // Every row is one line of the same fixed-pitch font: uniform heights
    // keep a 1000-line replay fast, and the columns the core pads with
    // spaces line up.
    m_tape->setUniformItemSizes(true);
    m_tape->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tape->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_tape->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_tape->setFocusPolicy(Qt::StrongFocus);
    // Giving the form the keyboard (after a menu, say) gives it to the tape
    // box, where the selection keys work.
    setFocusProxy(m_tape);
    // The paper roll: cream paper, black print, in any theme.
    QPalette paper = m_tape->palette();
    paper.setColor(QPalette::Base, QColor(0xff, 0xfe, 0xf5));
    paper.setColor(QPalette::Text, Qt::black);
    m_tape->setPalette(paper);
    m_controls.insert(cmd::TapeBox, m_tape);
    applyShortcutDescriptions(false);

    // Template rectangles in dialog units.
    m_dialogRects.insert(cmd::GroupBox, {2, 2, 313, 213});
    m_dialogRects.insert(MemoryLabel, {9, 11, 45, 8});
    m_dialogRects.insert(MainLabel, {169, 11, 45, 8});
    m_dialogRects.insert(cmd::MemoryLED, {8, 19, 143, 18});
    m_dialogRects.insert(cmd::MainLED, {168, 19, 143, 18});
    for (const KeyDesc& k : keypad())
        if (k.w > 0) m_dialogRects.insert(k.id, {k.x, k.y, k.w, k.h});
    m_dialogRects.insert(PrecisionBox, {7, 70, 77, 24});
    m_dialogRects.insert(AutoDecimalLabel, {13, 77, 8, 8});
    m_dialogRects.insert(PrecisionLabel, {26, 77, 53, 8});
    m_dialogRects.insert(cmd::AutoDecimalCheck, {12, 85, 8, 8});
    for (const SelectorButton& s : precisionButtons()) m_dialogRects.insert(s.id, {s.x, 85, 8, 8});
    m_dialogRects.insert(RoundingBox, {94, 70, 50, 24});
    m_dialogRects.insert(RoundingLabel, {98, 77, 45, 8});
    for (const SelectorButton& s : roundingButtons()) m_dialogRects.insert(s.id, {s.x, 85, 8, 8});
    m_dialogRects.insert(cmd::TapeBox, {4, 110, 308, 104});
}

}  // namespace vor
