#include "shell/help_topics.h"

#include <array>

#include "core/command_ids.h"
#include "core/selector_buttons.h"

namespace vor {
namespace {

constexpr const char* kKeysOverview = "keys";

// The dialogs page's section about each dialog.
constexpr const char* kEditEntrySection = "edit-entry";
constexpr const char* kCommentSection = "comment";
constexpr const char* kEditMacrosSection = "edit-macros";
constexpr const char* kEnterValueSection = "enter-value";
constexpr const char* kReadClipboardSection = "read-clipboard";
constexpr const char* kSelectVoiceSection = "select-voice";

struct KeySection {
    int id;
    const char* anchor;
};

// One row per key of the form; keys that share a row of the help's tables
// (the digits, the four macro keys) share its section.
constexpr std::array kKeySections = {
    KeySection{cmd::Digit0, "key-digits"},
    KeySection{cmd::Digit1, "key-digits"},
    KeySection{cmd::Digit2, "key-digits"},
    KeySection{cmd::Digit3, "key-digits"},
    KeySection{cmd::Digit4, "key-digits"},
    KeySection{cmd::Digit5, "key-digits"},
    KeySection{cmd::Digit6, "key-digits"},
    KeySection{cmd::Digit7, "key-digits"},
    KeySection{cmd::Digit8, "key-digits"},
    KeySection{cmd::Digit9, "key-digits"},
    KeySection{cmd::DoubleZero, "key-00"},
    KeySection{cmd::DecimalPoint, "key-point"},
    KeySection{cmd::RightShift, "key-right-shift"},
    KeySection{cmd::Negate, "key-neg"},
    KeySection{cmd::Clear, "key-c"},
    KeySection{cmd::ClearAll, "key-ca"},
    KeySection{cmd::Plus, "key-plus"},
    KeySection{cmd::Minus, "key-minus"},
    KeySection{cmd::Multiply, "key-x"},
    KeySection{cmd::Divide, "key-divide"},
    KeySection{cmd::Equals, "key-equals"},
    KeySection{cmd::Percent, "key-percent"},
    KeySection{cmd::SubTotal, "key-st"},
    KeySection{cmd::Total, "key-t"},
    KeySection{cmd::MemoryPlusEquals, "key-m-plus"},
    KeySection{cmd::MemoryMinusEquals, "key-m-minus"},
    KeySection{cmd::MemorySubTotal, "key-mst"},
    KeySection{cmd::MemoryTotal, "key-mt"},
    KeySection{cmd::MemoryRecall, "key-mr"},
    KeySection{cmd::HiddenMemoryRecall, "key-mr"},
    KeySection{cmd::MarkUpDown, "key-mud"},
    KeySection{cmd::TaxPlus, "key-tax-plus"},
    KeySection{cmd::TaxMinus, "key-tax-minus"},
    KeySection{cmd::GrandTotal, "key-gt"},
    KeySection{cmd::DeleteKey, "key-del"},
    KeySection{cmd::Pound, "key-pound"},
    KeySection{cmd::UpShift, "key-up-shift"},
    KeySection{cmd::Macro0, "key-macro"},
    KeySection{cmd::Macro1, "key-macro"},
    KeySection{cmd::Macro2, "key-macro"},
    KeySection{cmd::Macro3, "key-macro"},
    KeySection{cmd::Variable, "key-v"},
    KeySection{cmd::QuickRecord, "key-qr"},
    KeySection{cmd::AutoDecimalCheck, "key-auto-decimal"},
    KeySection{cmd::SelectPrevious, "key-select"},
    KeySection{cmd::SelectNext, "key-select"},
    KeySection{cmd::SelectFirst, "key-select"},
    KeySection{cmd::SelectLast, "key-select"},
};

std::string onIndexPage(const char* anchor) {
    return std::string(kHelpIndexPage) + "#" + anchor;
}

std::string onDialogsPage(const char* anchor) {
    return std::string("dialogs.html#") + anchor;
}

}  // namespace

std::string keyHelpPage(int commandId) {
    for (const KeySection& k : kKeySections)
        if (k.id == commandId) return onIndexPage(k.anchor);
    for (const SelectorButton& b : precisionButtons())
        if (b.id == commandId) return onIndexPage("key-precision");
    for (const SelectorButton& b : roundingButtons())
        if (b.id == commandId) return onIndexPage("key-rounding");
    return onIndexPage(kKeysOverview);
}

std::string helpPageForData(unsigned data) {
    return keyHelpPage(static_cast<int>(data & 0xFFFFu));
}

std::string dialogHelpPage(const CEditEntryDlg&) {
    return onDialogsPage(kEditEntrySection);
}
std::string dialogHelpPage(const CCommentDlg&) {
    return onDialogsPage(kCommentSection);
}
std::string dialogHelpPage(const CEditMacrosDlg&) {
    return onDialogsPage(kEditMacrosSection);
}
std::string dialogHelpPage(const CEnterValueDlg&) {
    return onDialogsPage(kEnterValueSection);
}
std::string dialogHelpPage(const CReadClipboardDlg&) {
    return onDialogsPage(kReadClipboardSection);
}
std::string dialogHelpPage(const CSelectModeDlg&) {
    return onDialogsPage(kSelectVoiceSection);
}

std::vector<std::string> everyHelpTarget() {
    std::vector<std::string> targets;
    for (const KeySection& k : kKeySections) targets.push_back(onIndexPage(k.anchor));
    for (const char* anchor : {"key-precision", "key-rounding", kKeysOverview})
        targets.push_back(onIndexPage(anchor));
    for (const char* anchor : {kEditEntrySection, kCommentSection, kEditMacrosSection,
                               kEnterValueSection, kReadClipboardSection, kSelectVoiceSection})
        targets.push_back(onDialogsPage(anchor));
    return targets;
}

}  // namespace vor
