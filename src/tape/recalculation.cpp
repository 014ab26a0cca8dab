#include "tape/recalculation.h"

#include <string>
#include <utility>

#include "core/command_ids.h"
#include "core/memory_form.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "core/tax_rate.h"
#include "core/vector_state.h"

namespace vor {
namespace {

// The calculator as the keys left it: the registers and the entry state
// that no snapshot keeps.
struct KeyedState {
    Registers registers;
    EntryState entry;

    bool operator==(const KeyedState&) const = default;
};

KeyedState keyedState(const CCalculator& calc) {
    return {calc.doc().registers(), calc.entryState()};
}

// The messages of a replay that runs out of sight.
class SilentMessages : public MessagePort {
   public:
    Answer show(const std::string&, Buttons, Icon) override { return Answer::Ok; }
};

// Whether a replay ended where the keyed tape had: the registers the lines
// themselves determine are those the last line's snapshot recorded. The
// entry, the LED text and the repeat value are left out, since keys that
// print nothing of them (a number typed before T, a negated entry before X)
// leave them in a snapshot without the tape recording them.
bool endsAsRecorded(const Registers& r, double lastLineValue, const CLineState& snapshot) {
    const Registers& s = snapshot.m_registers;
    return r.m_total == s.m_total && r.m_memory == s.m_memory && r.m_factor == s.m_factor &&
           r.m_product == s.m_product && r.m_itemCount == s.m_itemCount &&
           r.m_negCount == s.m_negCount && r.m_lastOp == s.m_lastOp &&
           r.m_grandTotal == s.m_grandTotal && lastLineValue == snapshot.m_lineValue;
}

// The tape as it was before a change, with the LED texts the keys had left
// when the change was made: where its replay ends tells whether the change
// moved the end.
struct TapeBefore {
    std::vector<CReplayStep> steps;
    std::string mainLed;
    std::string memoryLed;
};

// Replays the tape before a change on a calculator of its own that starts
// where `calc` stood (`start`), out of sight: no row, LED or message of it
// reaches the user.
KeyedState replayedEnd(CCalculator& calc, TapeBefore before, const KeyedState& start) {
    CVORDoc doc;
    doc.setRegisters(start.registers);
    CSettings settings = calc.settings();
    MemoryForm form;
    form.setLedTexts(before.mainLed, before.memoryLed);
    SilentMessages messages;
    CalculatorHooks hooks;
    CCalculator scratch(doc, settings, form, messages, hooks);
    scratch.setEntryState(start.entry);
    CRecalculator(scratch).replay(before.steps, false, -1);
    return keyedState(scratch);
}

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
        // The LED strings as the calculator holds them, in internal form: the
        // controls may still show the number style a toggle just replaced.
        m_before = keyedState(calc);
        const CVORDoc& doc = calc.doc();
        if (const CLineState* last = doc.state(doc.m_lineCount - 1)) {
            m_hasLastLine = true;
            m_lastLine = *last;
        }
    }
    ~ReplayScope() {
        const CVORDoc& doc = m_calc.doc();
        // The snapshot can agree with a changed tape where it does not look
        // (the LED, the last value, the repeat value): only a change that
        // leaves the replay's end where it was keeps what the keys left.
        if (m_hasLastLine && endsAsRecorded(doc.registers(), m_calc.m_lastLineValue, m_lastLine) &&
            !endMoved())
            keepKeyedState();
        else if (!m_before.registers.m_newEntry)
            keepEntry();
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

    // The tape before the change; replayed only when the snapshot would
    // otherwise be kept (a second replay is as long as the first).
    void setTapeBefore(TapeBefore before) { m_tapeBefore = std::move(before); }

   private:
    // Whether the change moved the end of the replay away from where the
    // tape before it ended.
    bool endMoved() {
        if (!m_tapeBefore) return false;
        const KeyedState end = replayedEnd(m_calc, std::move(*m_tapeBefore), m_before);
        m_tapeBefore.reset();
        return !(end == keyedState(m_calc));
    }
    // The replay ended where the keyed tape had, so the calculator goes back
    // to what the keys left: an entry, a %, MR or Neg waiting for its
    // operation key, the text T left in the Main LED. None of it is on the
    // tape, and a replay that dropped it would change what the next key does.
    void keepKeyedState() {
        CVORDoc& doc = m_calc.doc();
        Registers r = m_before.registers;
        r.m_precision = doc.m_precision;
        r.m_rounding = doc.m_rounding;
        r.m_rebuildTape = doc.m_rebuildTape;
        doc.setRegisters(r);
        EntryState entry = m_before.entry;
        entry.m_lastLineValue = m_calc.m_lastLineValue;
        m_calc.setEntryState(entry);
        m_calc.writeDisplays();
    }

    // The tape changed under the keys (an edit, a deleted line): a number
    // being typed is still the user's next entry; a replay that dropped it
    // would let the next + repeat an older value instead.
    void keepEntry() {
        CVORDoc& doc = m_calc.doc();
        doc.m_mainText = m_calc.m_mainLED = m_before.entry.m_mainLED;
        doc.m_newEntry = false;
        doc.m_decimalEntered = m_before.registers.m_decimalEntered;
        m_calc.m_hasPendingComment = m_before.entry.m_hasPendingComment;
        m_calc.m_pendingComment = m_before.entry.m_pendingComment;
        // Typing over a recalled value gives back the values of the new tape.
        m_calc.m_noteLastValue = doc.m_lastValue;
        m_calc.m_noteRepeatValue = doc.m_repeatValue;
        m_calc.m_noteNegatedRepeat = m_calc.m_negatedRepeat;
        m_calc.writeDisplays();
    }

    CCalculator& m_calc;
    bool m_readImmediate;
    bool m_recording;
    std::string m_status;
    KeyedState m_before;
    std::optional<TapeBefore> m_tapeBefore;
    bool m_hasLastLine = false;
    CLineState m_lastLine;
};

// Types a step's value into the entry as a whole value. Replayed values
// always carry a point, but one the user typed in the edit dialog may not
// ("5", "1234"), and Auto Decimal entry would take a single character for a
// digit key (0.05) while "12" is twelve.
void typeValue(CCalculator& calc, const std::string& text) {
    if (text.find('.') != std::string::npos)
        calc.enterDigits(text);
    else
        calc.enterDigits(text.empty() ? "0." : text + ".");
}

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
        if (line.m_comment.find(words::kPercentKey) != std::string::npos) {
            step.m_isPercent = true;
            line.m_isImmediate = true;
            const auto open = line.m_comment.find('(');
            const auto percent =
                open == std::string::npos ? std::string::npos : line.m_comment.find('%', open);
            if (percent != std::string::npos)
                step.m_valueText = line.m_comment.substr(open + 1, percent - open - 1);
        } else if (line.m_comment.find(words::kMemoryRecallKey) != std::string::npos) {
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
    run(editIndex, editor, std::nullopt);
}

void CRecalculator::recalculateChanged(std::vector<CReplayStep> before) {
    run(-1, nullptr, std::move(before));
}

void CRecalculator::putOffChanged(std::vector<CReplayStep> before) {
    // A change still waiting keeps its older tape: that is the one the keys
    // last worked on.
    if (!m_calc.m_recalcPending || !m_pendingBefore) m_pendingBefore = std::move(before);
    m_calc.m_recalcPending = true;
}

std::optional<std::vector<CReplayStep>> CRecalculator::pendingChange() const {
    if (!m_calc.m_recalcPending) return std::nullopt;
    return m_pendingBefore;
}

void CRecalculator::setPendingChange(std::optional<std::vector<CReplayStep>> before) {
    m_calc.m_recalcPending = before.has_value();
    m_pendingBefore = std::move(before);
}

void CRecalculator::run(int editIndex, StepEditor* editor,
                        std::optional<std::vector<CReplayStep>> before) {
    // A dialog or window built since the last replay may have left the
    // vector unit in its slow state; a replay is long enough to feel it.
    clearUpperVectorState();
    const bool wasPending = m_calc.m_recalcPending;
    std::optional<std::vector<CReplayStep>> pendingBefore = std::exchange(m_pendingBefore, {});
    // Only the replay that was waiting for it applies that change.
    if (wasPending && !before) before = pendingBefore;
    ReplayScope scope(m_calc);
    if (m_calc.doc().m_lineCount == 0) return;
    std::vector<CReplayStep> steps = buildSteps();
    bool convertedToMulDiv = false;
    if (editIndex != -1) {
        if (!before) before = steps;
        if (editor == nullptr || editIndex < 0 || editIndex >= static_cast<int>(steps.size()) - 1 ||
            !editor->editStep(steps, editIndex, convertedToMulDiv)) {
            // Nothing was replayed, so a recalculation that was waiting
            // still has to happen.
            m_calc.m_recalcPending = wasPending;
            if (wasPending) m_pendingBefore = std::move(pendingBefore);
            return;
        }
    }
    if (before && (convertedToMulDiv || *before != steps))
        scope.setTapeBefore(
            {std::move(*before), m_calc.form().mainLedText(), m_calc.form().memoryLedText()});
    replay(steps, convertedToMulDiv, editIndex);
}

void CRecalculator::replay(std::vector<CReplayStep>& steps, bool convertedToMulDiv, int editIndex) {
    const std::size_t n = steps.size() - 1;
    // A cleared calculator on an empty tape. The tape goes first and Clear
    // prints no line: on a full tape its "<clear>" line would be refused
    // with "TOO MANY LINES IN TAPE BOX" although nothing is lost.
    m_calc.clearTape();
    m_calc.clearCalculator();
    m_calc.clearMemory();
    // What the Clear line used to leave behind: no base for a % on the
    // first line, and no % or MR note waiting for it.
    m_calc.forgetEntryState();
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
    const bool negated = step.m_comment.ends_with(words::kNegatedMark);
    if (step.m_isPercent) {
        typeValue(m_calc, step.m_valueText);
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
        typeValue(m_calc, step.m_valueText);

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
            if (!step.m_isPercent && !step.m_isMemoryRecall) typeValue(m_calc, step.m_valueText);
            m_calc.onMarkUpDown();
            break;
        case cmd::TaxPlus:
        case cmd::TaxMinus:
            // The amount was typed (or given by % or MR, as for MUD) or is
            // the one the lines above left in the Main LED; the rate is the
            // one the tax line below names.
            if (step.m_isImmediate && !step.m_isPercent && !step.m_isMemoryRecall)
                typeValue(m_calc, step.m_valueText);
            m_calc.applyTax(step.m_keyId, noteTaxRate(next).value_or(m_calc.settings().taxRate),
                            step.m_comment);
            break;
        case cmd::GrandTotal:
            m_calc.onGrandTotal();
            // After X or ÷ the grand total stands in the entry as the
            // operand, as MR's value does: an = that took it unchanged finds
            // it there (with the grand total of this replay), and anything
            // else typed for it replaces it.
            if (!m_calc.doc().m_newEntry) {
                // The operand the keys took was the grand total as the LED
                // showed it.
                const std::string shown = exactText(
                    stringToDouble(doubleToString(stringToDouble(step.m_valueText), kFormatLed,
                                                  m_calc.doc().m_rounding, nullptr)));
                CReplayStep& after = steps[i + 1];
                if (after.m_valueText == shown)
                    after.m_isImmediate = false;
                else
                    m_calc.doc().m_newEntry = true;
            }
            break;
        default: break;
    }
}

}  // namespace vor
