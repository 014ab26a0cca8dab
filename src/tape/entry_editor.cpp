#include "tape/entry_editor.h"

#include <algorithm>
#include <cctype>

#include "core/command_ids.h"
#include "core/tape_words.h"
#include "core/tax_rate.h"
#include "core/text_codec.h"

namespace vor {
namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

CEntryEditor::CEntryEditor(CCalculator& calc, CRecalculator& recalc, DialogPort& dialogs)
    : m_calc(calc), m_recalc(recalc), m_dialogs(dialogs) {}

void CEntryEditor::editTapeEntry() {
    const int selected = m_calc.form().selectedRow();
    if (selected < 0) {
        m_calc.messages().show("No tape box line selected.");
        return;
    }
    m_statusBefore = m_calc.form().statusText();
    m_recalc.recalculate(selected, this);
}

bool CEntryEditor::editStep(std::vector<CReplayStep>& steps, int index, bool& convertedToMulDiv) {
    CReplayStep& step = steps[static_cast<std::size_t>(index)];
    const CReplayStep* above = index > 0 ? &steps[static_cast<std::size_t>(index) - 1] : nullptr;
    if (above != nullptr && step.m_keyId == 0 &&
        (above->m_keyId == cmd::TaxPlus || above->m_keyId == cmd::TaxMinus) &&
        step.m_comment.starts_with(words::kTaxNote))
        return editTaxRate(step);
    if (!step.m_isImmediate) {
        m_calc.messages().show(
            "You cannot edit this line since it does not contain an immediate numerical "
            "value.\nYou should instead look to edit one of the lines above this one, if "
            "possible.",
            Buttons::Ok, Icon::Information);
        return false;
    }
    CEditEntryDlg dlg;
    dlg.initFromStep(step, m_calc.settings().europeanMode);
    if (!runDialog(dlg)) return false;
    applyResult(dlg, step, convertedToMulDiv);
    return true;
}

bool CEntryEditor::editTaxRate(CReplayStep& step) {
    const std::string& note = step.m_comment;
    CReplayStep shown;
    shown.m_valueText = note.substr(
        words::kTaxNote.size(), note.find('%', words::kTaxNote.size()) - words::kTaxNote.size());
    shown.m_comment = note;
    CEditEntryDlg dlg;
    dlg.initFromStep(shown, m_calc.settings().europeanMode);
    if (!runDialog(dlg)) return false;
    // The value comes back in internal form, whatever the number style.
    const std::optional<double> rate = readTaxRate(dlg.m_valueText);
    if (!rate) {
        m_calc.messages().show(
            "This is no tax rate: enter a percentage from 0 to 100, such as "
            "8.25.",
            Buttons::Ok, Icon::Exclamation);
        return false;
    }
    step.m_comment = words::taxNote(rateText(*rate));
    return true;
}

bool CEntryEditor::runDialog(CEditEntryDlg& dlg) {
    // The replay has already shut the view; the user works with it as usual
    // while the dialog is up, and it is shut again only for the replay.
    FormPort& form = m_calc.form();
    const std::string recalcStatus = form.statusText();
    form.setWaitCursor(false);
    form.setRedraw(true);
    form.setEnabled(true);
    form.setStatusText(m_statusBefore);
    const bool ok = m_dialogs.run(dlg);
    form.setStatusText(recalcStatus);
    form.setEnabled(false);
    form.setRedraw(false);
    form.setWaitCursor(true);
    return ok;
}

void CEntryEditor::applyResult(const CEditEntryDlg& dlg, CReplayStep& step,
                               bool& convertedToMulDiv) {
    step.m_valueText = dlg.m_valueText;
    std::string comment = dlg.m_comment;
    step.m_isMemoryRecall = equalsIgnoringCase(dlg.m_valueText, "MR");
    // The comment of a Memory Recall line names the key; it is wrong as soon
    // as the line becomes or stops being one.
    if (step.m_isMemoryRecall != dlg.m_wasMemoryRecall) comment.clear();
    step.m_comment = normaliseComment(std::move(comment));
    step.m_keyId = dlg.m_keyId;
    step.m_isPercent = dlg.m_isPercent != 0;
    convertedToMulDiv = dlg.m_convertedToMulDiv;
}

std::string CEntryEditor::normaliseComment(std::string comment) {
    if (!comment.empty() && !comment.starts_with(words::kCommentStart))
        comment.insert(0, words::kCommentStart);
    if (equalsIgnoringCase(comment, " ; ")) comment.clear();
    return firstCharacters(comment, kMaxStoredComment);
}

}  // namespace vor
