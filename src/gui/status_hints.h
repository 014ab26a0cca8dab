#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

namespace vor {

class KeypadForm;

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
