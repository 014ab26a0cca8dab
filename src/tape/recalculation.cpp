#include "tape/recalculation.h"

#include "core/command_ids.h"
#include "core/number_text.h"

namespace vor {
namespace {

// Everything a replay switches off for its duration, put back in one place
// whichever way the replay ends.
class ReplayScope {
   public:
    explicit ReplayScope(CCalculator& calc)
        : m_calc(calc),
          m_readImmediate(calc.settings().readImmediate),
          m_recording(calc.m_macroRecording) {
        calc.m_recalcPending = false;
        // Replayed lines are not spoken, and a replay started while a macro
        // is being recorded must run the keys instead of recording them.
        calc.settings().readImmediate = false;
        calc.m_macroRecording = false;
        FormPort& form = calc.form();
        form.setWaitCursor(true);
        m_status = form.statusText();
        form.setStatusText(kRecalcStatus);
        form.setRedraw(false);
        form.setEnabled(false);
        // A number being typed when the replay starts is still the user's
        // next entry afterwards: a replay that dropped it would let the next
        // + repeat an older value instead.
        calc.readDisplays();
        CVORDoc& doc = calc.doc();
        m_typing = !doc.m_newEntry;
        m_entry = calc.m_mainLED;
        m_decimalEntered = doc.m_decimalEntered;
        m_hasPendingComment = calc.m_hasPendingComment;
        m_pendingComment = calc.m_pendingComment;
    }
    ~ReplayScope() {
        if (m_typing) {
            CVORDoc& doc = m_calc.doc();
            doc.m_mainText = m_calc.m_mainLED = m_entry;
            doc.m_newEntry = false;
            doc.m_decimalEntered = m_decimalEntered;
            m_calc.m_hasPendingComment = m_hasPendingComment;
            m_calc.m_pendingComment = m_pendingComment;
            m_calc.writeDisplays();
        }
        FormPort& form = m_calc.form();
        form.setRedraw(true);
        form.setEnabled(true);
        form.setStatusText(m_status);
        m_calc.settings().readImmediate = m_readImmediate;
        m_calc.m_macroRecording = m_recording;
        form.setWaitCursor(false);
    }
    ReplayScope(const ReplayScope&) = delete;
    ReplayScope& operator=(const ReplayScope&) = delete;

   private:
    CCalculator& m_calc;
    bool m_readImmediate;
    bool m_recording;
    std::string m_status;
    bool m_typing = false;
    std::string m_entry;
    bool m_decimalEntered = false;
    bool m_hasPendingComment = false;
    std::string m_pendingComment;
};

// The keys whose typed value is entered again before they are replayed.
bool takesValue(int keyId) {
    return keyId == cmd::Multiply || keyId == cmd::Divide || keyId == cmd::Equals ||
           keyId == cmd::Plus || keyId == cmd::Minus || keyId == cmd::MemoryPlusEquals ||
           keyId == cmd::MemoryMinusEquals;
}

}  // namespace

std::vector<CReplayStep> CRecalculator::buildSteps() {
    CVORDoc& doc = m_calc.doc();
    std::vector<CReplayStep> steps;
    steps.reserve(static_cast<std::size_t>(doc.m_lineCount) + 1);
    bool afterMulDiv = false;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        CTapeLine& line = *doc.line(i);
        CReplayStep step;
        step.m_keyId = line.m_keyId;
        step.m_afterMulDiv = afterMulDiv;
        // Values come from the stored number, never from the line's text, so
        // a new precision or number style applies to them; and every digit
        // of it, so that a value typed with more decimals than the LEDs show
        // gives the same results again.
        step.m_valueText = line.m_keyId == cmd::CommentLine ? line.m_text : exactText(line.m_value);
        if (line.m_comment.find("<% key>") != std::string::npos) {
            step.m_isPercent = true;
            line.m_isImmediate = true;
            const auto open = line.m_comment.find('(');
            const auto percent =
                open == std::string::npos ? std::string::npos : line.m_comment.find('%', open);
            if (percent != std::string::npos)
                step.m_valueText = line.m_comment.substr(open + 1, percent - open - 1);
        } else if (line.m_comment.find("<MR") != std::string::npos) {
            step.m_isMemoryRecall = true;
            line.m_isImmediate = true;
            step.m_valueText = doc.m_memoryText;
        }
        step.m_comment = line.m_comment;
        step.m_isImmediate = line.m_isImmediate;
        if (line.m_keyId == cmd::Multiply || line.m_keyId == cmd::Divide)
            afterMulDiv = true;
        else if (line.m_keyId != 0 && line.m_keyId != cmd::CommentLine)
            afterMulDiv = false;
        steps.push_back(std::move(step));
    }
    CReplayStep closing;
    closing.m_comment.clear();
    steps.push_back(std::move(closing));
    return steps;
}

