#include "macros/enter_value_dialog.h"

#include "core/text_codec.h"

namespace vor {

std::string CEnterValueDlg::shownPrompt() const {
    return firstCharacters(m_prompt, kMaxPrompt);
}

std::string CEnterValueDlg::onOK() const {
    return firstCharacters(m_valueText, kMaxValue) == m_valueText ? std::string() : kTooLong;
}

}  // namespace vor
