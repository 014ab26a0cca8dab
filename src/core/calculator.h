#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/entry_state.h"
#include "core/ports.h"
#include "core/settings.h"
#include "core/vor_doc.h"

namespace vor {

// The data of a pop-up help request for a control of the form: the top bit
// marks pop-up help, the high word names the form (101) and the low word the
// control's command id, which is all the help lookup reads back.
constexpr unsigned helpId(int controlId) {
    return 0x80000000u | (101u << 16) | static_cast<unsigned>(controlId);
}

// What the calculator needs from the layers above it: recalculation of the
// whole tape, the macro recorder, context help and the feature ports that
// appendLine feeds. Every member has a harmless default so that a bare
// calculator works on its own.
struct OperationKey;

class CalculatorHooks {
   public:
    virtual ~CalculatorHooks() = default;
    virtual void recalculateAll() {}
    virtual void addToActiveMacro(int /*commandId*/) {}
    virtual bool activeMacroPlaying() const { return false; }
    virtual bool inContextHelpMode() const { return false; }
    virtual void leaveContextHelpMode() {}
    virtual void winHelp(unsigned /*data*/, unsigned /*command*/) {}
    virtual void speakRow(const std::string& /*row*/) {}
    virtual void copyCurrentTotal() {}
    virtual void documentModified() {}
    // A setting the user changed on the form (Auto Decimal, the precision
    // and rounding buttons) under its profile value name; the shell decides
    // where settings are kept.
    virtual void settingChanged(const char* /*name*/, int /*value*/) {}
};

// The calculator half of the form view: the LED strings, the values that
// belong to the form, and every key of the keypad. It works on one document
// and reaches the screen only through the ports. Its state between keys is
// the document's registers plus the EntryState it is made of, as the
// document is made of its registers.
class CCalculator : public EntryState {
   public:
    CCalculator(CVORDoc& doc, CSettings& settings, FormPort& form, MessagePort& messages,
                CalculatorHooks& hooks);

    CVORDoc& doc() { return m_doc; }
    const CVORDoc& doc() const { return m_doc; }
    CSettings& settings() { return m_settings; }
    FormPort& form() { return m_form; }
    MessagePort& messages() { return m_messages; }
    CalculatorHooks& hooks() { return m_hooks; }

    // Tape and state (the single place a line joins the tape).
    bool appendLine(std::string text, std::string comment, double value);
    void takeSnapshot(CLineState& state) const;
    void restoreSnapshot(const CLineState& state);
    void readDisplays();
    void writeDisplays();
    void clearTape();
    void clearMemory();
    void selectNextLine();
    void selectPreviousLine();
    void selectFirstLine();
    void selectLastLine();
    // Runs a recalculation that is waiting, keeping an entry being typed.
    void settlePendingRecalc();
    // Shows a new or loaded document: LED strings from the document.
    void showDocument();

    // Formatting with the document's rounding; messages go to the user.
    std::string format(double value, int code);

    // Every recordable key starts here: while a macro is being recorded the
    // key is only stored (true) and must do nothing else.
    bool recording(int commandId);

    // Entry keys.
    void enterDigits(const std::string& text);
    void onDigit(char digit);
    void onDoubleZero();
    void onDecimalPoint();
    void onRightShift();
    void onNegate();
    // Negate's work without the recorder; `quiet` skips the message on a
    // zero entry. Returns whether the entry was negated.
    bool negateEntry(bool quiet);
    void onClear();
    void onClearAll();
    // The Clear key's work on the entry and the registers, without the
    // "<clear>" line it prints (the start of a replay).
    void clearCalculator();

    // Runs the keypad key or tape navigation command `id`; false when the
    // id is none of them.
    bool onKey(int id);
    static bool isKey(int id);

    // Operation keys.
    void onOperationKey(int commandId);
    void performOperation(int code, const std::string& comment, const std::string& secondComment);
    void onPercent();
    void onMemoryRecall();
    void onMarkUpDown();
    // TAX+ and TAX- at the Tax Rate setting; applyTax at a given rate and
    // with the amount line's comment (a replay gives back both).
    void onTaxPlus();
    void onTaxMinus();
    void applyTax(int keyId, double rate, const std::string& comment = " ");
    void onGrandTotal();

