// The Edit Macros and Enter a Value dialogs without a window: what each
// button does to the listing and the working copy, the messages, and what
// OK hands back.
#include "macros/edit_macros_dialog.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/command_ids.h"
#include "core/text_codec.h"
#include "macros/enter_value_dialog.h"
#include "test_support.h"

namespace vor::test {
namespace {

constexpr const char* kTooLarge = "Macro is too large.  Excess entries will be clipped.";

void setMacro(CMacroStore& store, int k, std::initializer_list<int> ids) {
    int i = 0;
    for (const int id : ids) store.m_macroEntry[k][i++] = id;
    store.m_macroSize[k] = i;
}

std::vector<int> entries(const CMacroStore& store, int k) {
    std::vector<int> out;
    for (int i = 0; i < store.size(k); ++i) out.push_back(store.entry(k, i));
    return out;
}

std::vector<std::string> labels(const CEditMacrosDlg& dlg) {
    std::vector<std::string> out;
    for (const CMacroListingEntry& e : dlg.m_listing) out.push_back(e.m_label);
    return out;
}

void chooseButton(CEditMacrosDlg& dlg, int id) {
    const auto& buttons = CEditMacrosDlg::availableButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].m_id == id) dlg.m_buttonSelection = static_cast<int>(i);
}

CMacroStore fullMacro0() {
    CMacroStore store;
    for (int i = 0; i < kMaxMacroEntries; ++i) store.m_macroEntry[0][i] = cmd::Digit1;
    store.m_macroEntry[0][kMaxMacroEntries - 1] = cmd::Total;
    store.m_macroSize[0] = kMaxMacroEntries;
    return store;
}

TEST(EditMacrosDialog, EmptyMacroListsNothingAndInsertMakesTheOnlyEntry) {
    CMacroStore store;
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);
    EXPECT_TRUE(dlg.m_listing.empty());
    EXPECT_EQ(dlg.m_listingSelection, -1);
    chooseButton(dlg, cmd::Percent);
    dlg.insert();
    EXPECT_EQ(labels(dlg), (std::vector<std::string>{"%"}));
    EXPECT_EQ(dlg.m_listingSelection, 0);
    EXPECT_EQ(entries(dlg.m_store, 0), (std::vector<int>{cmd::Percent}));
}

TEST(EditMacrosDialog, EditingButtonsKeepTheirPlaceInTheListing) {
    CMacroStore store;
    setMacro(store, 1, {cmd::Digit1, cmd::Digit2, cmd::Digit3});
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);
    dlg.selectActiveMacro(1);

    // Insert goes before the selection and keeps the same entry selected,
    // so clicking Insert twice keeps the order of the clicks.
    dlg.m_listingSelection = 1;
    chooseButton(dlg, cmd::Plus);
    dlg.insert();
    chooseButton(dlg, cmd::Minus);
    dlg.insert();
    EXPECT_EQ(entries(dlg.m_store, 1),
              (std::vector<int>{cmd::Digit1, cmd::Plus, cmd::Minus, cmd::Digit2, cmd::Digit3}));
    EXPECT_EQ(dlg.m_listingSelection, 3);

    chooseButton(dlg, cmd::Total);
    dlg.replace();
    EXPECT_EQ(labels(dlg), (std::vector<std::string>{"1", "+", "-", "Ttl", "3"}));
    EXPECT_EQ(dlg.m_listingSelection, 3);

    dlg.append();
    EXPECT_EQ(dlg.m_listingSelection, 5);

    // Deleting selects what moved up into the place, or the new last entry.
    dlg.m_listingSelection = 1;
    dlg.deleteEntry();
    EXPECT_EQ(dlg.m_listingSelection, 1);
    EXPECT_EQ(dlg.m_listing[1].m_label, "-");
    dlg.m_listingSelection = 4;
    dlg.deleteEntry();
    EXPECT_EQ(dlg.m_listingSelection, 3);
    EXPECT_EQ(entries(dlg.m_store, 1),
              (std::vector<int>{cmd::Digit1, cmd::Minus, cmd::Total, cmd::Digit3}));

    dlg.clear();
    EXPECT_EQ(dlg.m_store.m_macroSize[1], 0);
    EXPECT_EQ(dlg.m_listingSelection, -1);
    dlg.deleteEntry();  // nothing left to delete
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(entries(dlg.m_store, 0), std::vector<int>{});  // other macros untouched
}

