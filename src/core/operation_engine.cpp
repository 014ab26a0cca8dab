// performOperation: the one routine behind +, -, X, ÷, =, ST, T and the
// memory keys, plus the Percent key that prepares a value for it.
#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tr_noop.h"

namespace vor {
namespace {

bool isMulDiv(int code) {
    return code == op::Multiplication || code == op::Division;
}

// The keys that print a register rather than take the entry.
bool printsRegister(int code) {
    return code == op::SubTotal || code == op::Total || code == op::MemorySubTotal ||
           code == op::MemoryTotal;
}

bool isAddSub(int code) {
    return code == op::Plus || code == op::Minus || code == op::MemoryPlusEquals ||
           code == op::MemoryMinusEquals;
}

struct AddSubKey {
    int code;
    const char* symbol;
    int keyId;
    const char* misuse;
};

constexpr const char* kMustFollow =
    "This button must follow either an intermediate multiplication/division operation or an "
    "immediate value.\n\n";

const AddSubKey& addSubKey(int code) {
    static const AddSubKey keys[] = {
        {op::Plus, "+  ", cmd::Plus,
         VOR_TR_NOOP(
             "vorlex",
             "Tip: Use this button in place of the equals (=) button to add the result to the "
             "current running total.")},
        {op::Minus, "-  ", cmd::Minus,
         VOR_TR_NOOP("vorlex",
                     "Tip: Use this button in place of the equals (=) button to subtract the "
                     "result from the "
                     "current running total.")},
        {op::MemoryPlusEquals, "M+ ", cmd::MemoryPlusEquals,
         VOR_TR_NOOP(
             "vorlex",
             "Tip:  Use this button in place of the equals (=) button to obtain the result of an "
             "intermediate multiplication or division operation and add the result to the current "
             "running memory total.")},
        {op::MemoryMinusEquals, "M- ", cmd::MemoryMinusEquals,
         VOR_TR_NOOP(
             "vorlex",
             "Tip:  Use this button in place of the equals (=) button to obtain the result of a "
             "multiplication or division operation and subtract that result from the current "
             "running "
             "memory total.")},
    };
    for (const auto& k : keys)
        if (k.code == code) return k;
    return keys[0];
}

}  // namespace

int CCalculator::operationCode(int commandId) {
    switch (commandId) {
        case cmd::Plus: return op::Plus;
        case cmd::Minus: return op::Minus;
        case cmd::Multiply: return op::Multiplication;
        case cmd::Divide: return op::Division;
        case cmd::Equals: return op::Equals;
        case cmd::SubTotal: return op::SubTotal;
        case cmd::Total: return op::Total;
        case cmd::MemoryPlusEquals: return op::MemoryPlusEquals;
        case cmd::MemoryMinusEquals: return op::MemoryMinusEquals;
        case cmd::MemorySubTotal: return op::MemorySubTotal;
        case cmd::MemoryTotal: return op::MemoryTotal;
        default: return 0;
    }
}

void CCalculator::onOperationKey(int commandId) {
    const int code = operationCode(commandId);
    if (code == 0 || recording(commandId)) return;
    performOperation(code, " ", " ");
}

void CCalculator::performOperation(int code, const std::string& comment,
                                   const std::string& secondComment) {
    settlePendingRecalc();
    CVORDoc& d = m_doc;
    // ST, T, MST and MT print a register and never the entry, so they close
    // a waiting product or quotient exactly as = would just before them:
    // the operand typed for it and the result get their own lines, and a
    // replay finds every number the user typed on the tape. When = refuses
    // (no number typed, division by zero) the key has nothing to go on.
    if (printsRegister(code) && isMulDiv(d.m_lastOp)) {
        performOperation(op::Equals, " ", " ");
        if (isMulDiv(d.m_lastOp)) return;
    }
    const int prec = d.m_precision;
    readDisplays();
    d.m_mainText = m_mainLED;
    d.m_memory = stringToDouble(d.m_memoryText);
    const double v = stringToDouble(d.m_mainText);
    bool resultReady = false;
    bool afterEquals = false;

    if (isMulDiv(d.m_lastOp)) {
        if (d.m_newEntry && !m_hasPendingComment) {
            m_messages.show("You must press a number key prior to pressing this key.", Buttons::Ok,
                            Icon::Information);
            return;
        }
        if (d.m_lastOp == op::Multiplication) {
            d.m_product = v * d.m_product;
        } else if (v != 0.0 && d.m_product != 0.0) {
            d.m_product = d.m_product / v;
        } else if (v == 0.0 && d.m_product != 0.0) {
            m_messages.show("Error:  Divide by zero operations not allowed!");
            return;
        }
        if (isAddSub(code)) {
            if (appendLine(format(v, prec) + "=  ", comment, v))
                setLastLineFlags(addSubKey(code).keyId, true);
        }
        d.m_lastValue = d.m_product;
        resultReady = true;
    } else if (d.m_lastOp == op::Equals) {
        afterEquals = true;
    }
    if (isMulDiv(d.m_lastOp)) {
        d.m_repeatValue = d.m_product;
        m_negatedRepeat = false;
    }

    if (isAddSub(code)) {
        const AddSubKey& key = addSubKey(code);
        if (afterEquals && d.m_newEntry) {
            m_messages.show(std::string(kMustFollow) + key.misuse);
            return;
        }
        double shown = 0.0;
        int lineKey = key.keyId;
        bool repeated = false;
        const std::string* lineComment = &comment;
        if (resultReady) {
            shown = d.m_lastValue;
            resultReady = false;
            lineKey = 0;
            lineComment = &secondComment;
        } else if (d.m_newEntry && d.m_repeatValue != 0.0 && !m_hasPendingComment) {
            shown = d.m_repeatValue;
            repeated = !m_negatedRepeat;
            resultReady = m_negatedRepeat;
            m_negatedRepeat = false;
        } else {
            shown = v;
            d.m_repeatValue = v;
            resultReady = true;
            m_negatedRepeat = false;
        }
        const bool subtract = code == op::Minus || code == op::MemoryMinusEquals;
        double& reg = (code == op::Plus || code == op::Minus) ? d.m_total : d.m_memory;
        reg = subtract ? reg - shown : reg + shown;
        if (appendLine(format(shown, prec) + key.symbol, *lineComment, shown))
            setLastLineFlags(lineKey, resultReady, repeated);
        d.m_product = 0.0;
        d.m_factor = 0.0;
        if (code == op::Plus || code == op::Minus) {
            ++d.m_itemCount;
            if ((code == op::Plus && shown < 0.0) || (code == op::Minus && shown > 0.0))
                ++d.m_negCount;
        }
    } else if (isMulDiv(code)) {
        const bool mul = code == op::Multiplication;
        if (appendLine(format(v, prec) + (mul ? "X  " : "/  "), comment, v))
            setLastLineFlags(mul ? cmd::Multiply : cmd::Divide, true);
        d.m_factor = v;
        if (d.m_product == 0.0 && !isMulDiv(d.m_lastOp)) d.m_product = v;
    } else if (code == op::Equals) {
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
            if (appendLine(format(v, prec) + "=  ", comment, v))
                setLastLineFlags(cmd::Equals, true);
            // The result line takes the second comment, as the result lines
            // of + and - do, so that a replay gives it back its own comment.
            if (appendLine(format(d.m_product, prec), secondComment, d.m_product))
                setLastLineFlags(0, false);
            d.m_factor = 0.0;
        }
    } else if (code == op::SubTotal || code == op::Total) {
        const bool total = code == op::Total;
        std::string lineComment = comment;
        if (m_settings.givePosNegCounts)
            lineComment = " ;" + intText(d.m_itemCount) + " Items (" +
                          intText(d.m_itemCount - d.m_negCount) + " Pos, " + intText(d.m_negCount) +
                          " Neg)";
        if (appendLine(format(d.m_total, prec) + (total ? "Ttl" : "Sub"), lineComment, d.m_total))
            setLastLineFlags(total ? cmd::Total : cmd::SubTotal, false);
        if (total) {
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
    } else if (code == op::MemorySubTotal || code == op::MemoryTotal) {
        const bool total = code == op::MemoryTotal;
        d.m_mainText = format(d.m_memory, kFormatLed);
        m_mainLED = d.m_mainText;
        d.m_repeatValue = d.m_memory;
        m_negatedRepeat = false;
        if (total) d.m_product = d.m_memory;
        if (appendLine(format(d.m_memory, prec) + (total ? "MT " : "MS "), comment, d.m_memory))
            setLastLineFlags(total ? cmd::MemoryTotal : cmd::MemorySubTotal, false);
        if (total) clearMemory();
        writeDisplays();
    } else {
        return;
    }

    d.m_lastValue = v;
    d.m_newEntry = true;
    d.m_decimalEntered = false;
    d.m_lastOp = code;
    if (code != op::MemorySubTotal && code != op::Total && code != op::MemoryTotal)
        d.m_mainText = format(d.m_total, kFormatLed);
    d.m_memoryText = format(d.m_memory, kFormatLed);
    if (code == op::Equals) {
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
    // The comment is what a replay reads the percentage back from, so a
    // rate with more decimals than two (8.875%) keeps all of them.
    std::string rate = formatFixed(p, 2);
    if (stringToDouble(rate) != p) {
        rate = exactText(p);
        if (rate.back() == '.') rate.pop_back();
    }
    beginNote(" ;<% key> (" + rate + "% of " + formatFixed(m_lastLineValue, 2) + ")");
    m_mainLED = m_doc.m_mainText;
    writeDisplays();
    m_doc.m_newEntry = true;
    m_doc.m_lastValue = r;
    m_doc.m_repeatValue = r;
    m_doc.m_decimalEntered = false;
    m_negatedRepeat = false;
}

}  // namespace vor
