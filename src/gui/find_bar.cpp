#include "gui/find_bar.h"

#include <QAccessible>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "gui/translation.h"

namespace vor {

FindBar::FindBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("findBar"));
    setWindowTitle(Tr::tr("Find in Tape"));
    setMovable(false);
    setFloatable(false);
    // The bar has its own Close: the main window's toolbar menu must not
    // offer to hide or show it.
    toggleViewAction()->setVisible(false);

    auto* label = new QLabel(Tr::tr("Find:"), this);
    m_field = new QLineEdit(this);
    m_field->setAccessibleName(Tr::tr("Find in tape"));
    m_field->setPlaceholderText(Tr::tr("Figure, key or comment"));
    m_field->setClearButtonEnabled(true);
    m_field->setMaximumWidth(220);
    label->setBuddy(m_field);
    m_field->installEventFilter(this);
    addWidget(label);
    addWidget(m_field);

    QAction* previous = addAction(Tr::tr("Previous"), this, [this] { emit findRequested(false); });
    previous->setToolTip(Tr::tr("Find the previous line (Shift+F3)"));
    QAction* next = addAction(Tr::tr("Next"), this, [this] { emit findRequested(true); });
    next->setToolTip(Tr::tr("Find the next line (F3 or Enter)"));

    m_outcome = new QLabel(this);
    m_outcome->setAccessibleName(Tr::tr("Find result"));
    m_outcome->setContentsMargins(8, 0, 8, 0);
    addWidget(m_outcome);

    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    QAction* close = addAction(Tr::tr("Close"), this, [this] { emit closeRequested(); });
    close->setToolTip(Tr::tr("Close the find bar (Esc)"));
}

void FindBar::open() {
    show();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

QString FindBar::query() const {
    return m_field->text();
}

void FindBar::setOutcome(const QString& text) {
    m_outcome->setText(text);
    // A screen reader hears the outcome although the focus stays in the
    // field.
    QAccessibleValueChangeEvent changed(m_outcome, text);
    QAccessible::updateAccessibility(&changed);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: emit findRequested(!shift); return true;
            case Qt::Key_F3: emit findRequested(!shift); return true;
            case Qt::Key_Escape: emit closeRequested(); return true;
            default: break;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

}  // namespace vor