TEST(EditMacrosDialog, FullMacroClipsWhatDoesNotFitAndReplacesSilently) {
    const CMacroStore store = fullMacro0();
    {
        ScriptedMessages messages;
        CEditMacrosDlg dlg(store, messages);
        chooseButton(dlg, cmd::Plus);
        dlg.append();
        EXPECT_EQ(messages.shown, (std::vector<std::string>{kTooLarge}));
        EXPECT_EQ(dlg.m_listing.size(), 250u);
        EXPECT_EQ(dlg.m_store.m_macroSize[0], 250);
        EXPECT_EQ(dlg.m_listing.back().m_id, cmd::Total);  // the appended one is dropped
        EXPECT_EQ(dlg.m_listingSelection, 249);
    }
    {
        // Inserting pushes the last entry out, not the inserted one.
        ScriptedMessages messages;
        CEditMacrosDlg dlg(store, messages);
        chooseButton(dlg, cmd::Plus);
        dlg.m_listingSelection = 0;
        dlg.insert();
        EXPECT_EQ(messages.shown, (std::vector<std::string>{kTooLarge}));
        EXPECT_EQ(dlg.m_store.entry(0, 0), cmd::Plus);
        EXPECT_EQ(dlg.m_store.entry(0, 249), cmd::Digit1);
        EXPECT_EQ(dlg.m_listingSelection, 1);
    }
    {
        ScriptedMessages messages;
        CEditMacrosDlg dlg(store, messages);
        chooseButton(dlg, cmd::Minus);
        dlg.m_listingSelection = 249;
        dlg.replace();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(dlg.m_store.m_macroSize[0], 250);
        EXPECT_EQ(dlg.m_store.entry(0, 249), cmd::Minus);
        EXPECT_EQ(dlg.m_listingSelection, 249);
    }
}

TEST(EditMacrosDialog, PromptAndDefaultFollowTheActiveMacroInTheCopyOnly) {
    CMacroStore store;
    store.m_macroDefault[0] = "0.5";
    store.m_macroPrompt[2] = "Two";
    store.m_macroDefault[2] = "2";
    const CMacroStore original = store;
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);
    EXPECT_EQ(dlg.m_prompt, kDefaultMacroPrompt);
    EXPECT_EQ(dlg.m_default, "0.5");
    dlg.selectActiveMacro(1);
    dlg.m_prompt = "Hours worked:";
    dlg.promptDone();
    dlg.m_default = "40";
    dlg.defaultDone();
    dlg.selectActiveMacro(2);
    EXPECT_EQ(dlg.m_prompt, "Two");
    EXPECT_EQ(dlg.m_default, "2");
    dlg.selectActiveMacro(1);
    EXPECT_EQ(dlg.m_prompt, "Hours worked:");
    EXPECT_EQ(dlg.m_default, "40");
    // Cancel is the caller not copying back: the source never changed.
    EXPECT_EQ(store.m_macroPrompt, original.m_macroPrompt);
    EXPECT_EQ(store.m_macroDefault, original.m_macroDefault);

    // OK keeps what the edits hold even if neither lost the focus.
    dlg.m_prompt = "Days:";
    dlg.onOK();
    EXPECT_EQ(dlg.m_store.m_macroPrompt[1], "Days:");
    EXPECT_EQ(dlg.m_store.m_macroDefault[1], "40");
}

TEST(EditMacrosDialog, TextsAreLimitedInCharactersNotBytes) {
    CMacroStore store;
    std::string euros;
    for (int i = 0; i < 300; ++i) euros += "\xE2\x82\xAC";  // U+20AC, three bytes
    store.m_macroPrompt[0] = euros;
    store.m_macroDefault[0] = std::string(256, '9');
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);
    EXPECT_EQ(dlg.m_prompt, euros.substr(0, 255 * 3));
    EXPECT_EQ(dlg.m_default, std::string(255, '9'));
    dlg.m_default = std::string(300, '8');
    dlg.defaultDone();
    EXPECT_EQ(dlg.m_store.m_macroDefault[0], std::string(255, '8'));

    EXPECT_EQ(firstCharacters("a\xC3\xA9z", 2), "a\xC3\xA9");
    EXPECT_EQ(firstCharacters("", 3), "");
}

