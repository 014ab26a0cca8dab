#pragma once

#include <QApplication>

namespace vor {

// A long command (macro playback, a recalculation) may have set the wait
// cursor; a message or dialog it opens needs the normal one while it waits
// for the user.
class NormalCursorWhileModal {
   public:
    NormalCursorWhileModal() : m_waiting(QApplication::overrideCursor() != nullptr) {
        if (m_waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorWhileModal() {
        if (m_waiting) QApplication::restoreOverrideCursor();
    }
    NormalCursorWhileModal(const NormalCursorWhileModal&) = delete;
    NormalCursorWhileModal& operator=(const NormalCursorWhileModal&) = delete;

   private:
    bool m_waiting;
};

}  // namespace vor
