#include "macros/edit_macros_dialog.h"

#include <algorithm>

#include "core/text_codec.h"
#include "macros/macro_keys.h"

namespace vor {
namespace {

bool inRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

std::ptrdiff_t at(int index) {
    return static_cast<std::ptrdiff_t>(index);
}

}  // namespace

const std::vector<CMacroListingEntry>& CEditMacrosDlg::availableButtons() {
    static const std::vector<CMacroListingEntry> buttons = [] {
        std::vector<CMacroListingEntry> out;
        for (const int id : recordableKeys()) out.push_back({id, macroEntryLabel(id)});
        return out;
    }();
    return buttons;
}

CEditMacrosDlg::CEditMacrosDlg(const CMacroStore& store, MessagePort& messages)
    : m_store(store), m_messages(messages) {
    fillMacroBox();
    loadTexts();
}

bool CEditMacrosDlg::hasButton() const {
    return inRange(m_buttonSelection, availableButtons().size());
}

const CMacroListingEntry& CEditMacrosDlg::selectedButton() const {
    return availableButtons()[static_cast<std::size_t>(m_buttonSelection)];
}

void CEditMacrosDlg::loadTexts() {
    // Texts from a macro file or the profile may be longer than the edits
    // take; the dialog shows, and on OK keeps, only what fits.
    const auto k = static_cast<std::size_t>(m_activeMacro);
    m_prompt = firstCharacters(m_store.m_macroPrompt[k], kMaxText);
    m_default = firstCharacters(m_store.m_macroDefault[k], kMaxText);
}

void CEditMacrosDlg::fillMacroBox() {
    m_listing.clear();
    const int n = m_store.size(m_activeMacro);
    for (int i = 0; i < n; ++i) {
        const int id = m_store.entry(m_activeMacro, i);
        const std::string label = macroEntryLabel(id);
        // An id no key has (an imported file can hold anything) is listed
        // under its number and kept: storing the listing writes it back.
        if (!isRecordableKey(id)) {
            m_messages.show(kUnknownMacro);
            m_messages.show(label);
        }
        m_listing.push_back({id, label});
    }
    m_listingSelection = m_listing.empty() ? -1 : 0;
}

void CEditMacrosDlg::storeListing() {
    std::size_t n = m_listing.size();
    if (n > static_cast<std::size_t>(kMaxMacroEntries)) {
        m_messages.show(kTooLarge);
        n = kMaxMacroEntries;
    }
    const auto k = static_cast<std::size_t>(m_activeMacro);
    m_store.m_macroSize[k] = static_cast<std::int32_t>(n);
    for (std::size_t i = 0; i < n; ++i) m_store.m_macroEntry[k][i] = m_listing[i].m_id;
}

void CEditMacrosDlg::replace() {
    if (!hasButton()) return;
    const int sel = m_listingSelection;
    const bool selected = inRange(sel, m_listing.size());
    if (selected) m_listing.erase(m_listing.begin() + at(sel));
    storeListing();
    // Without a selection the button goes to the end, as Insert does.
    m_listing.insert(selected ? m_listing.begin() + at(sel) : m_listing.end(), selectedButton());
    storeListing();
    fillMacroBox();
    m_listingSelection = selected ? sel : -1;
}

void CEditMacrosDlg::deleteEntry() {
    const int sel = m_listingSelection;
    if (inRange(sel, m_listing.size())) {
        m_listing.erase(m_listing.begin() + at(sel));
        const int count = static_cast<int>(m_listing.size());
        m_listingSelection = sel < count ? sel : count - 1;
    }
    storeListing();
}

void CEditMacrosDlg::insert() {
    if (!hasButton()) return;
    const int sel = m_listingSelection;
    const bool selected = inRange(sel, m_listing.size());
    m_listing.insert(selected ? m_listing.begin() + at(sel) : m_listing.end(), selectedButton());
    storeListing();
    fillMacroBox();
    // The formerly selected entry stays selected, so repeated Inserts build
    // a sequence in the order clicked. When clipping dropped it (it was the
    // last of a full macro), the inserted entry is the last one left.
    if (selected) {
        const int count = static_cast<int>(m_listing.size());
        m_listingSelection = std::min(sel + 1, count - 1);
    }
}

void CEditMacrosDlg::append() {
    if (!hasButton()) return;
    m_listing.push_back(selectedButton());
    storeListing();
    fillMacroBox();
    m_listingSelection = static_cast<int>(m_listing.size()) - 1;
}

void CEditMacrosDlg::clear() {
    m_listing.clear();
    m_listingSelection = -1;
    storeListing();
}

void CEditMacrosDlg::copyMacro() {
    // A reordering dragged into the listing is what the user sees, so it is
    // what gets copied.
    storeListing();
    if (m_messages.show(kCopyQuestion, Buttons::YesNo) != Answer::Yes) return;
    if (m_targetMacro == m_activeMacro) {
        m_messages.show(kCopyToItself);
        return;
    }
    if (!inRange(m_targetMacro, kMacroCount)) return;
    const auto from = static_cast<std::size_t>(m_activeMacro);
    const auto to = static_cast<std::size_t>(m_targetMacro);
    // Only the key presses: the target keeps its own prompt and default.
    m_store.m_macroEntry[to] = m_store.m_macroEntry[from];
    m_store.m_macroSize[to] = m_store.m_macroSize[from];
}

void CEditMacrosDlg::selectActiveMacro(int k) {
    if (!inRange(k, kMacroCount)) return;
    m_activeMacro = k;
    fillMacroBox();
    loadTexts();
}

void CEditMacrosDlg::promptDone() {
    storeListing();
    m_prompt = firstCharacters(m_prompt, kMaxText);
    m_store.m_macroPrompt[static_cast<std::size_t>(m_activeMacro)] = m_prompt;
}

void CEditMacrosDlg::defaultDone() {
    storeListing();
    m_default = firstCharacters(m_default, kMaxText);
    m_store.m_macroDefault[static_cast<std::size_t>(m_activeMacro)] = m_default;
}

void CEditMacrosDlg::moveEntry(int from, int to) {
    if (!inRange(from, m_listing.size()) || !inRange(to, m_listing.size())) return;
    const auto first = m_listing.begin();
    if (from < to)
        std::rotate(first + at(from), first + at(from) + 1, first + at(to) + 1);
    else
        std::rotate(first + at(to), first + at(from), first + at(from) + 1);
    m_listingSelection = to;
}

void CEditMacrosDlg::onOK() {
    storeListing();
    const auto k = static_cast<std::size_t>(m_activeMacro);
    m_prompt = firstCharacters(m_prompt, kMaxText);
    m_default = firstCharacters(m_default, kMaxText);
    m_store.m_macroPrompt[k] = m_prompt;
    m_store.m_macroDefault[k] = m_default;
}

}  // namespace vor