    // Selectors.
    void toggleAutoDecimal();
    void onPrecisionButton(int commandId);
    void onRoundingButton(int commandId);
    void refreshRadioButtons();
    void refreshRoundingButtons();

    // Command id of the radio button that shows a precision code (0 when no
    // button stands for it), and the codes the radio buttons set (-1 when
    // the id is no such button).
    static int precisionButton(int precision);
    static int precisionCode(int commandId);
    static int roundingCode(int commandId);
    // Operation code of an operation key (0 when the id is none).
    static int operationCode(int commandId);

    // The state between keys beyond the registers, taken and put back as a
    // whole.
    const EntryState& entryState() const { return *this; }
    void setEntryState(const EntryState& state) { static_cast<EntryState&>(*this) = state; }
    // Right after a line, or on a fresh tape: nothing waits for the next
    // key, the LED strings are the document's texts and a % is taken of
    // `lastLineValue`.
    void forgetEntryState(double lastLineValue = 0.0);

    // Modes rather than entry state: they say how keys are taken, not what
    // the last key left, so they outlive undo and replays.
    bool m_recalcPending = false;
    bool m_macroRecording = false;

   private:
    // The operation keys by kind (operation_engine.cpp). closeProduct closes
    // the product or quotient an X or ÷ left waiting, with the entry as its
    // last operand; an adding key passes its id to print that operand as an
    // = line of its own first (0: no line). False when the key is refused.
    bool closeProduct(double entry, int equalsKeyId, const std::string& comment);
    void addOrSubtract(const OperationKey& key, double entry, const std::string& comment,
                       const std::string& resultComment);
    void multiplyOrDivide(const OperationKey& key, double entry, const std::string& comment);
    void equals(const OperationKey& key, double entry, const std::string& comment,
                const std::string& resultComment);
    void printTotal(const OperationKey& key, double entry, const std::string& comment);
    void printMemoryTotal(const OperationKey& key, double entry, const std::string& comment);
    // What the Main LED shows once an operation key is done.
    enum class MainShows { Total, Product, Unchanged };
    // The step every operation key ends with: the key becomes the last
    // operation, the LEDs show the registers and the last line's snapshot
    // is taken again with the key's work done.
    void finishOperation(int code, double entry, MainShows shows);
    // The key is done with the entry: the next digit starts a new one.
    void endEntry(double lastValue, int lastOp);
    // A key that prints its working on lines of its own (Mark Up/Down, TAX+
    // and TAX-) ends as no operation with `result` shown and waiting as the
    // value + and - repeat; the last line's snapshot, taken before the key
    // had finished, is taken again when that line was printed.
    void endWithResult(double result, bool printed);

    // A % or MR note starts waiting: remembers what it replaces.
    void beginNote(const std::string& comment);
    // Cancels a waiting note without printing it.
    void dropNote();
    std::string zeroText() const { return CVORDoc::zeroText(m_settings.autoDecimal); }
    void askToRecalculate();
    void setLastLineFlags(int keyId, bool immediate, bool repeated = false);
    void snapshotLastLine();

    CVORDoc& m_doc;
    CSettings& m_settings;
    FormPort& m_form;
    MessagePort& m_messages;
    CalculatorHooks& m_hooks;

    // The last two LED texts made, with the values they show: the memory's
    // and the total's are formatted after every operation, though the
    // memory seldom changes. An LED text depends on its value alone.
    struct LedText {
        double value = 0.0;
        std::string text;
    };
    std::array<std::optional<LedText>, 2> m_ledTexts;
    std::size_t m_lastLedText = 0;
};

// printf("%d")-free integer text, for comments.
std::string intText(long long value);

// A rate as a note prints it: two decimals, or every digit it has when two
// would change it.
std::string rateText(double rate);

// A line's text: the figure, then the symbol of the key that printed it.
inline std::string lineText(std::string figure, std::string_view symbol) {
    figure.append(symbol);
    return figure;
}

}  // namespace vor
