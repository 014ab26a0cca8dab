#pragma once

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

class QFontMetrics;

namespace vor {

class KeypadForm;

// `text` as it fits in `width` pixels: whole, or cut after the last word
// that fits, with an ellipsis; cut inside the first word only when not even
// that fits.
QString elideAtWord(const QString& text, const QFontMetrics& metrics, int width);

// The status bar's pane. A text wider than the pane (the key hints are long
// sentences) shows cut at a word with an ellipsis, and the whole of it is
// the pane's tool tip; its width never pushes the window wider.
class StatusPane : public QLabel {
    Q_OBJECT
   public:
    explicit StatusPane(const QString& text, QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QString fullText() const { return m_full; }

   protected:
    void resizeEvent(QResizeEvent* event) override;

   private:
    void fit();
    QString m_full;
    QString m_source;  // the text as it was set, before translation
    bool m_hasSource = false;
};

// Describes the key under the mouse pointer in the status bar. The hint
// table's rectangles belong to the classic layout, so a control is looked up
// by its own centre in dialog units (the rectangle it stood in there), and
// the space between controls by the pointer's own position.
class StatusHints : public QObject {
    Q_OBJECT
   public:
    StatusHints(KeypadForm& form, std::function<void(const QString&)> show);

    // Set while the middle keys are hidden by the menu command: the hints
    // would describe keys that are not there.
    void setSuppressed(bool suppressed) { m_suppressed = suppressed; }
    bool suppressed() const { return m_suppressed; }

    // The hint for a point of the form in pixels; nullopt outside the form's
    // product line rectangle (the status bar then keeps its text).
    std::optional<QString> hintAt(QPoint formPos) const;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    KeypadForm& m_form;
    std::function<void(const QString&)> m_show;
    bool m_suppressed = false;
};

}  // namespace vor
