#pragma once

#include <deque>
#include <optional>
#include <string>

#include "core/ports.h"

namespace vor {

// Batch mode fills dialogs from the key list: COMMENT= and EDIT= queue the
// answer for the dialog their command opens; a dialog without an answer is
// cancelled. A refusal of the dialog itself (a comment too long) is shown
// like any message and the dialog counts as cancelled.
class ScriptedDialogs : public DialogPort {
   public:
    struct Fill {
        std::string value;
        std::string key;  // EDIT only: the label to choose in the key list
    };
    explicit ScriptedDialogs(MessagePort& messages) : m_messages(messages) {}
    void queue(Fill fill) { m_fill = std::move(fill); }
    // Answers for Enter a Value, in the order the prompts come; nothing
    // stands for OK on the preset default.
    void queueValue(std::optional<std::string> value) { m_values.push_back(std::move(value)); }
    // An answer no dialog asked for does not wait for the next one.
    void drop() {
        m_fill.reset();
        m_values.clear();
    }

    bool run(CEditEntryDlg& dialog) override;
    bool run(CCommentDlg& dialog) override;
    bool run(CEnterValueDlg& dialog) override;
    // The key list has no answers for these.
    bool run(CEditMacrosDlg&) override { return false; }
    bool run(CReadClipboardDlg&) override { return false; }
    bool run(CSelectModeDlg&) override { return false; }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }

   private:
    // The queued answer, taken: one answer fills one dialog.
    std::optional<Fill> takeFill();
    // OK when the dialog took its answer, else its refusal shown.
    bool accepted(const std::string& refusal);

    MessagePort& m_messages;
    std::optional<Fill> m_fill;
    std::deque<std::optional<std::string>> m_values;
};

}  // namespace vor
