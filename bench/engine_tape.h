#pragma once

#include <initializer_list>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/memory_form.h"
#include "tape/recalculation.h"

namespace vor::bench {

// The engine on the in-memory form, with no Qt in the way.
struct EngineTape : CalculatorHooks {
    class NoMessages : public MessagePort {
       public:
        Answer show(const std::string&, Buttons, Icon) override { return Answer::Yes; }
    };

    CSettings settings;
    MemoryForm form;
    NoMessages messages;
    CVORDoc doc;
    CCalculator calc{doc, settings, form, messages, *this};
    CRecalculator recalc{calc};

    EngineTape() {
        doc.startNewTape(2, 12, false);
        calc.showDocument();
    }

    // A realistic mix: items, a multiplication added to the total, memory
    // and a subtotal; 1000 lines in all.
    void keyFullTape() {
        using namespace vor::cmd;
        keyRounds({Digit1, Digit2, DecimalPoint, Digit5, Plus, Digit3, Multiply, Digit4, Plus,
                   Digit7, MemoryPlusEquals, Digit2, Minus, SubTotal},
                  995);
    }

    // The keys of a printing calculator: tax added and taken out, totals
    // and the grand total; 1000 lines in all.
    void keyTaxTape() {
        using namespace vor::cmd;
        settings.taxRate = 8.25;
        keyRounds({Digit1, Digit2, DecimalPoint, Digit5, TaxPlus, Plus, Digit3, Digit0, TaxMinus,
                   Minus, Total, GrandTotal, Plus},
                  990);
    }

    // `round` again and again until the tape has `lines` lines, then
    // subtotals up to the tape's limit.
    void keyRounds(std::initializer_list<int> round, int lines) {
        while (doc.m_lineCount < lines)
            for (int key : round) calc.onKey(key);
        while (doc.m_lineCount < kMaxLines) calc.onKey(cmd::SubTotal);
    }
};

}  // namespace vor::bench
