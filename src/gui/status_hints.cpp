#include "gui/status_hints.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QMouseEvent>

#include "gui/keypad_form.h"
#include "gui/translation.h"
#include "shell/hint_table.h"

namespace vor {

QString elideAtWord(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QString ellipsis(QChar(0x2026));
    // The longest run of whole words that fits with the ellipsis after it.
    for (qsizetype end = text.lastIndexOf(QLatin1Char(' ')); end > 0;
         end = text.lastIndexOf(QLatin1Char(' '), end - 1)) {
        QString head = text.left(end);
        while (!head.isEmpty() && !head.back().isLetterOrNumber() &&
               head.back() != QLatin1Char(')'))
            head.chop(1);
        if (!head.isEmpty() && metrics.horizontalAdvance(head + ellipsis) <= width)
            return head + ellipsis;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

StatusPane::StatusPane(const QString& text, QWidget* parent) : QLabel(parent) {
    // The layout gives the pane the status bar's room; a long text must not
    // ask for more.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(1);
    setFullText(text);
}

void StatusPane::setFullText(const QString& text) {
    // Every mouse move over the keypad sets its hint again: a text already
    // shown costs nothing.
    if (m_hasSource && text == m_source) return;
    m_source = text;
    m_hasSource = true;
    // Hints and the status texts of the Qt-free layers arrive in English.
    m_full = translateMessage(text.toStdString());
    fit();
}

void StatusPane::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void StatusPane::fit() {
    const QString shown = elideAtWord(m_full, fontMetrics(), contentsRect().width());
    if (text() != shown) setText(shown);
    setToolTip(shown == m_full ? QString() : m_full);
}

StatusHints::StatusHints(KeypadForm& form, std::function<void(const QString&)> show)
    : QObject(&form), m_form(form), m_show(std::move(show)) {
    // Hints follow the pointer without a button held, so every control
    // reports plain moves; the filter hears them on their way in.
    m_form.setMouseTracking(true);
    m_form.installEventFilter(this);
    for (QWidget* w : m_form.findChildren<QWidget*>()) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

std::optional<QString> StatusHints::hintAt(QPoint formPos) const {
    QWidget* under = m_form.childAt(formPos);
    while (under != nullptr && under->parentWidget() != &m_form) under = under->parentWidget();
    // Over a control, its centre decides, so all of a key shows its hint
    // even where our key is a little larger than the classic one. Group
    // boxes enclose other things: there the pointer itself decides.
    QPointF point = formPos;
    if (under != nullptr && !qobject_cast<QGroupBox*>(under))
        point = QRectF(under->geometry()).center();
    const QPointF units = m_form.toDialogUnits(point);
    const auto text = hintForDialogPoint(units.x(), units.y());
    if (!text) return std::nullopt;
    return QString::fromStdString(*text);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && !m_suppressed && watched->isWidgetType()) {
        const auto* w = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        const QPoint pos = w->mapTo(&m_form, move->position().toPoint());
        if (const auto text = hintAt(pos)) m_show(*text);
    }
    return false;
}

}  // namespace vor
