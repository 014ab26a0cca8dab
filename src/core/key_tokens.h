#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vor {

// Splits a key list ("12.5 + COMMENT=\"rent for May\" Ttl") into tokens.
// Blanks, tabs and line ends (LF or CRLF, so key files written on any
// system read the same) separate tokens; a double-quoted stretch keeps its
// blanks and loses its quotes, and inside it \" and \\ stand for " and \.
struct KeyTokens {
    std::vector<std::string> tokens;
    std::string error;  // empty when the whole list was read
};
KeyTokens splitKeyTokens(std::string_view list);

// A number typed key by key: digits with at most one decimal point.
bool isNumberToken(std::string_view token);
// Something that looks like a number but is not one ("1.2.3").
bool isMalformedNumber(std::string_view token);

// A key list or a command line batch mode cannot read: the run stops and
// exits with status 2.
struct UsageError {
    std::string text;
};

// What the tokens of a key list do; batch mode's run carries them out.
class KeyTarget {
   public:
    virtual ~KeyTarget() = default;
    // A key of the keypad or a command of the window's menus.
    virtual void press(int commandId) = 0;
    // Selects tape row `index` (0 is the top row); a row that does not
    // exist leaves the selection as it is.
    virtual void selectRow(int index) = 0;
    virtual void selectLastRow() = 0;
    // The answer for the next Edit Tape Box Entry or Comment dialog: its
    // value, and for Edit the label to choose in the key list.
    virtual void answerNextDialog(const std::string& value, const std::string& key) = 0;
    // An answer for Enter a Value, in the order the prompts come; nothing
    // stands for OK on the preset default.
    virtual void answerValue(std::optional<std::string> value) = 0;
};

// Carries out one token of a key list: a key label, a number typed key by
// key or one of the words the usage lists; UsageError for anything else.
void pressKeyToken(const std::string& token, KeyTarget& target);

// The usage text of --keys, its lines after the first to be indented.
std::string keyTokenUsage();

}  // namespace vor
