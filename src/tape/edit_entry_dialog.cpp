#include "tape/edit_entry_dialog.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/command_ids.h"
#include "core/number_reader.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "core/text_codec.h"

namespace vor {
namespace {

struct KeyLabel {
    std::string_view label;
    int keyId;
};

// Every key a line can be switched to, in the order a blank comment line
// offers them; the shorter lists are runs of the same order.
constexpr std::array<KeyLabel, 12> kKeys{{{"+", cmd::Plus},
                                          {"-", cmd::Minus},
                                          {"M+=", cmd::MemoryPlusEquals},
                                          {"M-=", cmd::MemoryMinusEquals},
                                          {"=", cmd::Equals},
                                          {"X", cmd::Multiply},
                                          {"/", cmd::Divide},
                                          {"Sub", cmd::SubTotal},
                                          {"Ttl", cmd::Total},
                                          {"MST", cmd::MemorySubTotal},
                                          {"MT", cmd::MemoryTotal},
                                          {"MUD", cmd::MarkUpDown}}};

// Each row maps back to its key by its label, so the one table serves
// every list the dialog can show.
int keyIdOf(const std::string& label) {
    for (const KeyLabel& k : kKeys)
        if (k.label == label) return k.keyId;
    return 0;
}

std::string stripLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

bool isMemoryRecall(std::string_view text) {
    return text.size() == 2 && (text[0] == 'M' || text[0] == 'm') &&
           (text[1] == 'R' || text[1] == 'r');
}

}  // namespace

void CEditEntryDlg::initFromStep(const CReplayStep& step, bool european) {
    m_european = european;
    m_valueText = step.m_isMemoryRecall ? "MR" : stripLeadingBlanks(step.m_valueText);
    // Only a number has a decimal mark to show in the other style; "MR" and
    // the blank comment line's text have none.
    if (m_european) m_valueText = europeanExchange(m_valueText);
    m_comment = step.m_comment;
    m_isPercent = step.m_isPercent ? 1 : 0;
    m_initialPercent = m_isPercent;
    m_keyId = step.m_keyId;
    m_afterMulDiv = step.m_afterMulDiv;
    m_wasMemoryRecall = step.m_isMemoryRecall;
    m_convertedToMulDiv = false;
    m_refusedControl = 0;

    // A line may only become a key that replays from the same kind of
    // entry: X and / swap with each other, the adding keys among
    // themselves, and = only where a product is pending to be closed.
    std::size_t first = 0, count = 0;
    m_keySelection = -1;
    switch (m_keyId) {
        case cmd::CommentLine: count = kKeys.size(); break;
        case cmd::Multiply:
        case cmd::Divide: first = 5, count = 2; break;
        case cmd::Plus:
        case cmd::Minus:
        case cmd::MemoryPlusEquals:
        case cmd::MemoryMinusEquals: count = m_afterMulDiv ? 5 : 4; break;
        case cmd::Equals: count = 5; break;
        default: break;
    }
    m_keyList.clear();
    for (std::size_t i = first; i < first + count; ++i) {
        m_keyList.emplace_back(kKeys[i].label);
        if (kKeys[i].keyId == m_keyId) m_keySelection = static_cast<int>(i - first);
    }
    // A blank comment line is offered as a + line first.
    if (m_keyId == cmd::CommentLine) m_keySelection = 0;
}

std::string CEditEntryDlg::onOK() {
    if (characterCount(m_comment) > kMaxComment) {
        m_refusedControl = kCommentControl;
        return "Please enter no more than 45 characters.";
    }
    if (characterCount(m_valueText) > kMaxValue) {
        m_refusedControl = kValueControl;
        return "Please enter no more than 40 characters.";
    }
    const bool commentLine = m_valueText.find(words::kComment) != std::string::npos;
    std::optional<std::string> value;
    if (!commentLine) {
        std::string typed = m_valueText;
        std::erase(typed, '%');
        value = readValue(typed);
        if (!value) {
            m_refusedControl = kValueControl;
            return "The value \"" + m_valueText + "\" is not a number.  Type a number such as " +
                   (m_european ? "1.234,50" : "1,234.50") + " (with % for a percentage) or MR.";
        }
    }
    m_refusedControl = 0;

    const int lineKeyId = m_keyId;
    if (m_keySelection >= 0 && m_keySelection < static_cast<int>(m_keyList.size())) {
        if (const int chosen = keyIdOf(m_keyList[static_cast<std::size_t>(m_keySelection)]))
            m_keyId = chosen;
        if (lineKeyId == cmd::CommentLine && (m_keyId == cmd::Multiply || m_keyId == cmd::Divide))
            m_convertedToMulDiv = true;
    }
    if (commentLine) {
        m_keyId = cmd::CommentLine;
        m_valueText = words::kCommentLine;
        // It stays a comment line, so no product is opened that the next
        // adding key would have to close with a line of its own.
        m_convertedToMulDiv = false;
    }
    m_isPercent = m_isPercent != 0 ? 1 : 0;
    if (m_valueText.find('%') != std::string::npos) m_isPercent = 1;
    if (value) m_valueText = *value;
    // The old comment of a percent line names the percentage and its base,
    // which no longer apply once the line is (or stops being) a percentage.
    if (m_isPercent != m_initialPercent) m_comment = " ";
    return {};
}

std::optional<std::string> CEditEntryDlg::readValue(const std::string& typed) const {
    const std::string_view text = trimBlanks(typed);
    // An emptied field is zero, as it always was.
    if (text.empty()) return std::string();
    if (isMemoryRecall(text)) return std::string(text);
    // The number the user means, in the form the replay types: what the
    // field cannot hold as a number is never turned into another one.
    if (const std::optional<ReadNumber> number = readNumber(text, m_european))
        return number->plain();
    return std::nullopt;
}

}  // namespace vor
