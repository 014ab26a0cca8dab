#pragma once

#include <string>

namespace vor {

// Enter a Value: asked by a playing macro that reaches an empty macro key.
// The caller sets the key's prompt and default value, runs the dialog, and
// after OK reads the value the user typed from m_valueText.
class CEnterValueDlg {
   public:
    static constexpr int kMaxPrompt = 256, kMaxValue = 40;  // characters
    static constexpr const char* kCaption = "Enter a Value";
    static constexpr const char* kHeading = "User-Definable Message Prompt:";
    static constexpr const char* kValueLabel = "Value:";
    static constexpr const char* kTooLong = "Please enter no more than 40 characters.";

    std::string m_prompt;
    std::string m_valueText;

    // The prompt as the dialog shows it: no more than its box holds.
    std::string shownPrompt() const;
    // Accepts the value ("") or returns the message to show while the
    // dialog stays open: a default value longer than the field takes is
    // shown whole, and must be shortened before it can be used.
    std::string onOK() const;
};

}  // namespace vor
