#include "tape/comment_dialog.h"

#include <algorithm>

#include "core/text_codec.h"

namespace vor {
namespace {

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The list looks entries up the way a combo box does, ignoring the case of
// the letters; only ASCII letters are folded, so every other byte must
// match as it is and a match covers the same number of bytes on both sides.
bool startsWithIgnoringCase(const std::string& entry, const std::string& prefix) {
    if (entry.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), entry.begin(),
                      [](char a, char b) { return foldCase(a) == foldCase(b); });
}

std::string historyName(int index) {
    return "Comment" + std::to_string(index);
}

}  // namespace

void CCommentDlg::open() {
    m_armed = true;
    m_lastLength = 0;
    m_historyListedAtOpen = !listEntries().empty();
}

std::vector<std::string> CCommentDlg::listEntries() const {
    std::vector<std::string> list;
    for (const std::string& entry : m_history)
        if (!entry.empty()) list.push_back(entry);
    return list;
}

std::optional<CCommentDlg::Completion> CCommentDlg::onTextChanged(const std::string& text) {
    m_commentText = text;
    if (!m_autoAppend) return std::nullopt;

    const int length = static_cast<int>(characterCount(text));
    // A change that did not make the text longer was a deletion or a
    // replacement: completing now would put back what the user just took
    // away, so the next matching change only re-arms completion.
    if (length <= m_lastLength) {
        m_armed = false;
        m_lastLength = length;
    }
    const std::vector<std::string> list = listEntries();
    const auto match = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
        return startsWithIgnoringCase(entry, text);
    });
    if (match == list.end()) return std::nullopt;
    if (!m_armed) {
        m_armed = true;
        return std::nullopt;
    }
    // The lookup ignores case but completion does not: an entry that differs
    // in case would silently rewrite what the user typed.
    if (match->compare(0, text.size(), text) != 0) return std::nullopt;
    m_commentText = *match;
    m_lastLength = length;
    return Completion{*match, length};
}

void CCommentDlg::clearHistory() {
    m_armed = true;
    m_lastLength = 0;
    m_history.fill(std::string());
    // Emptying the list empties the box's text with it.
    m_commentText.clear();
}

std::string CCommentDlg::onOK() {
    if (characterCount(m_commentText) > kMaxComment) return kTooLong;

    // The list is what the history becomes: its entries in order, the rest
    // free slots.
    std::array<std::string, kHistorySize> history;
    const std::vector<std::string> list = listEntries();
    std::copy_n(list.begin(), std::min<std::size_t>(list.size(), kHistorySize), history.begin());

    // A comment used before keeps its place, so reusing a favourite never
    // pushes the others out.
    if (std::find(history.begin(), history.end(), m_commentText) == history.end()) {
        std::move_backward(history.begin(), history.end() - 1, history.end());
        history[0] = m_commentText;
    }
    m_history = std::move(history);
    return {};
}

// Only the entries the history keeps, each no longer than a comment can
// be: a damaged or hand-edited profile may hold thousands of huge ones, and
// every one of them would go through the list, the completion and the
// write-back of each OK.
void CCommentDlg::readHistory(ProfilePort& profile) {
    for (int i = 0; i < kHistorySize; ++i)
        m_history[static_cast<std::size_t>(i)] = firstCharacters(
            profile.getString(kCommentHistorySection, historyName(i), ""), kMaxComment);
}

void CCommentDlg::writeHistory(ProfilePort& profile) const {
    for (int i = 0; i < kHistorySize; ++i)
        profile.writeString(kCommentHistorySection, historyName(i),
                            m_history[static_cast<std::size_t>(i)]);
}

}  // namespace vor
