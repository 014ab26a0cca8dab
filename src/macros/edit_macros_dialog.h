#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/ports.h"
#include "macros/macro_store.h"

namespace vor {

// One row of the Macro Listing: the entry's command id and the label shown.
struct CMacroListingEntry {
    int m_id = 0;
    std::string m_label;
    bool operator==(const CMacroListingEntry&) const = default;
};

// The Edit Macros dialog. It edits a working copy of the four macros; the
// caller copies m_store back over the application's macros only when the
// dialog closes with OK, so Cancel needs nothing at all.
//
// The Macro Listing is the dialog's own list, separate from the working
// copy: edits go into it and reach the copy at the next storeListing(),
// which is why a reordering dragged in the list is lost when another macro
// is made active before any button is pressed.
//
// The widget writes the user's selections and edit texts into the public
// fields and calls the operations; nothing here knows about windows.
class CEditMacrosDlg {
   public:
    static constexpr const char* kCaption = "Edit Macros";
    static constexpr const char* kHelpPage = "dialogs.html";
    static constexpr int kMaxText = kMaxMacroText;  // prompt and default, in characters

    static constexpr const char* kUnknownMacro = "fillMacroBox found unknown Macro.";
    static constexpr const char* kTooLarge = "Macro is too large.  Excess entries will be clipped.";
    static constexpr const char* kCopyQuestion =
        "Replace target macro definition with active macro?";
    static constexpr const char* kCopyToItself = "Can't copy same button to itself!";

    // Takes a copy of `store`; messages go to `messages`. Sets the dialog up
    // as it opens: Macro0 active and target, its listing (which may already
    // report unknown entries), prompt and default, the first button chosen.
    CEditMacrosDlg(const CMacroStore& store, MessagePort& messages);

    CMacroStore m_store;  // the working copy
    int m_activeMacro = 0;
    int m_targetMacro = 0;
    std::vector<CMacroListingEntry> m_listing;
    int m_listingSelection = -1;  // -1: no entry selected
    int m_buttonSelection = 0;    // row of Available Buttons, -1 none
    std::string m_prompt;         // what the Prompt edit holds
    std::string m_default;        // what the Default Value edit holds

    // The Available Buttons: the recordable keys in their fixed order.
    static const std::vector<CMacroListingEntry>& availableButtons();

    void replace();
    void deleteEntry();  // Delete, or a double-click in the Macro Listing
    void insert();
    void append();  // Append, or a double-click in Available Buttons
    void clear();
    void copyMacro();
    void selectActiveMacro(int k);
    // The Prompt or Default Value edit lost the focus: the listing is
    // stored and the edit's text becomes the active macro's.
    void promptDone();
    void defaultDone();
    // A drag in the Macro Listing: entry `from` now stands at `to` (both
    // indexes into the listing, `to` counted after the move) and is the
    // selected one.
    void moveEntry(int from, int to);
    // OK: the listing and both edits go into the working copy, as the
    // focused edit loses the focus when the dialog closes.
    void onOK();

    void fillMacroBox();
    void storeListing();

   private:
    bool hasButton() const;
    const CMacroListingEntry& selectedButton() const;
    void loadTexts();

    MessagePort& m_messages;
};

}  // namespace vor
