#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/ports.h"

namespace vor {

// A form that lives in memory: batch mode's form and the tests' form. It
// behaves as the window's does (rows, selection, check marks) without
// drawing anything.
class MemoryForm : public FormPort {
   public:
    std::string mainLedText() const override { return m_main; }
    std::string memoryLedText() const override { return m_memory; }
    void setLedTexts(const std::string& main, const std::string& memory) override {
        m_main = main;
        m_memory = memory;
    }

    void addRow(const std::string& row) override { m_rows.push_back(row); }
    void insertRow(int index, const std::string& row) override;
    void deleteRow(int index) override;
    void replaceRow(int index, const std::string& row) override;
    void resetRows() override {
        m_rows.clear();
        m_selected = -1;
    }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    std::string rowText(int index) const override;
    int selectedRow() const override { return m_selected; }
    bool selectRow(int index) override;
    bool reserveRows(int) override { return true; }

    void setChecked(int id, bool checked) override { m_checked[id] = checked; }
    void setKeyCaption(int id, const std::string& caption) override { m_captions[id] = caption; }
    void setKeyPressed(int, bool) override {}
    void setRedraw(bool) override {}
    void setEnabled(bool on) override { m_enabled = on; }
    void setWaitCursor(bool) override {}
    std::string statusText() const override { return m_status; }
    void setStatusText(const std::string& text) override { m_status = text; }
    void setTitle(const std::string& title) override { m_title = title; }

    bool isChecked(int id) const;
    const std::vector<std::string>& rows() const { return m_rows; }
    bool enabled() const { return m_enabled; }
    const std::string& title() const { return m_title; }
    std::string caption(int id) const;

   private:
    std::string m_main;
    std::string m_memory;
    std::vector<std::string> m_rows;
    int m_selected = -1;
    std::map<int, bool> m_checked;
    std::map<int, std::string> m_captions;
    bool m_enabled = true;
    std::string m_status;
    std::string m_title;
};

}  // namespace vor
