#pragma once

#include <QHash>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace vor {

struct KeyDesc;

// Ids of the form's labels and group boxes, which take no commands.
namespace formid {
inline constexpr int MemoryLabel = 1150;
inline constexpr int MainLabel = 1151;
inline constexpr int PrecisionBox = 1140;
inline constexpr int PrecisionLabel = 1141;
inline constexpr int AutoDecimalLabel = 1145;
inline constexpr int RoundingBox = 1142;
inline constexpr int RoundingLabel = 1143;
}  // namespace formid

// The face of the adding machine: the two LEDs, the keypad, the precision
// and rounding selectors and the tape box, placed at the dialog-unit
// positions of the classic form and converted with the form font, so the
// keypad keeps its proportions whatever font and scale the desktop uses.
// Every click becomes a command id handed to the command handler.
class KeypadForm : public QWidget {
    Q_OBJECT
   public:
    explicit KeypadForm(QWidget* parent = nullptr);

    void setCommandHandler(std::function<void(int)> handler) { m_onCommand = std::move(handler); }

    // Any control of the form by its command/control id (nullptr if none).
    QWidget* control(int id) const { return m_controls.value(id, nullptr); }
    QAbstractButton* button(int id) const;
    QPushButton* key(int id) const;
    QLineEdit* mainLed() const { return m_mainLed; }
    QLineEdit* memoryLed() const { return m_memoryLed; }
    QListWidget* tapeBox() const { return m_tape; }

    // The right-click menu of an LED: Copy puts the figure (or the selected
    // part of it) on the clipboard without the blanks that right-align it;
    // Select All selects the figure alone. The caller owns the menu.
    QMenu* createLedMenu(QLineEdit* led);

    // Id of the visible key whose caption has `letter` as its mnemonic, 0
    // when none: Alt+letter clicks it before the menu bar sees the letter.
    int mnemonicKey(QChar letter) const;

    // ---- layout (form_layout.cpp) ----
    // The form's size in pixels at its template size.
    QSize templateSize() const;
    // Dialog units to pixels with the form font, and back.
    QRect fromDialogUnits(int x, int y, int w, int h) const;
    QPointF toDialogUnits(QPointF pixels) const;

    // The keys' accessible descriptions name their keyboard shortcuts,
    // which the ReMap Keypad setting changes.
    void applyShortcutDescriptions(bool remapKeypad);

    void applyMiddleKeys(bool shown);
    void applyLedArrangement(bool swapped);
    // The tape box's reference placement, taken at each initial update;
    // false when the tape box has no usable placement.
    bool captureTapeReference();

    // Whether the form has been drawn at least once: until then nothing of
    // a please-wait signal could be seen.
    bool hasBeenPainted() const { return m_painted; }

   signals:
    // The form was drawn for the first time; emitted once the paint pass
    // that drew it is over, so whatever listens runs after the window is
    // on screen, not inside its first frame.
    void firstPainted();

   public:
    QSize sizeHint() const override { return templateSize(); }
    QSize minimumSizeHint() const override { return templateSize(); }

   protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

   private:
    void buildControls();
    void applyStyle();
    int indicatorSize() const;
    QPushButton* addKey(const KeyDesc& k);
    QLabel* addLabel(int id, const QString& text);
    void place(int id, int x, int y, int w, int h);
    void placeAll();
    void fitToSize(QSize formSize);

    std::function<void(int)> m_onCommand;
    QHash<int, QWidget*> m_controls;
    QHash<int, QRect> m_dialogRects;  // template rectangles in dialog units
    QButtonGroup* m_precision = nullptr;
    QButtonGroup* m_rounding = nullptr;
    QGroupBox* m_frameBox = nullptr;
    QLineEdit* m_mainLed = nullptr;
    QLineEdit* m_memoryLed = nullptr;
    QListWidget* m_tape = nullptr;
    QRect m_tapeReference;
    int m_describedRemap = -1;  // the setting the descriptions name, -1 none yet
    QColor m_frameLine;         // the group boxes' line, as last applied
    int m_unitX = 6;            // average character width of the form font
    int m_unitY = 13;           // character height of the form font
    bool m_painted = false;
};

}  // namespace vor
