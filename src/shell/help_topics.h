#pragma once

#include <string>
#include <vector>

#include "core/ports.h"

// Where each help request lands: a help page and, where it has one, the
// section about the key or dialog asked about ("index.html#key-plus").
namespace vor {

inline constexpr const char* kHelpIndexPage = "index.html";

// The section of the main page about the form's control `commandId` (a key,
// a precision or rounding button, the Auto Decimal box); the keys' overview
// for any other id.
std::string keyHelpPage(int commandId);

// What a help request of the form opens: its data holds the control's
// command id in the low 16 bits (the pop-up help of a key in context help).
std::string helpPageForData(unsigned data);

// The section of the dialogs page about a dialog, which its Help button
// opens.
std::string dialogHelpPage(const CEditEntryDlg& dialog);
std::string dialogHelpPage(const CCommentDlg& dialog);
std::string dialogHelpPage(const CEditMacrosDlg& dialog);
std::string dialogHelpPage(const CEnterValueDlg& dialog);
std::string dialogHelpPage(const CReadClipboardDlg& dialog);
std::string dialogHelpPage(const CSelectModeDlg& dialog);

// Every page with section the calls above can return, for checking them
// against the pages themselves.
std::vector<std::string> everyHelpTarget();

}  // namespace vor