TEST(EditMacrosDialog, CopyMacroCopiesKeysOnlyAndNeverOntoItself) {
    CMacroStore store;
    setMacro(store, 0, {cmd::Digit5, cmd::Multiply});
    store.m_macroPrompt[0] = "zero";
    setMacro(store, 3, {cmd::Digit9, cmd::Digit9, cmd::Digit9});
    store.m_macroPrompt[3] = "three";
    store.m_macroDefault[3] = "3";
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);

    dlg.m_targetMacro = 3;
    messages.script = {Answer::No};
    dlg.copyMacro();
    EXPECT_EQ(dlg.m_store.m_macroSize[3], 3);

    dlg.copyMacro();  // Yes
    EXPECT_EQ(entries(dlg.m_store, 3), (std::vector<int>{cmd::Digit5, cmd::Multiply}));
    EXPECT_EQ(dlg.m_store.m_macroPrompt[3], "three");
    EXPECT_EQ(dlg.m_store.m_macroDefault[3], "3");

    dlg.m_targetMacro = 0;
    dlg.copyMacro();
    const std::string question = "Replace target macro definition with active macro?";
    EXPECT_EQ(messages.shown, (std::vector<std::string>{question, question, question,
                                                        "Can't copy same button to itself!"}));
    EXPECT_EQ(entries(dlg.m_store, 0), (std::vector<int>{cmd::Digit5, cmd::Multiply}));
}

TEST(EditMacrosDialog, UnknownIdIsReportedListedAndKept) {
    CMacroStore store;
    setMacro(store, 2, {cmd::Digit1, 5000, cmd::Plus});
    ScriptedMessages messages;
    CEditMacrosDlg dlg(store, messages);
    EXPECT_TRUE(messages.shown.empty());  // Macro0 is shown first
    dlg.selectActiveMacro(2);
    EXPECT_EQ(messages.shown,
              (std::vector<std::string>{"fillMacroBox found unknown Macro.", "UNKNOWN: 5000"}));
    EXPECT_EQ(labels(dlg), (std::vector<std::string>{"1", "UNKNOWN: 5000", "+"}));
    dlg.m_listingSelection = 2;
    dlg.deleteEntry();
    dlg.onOK();
    EXPECT_EQ(entries(dlg.m_store, 2), (std::vector<int>{cmd::Digit1, 5000}));
}

TEST(EditMacrosDialog, DraggedOrderIsStoredByTheNextButtonOrLostBySwitchingMacro) {
    CMacroStore store;
    setMacro(store, 0, {cmd::Digit1, cmd::Digit2, cmd::Digit3, cmd::Digit4});
    ScriptedMessages messages;
    {
        CEditMacrosDlg dlg(store, messages);
        dlg.moveEntry(3, 0);
        EXPECT_EQ(labels(dlg), (std::vector<std::string>{"4", "1", "2", "3"}));
        EXPECT_EQ(dlg.m_listingSelection, 0);
        EXPECT_EQ(dlg.m_store.entry(0, 0), cmd::Digit1);  // not yet stored
        dlg.moveEntry(1, 3);
        EXPECT_EQ(labels(dlg), (std::vector<std::string>{"4", "2", "3", "1"}));
        EXPECT_EQ(dlg.m_listingSelection, 3);
        dlg.onOK();
        EXPECT_EQ(entries(dlg.m_store, 0),
                  (std::vector<int>{cmd::Digit4, cmd::Digit2, cmd::Digit3, cmd::Digit1}));
    }
    {
        CEditMacrosDlg dlg(store, messages);
        dlg.moveEntry(0, 2);
        dlg.selectActiveMacro(1);
        dlg.selectActiveMacro(0);
        EXPECT_EQ(labels(dlg), (std::vector<std::string>{"1", "2", "3", "4"}));
    }
    {
        // Copy Macro copies the order the user sees.
        CEditMacrosDlg dlg(store, messages);
        dlg.moveEntry(0, 3);
        dlg.m_targetMacro = 1;
        dlg.copyMacro();
        EXPECT_EQ(entries(dlg.m_store, 1),
                  (std::vector<int>{cmd::Digit2, cmd::Digit3, cmd::Digit4, cmd::Digit1}));
    }
}

TEST(EnterValueDialog, ShowsAtMost256CharactersAndTakesAtMost40) {
    CEnterValueDlg dlg;
    dlg.m_prompt = std::string(300, 'p');
    EXPECT_EQ(dlg.shownPrompt(), std::string(256, 'p'));
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += "\xC3\xA9";  // 40 characters, 80 bytes
    dlg.m_valueText = forty;
    EXPECT_EQ(dlg.onOK(), "");
    dlg.m_valueText = std::string(41, '1');
    EXPECT_EQ(dlg.onOK(), "Please enter no more than 40 characters.");
}

}  // namespace
}  // namespace vor::test
