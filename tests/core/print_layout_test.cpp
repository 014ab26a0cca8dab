// The printed page as data: rows, pages, where each text goes and in which
// colour.
#include "document/print_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "test_support.h"

namespace vor {
void PrintTo(const PrintText& t, std::ostream* os) {
    *os << "{" << t.x << ", " << t.y << ", \"" << t.text << "\"" << (t.red ? ", red}" : "}");
}
}  // namespace vor

namespace vor::test {
namespace {

// A page of exactly 60 rows of 10 pixels, 8 pixels a character.
constexpr PrintDevice kPage{600, 1000, 10, 8};

PrintOptions options(bool twoColumns = false, bool red = true, bool receipt = false) {
    return {twoColumns, red, receipt, "Vorlex v1.31 (Beta) ", "https://vorlex.example"};
}

// A tape of lines "L0", "L1", ... with comments " ;c0", " ;c1", ...
CVORDoc tapeOf(int count) {
    CVORDoc doc;
    for (int i = 0; i < count; ++i) {
        CTapeLine line;
        line.m_text = "L" + std::to_string(i);
        line.m_comment = " ;c" + std::to_string(i);
        doc.appendLine(line, CLineState{});
    }
    return doc;
}

TEST(PrintPages, RowsAndPageCounts) {
    EXPECT_EQ(printRows(options(), kPage), 60);
    EXPECT_EQ(printRows(options(), PrintDevice{609, 1000, 10, 8}), 60);
    EXPECT_EQ(printRows(options(false, true, true), kPage), 60000);
    EXPECT_EQ(printRows(options(true, true, true), kPage), 60);  // a roll has one column

    struct Case {
        int lines, rows;
        bool two;
        int pages;
    };
    for (const Case& c :
         {Case{0, 60, false, 1}, Case{56, 60, false, 1}, Case{57, 60, false, 2},
          Case{1000, 60, false, 18}, Case{0, 60, true, 1}, Case{113, 60, true, 1},
          Case{114, 60, true, 2}, Case{1000, 60000, false, 1}, Case{5, 2, false, 6}}) {
        EXPECT_EQ(printPageCount(c.lines, c.rows, c.two), c.pages)
            << c.lines << " lines, " << c.rows << " rows, two columns " << c.two;
    }
}

TEST(PrintPages, ColumnsFillDownThenAcrossAndTheLastPageMayHoldOnlyTheFooter) {
    const CVORDoc tape57 = tapeOf(57);
    const auto full = layoutPrintPage(tape57, options(), kPage, 1, 2);
    ASSERT_EQ(full.size(), 57u * 2 + 2);
    EXPECT_EQ(full[56 * 2], (PrintText{40, 560, "L56", false}));
    const auto footerOnly = layoutPrintPage(tape57, options(), kPage, 2, 2);
    EXPECT_EQ(footerOnly,
              (std::vector<PrintText>{{40, 580, "Vorlex v1.31 (Beta) Page 2 of 2", false},
                                      {40, 590, "https://vorlex.example", false}}));

    const CVORDoc tape200 = tapeOf(200);
    const auto two = layoutPrintPage(tape200, options(true), kPage, 1, 2);
    ASSERT_EQ(two.size(), 114u * 2 + 2);
    EXPECT_EQ(two[57 * 2], (PrintText{500 + 40, 0, "L57", false}));
    EXPECT_EQ(two[57 * 2 + 1], (PrintText{500 + (3 + 5) * 8, 0, " ;c57", false}));
    EXPECT_EQ(two[113 * 2].text, "L113");
    const auto next = layoutPrintPage(tape200, options(true), kPage, 2, 2);
    EXPECT_EQ(next.front().text, "L114");
    EXPECT_EQ(next[next.size() - 4].text, "L199");
}

// Receipt Printer Mode: a thousand-page-tall page holds any tape; the roll
// page made for it is long enough for every line and the footer below.
TEST(PrintPages, ReceiptRollHoldsTheWholeTape) {
    const auto tall = layoutPrintPage(tapeOf(1000), options(false, true, true), kPage, 1, 1);
    ASSERT_EQ(tall.size(), 2002u);
    EXPECT_EQ(tall[2000].y, (60000 - 2) * 10);

    for (int lines : {0, 57, 1000}) {
        PrintDevice roll = kPage;
        roll.pageHeightPx = receiptPageHeight(lines, kPage);
        const int rows = printRows(options(), roll);
        EXPECT_EQ(printPageCount(lines, rows, false), 1) << lines;
        const auto page = layoutPrintPage(tapeOf(lines), options(), roll, 1, 1);
        EXPECT_EQ(page.size(), std::size_t(lines) * 2 + 2);
        EXPECT_LE(page.back().y + roll.rowHeight, roll.pageHeightPx) << lines;
    }
}

TEST(PrintPages, LinesPrintAsStoredWithTheCommentAfterTheText) {
    CSettings european;
    european.europeanMode = true;
    Machine m(european);
    m.keys("1234.5 + Ttl");
    m.doc.line(0)->m_comment = " ;rent";
    const auto page = layoutPrintPage(m.doc, options(), kPage, 1, 1);
    const std::string& text = m.doc.line(0)->m_text;
    EXPECT_NE(text.find("1.234,50"), std::string::npos) << text;
    EXPECT_EQ(page[0], (PrintText{40, 0, text, false}));
    EXPECT_EQ(page[1], (PrintText{int(text.size() + 5) * 8, 0, " ;rent", false}));
    EXPECT_EQ(page[2].y, 10);
    EXPECT_EQ(page[3].text, m.doc.line(1)->m_comment);
    EXPECT_EQ(page[4].text, "Vorlex v1.31 (Beta) Page 1 of 1");
}

// Red marks every line whose text holds a minus sign: Minus, M-= and a
// negative result. The footer keeps the colour of the last line drawn,
// from the page before when its own page has none.
TEST(PrintColours, MinusSignsPrintRedOnlyWithTheSetting) {
    Machine m;
    m.keys("5 + 7 - 2 M-= 3 M+= Ttl");
    const std::vector<bool> red = {false, true, true, false, true};
    ASSERT_EQ(m.doc.m_lineCount, int(red.size()));
    const auto on = layoutPrintPage(m.doc, options(), kPage, 1, 1);
    for (int i = 0; i < m.doc.m_lineCount; ++i) {
        EXPECT_EQ(on[i * 2].red, red[i]) << m.doc.line(i)->m_text;
        EXPECT_EQ(on[i * 2 + 1].red, red[i]) << m.doc.line(i)->m_comment;
    }
    EXPECT_TRUE(on.back().red);
    for (const PrintText& t : layoutPrintPage(m.doc, options(false, false), kPage, 1, 1))
        EXPECT_FALSE(t.red) << t.text;

    CVORDoc doc = tapeOf(57);
    doc.line(56)->m_text = "-1.00";
    EXPECT_TRUE(layoutPrintPage(doc, options(), kPage, 2, 2)[0].red);
    EXPECT_FALSE(layoutPrintPage(CVORDoc{}, options(), kPage, 1, 1)[0].red);
}

}  // namespace
}  // namespace vor::test
