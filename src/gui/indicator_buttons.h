#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace vor {

// The selectors' radio buttons and the Auto Decimal box, drawn at the size
// of the classic form's 8-unit cells in the palette's own contrasting
// colours: the ring in the window's text colour, the face in the base
// colour, the dot and the check in the text colour. A style's indicator at
// that size, on a dark palette, all but disappears into the window.
class IndicatorRadio : public QRadioButton {
    Q_OBJECT
   public:
    IndicatorRadio(int indicator, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

   private:
    int m_indicator;
};

class IndicatorCheck : public QCheckBox {
    Q_OBJECT
   public:
    IndicatorCheck(int indicator, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

   private:
    int m_indicator;
};

}  // namespace vor
