#include "tape/line_removal.h"

namespace vor {
namespace {

// These are menu commands, which the macro recorder never takes: the
// Clear and Clear All they run on the way must act, not be recorded.
class RecorderPause {
   public:
    explicit RecorderPause(CCalculator& calc) : m_calc(calc), m_recording(calc.m_macroRecording) {
        calc.m_macroRecording = false;
    }
    ~RecorderPause() { m_calc.m_macroRecording = m_recording; }
    RecorderPause(const RecorderPause&) = delete;
    RecorderPause& operator=(const RecorderPause&) = delete;

   private:
    CCalculator& m_calc;
    bool m_recording;
};

std::string withoutTrailingBlanks(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string withoutLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

CLineRemover::CLineRemover(CCalculator& calc, CRecalculator& recalc)
    : m_calc(calc), m_recalc(recalc) {}

void CLineRemover::markModified() {
    if (!m_calc.settings().promptToSaveOnExit) return;
    m_calc.doc().m_modified = true;
    m_calc.hooks().documentModified();
}

void CLineRemover::deleteLine() {
    RecorderPause pause(m_calc);
    CVORDoc& doc = m_calc.doc();
    FormPort& form = m_calc.form();
    const int selected = form.selectedRow();
    const CTapeLine* line = doc.line(selected);
    if (line == nullptr) {
        m_calc.messages().show("No line selected!");
        return;
    }
    if (line->m_keyId == 0) {
        m_calc.messages().show(
            "This line cannot be deleted because it is a VOR-generated line.  This line is "
            "dependent upon one or more lines above it in the tape box.  Deleting the line upon "
            "which this one depends, will result in the removal of this line.",
            Buttons::Ok, Icon::Information);
        return;
    }
    if (doc.m_lineCount == 1) {
        m_calc.onClear();
        m_calc.clearTape();
        m_calc.clearMemory();
        return;
    }
    if (selected == doc.m_lineCount - 1) {
        truncateTape(doc.m_lineCount - 1);
        return;
    }

    // The tape as the keys saw it, so that the replay can tell whether the
    // state they left still fits the shorter tape.
    std::vector<CReplayStep> before = m_recalc.buildSteps();
    doc.eraseLine(selected);
    form.deleteRow(selected);
    // Until the replay runs the tape is already shorter than the saved one;
    // if the user puts the replay off, this is the only mark it gets.
    markModified();
    // Exactly 250 lines left asks as well: the question only costs a click,
    // an unasked replay of a long tape costs a wait.
    if (doc.m_lineCount < kAskToRecalculateFrom ||
        m_calc.messages().show("Recalulate now?", Buttons::YesNo) == Answer::Yes)
        m_recalc.recalculateChanged(std::move(before));
    else
        m_recalc.putOffChanged(std::move(before));
    form.selectRow(selected);
}

void CLineRemover::deleteLinesBackThrough() {
    RecorderPause pause(m_calc);
    CVORDoc& doc = m_calc.doc();
    const int selected = m_calc.form().selectedRow();
    const CTapeLine* line = doc.line(selected);
    if (line == nullptr) return;
    if (line->m_keyId == 0) {
        m_calc.messages().show(
            "The selected line is a vor-generated line and cannot be deleted.  Try to delete one "
            "of the lines either above or below this one.",
            Buttons::Ok, Icon::Information);
        return;
    }
    if (m_calc.messages().show("Delete Back through " + withoutTrailingBlanks(line->m_text) + "?",
                               Buttons::YesNo) == Answer::Yes)
        truncateTape(selected);  // which replays what is left
    doc.m_newEntry = true;
}

void CLineRemover::undoLastLine() {
    RecorderPause pause(m_calc);
    CVORDoc& doc = m_calc.doc();
    if (doc.m_lineCount == 0) {
        m_calc.messages().show("Nothing to undo!");
        return;
    }
    // A generated last line leaves the command disabled, whatever asks.
    if (!canUndo()) return;
    if (m_calc.messages().show("Undo  " + withoutLeadingBlanks(doc.lastLine()->m_text) + "?",
                               Buttons::YesNo) == Answer::Yes)
        truncateTape(doc.m_lineCount - 1);
    doc.m_newEntry = true;
}

void CLineRemover::truncateTape(int keep) {
    RecorderPause pause(m_calc);
    CVORDoc& doc = m_calc.doc();
    if (doc.m_lineCount <= 1 || keep <= 0) {
        m_calc.onClearAll();
        return;
    }
    if (keep >= doc.m_lineCount) return;

    // The registers go back to where they stood after the line that is now
    // last, so the LEDs show what they showed before the removed lines.
    m_calc.restoreSnapshot(*doc.state(keep - 1));
    FormPort& form = m_calc.form();
    for (int row = doc.m_lineCount - 1; row >= keep; --row) form.deleteRow(row);
    doc.truncate(keep);
    form.selectRow(keep - 1);
    markModified();
    m_recalc.recalculate(-1);
}

bool CLineRemover::canUndo() const {
    const CVORDoc& doc = m_calc.doc();
    return doc.m_lineCount > 0 && doc.line(doc.m_lineCount - 1)->m_keyId != 0;
}

std::string CLineRemover::undoCaption() const {
    const CVORDoc& doc = m_calc.doc();
    if (canUndo()) return "Undo" + doc.line(doc.m_lineCount - 1)->m_text;
    return doc.m_lineCount > 0 ? "Cannot Undo vor-generated lines." : "Cannot Undo.";
}

}  // namespace vor
