// The Decimal Precision and Rounding radio buttons and the Auto Decimal
// switch.
#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/selector_buttons.h"

namespace vor {
namespace {

int codeOf(std::span<const SelectorButton> buttons, int id) {
    for (const SelectorButton& b : buttons)
        if (b.id == id) return b.code;
    return -1;
}

}  // namespace

int CCalculator::precisionButton(int precision) {
    for (const SelectorButton& b : precisionButtons())
        if (b.code == precision) return b.id;
    return 0;
}

int CCalculator::precisionCode(int id) {
    return codeOf(precisionButtons(), id);
}

int CCalculator::roundingCode(int id) {
    return codeOf(roundingButtons(), id);
}

void CCalculator::toggleAutoDecimal() {
    m_settings.autoDecimal = !m_settings.autoDecimal;
    m_hooks.settingChanged("Auto Decimal", m_settings.autoDecimal ? 1 : 0);
    if (m_settings.autoDecimal) {
        m_doc.m_precision = 2;
        m_mainLED = "0.00";
    } else {
        m_mainLED = "0.";
    }
    m_doc.m_newEntry = true;
    refreshRadioButtons();
    writeDisplays();
}

void CCalculator::refreshRadioButtons() {
    for (const auto& b : precisionButtons()) m_form.setChecked(b.id, false);
    m_form.setChecked(cmd::AutoDecimalCheck, m_settings.autoDecimal);
    if (m_settings.autoDecimal) m_doc.m_precision = 2;
    if (const int id = precisionButton(m_doc.m_precision)) m_form.setChecked(id, true);
}

void CCalculator::refreshRoundingButtons() {
    for (const auto& b : roundingButtons()) m_form.setChecked(b.id, b.code == m_doc.m_rounding);
}

void CCalculator::askToRecalculate() {
    if (m_doc.m_lineCount >= 1 &&
        m_messages.show("Recalculate tape box?", Buttons::YesNo) == Answer::Yes)
        m_hooks.recalculateAll();
}

void CCalculator::onPrecisionButton(int commandId) {
    const int code = precisionCode(commandId);
    if (code < 0) return;
    if (m_settings.autoDecimal && code != 2) {
        refreshRadioButtons();
        return;
    }
    m_doc.m_precision = code;
    m_hooks.settingChanged("Decimal Precision", code);
    refreshRadioButtons();
    askToRecalculate();
}

void CCalculator::onRoundingButton(int commandId) {
    const int code = roundingCode(commandId);
    if (code < 0) return;
    m_doc.m_rounding = code;
    m_hooks.settingChanged("Rounding Method", code);
    refreshRoundingButtons();
    askToRecalculate();
}

}  // namespace vor
