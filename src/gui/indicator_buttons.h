#pragma once

#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>

namespace vor {

// The selectors' radio buttons and the Auto Decimal box, drawn at the size
// of the classic form's 8-unit cells in the palette's own contrasting
// colours: the ring in the window's text colour, the face in the base
// colour, the dot and the check in the text colour. A style's indicator at
// that size, on a dark palette, all but disappears into the window.
//
// No Q_OBJECT: they add no signal or property, so the template needs none.
void paintIndicator(QPainter& p, const QRadioButton& button, int indicator);
void paintIndicator(QPainter& p, const QCheckBox& button, int indicator);

template <class Button>
class Indicator : public Button {
   public:
    Indicator(int indicator, QWidget* parent) : Button(parent), m_indicator(indicator) {}
    QSize sizeHint() const override { return {m_indicator + 3, m_indicator + 3}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintIndicator(p, *this, m_indicator);
    }
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

   private:
    int m_indicator;
};

using IndicatorRadio = Indicator<QRadioButton>;
using IndicatorCheck = Indicator<QCheckBox>;

}  // namespace vor
