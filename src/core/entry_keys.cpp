// The keys that build the entry in the Main LED: digits, 00, the decimal
// point, Right Shift, Negate, and the two clearing keys.
#include <string_view>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"

namespace vor {
namespace {

void removeCommas(std::string& text) {
    std::erase(text, ',');
}

}  // namespace

void CCalculator::enterDigits(const std::string& text) {
    std::string& entry = m_doc.m_mainText;
    // A full LED takes no more digits, as a full edit control takes no more
    // typing; a digit needs room for itself and a comma. Checked first:
    // each key on an entry that long costs the most.
    if (!m_doc.m_newEntry && text.size() == 1 && entry.size() + 2 > kMostLedCharacters) return;
    readDisplays();
    if (m_doc.m_newEntry) {
        entry = zeroText();
        m_mainLED = entry;
        writeDisplays();
    }
    // Near the limit the entry is kept, to go back to if the text would not
    // fit (with a comma for every third digit and a point).
    std::string before;
    if (entry.size() + 2 * text.size() + 2 > kMostLedCharacters) before = entry;
    if (m_settings.autoDecimal) {
        if (text.size() > 1) {
            entry = text;
        } else {
            // Each digit enters at the right and shifts the others one place
            // left through the point: 0.05 + 7 -> 0.57.
            entry += text;
            const std::string r = entry.size() >= 3 ? entry.substr(entry.size() - 3) : entry;
            entry.erase(entry.size() >= 4 ? entry.size() - 4 : 0);
            if (r.size() == 3) entry += std::string(1, r[0]) + "." + r.substr(1);
            if (!entry.empty() && entry.front() == '0') entry.erase(0, 1);
        }
    } else {
        // A whole value text (from a replay or a macro) comes in LED format:
        // its leading blanks and its closing point are not part of the entry.
        std::string typed = text;
        if (typed.size() > 1) typed.erase(0, typed.find_first_not_of(' '));
        if (m_doc.m_decimalEntered) {
            entry += typed;
        } else if (!entry.empty() && entry.back() == '.') {
            entry.pop_back();
            if (entry == "0") entry.clear();
            entry += typed;
            if (typed.size() == 1 || typed.find('.') == std::string::npos) entry += '.';
        } else {
            entry += typed;
        }
    }
    addThousandsSeparators(entry);
    if (entry.size() > kMostLedCharacters) {
        entry = std::move(before);
        return;
    }
    m_mainLED = entry;
    m_doc.m_newEntry = false;
    // Typing cancels a waiting % or MR: the entry is the user's own number.
    dropNote();
    writeDisplays();
}

void CCalculator::onDigit(char digit) {
    if (digit < '0' || digit > '9') return;
    if (recording(cmd::kDigitKeys[digit - '0'])) return;
    enterDigits(std::string(1, digit));
}

void CCalculator::onDoubleZero() {
    if (m_hooks.inContextHelpMode()) {
        m_messages.show("Help Context Mode");
        m_hooks.leaveContextHelpMode();
        m_hooks.winHelp(helpId(cmd::DoubleZero), 0);
    }
    if (recording(cmd::DoubleZero)) return;
    enterDigits("0");
    enterDigits("0");
}

void CCalculator::onDecimalPoint() {
    if (recording(cmd::DecimalPoint)) return;
    if (!m_settings.autoDecimal) {
        m_doc.m_decimalEntered = true;
        return;
    }
    if (!m_hooks.activeMacroPlaying()) {
        if (m_messages.show("In auto decimal mode, the decimal button is ignored.  Would you like "
                            "to switch off auto decimal mode now?",
                            Buttons::YesNo) == Answer::Yes) {
            toggleAutoDecimal();
            m_messages.show(
                "You must re-enter this entire entry line since you switched out of "
                "Auto Decimal Mode in the middle of the entry.",
                Buttons::Ok, Icon::Information);
        }
        return;
    }
    m_messages.show(
        "In auto decimal mode, the decimal button is ignored.  This will probably cause "
        "your macro to give unexpected and possibly innacurate results!  It is highly "
        "recommended that you switch off auto decimal mode and re-run your macro.");
}

void CCalculator::onRightShift() {
    if (recording(cmd::RightShift)) return;
    readDisplays();
    std::string& t = m_doc.m_mainText;
    t = m_mainLED;
    const std::size_t n = t.size();
    if (!m_settings.autoDecimal) {
        if (n > 2 && t.back() == '.') {
            t.erase(n - 2, 1);
            m_doc.m_decimalEntered = false;
        } else if (n > 2) {
            t.pop_back();
        } else if (n == 2) {
            t.erase(0, 1);
        }
    } else if (n == 4) {
        t.erase(3, 1);
        t.erase(1, 1);
        t.insert(0, "0.");
    } else if (n > 4) {
        t.pop_back();
        t.erase(t.size() - 2, 1);
        t.insert(t.end() - 2, '.');
    }
    removeCommas(t);
    addThousandsSeparators(t);
    m_mainLED = t;
    // An edited entry is the user's own number, as with a typed digit: the
    // waiting % or MR comment no longer describes it, and a replay must
    // type it rather than recompute the % or recall the memory.
    dropNote();
    writeDisplays();
}

void CCalculator::onNegate() {
    if (recording(cmd::Negate)) return;
    negateEntry(false);
}

bool CCalculator::negateEntry(bool quiet) {
    readDisplays();
    m_doc.m_mainText = m_mainLED;
    const double n = -stringToDouble(m_doc.m_mainText);
    if (n == 0.0) {
        if (!quiet) m_messages.show("Enter a value first, then use the Negate key.");
        return false;
    }
    m_doc.m_repeatValue = n;
    m_doc.m_mainText = format(n, kFormatLed);
    m_mainLED = m_doc.m_mainText;
    m_negatedRepeat = true;
    // A negated % or MR value keeps its comment, marked, so that a replay
    // negates the recalled value again instead of dropping the sign.
    if (m_hasPendingComment) {
        if (m_pendingComment.ends_with(words::kNegatedMark))
            m_pendingComment.erase(m_pendingComment.size() - words::kNegatedMark.size());
        else
            m_pendingComment += words::kNegatedMark;
    }
    writeDisplays();
    return true;
}

void CCalculator::onClear() {
    if (recording(cmd::Clear)) return;
    settlePendingRecalc();
    clearCalculator();
    if (appendLine(std::string(words::kClearLine), " ", 0.0)) setLastLineFlags(cmd::Clear, false);
}

void CCalculator::clearCalculator() {
    m_doc.m_mainText = zeroText();
    m_mainLED = m_doc.m_mainText;
    m_doc.m_total = 0.0;
    m_doc.m_product = 0.0;
    m_doc.m_lastValue = 0.0;
    m_doc.m_repeatValue = 0.0;
    m_doc.m_decimalEntered = false;
    m_doc.m_newEntry = false;
    m_doc.m_itemCount = 0;
    m_doc.m_negCount = 0;
    m_doc.m_lastOp = 0;
    m_negatedRepeat = false;
    writeDisplays();
}

void CCalculator::onClearAll() {
    if (recording(cmd::ClearAll)) return;
    if (m_settings.showClearAllWarning &&
        m_messages.show("This will clear all contents from the tape box.  This operation can not "
                        "be undone.  Continue?",
                        Buttons::YesNo) != Answer::Yes)
        return;
    onClear();
    clearTape();
    clearMemory();
}

}  // namespace vor
