// The tape as CSV: the rows every kind of line gives, number text in the
// form of the user's number style, quoting, comments that stay text, and a
// check by Python's csv module that an independent reader gets every value
// back exactly.
#include "clipboard/csv_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/tape_words.h"
#include "test_support.h"

namespace vor::test {
namespace {

constexpr const char* kHeader = "value,key,comment\r\n";

// A blank comment line as the ^ key inserts it.
void appendBlankCommentLine(CVORDoc& doc, const std::string& comment) {
    CTapeLine line;
    line.m_keyId = cmd::CommentLine;
    line.setText(std::string(words::kCommentLine));
    line.setComment(comment);
    ASSERT_TRUE(doc.appendLine(line, CLineState{}));
}

void appendLine(CVORDoc& doc, const std::string& text, double value, const std::string& comment) {
    CTapeLine line;
    line.setText(text);
    line.setComment(comment);
    line.m_value = value;
    ASSERT_TRUE(doc.appendLine(line, CLineState{}));
}

struct FieldCase {
    const char* name;
    std::string text;
    std::string field;
};

TEST(CsvExport, SmallTapeExactBytes) {
    Machine m;
    m.keys("12.5 + 3 - Ttl");
    m.doc.line(0)->setComment(" ;rent");
    EXPECT_EQ(buildCsvExport(m.doc, false), std::string(kHeader) +
                                                "12.5,+,rent\r\n"
                                                "3,-,\r\n"
                                                "9.5,Ttl,\"2 Items (1 Pos, 1 Neg)\"\r\n");
}

TEST(CsvExport, EmptyTapeIsTheHeaderAlone) {
    Machine m;
    EXPECT_EQ(buildCsvExport(m.doc, false), kHeader);
}

// Every key that prints, a result line, a Clear, a blank comment line and an
// overflow: the rows a spreadsheet receives for them.
constexpr const char* kEveryKind =
    "100 + 20 - 3 X 4 = 10 / 4 = Ttl 5 + Sub 7 M+= 2 M-= MST MT MR + 50 + 10 % + "
    "80 X 20 MUD C 999999999999 X 999999999999 =";

constexpr const char* kEveryKindCsv =
    "value,key,comment\r\n"
    "100,+,\r\n"
    "20,-,\r\n"
    "3,X,\r\n"
    "4,=,\r\n"
    "12,,\r\n"
    "10,/,\r\n"
    "4,=,\r\n"
    "2.5,,\r\n"
    "80,Ttl,\"2 Items (1 Pos, 1 Neg)\"\r\n"
    "5,+,\r\n"
    "5,Sub,\"1 Items (1 Pos, 0 Neg)\"\r\n"
    "7,M+,\r\n"
    "2,M-,\r\n"
    "5,MS,\r\n"
    "5,MT,\r\n"
    "0,+,<MR key pressed>\r\n"
    "50,+,\r\n"
    "5,+,<% key> (10.00% of 50.00)\r\n"
    "80,X,\r\n"
    "20,%MU,profit rate: 20.00%\r\n"
    "20,$MU,$ Mark up\r\n"
    "100,$SP,Selling price: $100.00\r\n"
    ",<clear>,\r\n"
    "999999999999,X,\r\n"
    "999999999999,=,\r\n"
    ",,\r\n"
    ",<comment>,\r\n"
    ",<comment>,\"Miete für Mai, \"\"netto\"\" €\"\r\n";

TEST(CsvExport, EveryKindOfLine) {
    Machine m;
    m.keys(kEveryKind);
    ASSERT_EQ(m.doc.lastLine()->m_text, kOverflowText);
    appendBlankCommentLine(m.doc, " ;");
    appendBlankCommentLine(m.doc, " ;Miete für Mai, \"netto\" €");
    EXPECT_EQ(buildCsvExport(m.doc, false), kEveryKindCsv);
}

// A European spreadsheet reads "12.5" as text and splits at semicolons:
// European Mode writes decimal commas between semicolons. The values are the
// lines' own, not the shown texts.
TEST(CsvExport, EuropeanModeWritesWhatAEuropeanSpreadsheetReads) {
    CSettings european;
    european.europeanMode = true;
    Machine shown(european);
    shown.keys(kEveryKind);
    Machine internal;
    internal.keys(kEveryKind);
    ASSERT_NE(shown.doc.line(0)->m_text, internal.doc.line(0)->m_text);
    EXPECT_EQ(buildCsvExport(shown.doc, false), buildCsvExport(internal.doc, false));

    Machine m(european);
    m.keys("1234567.25 + 0.5 - 100 + Ttl");
    EXPECT_EQ(squeeze(m.doc.line(0)->m_text), "1.234.567,25 +");
    m.doc.line(1)->setComment(" ;Miete; Mai, netto");
    EXPECT_EQ(buildCsvExport(m.doc, true),
              "value;key;comment\r\n"
              "\"1234567,25\";+;\r\n"
              "\"0,5\";-;\"Miete; Mai, netto\"\r\n"
              "100;+;\r\n"
              "\"1234666,75\";Ttl;\"3 Items (2 Pos, 1 Neg)\"\r\n");
}

// A comment that a spreadsheet would compute stays a text.
TEST(CsvExport, CommentsNeverBecomeFormulas) {
    const std::vector<FieldCase> cases = {
        {"Equals", "=2+3", "'=2+3"},
        {"Plus", "+49 30 123", "'+49 30 123"},
        {"Minus", "-5 discount", "'-5 discount"},
        {"At", "@SUM(A1)", "'@SUM(A1)"},
        {"Tab", "\t=2+3", "'\t=2+3"},
        {"CarriageReturn", "\r=2+3", "'\r=2+3"},
        {"Later", "rent=2+3", "rent=2+3"},
        {"Blank", " =2+3", " =2+3"},
        {"Apostrophe", "'quoted'", "'quoted'"},
        {"Empty", "", ""},
    };
    for (const FieldCase& c : cases) EXPECT_EQ(csvText(c.text), c.field) << c.name;
    Machine m;
    m.keys("5 + 3 -");
    m.doc.line(0)->setComment(" ;=HYPERLINK(\"http://x\",\"y\")");
    m.doc.line(1)->setComment(" ;-3 back");
    EXPECT_EQ(buildCsvExport(m.doc, false),
              std::string(kHeader) +
                  "5,+,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\r\n"
                  "3,-,'-3 back\r\n");
}

// The value is the line's full value, not the digits the tape rounded it to.
TEST(CsvExport, ValueIsTheLineValueNotItsRoundedText) {
    Machine m;
    m.keys("10 / 3 =");
    EXPECT_EQ(squeeze(m.doc.line(2)->m_text), "3.33");
    EXPECT_EQ(buildCsvExport(m.doc, false), std::string(kHeader) +
                                                "10,/,\r\n"
                                                "3,=,\r\n"
                                                "3.3333333333333335,,\r\n");
}

// Lines made by hand for the cases keying cannot reach: an overflow that
// still names its key, values that are not finite, comments without the
// usual prefix, and comments that need quoting.
TEST(CsvExport, LinesWithoutANumberOrPrefix) {
    CVORDoc doc;
    appendLine(doc, "OVERFLOW ERROR  Ttl", 1e24, " ;too much");
    appendLine(doc, "     1.00  +  ", std::numeric_limits<double>::infinity(), " ;");
    appendLine(doc, "     1.00  +  ", std::nan(""), "");
    appendLine(doc, "    -0.00  -  ", -0.0, "   spaced");
    appendLine(doc, "     2.00  X  ", 2.0, " ; two  blanks kept ");
    appendLine(doc, "     4.00  =  ", 4.0, " ;line\r\nbreak");
    appendLine(doc, "     5.00  +  ", 5.0, std::string(" ;cut \xE2\x82", 8));
    EXPECT_EQ(buildCsvExport(doc, false), std::string(kHeader) +
                                              ",Ttl,too much\r\n"
                                              ",+,\r\n"
                                              ",+,\r\n"
                                              "0,-,spaced\r\n"
                                              "2,X, two  blanks kept \r\n"
                                              "4,=,\"line\r\nbreak\"\r\n"
                                              "5,+,cut \xEF\xBF\xBD\xEF\xBF\xBD\r\n");
}

TEST(CsvExport, QuotesOnlyFieldsThatNeedIt) {
    const std::vector<FieldCase> cases = {
        {"Plain", "rent", "rent"},
        {"Empty", "", ""},
        {"Blanks", "  a b  ", "  a b  "},
        {"NonAscii", "Miete für Mai €", "Miete für Mai €"},
        {"Semicolon", "a;b", "\"a;b\""},
        {"Tab", "a\tb", "\"a\tb\""},
        {"Comma", "a,b", "\"a,b\""},
        {"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
        {"LoneQuote", "\"", "\"\"\"\""},
        {"LineFeed", "a\nb", "\"a\nb\""},
        {"CarriageReturn", "a\rb", "\"a\rb\""},
        {"Everything", ",\"\r\n", "\",\"\"\r\n\""},
    };
    for (const FieldCase& c : cases) EXPECT_EQ(csvField(c.text), c.field) << c.name;
}

struct NumberCase {
    const char* name;
    double value;
    std::string text;
};

TEST(CsvExport, NumbersAreShortestFixedPointText) {
    const std::vector<NumberCase> cases = {
        {"Zero", 0.0, "0"},
        {"NegativeZero", -0.0, "0"},
        {"Whole", 100.0, "100"},
        {"Half", 2.5, "2.5"},
        {"Negative", -12.75, "-12.75"},
        {"Tenth", 0.1, "0.1"},
        {"SumOfTenths", 0.1 + 0.2, "0.30000000000000004"},
        {"Tiny", 1e-7, "0.0000001"},
        {"Large", 123456789012.34, "123456789012.34"},
        {"Huge", 1e20, "100000000000000000000"},
        {"Infinity", std::numeric_limits<double>::infinity(), ""},
        {"MinusInfinity", -std::numeric_limits<double>::infinity(), ""},
        {"NotANumber", std::nan(""), ""},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(csvNumber(c.value), c.text) << c.name;
}

TEST(CsvExport, NumbersReadBackToTheSameDouble) {
    const double extremes[] = {std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(), -1.0 / 3.0};
    std::vector<double> values(std::begin(extremes), std::end(extremes));
    // Values spread over the magnitudes a tape holds, with every digit used.
    double v = 1.0 / 7.0;
    for (int i = 0; i < 400; ++i) {
        values.push_back(i % 2 ? v : -v);
        v *= i < 200 ? 3.7 : 1.0 / 5.3;
    }
    for (const double value : values) {
        const std::string text = csvNumber(value);
        ASSERT_FALSE(text.empty()) << value;
        EXPECT_EQ(text.find_first_not_of("-0123456789."), std::string::npos) << text;
        double back = 0.0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(r.ptr, text.data() + text.size()) << text;
        EXPECT_EQ(back, value) << text;
    }
}

// --- The CSV as Python's csv module reads it -------------------------------

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The value as a hexadecimal float, so Python compares the exact bits.
std::string hexValue(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::hex);
    return std::string(buffer, r.ptr);
}

std::filesystem::path checkScript() {
#ifdef VORLEX_TESTS_DIR
    return std::filesystem::path(VORLEX_TESTS_DIR) / "csv_python_check.py";
#else
    // This file lives in tests/core/, the script in tests/.
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "csv_python_check.py";
#endif
}

std::string pythonCommand() {
#ifdef VORLEX_PYTHON3
    return VORLEX_PYTHON3;
#else
    return "python3";
#endif
}

TEST(CsvPythonCheck, CsvModuleReadsEveryValueKeyAndComment) {
    const std::filesystem::path script = checkScript();
    if (!std::filesystem::exists(script)) GTEST_SKIP() << "no " << script;
    if (std::system((pythonCommand() + " -c pass >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "python3 is not available";

    Machine m;
    m.keys(kEveryKind);
    appendBlankCommentLine(m.doc, " ;Miete für Mai, \"netto\" €");
    appendLine(m.doc, "     0.30  +  ", 0.1 + 0.2, " ;a,b\r\nc\"d\"");
    appendLine(m.doc, "     0.00  -  ", -1e-9, " ;\t tab and ; semicolon");
    appendLine(m.doc, "     0.33  X  ", 1.0 / 3.0, " ;日本語");
    appendLine(m.doc, "123,456,789.12  =  ", 123456789.123456789, " ;\"\"");
    appendLine(m.doc, "     0.00  /  ", std::numeric_limits<double>::denorm_min(), " ;,");

    std::ostringstream expected;
    for (int i = 0; i < m.doc.m_lineCount; ++i) {
        const CTapeLine& line = *m.doc.line(i);
        const std::string text = squeeze(line.m_text);
        const bool noValue = text.find('<') != std::string::npos || text == kOverflowText;
        const std::size_t space = text.find(' ');
        std::string key = text.starts_with('<')                   ? text
                          : noValue || space == std::string::npos ? std::string()
                                                                  : text.substr(space + 1);
        std::string comment = line.m_comment;
        comment.erase(0, comment.starts_with(" ;") ? 2 : comment.find_first_not_of(' '));
        if (comment.starts_with('\t')) comment.insert(0, "'");
        expected << "[" << (noValue ? "null" : jsonString(hexValue(line.m_value))) << ", "
                 << jsonString(key) << ", " << jsonString(comment) << "]\n";
    }

    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorlex-csv-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path csvPath = dir / "tape.csv";
    const std::filesystem::path expectedPath = dir / "expected.jsonl";
    std::ofstream(csvPath, std::ios::binary) << buildCsvExport(m.doc, false);
    std::ofstream(expectedPath, std::ios::binary) << expected.str();

    const std::string command = pythonCommand() + " '" + script.string() + "' '" +
                                csvPath.string() + "' '" + expectedPath.string() + "'";
    const int status = std::system(command.c_str());
    std::filesystem::remove_all(dir);
    EXPECT_EQ(status, 0) << command;
}

// The check itself must fail on a wrong value, or it proves nothing.
TEST(CsvPythonCheck, CheckRejectsAWrongValue) {
    const std::filesystem::path script = checkScript();
    if (!std::filesystem::exists(script)) GTEST_SKIP() << "no " << script;
    if (std::system((pythonCommand() + " -c pass >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "python3 is not available";

    Machine m;
    m.keys("0.1 + 0.2 +");
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorlex-csv-bad-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "tape.csv", std::ios::binary) << buildCsvExport(m.doc, false);
    // The second value one bit off.
    std::ofstream(dir / "expected.jsonl", std::ios::binary)
        << "[" << jsonString(hexValue(0.1)) << ", \"+\", \"\"]\n"
        << "[" << jsonString(hexValue(std::nextafter(0.2, 1.0))) << ", \"+\", \"\"]\n";
    const std::string command = pythonCommand() + " '" + script.string() + "' '" +
                                (dir / "tape.csv").string() + "' '" +
                                (dir / "expected.jsonl").string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    std::filesystem::remove_all(dir);
    EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace vor::test
