// The window's form and the in-memory form of batch mode and the tests must
// answer the calculator alike, or a tape keyed in the window and in batch
// mode would part ways. The same checks run against both, and against the
// window's form while drawing is off (a replay), when it only remembers the
// selection and the LED texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "core/memory_form.h"
#include "gui/keypad_form.h"
#include "gui/qt_form.h"

namespace vor::test {

struct MemoryFormUnderTest {
    MemoryForm form;
    FormPort& port() { return form; }
};

struct QtFormUnderTest {
    KeypadForm widget;
    QtFormPort form{widget};
    QtFormUnderTest() {
        widget.show();
        QApplication::processEvents();
    }
    FormPort& port() { return form; }
};

struct QtFormWithoutDrawingUnderTest : QtFormUnderTest {
    QtFormWithoutDrawingUnderTest() { form.setRedraw(false); }
};

template <class T>
class FormPortContract : public ::testing::Test {
   protected:
    FormPort& form() { return m_subject.port(); }

    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (int i = 0; i < form().rowCount(); ++i) out.push_back(form().rowText(i));
        return out;
    }
    void addRows(std::initializer_list<const char*> texts) {
        for (const char* t : texts) form().addRow(t);
    }

   private:
    T m_subject;
};

using Forms = ::testing::Types<MemoryFormUnderTest, QtFormUnderTest, QtFormWithoutDrawingUnderTest>;
TYPED_TEST_SUITE(FormPortContract, Forms);

using Rows = std::vector<std::string>;

TYPED_TEST(FormPortContract, RowsAreAddedInsertedReplacedAndDeleted) {
    FormPort& f = this->form();
    EXPECT_EQ(f.rowCount(), 0);
    EXPECT_EQ(f.rowText(0), "");

    this->addRows({"a", "b", "c"});
    EXPECT_EQ(f.rowCount(), 3);
    EXPECT_EQ(this->rows(), (Rows{"a", "b", "c"}));

    f.insertRow(0, "top");
    f.insertRow(2, "mid");
    f.insertRow(f.rowCount(), "end");
    // -1 is the list box's "at the end".
    f.insertRow(-1, "last");
    EXPECT_EQ(this->rows(), (Rows{"top", "a", "mid", "b", "c", "end", "last"}));

    f.deleteRow(0);
    f.deleteRow(1);
    f.deleteRow(f.rowCount() - 1);
    f.deleteRow(-1);
    f.deleteRow(f.rowCount());
    EXPECT_EQ(this->rows(), (Rows{"a", "b", "c", "end"}));

    f.replaceRow(1, "             1,234.50  +   ;a comment");
    f.replaceRow(-1, "x");
    f.replaceRow(f.rowCount(), "x");
    EXPECT_EQ(this->rows(), (Rows{"a", "             1,234.50  +   ;a comment", "c", "end"}));
    EXPECT_EQ(f.rowText(-1), "");
    EXPECT_EQ(f.rowText(f.rowCount()), "");
}

TYPED_TEST(FormPortContract, SelectionStaysOnItsRowOrRefusesToMove) {
    FormPort& f = this->form();
    EXPECT_EQ(f.selectedRow(), -1);
    EXPECT_FALSE(f.selectRow(0)) << "an empty list has no row 0";
    EXPECT_EQ(f.selectedRow(), -1);

    this->addRows({"a", "b", "c", "d"});
    EXPECT_EQ(f.selectedRow(), -1) << "adding rows selects nothing";
    EXPECT_TRUE(f.selectRow(1));
    EXPECT_EQ(f.selectedRow(), 1);
    EXPECT_TRUE(f.selectRow(2));
    EXPECT_EQ(f.selectedRow(), 2);
    EXPECT_FALSE(f.selectRow(4));
    EXPECT_FALSE(f.selectRow(-1));
    EXPECT_EQ(f.selectedRow(), 2);

    // A line joins the tape: its row is added, then selected.
    f.addRow("e");
    EXPECT_EQ(f.selectedRow(), 2);
    EXPECT_TRUE(f.selectRow(f.rowCount() - 1));
    EXPECT_EQ(f.selectedRow(), 4);

    // The selection moves with its row when rows come and go above it,
    // and stays put for changes below it.
    ASSERT_TRUE(f.selectRow(2));
    f.insertRow(0, "top");
    EXPECT_EQ(f.selectedRow(), 3);
    EXPECT_EQ(f.rowText(f.selectedRow()), "c");
    f.insertRow(4, "below");
    f.deleteRow(5);
    f.replaceRow(3, "C");
    EXPECT_EQ(f.selectedRow(), 3);
    f.deleteRow(0);
    EXPECT_EQ(f.selectedRow(), 2);
    EXPECT_EQ(f.rowText(f.selectedRow()), "C");

    // Deleting the selected row leaves nothing selected; the same index
    // can be selected again and now names the row that followed.
    f.deleteRow(2);
    EXPECT_EQ(f.selectedRow(), -1);
    EXPECT_TRUE(f.selectRow(2));
    EXPECT_EQ(f.rowText(f.selectedRow()), "below");
}

TYPED_TEST(FormPortContract, ResetClearsRowsAndSelection) {
    FormPort& f = this->form();
    this->addRows({"a", "b", "c"});
    ASSERT_TRUE(f.selectRow(1));
    f.resetRows();
    EXPECT_EQ(f.rowCount(), 0);
    EXPECT_EQ(f.selectedRow(), -1);
    EXPECT_FALSE(f.selectRow(0));

    // A refill after the reset starts without a selection too.
    this->addRows({"x", "y"});
    EXPECT_EQ(f.selectedRow(), -1);
    EXPECT_TRUE(f.selectRow(1));
    EXPECT_EQ(f.selectedRow(), 1);
}

TYPED_TEST(FormPortContract, LedTextsReadBackAsWritten) {
    FormPort& f = this->form();
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"0.", "0."},
        {"                1,234.5", "                  -7."},
        {"OVERFLOW ERROR", "0.00"},
        {"       1.234.567,89", ""},
    };
    for (const auto& [main, memory] : texts) {
        f.setLedTexts(main, memory);
        EXPECT_EQ(f.mainLedText(), main);
        EXPECT_EQ(f.memoryLedText(), memory);
    }
}

}  // namespace vor::test
