#include "core/key_tokens.h"

#include <algorithm>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/selector_buttons.h"

namespace vor {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The words of a key list besides the key labels and numbers. A word that
// ends in '=' starts its token and hands the rest of it to `act` as its
// text ("SEL=3"); any other word is the whole token. The table is in the
// order the usage lists the words.
struct WordToken {
    const char* word;
    const char* usage;  // how the usage text shows it
    bool newLine;       // the usage text starts a new line before it
    int command;        // the command the word presses, 0 when `act` runs
    void (*act)(KeyTarget& target, const std::string& text, const std::string& token);
};

// The command of a precision or rounding button by its name ("PREC=2").
int selectorId(std::span<const SelectorButton> buttons, const std::string& name,
               const std::string& token) {
    for (const SelectorButton& b : buttons)
        if (name == b.name) return b.id;
    throw UsageError{"unknown key: " + token};
}

// SEL=N selects tape row N (1 is the top row), SEL=LAST the last one.
void selectRow(KeyTarget& target, const std::string& row, const std::string&) {
    if (row == "LAST") return target.selectLastRow();
    if (row.empty() || row.size() > 9 || !isNumberToken(row) || row.find('.') != std::string::npos)
        throw UsageError{"SEL takes a row number or LAST: " + row};
    target.selectRow(std::stoi(row) - 1);
}

// The key labels Edit Tape Box Entry may offer in its key list.
bool isEditKeyLabel(const std::string& label) {
    for (const char* k : {"+", "-", "X", "/", "=", "Ttl", "Sub", "M+=", "M-=", "MST", "MT", "MUD"})
        if (label == k) return true;
    return false;
}

// "EDIT=1,234.5" is a value: the text after the last comma is a key only
// when it names one the key list can offer.
void editEntry(KeyTarget& target, const std::string& text, const std::string&) {
    std::string value = text;
    std::string key;
    const auto comma = value.rfind(',');
    if (comma != std::string::npos && isEditKeyLabel(value.substr(comma + 1))) {
        key = value.substr(comma + 1);
        value.erase(comma);
    }
    target.answerNextDialog(value, key);
    target.press(cmd::EditTapeEntry);
}

const WordToken kWords[] = {
    {"RECALC", "RECALC", false, cmd::RecalculateNow, nullptr},
    {"PREC=", "PREC=F|0..5", false, 0,
     [](KeyTarget& t, const std::string& name, const std::string& token) {
         t.press(selectorId(precisionButtons(), name, token));
     }},
    {"ROUND=", "ROUND=UP|OFF|DOWN", false, 0,
     [](KeyTarget& t, const std::string& name, const std::string& token) {
         t.press(selectorId(roundingButtons(), name, token));
     }},
    {"AUTODEC", "AUTODEC", false, cmd::AutoDecimalMode, nullptr},
    {"EURO", "EURO", false, cmd::EuropeanMode, nullptr},
    {"SEL=", "SEL=N|LAST", true, 0, selectRow},
    {"COMMENT=", "COMMENT=text", false, 0,
     [](KeyTarget& t, const std::string& text, const std::string&) {
         t.answerNextDialog(text, {});
         t.press(cmd::Pound);
     }},
    {"EDIT=", "EDIT=value[,KEY]", false, 0, editEntry},
    {"DELBACK", "DELBACK", false, cmd::DeleteLines, nullptr},
    {"UNDO", "UNDO", false, cmd::UndoLastLine, nullptr},
    {"BACK", "BACK", false, cmd::TapeBack, nullptr},
    {"FORWARD", "FORWARD", false, cmd::TapeForward, nullptr},
    {"ACS", "ACS", false, cmd::AutoCommentSubtotal, nullptr},
    {"RECORD", "RECORD", true, cmd::MacroStartRecording, nullptr},
    {"STOP", "STOP", false, cmd::MacroStopRecording, nullptr},
    {"CLEARMACROS", "CLEARMACROS", false, cmd::MacroClearAll, nullptr},
    {"VALUE=", "VALUE=x", false, 0,
     [](KeyTarget& t, const std::string& value, const std::string&) { t.answerValue(value); }},
    {"VALUE", "VALUE", false, 0,
     [](KeyTarget& t, const std::string&, const std::string&) { t.answerValue(std::nullopt); }},
};

}  // namespace

KeyTokens splitKeyTokens(std::string_view list) {
    KeyTokens result;
    std::string token;
    bool inToken = false;
    bool quoted = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < list.size() &&
                       (list[i + 1] == '"' || list[i + 1] == '\\')) {
                token += list[++i];
            } else {
                token += c;
            }
            continue;
        }
        if (isBlank(c)) {
            if (inToken) result.tokens.push_back(std::move(token));
            token.clear();
            inToken = false;
            continue;
        }
        inToken = true;
        if (c == '"')
            quoted = true;
        else
            token += c;
    }
    if (quoted) {
        result.error = "unterminated quote in keys: " + token;
        return result;
    }
    if (inToken) result.tokens.push_back(std::move(token));
    return result;
}

bool isNumberToken(std::string_view token) {
    const auto points = std::count(token.begin(), token.end(), '.');
    return points <= 1 && std::any_of(token.begin(), token.end(), isDigit) &&
           std::all_of(token.begin(), token.end(), [](char c) { return isDigit(c) || c == '.'; });
}

bool isMalformedNumber(std::string_view token) {
    return !isNumberToken(token) && std::any_of(token.begin(), token.end(), isDigit) &&
           std::all_of(token.begin(), token.end(), [](char c) { return isDigit(c) || c == '.'; });
}

void pressKeyToken(const std::string& token, KeyTarget& target) {
    if (const auto id = keyIdForLabel(token)) return target.press(*id);
    if (isNumberToken(token)) {
        for (char c : token) target.press(*keyIdForLabel(std::string(1, c)));
        return;
    }
    if (isMalformedNumber(token)) throw UsageError{"malformed number: " + token};
    for (const WordToken& w : kWords) {
        const std::string_view word = w.word;
        const bool takesText = word.back() == '=';
        if (takesText ? token.rfind(word, 0) != 0 : token != word) continue;
        if (w.command != 0) return target.press(w.command);
        return w.act(target, takesText ? token.substr(word.size()) : std::string(), token);
    }
    throw UsageError{"unknown key: " + token};
}

std::string keyTokenUsage() {
    // The key labels come from the keypad's table; ranges keep the text short.
    std::string usage =
        "press keys: 0-9 00 . + - X / = % Ttl Sub M+= M-= MST MT MR\n"
        "MUD TAX+ TAX- GT Neg <- C CA ^ # Del V QR Macro0-3 UP DOWN,\n"
        "numbers such as 12.5, and";
    for (const WordToken& w : kWords) (usage += w.newLine ? '\n' : ' ') += w.usage;
    return usage + ";\na token with blanks is written in double quotes";
}

}  // namespace vor