void CRecalculator::recalculate(int editIndex, StepEditor* editor) {
    ReplayScope scope(m_calc);
    if (m_calc.doc().m_lineCount == 0) return;
    std::vector<CReplayStep> steps = buildSteps();
    bool convertedToMulDiv = false;
    if (editIndex != -1) {
        if (editor == nullptr || editIndex < 0 || editIndex >= static_cast<int>(steps.size()) - 1 ||
            !editor->editStep(steps, editIndex, convertedToMulDiv))
            return;
    }
    replay(steps, convertedToMulDiv, editIndex);
}

void CRecalculator::replay(std::vector<CReplayStep>& steps, bool convertedToMulDiv, int editIndex) {
    const std::size_t n = steps.size() - 1;
    m_calc.onClear();
    m_calc.clearTape();
    m_calc.clearMemory();
    if (!m_calc.form().reserveRows(static_cast<int>(n)))
        m_calc.messages().show(
            "Low Memory Warning:  Tape Box memory pre-allocation failed.  The system might not "
            "have enough memory to fill the tape box.");
    for (std::size_t i = 0; i < n; ++i) replayStep(steps, i, convertedToMulDiv, editIndex);
    if (editIndex != -1) m_calc.form().selectRow(editIndex);
}

void CRecalculator::replayStep(std::vector<CReplayStep>& steps, std::size_t i,
                               bool& convertedToMulDiv, int editIndex) {
    CReplayStep& step = steps[i];
    const bool negated = step.m_comment.ends_with(kNegatedMark);
    if (step.m_isPercent) {
        m_calc.enterDigits(step.m_valueText);
        m_calc.onPercent();
        if (negated) m_calc.negateEntry(true);
        step.m_isImmediate = false;
    }
    if (step.m_isMemoryRecall) {
        m_calc.onMemoryRecall();
        if (negated) m_calc.negateEntry(true);
        step.m_valueText = m_calc.doc().m_memoryText;
    }
    // Memory Recall has already put the value in the entry; typing it a
    // second time would append it to the recalled text.
    if (step.m_isImmediate && !step.m_isMemoryRecall && takesValue(step.m_keyId))
        m_calc.enterDigits(step.m_valueText);

    const std::string& next = steps[i + 1].m_comment;
    switch (step.m_keyId) {
        case cmd::CommentLine:
            if (m_calc.appendLine(step.m_valueText, step.m_comment, 0.0)) {
                CTapeLine* line = m_calc.doc().lastLine();
                line->m_keyId = cmd::CommentLine;
                line->m_isImmediate = true;
            }
            break;
        case cmd::Clear: m_calc.onClear(); break;
        case cmd::Multiply: m_calc.performOperation(op::Multiplication, step.m_comment, " "); break;
        case cmd::Divide: m_calc.performOperation(op::Division, step.m_comment, " "); break;
        case cmd::Equals:
            // The result line below an = line gets its own stored comment back.
            m_calc.performOperation(op::Equals, step.m_comment, next);
            break;
        case cmd::Plus:
        case cmd::Minus:
        case cmd::MemoryPlusEquals:
        case cmd::MemoryMinusEquals: {
            std::string second = next;
            if (convertedToMulDiv && static_cast<int>(i) > editIndex) {
                second.clear();
                convertedToMulDiv = false;
            }
            m_calc.performOperation(CCalculator::operationCode(step.m_keyId), step.m_comment,
                                    second);
            break;
        }
        case cmd::Total:
        case cmd::SubTotal:
        case cmd::MemoryTotal:
        case cmd::MemorySubTotal:
            m_calc.performOperation(CCalculator::operationCode(step.m_keyId), step.m_comment, " ");
            break;
        case cmd::MarkUpDown:
            // After % or MR the rate already stands in the entry with its
            // pending comment; typing the stored text would replace both.
            if (!step.m_isPercent && !step.m_isMemoryRecall) m_calc.enterDigits(step.m_valueText);
            m_calc.onMarkUpDown();
            break;
        default: break;
    }
}

}  // namespace vor
