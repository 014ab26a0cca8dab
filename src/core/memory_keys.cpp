// Memory Recall and Mark Up or Mark Down: both leave their result where the
// next operation key (or a replay) expects it.
#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"

namespace vor {

void CCalculator::onMemoryRecall() {
    if (recording(cmd::MemoryRecall)) return;
    readDisplays();
    beginNote(words::memoryRecallNote());
    m_doc.m_mainText = m_memoryLED;
    m_mainLED = m_doc.m_mainText;
    writeDisplays();
    m_doc.m_newEntry = false;
    m_doc.m_decimalEntered = false;
    m_doc.m_lastValue = m_doc.m_repeatValue = stringToDouble(m_doc.m_mainText);
    m_negatedRepeat = false;
}

void CCalculator::onMarkUpDown() {
    if (recording(cmd::MarkUpDown)) return;
    settlePendingRecalc();
    CVORDoc& d = m_doc;
    readDisplays();
    d.m_mainText = m_mainLED;
    const double r = stringToDouble(d.m_mainText);
    if (d.m_lastOp != op::Multiplication && d.m_lastOp != op::Division) {
        m_messages.show(
            "This key is valid only when it follows a multiplication or division "
            "operation.",
            Buttons::Ok, Icon::Information);
        return;
    }
    const bool markUp = d.m_lastOp == op::Multiplication;
    const double c = d.m_lastValue;
    const int prec = d.m_precision;
    double s = 0.0;
    double change = 0.0;
    if (markUp) {
        s = c / (1.0 - r * 0.01);
        change = (r * 0.01) * s;
    } else {
        change = r * c / (r + 100.0);
        s = c - change;
    }
    const std::string rateText = formatFixed(r, 2);
    if (appendLine(lineText(format(r, prec), markUp ? words::kMarkUpRate : words::kMarkDownRate),
                   std::string(markUp ? words::kProfitRate : words::kLossRate) + rateText + "%", r))
        setLastLineFlags(cmd::MarkUpDown, true);
    if (appendLine(
            lineText(format(change, prec), markUp ? words::kMarkUpAmount : words::kMarkDownAmount),
            std::string(markUp ? words::kMarkUpNote : words::kMarkDownNote), change))
        setLastLineFlags(0, false);
    const bool printed = appendLine(lineText(format(s, prec), words::kSellingPrice),
                                    std::string(words::kSellingPriceNote) + formatFixed(s, 2), s);
    if (printed) setLastLineFlags(0, false);
    // Undo back to the selling price line must find the state after the
    // key, not a multiplication still waiting for its rate.
    endWithResult(s, printed);
}

}  // namespace vor
