#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vor {

// Where the comment history lives in the profile: "Comments"/"Comment0" is
// the most recent entry.
inline constexpr const char* kCommentHistorySection = "Comments";

// The Add a Comment dialog: the comment being typed, the history it can be
// completed from, and what OK and Clear History do. The window shows it with
// a widget of its own; tests drive it directly.
class CCommentDlg {
   public:
    static constexpr int kMaxComment = 45, kHistorySize = 30;
    static constexpr const char* kTooLong = "Please enter no more than 45 characters.";

    std::array<std::string, kHistorySize> m_history;  // entry 0 the most recent
    std::string m_commentText;
    bool m_autoAppend = true;
    int m_lastLength = 0;  // length of the text at the last completion
    bool m_armed = true;   // completion may act on the next change

    // The dialog is being shown: completion starts afresh, and whether the
    // Clear History button is offered is settled for as long as it is open.
    void open();

    // The drop-down list: non-empty history entries in order.
    std::vector<std::string> listEntries() const;
    // Only when at least one entry was listed at open.
    bool showClearHistory() const { return m_historyListedAtOpen; }

    // Completion on each change of the text (only while m_autoAppend): the
    // completed text and the position (in characters) from which it is
    // selected, or nothing. The text becomes m_commentText either way.
    struct Completion {
        std::string text;
        int selectFrom;
    };
    std::optional<Completion> onTextChanged(const std::string& text);

    void clearHistory();

    // OK: "" when accepted, with the history reordered; otherwise the
    // message to show while the dialog stays open.
    std::string onOK();

    void readHistory(ProfilePort& profile);
    void writeHistory(ProfilePort& profile) const;

   private:
    bool m_historyListedAtOpen = false;
};

}  // namespace vor
