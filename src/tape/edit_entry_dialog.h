#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tape/recalculation.h"

namespace vor {

// The Edit Tape Box Entry dialog: the value, comment, percentage and key of
// one replay step. The widget shows these fields, writes the user's input
// back into them and calls onOK(); nothing here knows about windows.
class CEditEntryDlg {
   public:
    static constexpr int kMaxValue = 40, kMaxComment = 45;
    // Control ids of the two edit fields, so a refusal can name the field
    // that must change.
    static constexpr int kValueControl = 1089, kCommentControl = 1077;
    static constexpr const char* kCaption = "Edit Tape Box Entry";
    static constexpr const char* kHelpPage = "dialogs.html";

    std::string m_valueText;
    std::string m_comment;
    int m_isPercent = 0;
    int m_initialPercent = 0;
    int m_keyId = 0;
    bool m_afterMulDiv = false;
    bool m_wasMemoryRecall = false;
    bool m_convertedToMulDiv = false;
    std::vector<std::string> m_keyList;  // "Function Button:" strings
    int m_keySelection = -1;             // selected row, -1 none
    // The field the last refused OK objected to (a control id above), 0
    // after an accepted OK.
    int m_refusedControl = 0;
    // The value is shown and read in the number style the user sees.
    bool m_european = false;

    // Fills the fields and the key list from a replay step.
    void initFromStep(const CReplayStep& step, bool european = false);
    // Accepts the input ("") or returns the message to show while the
    // dialog stays open. A refusal changes no field. An accepted value is
    // left as the replay types it: a number in internal form ("-1234.5"),
    // "MR", the blank comment line's text, or nothing (zero).
    std::string onOK();

   private:
    // The value to store, or nothing when it is no number and no "MR".
    std::optional<std::string> readValue(const std::string& typed) const;
};

}  // namespace vor
