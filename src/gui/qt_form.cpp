#include "gui/qt_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "gui/keypad_form.h"
#include "gui/status_hints.h"

namespace vor {
namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

// A tape row is padded with blanks into columns for the eye; a screen
// reader gets the same words without the runs of blanks it would pause on
// or spell out. That text is made when asked for, not stored with each
// row: a replay refills every row and would pay for it a thousand times.
class TapeRow : public QListWidgetItem {
   public:
    explicit TapeRow(const QString& text) : QListWidgetItem(text) {}

    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole) return text().simplified();
        return QListWidgetItem::data(role);
    }
};

QListWidgetItem* newRow(const std::string& row) {
    return new TapeRow(qt(row));
}

}  // namespace

QtFormPort::QtFormPort(KeypadForm& form) : m_form(form) {}

QtFormPort::~QtFormPort() {
    while (!m_waitCursors.empty()) setWaitCursor(false);
}

std::string QtFormPort::mainLedText() const {
    if (m_deferredLeds) return m_deferredMain;
    return m_form.mainLed()->text().toStdString();
}

std::string QtFormPort::memoryLedText() const {
    if (m_deferredLeds) return m_deferredMemory;
    return m_form.memoryLed()->text().toStdString();
}

void QtFormPort::setLedTexts(const std::string& main, const std::string& memory) {
    if (!m_redraw) {
        // Laying out and shaping the LED text is the costliest thing a key
        // does on screen; while drawing is off only the last texts count.
        m_deferredLeds = true;
        m_deferredMain = main;
        m_deferredMemory = memory;
        return;
    }
    showLeds(main, memory);
}

void QtFormPort::showLeds(const std::string& main, const std::string& memory) {
    const QString mainText = qt(main);
    const QString memoryText = qt(memory);
    if (m_form.mainLed()->text() != mainText) m_form.mainLed()->setText(mainText);
    if (m_form.memoryLed()->text() != memoryText) m_form.memoryLed()->setText(memoryText);
}

void QtFormPort::addRow(const std::string& row) {
    m_form.tapeBox()->addItem(newRow(row));
}

void QtFormPort::insertRow(int index, const std::string& row) {
    flushSelection();
    QListWidget* tape = m_form.tapeBox();
    // An index outside the list appends, as a list box does; Qt would put a
    // negative one at the top.
    if (index < 0 || index > tape->count()) index = tape->count();
    tape->insertItem(index, newRow(row));
}

void QtFormPort::deleteRow(int index) {
    flushSelection();
    QListWidget* tape = m_form.tapeBox();
    if (index < 0 || index >= tape->count()) return;
    // Deleting the selected row leaves nothing selected, as a list box
    // does; Qt would otherwise carry the selection to a neighbour.
    const bool wasSelected = selectedRow() == index;
    delete tape->takeItem(index);
    if (wasSelected) tape->clearSelection();
}

void QtFormPort::replaceRow(int index, const std::string& row) {
    if (QListWidgetItem* item = m_form.tapeBox()->item(index)) item->setText(qt(row));
}

void QtFormPort::resetRows() {
    m_deferredSelection = -1;
    m_form.tapeBox()->clear();
}

int QtFormPort::rowCount() const {
    return m_form.tapeBox()->count();
}

std::string QtFormPort::rowText(int index) const {
    const QListWidgetItem* item = m_form.tapeBox()->item(index);
    return item ? item->text().toStdString() : std::string();
}

int QtFormPort::selectedRow() const {
    if (m_deferredSelection >= 0) return m_deferredSelection;
    const QList<QListWidgetItem*> items = m_form.tapeBox()->selectedItems();
    return items.isEmpty() ? -1 : m_form.tapeBox()->row(items.front());
}

bool QtFormPort::selectRow(int index) {
    if (index < 0 || index >= m_form.tapeBox()->count()) return false;
    if (m_redraw)
        applySelection(index);
    else
        m_deferredSelection = index;
    return true;
}

void QtFormPort::applySelection(int index) {
    QListWidget* tape = m_form.tapeBox();
    tape->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    tape->scrollToItem(tape->item(index));
}

void QtFormPort::flushSelection() {
    if (m_deferredSelection < 0) return;
    const int index = m_deferredSelection;
    m_deferredSelection = -1;
    if (index < m_form.tapeBox()->count()) applySelection(index);
}

// QListWidget grows on demand; there is nothing to reserve.
bool QtFormPort::reserveRows(int) {
    return true;
}

void QtFormPort::setChecked(int controlId, bool checked) {
    QAbstractButton* b = m_form.button(controlId);
    if (b == nullptr) return;
    // An exclusive group refuses to uncheck its checked button, but the
    // calculator clears every button before checking one, and an unknown
    // precision code must leave none checked.
    QButtonGroup* group = b->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive && !checked) group->setExclusive(false);
    b->setChecked(checked);
    if (exclusive && !checked) group->setExclusive(true);
}

void QtFormPort::setKeyCaption(int keyId, const std::string& caption) {
    if (QPushButton* k = m_form.key(keyId)) {
        k->setText(qt(caption));
        k->setShortcut(QKeySequence());  // mnemonics stay the window's business
    }
}

void QtFormPort::setKeyPressed(int keyId, bool pressed) {
    if (QPushButton* k = m_form.key(keyId)) k->setDown(pressed);
}

void QtFormPort::setRedraw(bool on) {
    m_redraw = on;
    if (on) {
        flushSelection();
        if (m_deferredLeds) {
            m_deferredLeds = false;
            showLeds(m_deferredMain, m_deferredMemory);
        }
    }
    // Only the tape box stops drawing: it is what a replay or a macro
    // changes row by row. Turning drawing off for the whole form would make
    // turning it back on repaint every key and frame of the window, which
    // costs more than the tape box itself; the other widgets paint their own
    // changes at the next frame anyway, as nothing is drawn before the
    // command returns to the event loop.
    // The rows' area, not the box: its frame would repaint the group box
    // behind it too.
    m_form.tapeBox()->viewport()->setUpdatesEnabled(on);
}

void QtFormPort::setEnabled(bool on) {
    if (on) {
        if (m_pendingDisable) m_pendingDisable->stop();
        m_form.setEnabled(true);
        return;
    }
    if (!m_pendingDisable) {
        m_pendingDisable = std::make_unique<QTimer>();
        m_pendingDisable->setSingleShot(true);
        m_pendingDisable->setInterval(0);
        QObject::connect(m_pendingDisable.get(), &QTimer::timeout,
                         [this] { m_form.setEnabled(false); });
    }
    if (m_form.isEnabled()) m_pendingDisable->start();
}

void QtFormPort::setWaitCursor(bool on) {
    if (on) {
        const bool shown = onScreen();
        if (shown) QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursors.push_back(shown);
    } else if (!m_waitCursors.empty()) {
        if (m_waitCursors.back()) QApplication::restoreOverrideCursor();
        m_waitCursors.pop_back();
    }
}

bool QtFormPort::onScreen() const {
    return m_form.hasBeenPainted();
}

std::string QtFormPort::statusText() const {
    return m_pane ? m_pane->fullText().toStdString() : std::string();
}

void QtFormPort::setStatusText(const std::string& text) {
    if (m_pane == nullptr) return;
    m_pane->setFullText(qt(text));
    // A please-wait text is set just before a long command runs without
    // returning to the event loop: paint it now or it is never seen.
    if (onScreen()) m_pane->repaint();
}

void QtFormPort::setTitle(const std::string& title) {
    m_form.window()->setWindowTitle(qt(title));
}

}  // namespace vor
