#include "core/memory_form.h"

namespace vor {

void MemoryForm::insertRow(int index, const std::string& row) {
    if (index < 0 || index > rowCount()) index = rowCount();
    m_rows.insert(m_rows.begin() + index, row);
    if (m_selected >= index) ++m_selected;
}

void MemoryForm::deleteRow(int index) {
    if (index < 0 || index >= rowCount()) return;
    m_rows.erase(m_rows.begin() + index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
}

void MemoryForm::replaceRow(int index, const std::string& row) {
    if (index >= 0 && index < rowCount()) m_rows[static_cast<std::size_t>(index)] = row;
}

std::string MemoryForm::rowText(int index) const {
    return (index >= 0 && index < rowCount()) ? m_rows[static_cast<std::size_t>(index)] : "";
}

bool MemoryForm::selectRow(int index) {
    if (index < 0 || index >= rowCount()) return false;
    m_selected = index;
    return true;
}

bool MemoryForm::isChecked(int id) const {
    const auto it = m_checked.find(id);
    return it != m_checked.end() && it->second;
}

std::string MemoryForm::caption(int id) const {
    const auto it = m_captions.find(id);
    return it == m_captions.end() ? "" : it->second;
}

}  // namespace vor
