// Where the form's controls go: the dialog-unit template, the middle-keys
// layout, the LED arrangement and the resize rule.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "gui/keypad_form.h"

namespace vor {
namespace {

// Rounds half away from zero like the platform's MulDiv, so a unit edge
// lands on the same pixel the classic form put it on.
int mulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// Below the tape box and the enclosing group box the form keeps these
// margins (pixels) whatever its height.
constexpr int kTapeBottomMargin = 30;
constexpr int kGroupBottomMargin = 25;
constexpr int kTapeGap = 5;

// Exclusive bottom edge, as the layout rules count it.
int bottomEdge(const QRect& r) {
    return r.y() + r.height();
}

}  // namespace

QRect KeypadForm::fromDialogUnits(int x, int y, int w, int h) const {
    // Each edge is converted on its own, so neighbouring keys keep equal
    // gaps instead of accumulating rounding.
    const int left = mulDiv(x, m_unitX, 4), right = mulDiv(x + w, m_unitX, 4);
    const int top = mulDiv(y, m_unitY, 8), bottom = mulDiv(y + h, m_unitY, 8);
    return {left, top, right - left, bottom - top};
}

QPointF KeypadForm::toDialogUnits(QPointF pixels) const {
    return {pixels.x() * 4.0 / m_unitX, pixels.y() * 8.0 / m_unitY};
}

QSize KeypadForm::templateSize() const {
    return fromDialogUnits(0, 0, 319, 217).size();
}

void KeypadForm::placeAll() {
    for (auto it = m_dialogRects.cbegin(); it != m_dialogRects.cend(); ++it) {
        QWidget* w = control(it.key());
        const QRect& d = it.value();
        QRect r = fromDialogUnits(d.x(), d.y(), d.width(), d.height());
        // An 8-unit radio button or check box can be a pixel or two smaller
        // than the style's indicator: grow it around the same centre rather
        // than clip the circle.
        if (qobject_cast<QAbstractButton*>(w) && !qobject_cast<QPushButton*>(w)) {
            const QSize s = r.size().expandedTo(w->sizeHint());
            r = QRect(QPoint(0, 0), s);
            r.moveCenter(fromDialogUnits(d.x(), d.y(), d.width(), d.height()).center());
        }
        w->setGeometry(r);
    }
    m_tapeReference = m_tape->geometry();
}

bool KeypadForm::captureTapeReference() {
    m_tapeReference = m_tape->geometry();
    return m_tapeReference.isValid();
}

void KeypadForm::applyMiddleKeys(bool shown) {
    for (const KeyDesc& k : keypad())
        if (QWidget* w = control(k.id)) w->setVisible(shown);
    for (int id : {formid::PrecisionBox, formid::RoundingBox, formid::PrecisionLabel,
                   formid::RoundingLabel, formid::AutoDecimalLabel, cmd::AutoDecimalCheck})
        control(id)->setVisible(shown);
    for (QButtonGroup* g : {m_precision, m_rounding})
        for (QAbstractButton* b : g->buttons()) b->setVisible(shown);

    QRect tape = shown ? m_tapeReference : m_tape->geometry();
    if (shown) {
        // Under the lowest row of keys (the tax keys' row, below the
        // selectors).
        const QRect& d = m_dialogRects[cmd::TaxPlus];
        tape.setTop(bottomEdge(fromDialogUnits(d.x(), d.y(), d.width(), d.height())) + kTapeGap);
    } else {
        tape.setTop(bottomEdge(m_mainLed->geometry()) + kTapeGap);
    }
    m_tape->setGeometry(tape);
    fitToSize(size());
}

void KeypadForm::applyLedArrangement(bool swapped) {
    QWidget* mainLabel = control(formid::MainLabel);
    QWidget* memoryLabel = control(formid::MemoryLabel);
    const int main = mainLabel->x(), mem = memoryLabel->x();
    // Swapped puts the Main LED on the left; applying twice changes nothing.
    if ((swapped && main > mem) || (!swapped && main < mem)) {
        const QRect labelRect = mainLabel->geometry();
        mainLabel->setGeometry(memoryLabel->geometry());
        memoryLabel->setGeometry(labelRect);
        const QRect ledRect = m_mainLed->geometry();
        m_mainLed->setGeometry(m_memoryLed->geometry());
        m_memoryLed->setGeometry(ledRect);
    }
}

void KeypadForm::fitToSize(QSize formSize) {
    // Only the tape box and the enclosing frame follow the window: down to
    // the fixed bottom margins, and across with the right margins they have
    // in the template, so a wider window gives the tape's comments room
    // instead of an empty strip. The keypad stays where it is.
    const int templateWidth = templateSize().width();
    auto rightMargin = [this, templateWidth](int id) {
        const QRect& d = m_dialogRects[id];
        const QRect r = fromDialogUnits(d.x(), d.y(), d.width(), d.height());
        return templateWidth - (r.x() + r.width());
    };
    const int width = qMax(formSize.width(), templateWidth);
    QRect tape = m_tape->geometry();
    tape.setBottom(formSize.height() - kTapeBottomMargin - 1);
    tape.setRight(width - rightMargin(cmd::TapeBox) - 1);
    m_tape->setGeometry(tape);
    QRect frame = m_frameBox->geometry();
    frame.setBottom(formSize.height() - kGroupBottomMargin - 1);
    frame.setRight(width - rightMargin(cmd::GroupBox) - 1);
    m_frameBox->setGeometry(frame);
}

void KeypadForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitToSize(event->size());
}

}  // namespace vor
