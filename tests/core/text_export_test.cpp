// The tape as word-processor text, and the running total that auto-copy puts
// on the clipboard after every line.
#include "clipboard/text_export.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/key_table.h"
#include "test_support.h"

namespace vor::test {
namespace {

constexpr const char* kHeader =
    "Pasted from Vorlex v1.31 (Beta)\r\nhttps://vorlex.quillaby.example\r\n";

TEST(TextExport, UntitledPathLineEndsInALoneLineFeed) {
    Machine m;
    m.keys("12.5 +");
    m.doc.line(0)->setComment(" ;rent");
    EXPECT_EQ(buildTextExport(m.doc, ""), std::string(kHeader) +
                                              "VOR File Path = Untitled\n\r\n"
                                              "                12.50  +  \t ;rent\r\n");
}

TEST(TextExport, EveryLineAsStoredWithTabAndComment) {
    CSettings european;
    european.europeanMode = true;
    Machine m(european);
    m.keys("1234.5 + C 2 X 3 = Ttl");
    const std::string text = buildTextExport(m.doc, "/home/ann/May rent.vor");
    std::string expected = std::string(kHeader) + "VOR File Path = /home/ann/May rent.vor\r\n\r\n";
    for (int i = 0; i < m.doc.m_lineCount; ++i)
        expected += m.doc.line(i)->m_text + "\t" + m.doc.line(i)->m_comment + "\r\n";
    EXPECT_EQ(text, expected);
    // Lines keep the number style they were shown in.
    EXPECT_NE(text.find("           1.234,50  +  \t \r\n"), std::string::npos);
    EXPECT_NE(text.find("    <clear>                   \t \r\n"), std::string::npos);
}

TEST(TextExport, CommentsStayUtf8) {
    Machine m;
    m.keys("5 + 6 +");
    m.doc.line(0)->setComment(" ;Miete für Mai €");
    m.doc.line(1)->setComment(std::string(" ;\xE2\x82", 4));  // a character cut in two
    const std::string text = buildTextExport(m.doc, "/home/jürgen/März.vor");
    EXPECT_NE(text.find("VOR File Path = /home/jürgen/März.vor\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t ;Miete für Mai €\r\n"), std::string::npos);
    EXPECT_NE(text.find("\t ;\xEF\xBF\xBD\xEF\xBF\xBD\r\n"), std::string::npos);
}

// A calculator whose appendLine hook copies the total as the shell does.
struct CopyingHooks : CalculatorHooks {
    void copyCurrentTotal() override {
        copies.push_back(autoCopyText(*doc, settings->europeanMode));
    }
    const CVORDoc* doc = nullptr;
    const CSettings* settings = nullptr;
    std::vector<std::string> copies;
};

struct AutoCopyMachine {
    AutoCopyMachine(CSettings s, int precision, bool copying) : settings(s) {
        settings.autoCopyTotal = copying;
        hooks.doc = &doc;
        hooks.settings = &settings;
        doc.startNewTape(precision, 12, false);
        calc.showDocument();
    }
    void keys(const std::string& seq) {
        std::stringstream in(seq);
        for (std::string token; in >> token;) {
            if (const auto id = keyIdForLabel(token)) {
                calc.onKey(*id);
                continue;
            }
            for (char c : token) calc.onKey(keyIdForLabel(std::string(1, c)).value());
        }
    }
    CSettings settings;
    MemoryForm form;
    ScriptedMessages messages;
    CVORDoc doc;
    CopyingHooks hooks;
    CCalculator calc{doc, settings, form, messages, hooks};
};

struct AutoCopyCase {
    const char* name;
    const char* keys;
    bool european;
    int precision;
    std::vector<std::string> copies;
};

class AutoCopy : public ::testing::TestWithParam<AutoCopyCase> {};

TEST_P(AutoCopy, CopiesTheRunningTotalAfterEveryLine) {
    const AutoCopyCase& c = GetParam();
    CSettings settings;
    settings.europeanMode = c.european;
    AutoCopyMachine m(settings, c.precision, true);
    m.keys(c.keys);
    EXPECT_EQ(m.hooks.copies, c.copies);
    // The tape already warned about digits it cannot show; the copies do not
    // warn again.
    AutoCopyMachine quiet(settings, c.precision, false);
    quiet.keys(c.keys);
    EXPECT_TRUE(quiet.hooks.copies.empty());
    EXPECT_EQ(m.messages.shown, quiet.messages.shown);
}

const AutoCopyCase kAutoCopyCases[] = {
    {"ItemsAddUp", "10 + 20 +", false, 2, {"10.00  ", "30.00  "}},
    // The total line is copied before Total clears the register; the
    // product lines leave the total as it was.
    {"TotalAndProduct",
     "5 + 2 X 3 = Ttl",
     false,
     2,
     {"5.00  ", "5.00  ", "5.00  ", "5.00  ", "5.00  "}},
    {"EuropeanExchangesPointAndComma", "1234.5 +", true, 2, {"1.234,50  "}},
    {"FloatingKeepsItsColumnBlanks", "12.5 +", false, 99, {"12.5      "}},
    {"WholeNumbers", "7 +", false, 0, {"7.  "}},
    {"TooWideForThePrecision", "123456789012.4 +", false, 2, {"123,456,789,012.00  "}},
    {"TooBigToShow", "1000000000000.5 +", false, 2, {"OVERFLOW ERROR"}},
};
INSTANTIATE_TEST_SUITE_P(Totals, AutoCopy, ::testing::ValuesIn(kAutoCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AutoCopyTitle, ShowsTheCopiedTotal) {
    EXPECT_EQ(autoCopyTitle("30.00  ", "Untitled"), "30.00   Untitled - VOR.");
    EXPECT_EQ(autoCopyToggleTitle("may.vor"), "may.vor - VOR");
}

}  // namespace
}  // namespace vor::test
