// The operation keys: +, -, X, ÷, =, ST, T and the memory keys, one small
// routine for each kind of key and one finishing step they share, plus the
// Percent key that prepares a value for them.
#include <array>
#include <string_view>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "core/tr_noop.h"

namespace vor {

enum class OperationKind { AddSub, MulDiv, Equals, Total, MemoryTotal };

// One operation key: what it prints and how the routine of its kind treats
// it. A new key is a row of kOperationKeys (and a new kind a routine).
struct OperationKey {
    int code;   // op:: code, as m_lastOp keeps it
    int keyId;  // command id, as the key's line records it
    OperationKind kind;
    std::string_view symbol;  // printed after the figure
    // Adding keys: whether the key subtracts, and whether it works on the
    // memory rather than on the running total.
    bool subtracts = false;
    bool onMemory = false;
    // Total keys: whether the register is cleared once printed (T, MT)
    // rather than only shown (ST, MST).
    bool clears = false;
    // Adding keys: the tip shown when the key follows = with no new entry.
    const char* misuse = nullptr;
};

namespace {

constexpr OperationKey kOperationKeys[] = {
    {.code = op::Plus,
     .keyId = cmd::Plus,
     .kind = OperationKind::AddSub,
     .symbol = words::kPlus,
     .misuse = VOR_TR_NOOP(
         "vorlex",
         "Tip: Use this button in place of the equals (=) button to add the result to the "
         "current running total.")},
    {.code = op::Minus,
     .keyId = cmd::Minus,
     .kind = OperationKind::AddSub,
     .symbol = words::kMinus,
     .subtracts = true,
     .misuse = VOR_TR_NOOP("vorlex",
                           "Tip: Use this button in place of the equals (=) button to subtract the "
                           "result from the "
                           "current running total.")},
    {.code = op::MemoryPlusEquals,
     .keyId = cmd::MemoryPlusEquals,
     .kind = OperationKind::AddSub,
     .symbol = words::kMemoryPlus,
     .onMemory = true,
     .misuse = VOR_TR_NOOP(
         "vorlex",
         "Tip:  Use this button in place of the equals (=) button to obtain the result of an "
         "intermediate multiplication or division operation and add the result to the current "
         "running memory total.")},
    {.code = op::MemoryMinusEquals,
     .keyId = cmd::MemoryMinusEquals,
     .kind = OperationKind::AddSub,
     .symbol = words::kMemoryMinus,
     .subtracts = true,
     .onMemory = true,
     .misuse = VOR_TR_NOOP(
         "vorlex",
         "Tip:  Use this button in place of the equals (=) button to obtain the result of a "
         "multiplication or division operation and subtract that result from the current "
         "running "
         "memory total.")},
    {.code = op::Multiplication,
     .keyId = cmd::Multiply,
     .kind = OperationKind::MulDiv,
     .symbol = words::kMultiply},
    {.code = op::Division,
     .keyId = cmd::Divide,
     .kind = OperationKind::MulDiv,
     .symbol = words::kDivide},
    {.code = op::Equals,
     .keyId = cmd::Equals,
     .kind = OperationKind::Equals,
     .symbol = words::kEquals},
    {.code = op::SubTotal,
     .keyId = cmd::SubTotal,
     .kind = OperationKind::Total,
     .symbol = words::kSubTotal},
    {.code = op::Total,
     .keyId = cmd::Total,
     .kind = OperationKind::Total,
     .symbol = words::kTotal,
     .clears = true},
    {.code = op::MemorySubTotal,
     .keyId = cmd::MemorySubTotal,
     .kind = OperationKind::MemoryTotal,
     .symbol = words::kMemorySubTotal},
    {.code = op::MemoryTotal,
     .keyId = cmd::MemoryTotal,
     .kind = OperationKind::MemoryTotal,
     .symbol = words::kMemoryTotal,
     .clears = true},
};

// The row of each op:: code: every operation key and every replayed line
// looks its row up.
constexpr auto kRowOfCode = [] {
    std::array<const OperationKey*, op::MemoryTotal + 1> rows{};
    for (const OperationKey& k : kOperationKeys) rows[static_cast<std::size_t>(k.code)] = &k;
    return rows;
}();

const OperationKey* operationKey(int code) {
    return code >= 0 && code < static_cast<int>(kRowOfCode.size())
               ? kRowOfCode[static_cast<std::size_t>(code)]
               : nullptr;
}

bool isMulDiv(int code) {
    return code == op::Multiplication || code == op::Division;
}

constexpr const char* kMustFollow =
    "This button must follow either an intermediate multiplication/division operation or an "
    "immediate value.\n\n";

}  // namespace

int CCalculator::operationCode(int commandId) {
    for (const OperationKey& k : kOperationKeys)
        if (k.keyId == commandId) return k.code;
    return 0;
}

void CCalculator::onOperationKey(int commandId) {
    const int code = operationCode(commandId);
    if (code == 0 || recording(commandId)) return;
    performOperation(code, " ", " ");
}

void CCalculator::performOperation(int code, const std::string& comment,
                                   const std::string& secondComment) {
    const OperationKey* key = operationKey(code);
    if (key == nullptr) return;
    settlePendingRecalc();
    CVORDoc& d = m_doc;
    // ST, T, MST and MT print a register and never the entry, so they close
    // a waiting product or quotient exactly as = would just before them:
    // the operand typed for it and the result get their own lines, and a
    // replay finds every number the user typed on the tape. When = refuses
    // (no number typed, division by zero) the key has nothing to go on.
    const bool printsRegister =
        key->kind == OperationKind::Total || key->kind == OperationKind::MemoryTotal;
    if (printsRegister && isMulDiv(d.m_lastOp)) {
        performOperation(op::Equals, " ", " ");
        if (isMulDiv(d.m_lastOp)) return;
    }
    readDisplays();
    d.m_mainText = m_mainLED;
    d.m_memory = stringToDouble(d.m_memoryText);
    const double entry = stringToDouble(d.m_mainText);
    switch (key->kind) {
        case OperationKind::AddSub: addOrSubtract(*key, entry, comment, secondComment); break;
        case OperationKind::MulDiv: multiplyOrDivide(*key, entry, comment); break;
        case OperationKind::Equals: equals(*key, entry, comment, secondComment); break;
        case OperationKind::Total: printTotal(*key, entry, comment); break;
        case OperationKind::MemoryTotal: printMemoryTotal(*key, entry, comment); break;
    }
}

bool CCalculator::closeProduct(double entry, int equalsKeyId, const std::string& comment) {
    CVORDoc& d = m_doc;
    if (d.m_newEntry && !m_hasPendingComment) {
        m_messages.show("You must press a number key prior to pressing this key.", Buttons::Ok,
                        Icon::Information);
        return false;
    }
    if (d.m_lastOp == op::Multiplication) {
        d.m_product = entry * d.m_product;
    } else if (entry != 0.0 && d.m_product != 0.0) {
        d.m_product = d.m_product / entry;
    } else if (entry == 0.0 && d.m_product != 0.0) {
        m_messages.show("Error:  Divide by zero operations not allowed!");
        return false;
    }
    // The = line's snapshot holds the closed product but not yet the values
    // taken from it below.
    if (equalsKeyId != 0 &&
        appendLine(lineText(format(entry, d.m_precision), words::kEquals), comment, entry))
        setLastLineFlags(equalsKeyId, true);
    d.m_lastValue = d.m_product;
    d.m_repeatValue = d.m_product;
    m_negatedRepeat = false;
    return true;
}

void CCalculator::addOrSubtract(const OperationKey& key, double entry, const std::string& comment,
                                const std::string& resultComment) {
    CVORDoc& d = m_doc;
    const bool closing = isMulDiv(d.m_lastOp);
    if (closing && !closeProduct(entry, key.keyId, comment)) return;
    if (d.m_lastOp == op::Equals && d.m_newEntry) {
        m_messages.show(std::string(kMustFollow) + key.misuse);
        return;
    }
    // What is added: the product just closed (a result line below the =
    // line, with the comment a replay gives back), the repeat value when no
    // number was typed, or the entry.
    double shown = entry;
    int lineKey = key.keyId;
    bool immediate = true;
    bool repeated = false;
    const std::string* lineComment = &comment;
    if (closing) {
        shown = d.m_lastValue;
        lineKey = 0;
        immediate = false;
        lineComment = &resultComment;
    } else if (d.m_newEntry && d.m_repeatValue != 0.0 && !m_hasPendingComment) {
        shown = d.m_repeatValue;
        repeated = !m_negatedRepeat;
        immediate = m_negatedRepeat;
        m_negatedRepeat = false;
    } else {
        d.m_repeatValue = entry;
        m_negatedRepeat = false;
    }
    double& reg = key.onMemory ? d.m_memory : d.m_total;
    reg = key.subtracts ? reg - shown : reg + shown;
    if (appendLine(lineText(format(shown, d.m_precision), key.symbol), *lineComment, shown))
        setLastLineFlags(lineKey, immediate, repeated);
    d.m_product = 0.0;
    d.m_factor = 0.0;
    if (!key.onMemory) {
        ++d.m_itemCount;
        if (key.subtracts ? shown > 0.0 : shown < 0.0) ++d.m_negCount;
    }
    finishOperation(key.code, entry, MainShows::Total);
}

void CCalculator::multiplyOrDivide(const OperationKey& key, double entry,
                                   const std::string& comment) {
    CVORDoc& d = m_doc;
    const bool chained = isMulDiv(d.m_lastOp);
    if (chained && !closeProduct(entry, 0, comment)) return;
    if (appendLine(lineText(format(entry, d.m_precision), key.symbol), comment, entry))
        setLastLineFlags(key.keyId, true);
    d.m_factor = entry;
    if (d.m_product == 0.0 && !chained) d.m_product = entry;
    finishOperation(key.code, entry, MainShows::Total);
}

void CCalculator::equals(const OperationKey& key, double entry, const std::string& comment,
                         const std::string& resultComment) {
    CVORDoc& d = m_doc;
    if (!isMulDiv(d.m_lastOp)) {
        m_messages.show(
            "The \"=\" key is only to be used for obtaining the result of a "
            "multiplication or division operation.",
            Buttons::Ok, Icon::Information);
        // The entry is dropped, and with it a % or MR note describing it.
        // Left waiting, the note would land on the next line, which a
        // replay would then re-key as a % or MR of its own.
        dropNote();
    } else {
        if (!closeProduct(entry, 0, comment)) return;
        if (appendLine(lineText(format(entry, d.m_precision), key.symbol), comment, entry))
            setLastLineFlags(key.keyId, true);
        // The result line takes the second comment, as the result lines
        // of + and - do, so that a replay gives it back its own comment.
        if (appendLine(format(d.m_product, d.m_precision), resultComment, d.m_product))
            setLastLineFlags(0, false);
        d.m_factor = 0.0;
    }
    finishOperation(key.code, entry, MainShows::Product);
}

void CCalculator::printTotal(const OperationKey& key, double entry, const std::string& comment) {
    CVORDoc& d = m_doc;
    const std::string lineComment =
        m_settings.givePosNegCounts ? words::itemCountNote(d.m_itemCount, d.m_negCount) : comment;
    if (appendLine(lineText(format(d.m_total, d.m_precision), key.symbol), lineComment, d.m_total))
        setLastLineFlags(key.keyId, false);
    if (key.clears) {
        d.m_grandTotal += d.m_total;
        if (d.m_lastOp == op::Total || d.m_lastOp == op::None) {
            d.m_mainText = zeroText();
            m_mainLED = d.m_mainText;
        }
        d.m_total = 0.0;
        d.m_repeatValue = 0.0;
        m_negatedRepeat = false;
        d.m_itemCount = 0;
        d.m_negCount = 0;
    }
    finishOperation(key.code, entry, key.clears ? MainShows::Unchanged : MainShows::Total);
}

void CCalculator::printMemoryTotal(const OperationKey& key, double entry,
                                   const std::string& comment) {
    CVORDoc& d = m_doc;
    d.m_mainText = format(d.m_memory, kFormatLed);
    m_mainLED = d.m_mainText;
    d.m_repeatValue = d.m_memory;
    m_negatedRepeat = false;
    if (key.clears) d.m_product = d.m_memory;
    if (appendLine(lineText(format(d.m_memory, d.m_precision), key.symbol), comment, d.m_memory))
        setLastLineFlags(key.keyId, false);
    if (key.clears) clearMemory();
    writeDisplays();
    finishOperation(key.code, entry, MainShows::Unchanged);
}

void CCalculator::endEntry(double lastValue, int lastOp) {
    m_doc.m_lastValue = lastValue;
    m_doc.m_newEntry = true;
    m_doc.m_decimalEntered = false;
    m_doc.m_lastOp = lastOp;
}

void CCalculator::endWithResult(double result, bool printed) {
    CVORDoc& d = m_doc;
    d.m_mainText = format(result, kFormatLed);
    m_mainLED = d.m_mainText;
    writeDisplays();
    // Closed as = closes it: a product left behind would silently become
    // the first operand of the next multiplication.
    endEntry(result, op::None);
    d.m_repeatValue = result;
    d.m_product = 0.0;
    m_negatedRepeat = false;
    if (printed) snapshotLastLine();
}

void CCalculator::finishOperation(int code, double entry, MainShows shows) {
    CVORDoc& d = m_doc;
    endEntry(entry, code);
    // The total is formatted for = too, before the product replaces it: a
    // total too large to show is reported by every key that shows it.
    if (shows != MainShows::Unchanged) d.m_mainText = format(d.m_total, kFormatLed);
    d.m_memoryText = format(d.m_memory, kFormatLed);
    if (shows == MainShows::Product) {
        d.m_mainText = format(d.m_product, kFormatLed);
        d.m_product = 0.0;
    }
    m_mainLED = d.m_mainText;
    m_memoryLED = d.m_memoryText;
    writeDisplays();
    snapshotLastLine();
}

void CCalculator::onPercent() {
    if (recording(cmd::Percent)) return;
    settlePendingRecalc();
    readDisplays();
    m_doc.m_mainText = m_mainLED;
    const double p = stringToDouble(m_doc.m_mainText);
    const double r = p * 0.01 * m_lastLineValue;
    m_doc.m_mainText = format(r, kFormatLed);
    beginNote(words::percentNote(rateText(p), formatFixed(m_lastLineValue, 2)));
    m_mainLED = m_doc.m_mainText;
    writeDisplays();
    m_doc.m_newEntry = true;
    m_doc.m_lastValue = r;
    m_doc.m_repeatValue = r;
    m_doc.m_decimalEntered = false;
    m_negatedRepeat = false;
}

}  // namespace vor
