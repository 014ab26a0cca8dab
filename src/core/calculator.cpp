#include "core/calculator.h"

#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"

namespace vor {

CCalculator::CCalculator(CVORDoc& doc, CSettings& settings, FormPort& form, MessagePort& messages,
                         CalculatorHooks& hooks)
    : m_doc(doc), m_settings(settings), m_form(form), m_messages(messages), m_hooks(hooks) {}

std::string intText(long long value) {
    return std::to_string(value);
}

std::string CCalculator::format(double value, int code) {
    if (code != kFormatLed) return doubleToString(value, code, m_doc.m_rounding, &m_messages);
    for (std::size_t i = 0; i < m_ledTexts.size(); ++i) {
        if (m_ledTexts[i] && m_ledTexts[i]->value == value) {
            m_lastLedText = i;
            return m_ledTexts[i]->text;
        }
    }
    std::string text = doubleToString(value, code, m_doc.m_rounding, &m_messages);
    // A value too large to show is not kept: each key that shows it says so.
    if (text != kOverflowText) {
        // The text used last stays: that is the memory's while totals change.
        m_lastLedText = 1 - m_lastLedText;
        m_ledTexts[m_lastLedText] = LedText{value, text};
    }
    return text;
}

bool CCalculator::recording(int commandId) {
    if (!m_macroRecording) return false;
    m_hooks.addToActiveMacro(commandId);
    return true;
}

bool CCalculator::appendLine(std::string text, std::string comment, double value) {
    if (m_recalcPending) m_hooks.recalculateAll();
    if (m_settings.europeanMode) text = europeanExchange(std::move(text));
    if (m_settings.autoCommentSubtotal)
        comment = std::string(words::kRunningSubtotalNote) + formatFixed(m_doc.m_total, 6);
    if (m_doc.m_lineCount >= kMaxLines) {
        m_messages.show("TOO MANY LINES IN TAPE BOX");
        return false;
    }
    if (m_hasPendingComment) {
        comment = m_pendingComment;
        m_hasPendingComment = false;
        m_pendingComment.clear();
    }
    const int index = m_doc.m_lineCount;
    CTapeLine line;
    line.setText(text);
    line.setComment(comment);
    line.m_value = value;
    const std::string row = line.row();
    m_lastLineValue = value;
    // Taken before the line joins the tape; the key that made the line takes
    // it again once its work is done (lines made outside the engine keep
    // this one, so it must be complete even for the first line).
    CLineState state;
    takeSnapshot(state);
    m_doc.appendLine(std::move(line), std::move(state));
    m_form.addRow(row);
    m_form.selectRow(index);
    if (m_settings.readImmediate) m_hooks.speakRow(row);
    if (m_settings.promptToSaveOnExit) {
        m_doc.m_modified = true;
        m_hooks.documentModified();
    }
    if (m_settings.autoCopyTotal) m_hooks.copyCurrentTotal();
    return true;
}

// A key that is about to change the registers must see the registers of the
// recalculated tape; recalculating inside appendLine would come too late,
// after the key had already worked on the stale ones. (The replay keeps an
// entry that is being typed.)
void CCalculator::settlePendingRecalc() {
    if (m_recalcPending) m_hooks.recalculateAll();
}

// Every line's snapshot is filled, the first one included: undo returns to
// the snapshot of the line that becomes the last, and a blank one would
// bring back precision 0 and rounding 0.
void CCalculator::takeSnapshot(CLineState& state) const {
    state.m_registers = m_doc.registers();
    state.m_lineValue = m_lastLineValue;
}

void CCalculator::restoreSnapshot(const CLineState& state) {
    if (m_doc.m_lineCount == 0) return;
    m_doc.setRegisters(state.m_registers);
    // Back to right after a line: a % or MR note, or a negated value to be
    // repeated, was left by keys that came later and are gone now.
    forgetEntryState(state.m_lineValue);
    writeDisplays();
}

void CCalculator::forgetEntryState(double lastLineValue) {
    EntryState fresh;
    fresh.m_mainLED = m_doc.m_mainText;
    fresh.m_memoryLED = m_doc.m_memoryText;
    fresh.m_lastLineValue = lastLineValue;
    setEntryState(fresh);
}

// The LED strings are kept in internal form at all times; only what goes to
// the controls is exchanged. Exchanging the members themselves would turn a
// string that was already shown back into internal form the next time it is
// written without having been read in between (the Memory LED after C).
void CCalculator::readDisplays() {
    m_mainLED = m_form.mainLedText();
    m_memoryLED = m_form.memoryLedText();
    if (m_settings.europeanMode) {
        m_mainLED = europeanExchange(m_mainLED);
        m_memoryLED = europeanExchange(m_memoryLED);
    }
}

void CCalculator::writeDisplays() {
    if (m_settings.europeanMode)
        m_form.setLedTexts(europeanExchange(m_mainLED), europeanExchange(m_memoryLED));
    else
        m_form.setLedTexts(m_mainLED, m_memoryLED);
}

void CCalculator::clearTape() {
    m_form.resetRows();
    m_doc.destroyLines();
    // The grand total sums the totals of this tape only.
    m_doc.m_grandTotal = 0.0;
}

void CCalculator::clearMemory() {
    m_doc.m_memory = 0.0;
    m_doc.m_memoryText = zeroText();
    m_memoryLED = m_doc.m_memoryText;
    writeDisplays();
}

void CCalculator::beginNote(const std::string& comment) {
    if (!m_hasPendingComment) {
        m_noteLastValue = m_doc.m_lastValue;
        m_noteRepeatValue = m_doc.m_repeatValue;
        m_noteNegatedRepeat = m_negatedRepeat;
    }
    m_pendingComment = comment.substr(0, 40);
    m_hasPendingComment = true;
}

void CCalculator::dropNote() {
    if (!m_hasPendingComment) return;
    m_hasPendingComment = false;
    m_pendingComment.clear();
    m_doc.m_lastValue = m_noteLastValue;
    m_doc.m_repeatValue = m_noteRepeatValue;
    m_negatedRepeat = m_noteNegatedRepeat;
}

void CCalculator::selectNextLine() {
    if (recording(cmd::SelectNext)) return;
    const int s = m_form.selectedRow();
    if (s < 0) {
        if (m_form.rowCount() > 0) m_form.selectRow(0);
        return;
    }
    // On the last row this names the position after it; the list refuses it.
    m_form.selectRow(s < m_doc.m_lineCount ? s + 1 : s);
}

void CCalculator::selectPreviousLine() {
    if (recording(cmd::SelectPrevious)) return;
    const int s = m_form.selectedRow();
    if (s < 0) {
        if (m_form.rowCount() > 0) m_form.selectRow(0);
        return;
    }
    m_form.selectRow(s > 0 ? s - 1 : 0);
}

void CCalculator::selectFirstLine() {
    m_form.selectRow(0);
}

void CCalculator::selectLastLine() {
    m_form.selectRow(m_form.rowCount() - 1);
}

void CCalculator::showDocument() {
    m_mainLED = m_doc.m_mainText;
    m_memoryLED = m_doc.m_memoryText;
    writeDisplays();
}

void CCalculator::setLastLineFlags(int keyId, bool immediate, bool repeated) {
    CTapeLine* line = m_doc.lastLine();
    line->m_keyId = keyId;
    line->m_isImmediate = immediate;
    line->m_repeated = repeated;
}

void CCalculator::snapshotLastLine() {
    if (CLineState* last = m_doc.state(m_doc.m_lineCount - 1)) takeSnapshot(*last);
}

}  // namespace vor
