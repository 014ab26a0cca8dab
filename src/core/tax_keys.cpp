// TAX+, TAX- and GT: keys that print their own lines and leave their result
// as the entry the next + or - adds, as a printing calculator's do.
#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/key_tokens.h"
#include "core/number_reader.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "core/tax_rate.h"

namespace vor {
namespace {

bool isMulDiv(int code) {
    return code == op::Multiplication || code == op::Division;
}

}  // namespace

std::optional<double> readTaxRate(std::string_view text, bool european) {
    const std::optional<ReadNumber> n = readNumber(text, european);
    if (!n || n->negative || n->digits() > 12) return std::nullopt;
    const double rate = stringToDouble(n->plain());
    if (!(rate <= kMaxTaxRate)) return std::nullopt;
    return rate;
}

std::string taxRateText(double rate) {
    std::string text = exactText(rate);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string noteTaxRateText(std::string_view note) {
    if (!note.starts_with(words::kTaxNote)) return {};
    const std::string_view rest = note.substr(words::kTaxNote.size());
    const auto percent = rest.find('%');
    if (percent == std::string_view::npos) return {};
    const std::string rate(rest.substr(0, percent));
    return isNumberToken(rate) ? rate : std::string();
}

std::optional<double> noteTaxRate(std::string_view note) {
    const std::string text = noteTaxRateText(note);
    if (text.empty()) return std::nullopt;
    return stringToDouble(text);
}

std::string rateText(double rate) {
    // The text is what a replay reads the rate back from, so a rate with
    // more decimals than two (8.875%) keeps all of them.
    std::string text = formatFixed(rate, 2);
    if (stringToDouble(text) != rate) {
        text = exactText(rate);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

void CCalculator::onTaxPlus() {
    if (recording(cmd::TaxPlus)) return;
    applyTax(cmd::TaxPlus, m_settings.taxRate);
}

void CCalculator::onTaxMinus() {
    if (recording(cmd::TaxMinus)) return;
    applyTax(cmd::TaxMinus, m_settings.taxRate);
}

// Three lines: the amount the tax is figured on (the key's line: a replay
// types it back when it was typed, and otherwise finds it in the Main LED
// as the lines above leave it), the tax with the rate in its note, and the
// amount with the tax added (gross) or taken out (net).
void CCalculator::applyTax(int keyId, double rate, const std::string& comment) {
    settlePendingRecalc();
    CVORDoc& d = m_doc;
    // A product still open is closed as Ttl closes it: the tax is figured
    // on its result, and the operand typed for it gets its own line.
    if (isMulDiv(d.m_lastOp)) {
        performOperation(op::Equals, " ", " ");
        if (isMulDiv(d.m_lastOp)) return;
    }
    readDisplays();
    d.m_mainText = m_mainLED;
    const double base = stringToDouble(d.m_mainText);
    const bool typed = !d.m_newEntry;
    const bool plus = keyId == cmd::TaxPlus;
    double tax = 0.0;
    double result = 0.0;
    if (plus) {
        tax = base * rate / 100.0;
        result = base + tax;
    } else {
        // Figured as base * 100 / (100 + rate): 108.25 at 8.25% is 100 exactly.
        result = base * 100.0 / (100.0 + rate);
        tax = base - result;
    }
    const int prec = d.m_precision;
    if (appendLine(lineText(format(base, prec), plus ? words::kTaxPlus : words::kTaxMinus), comment,
                   base))
        setLastLineFlags(keyId, typed);
    if (appendLine(lineText(format(tax, prec), words::kTaxAmount), words::taxNote(rateText(rate)),
                   tax))
        setLastLineFlags(0, false);
    const bool printed =
        appendLine(lineText(format(result, prec), plus ? words::kGross : words::kNet), " ", result);
    if (printed) setLastLineFlags(0, false);
    d.m_factor = 0.0;
    // The result waits as the value the next + or - repeats, so a replay
    // carries a changed amount or rate on into the lines below.
    endWithResult(result, printed);
}

void CCalculator::onGrandTotal() {
    if (recording(cmd::GrandTotal)) return;
    settlePendingRecalc();
    CVORDoc& d = m_doc;
    // The grand total replaces the entry, so a % or MR note waiting for the
    // entry goes with it.
    dropNote();
    if (appendLine(lineText(format(d.m_grandTotal, d.m_precision), words::kGrandTotal), " ",
                   d.m_grandTotal))
        setLastLineFlags(cmd::GrandTotal, false);
    d.m_mainText = format(d.m_grandTotal, kFormatLed);
    m_mainLED = d.m_mainText;
    writeDisplays();
    d.m_lastValue = d.m_repeatValue = d.m_grandTotal;
    d.m_decimalEntered = false;
    m_negatedRepeat = false;
    // After X or ÷ the grand total is the operand = takes, as MR's value is;
    // otherwise it waits as the value the next + or - repeats.
    d.m_newEntry = !isMulDiv(d.m_lastOp);
    if (d.m_lastOp == op::Equals) d.m_lastOp = op::None;
    snapshotLastLine();
}

}  // namespace vor
