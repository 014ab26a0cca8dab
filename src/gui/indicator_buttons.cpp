#include "gui/indicator_buttons.h"

#include <QPainter>
#include <QPainterPath>

namespace vor {
namespace {

// The colours of one state: what is pressed is tinted towards the
// highlight, a disabled button takes the palette's disabled colours.
struct IndicatorColours {
    QColor ring, face, mark;
};

IndicatorColours coloursOf(const QAbstractButton& b) {
    const QPalette& pal = b.palette();
    const QPalette::ColorGroup group = !b.isEnabled()       ? QPalette::Disabled
                                       : b.isActiveWindow() ? QPalette::Active
                                                            : QPalette::Inactive;
    IndicatorColours c{pal.color(group, QPalette::WindowText), pal.color(group, QPalette::Base),
                       pal.color(group, QPalette::Text)};
    if (b.isDown()) {
        const QColor h = pal.color(group, QPalette::Highlight);
        c.face = QColor::fromRgbF(0.7f * c.face.redF() + 0.3f * h.redF(),
                                  0.7f * c.face.greenF() + 0.3f * h.greenF(),
                                  0.7f * c.face.blueF() + 0.3f * h.blueF());
    }
    return c;
}

// The indicator's square, centred, on half pixels so a 1-pixel line is
// sharp.
QRectF indicatorRect(const QWidget& w, int indicator) {
    const int x = (w.width() - indicator) / 2;
    const int y = (w.height() - indicator) / 2;
    return {x + 0.5, y + 0.5, indicator - 1.0, indicator - 1.0};
}

void drawFocus(QPainter& p, const QAbstractButton& b, const QRectF& r, bool round) {
    if (!b.hasFocus()) return;
    p.setPen(QPen(b.palette().color(QPalette::Highlight), 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = r.adjusted(-1.5, -1.5, 1.5, 1.5);
    if (round)
        p.drawEllipse(ring);
    else
        p.drawRect(ring);
}

}  // namespace

void paintIndicator(QPainter& p, const QRadioButton& button, int indicator) {
    p.setRenderHint(QPainter::Antialiasing);
    const IndicatorColours c = coloursOf(button);
    const QRectF r = indicatorRect(button, indicator);
    p.setPen(QPen(c.ring, 1));
    p.setBrush(c.face);
    p.drawEllipse(r);
    if (button.isChecked()) {
        const qreal inset = r.width() * 0.28;
        p.setPen(Qt::NoPen);
        p.setBrush(c.mark);
        p.drawEllipse(r.adjusted(inset, inset, -inset, -inset));
    }
    drawFocus(p, button, r, true);
}

void paintIndicator(QPainter& p, const QCheckBox& button, int indicator) {
    const IndicatorColours c = coloursOf(button);
    const QRectF r = indicatorRect(button, indicator);
    p.setPen(QPen(c.ring, 1));
    p.setBrush(c.face);
    p.drawRect(r);
    if (button.isChecked()) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tick;
        tick.moveTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.52);
        tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.75);
        tick.lineTo(r.left() + r.width() * 0.8, r.top() + r.height() * 0.25);
        p.setPen(
            QPen(c.mark, qMax(1.5, r.width() / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    drawFocus(p, button, r, false);
}

}  // namespace vor
