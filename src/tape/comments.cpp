#include "tape/comments.h"

#include <string_view>
#include <utility>

#include "core/command_ids.h"
#include "core/tape_words.h"
#include "tape/comment_dialog.h"

namespace vor {
namespace {

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

bool isGeneratedCommentLine(const CTapeLine& line) {
    // The lines of mark up or down, and those of TAX+ and TAX- below the
    // amount, go by their words: the result lines carry no key id of their
    // own, and the tax line's note holds the rate a replay reads.
    for (const std::string_view marker :
         {words::kMarkUpRate, words::kSellingPrice, words::kMarkUpAmount, words::kMarkDownRate,
          words::kMarkDownAmount, words::kTaxAmount, words::kGross, words::kNet})
        if (contains(line.m_text, marker)) return true;
    return contains(line.m_comment, words::kMemoryRecallKey) ||
           contains(line.m_comment, words::kPercentKey);
}

// Lower-case "mr" is an ordinary word ("mr smith"); only the spelling the
// references use is kept from the user.
bool isReservedComment(const std::string& text) {
    return contains(text, "%") || contains(text, "MR");
}

CCommentEditor::CCommentEditor(CCalculator& calc, ProfilePort& profile, DialogPort& dialogs)
    : m_calc(calc), m_profile(profile), m_dialogs(dialogs) {}

void CCommentEditor::markModified() {
    if (!m_calc.settings().promptToSaveOnExit) return;
    m_calc.doc().m_modified = true;
    m_calc.hooks().documentModified();
}

void CCommentEditor::editComment() {
    FormPort& form = m_calc.form();
    const int selected = form.selectedRow();
    CTapeLine* line = form.rowCount() > 0 ? m_calc.doc().line(selected) : nullptr;
    if (line == nullptr) {
        m_calc.messages().show(kNoLineSelected, Buttons::Ok, Icon::Information);
        return;
    }
    if (isGeneratedCommentLine(*line)) {
        m_calc.messages().show(kGeneratedLine, Buttons::Ok, Icon::Information);
        // On the last line the list refuses the position after it, which
        // keeps the selection where it is.
        form.selectRow(selected + 1);
        return;
    }

    CCommentDlg dlg;
    dlg.readHistory(m_profile);
    dlg.m_autoAppend = m_calc.settings().autoAppend;
    // The stored comment without its " ;" prefix; an ordinary key press
    // holds a single blank and a blank comment line nothing at all.
    dlg.m_commentText = line->m_comment.size() > 2 ? line->m_comment.substr(2) : std::string();
    if (!m_dialogs.run(dlg)) return;

    // The history is kept even when the comment itself is refused below:
    // the user typed it, and may want it back after correcting it.
    dlg.writeHistory(m_profile);
    if (isReservedComment(dlg.m_commentText)) {
        m_calc.messages().show(kReservedComment);
        return;
    }

    line->setComment(std::string(words::kCommentStart) + dlg.m_commentText);
    // An empty comment still stores its prefix (the file and the replay
    // expect it) but the row shows the bare line.
    form.replaceRow(selected, dlg.m_commentText.empty() ? line->m_text : line->row());
    form.selectRow(selected + 1);
    markModified();
}

void CCommentEditor::insertBlankCommentLine() {
    CVORDoc& doc = m_calc.doc();
    FormPort& form = m_calc.form();
    const int selected = form.selectedRow();
    // A percent line replays its percentage against the value of the line
    // above it; a blank line in between would take that value's place.
    if (doc.m_lineCount > 0) {
        const CTapeLine* line = doc.line(selected);
        if (line != nullptr && contains(line->m_comment, words::kPercentKey)) {
            m_calc.messages().show(kBlankAbovePercent);
            return;
        }
    }

    if (doc.m_lineCount == 0) {
        if (!m_calc.appendLine(std::string(words::kCommentLine), "", 0.0)) return;
        CTapeLine* added = doc.lastLine();
        added->m_keyId = cmd::CommentLine;
        added->m_isImmediate = true;
        return;
    }
    if (selected < 0 || doc.line(selected) == nullptr) return;

    CTapeLine blank;
    blank.setText(std::string(words::kCommentLine));
    blank.m_comment.clear();
    blank.m_keyId = cmd::CommentLine;
    blank.m_isImmediate = true;
    const std::string row = blank.row();
    // The blank line changes nothing, so the state after it is the state
    // after the line it now stands above.
    CLineState state = *doc.state(selected);
    if (!doc.insertLine(selected, std::move(blank), std::move(state))) {
        // Only a full tape refuses; say so as appending a line would.
        m_calc.messages().show("TOO MANY LINES IN TAPE BOX");
        return;
    }
    form.insertRow(selected, row);
    form.selectRow(selected);
    markModified();
}

}  // namespace vor
