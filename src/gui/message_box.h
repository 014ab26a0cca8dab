#pragma once

#include "core/ports.h"

class QPixmap;
class QWidget;

namespace vor {

// The message box icon for `icon`, sharp at `box`'s device pixel ratio.
QPixmap messageIcon(Icon icon, const QWidget& box);

// Message boxes as QMessageBox: caption "VOR", the information or warning
// icon, and the buttons the caller asks for.
class QtMessagePort : public MessagePort {
   public:
    explicit QtMessagePort(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer show(const std::string& text, Buttons buttons, Icon icon) override;

   private:
    QWidget* m_parent;
};

}  // namespace vor
