// Paste Numbers: reading clipboard text as numbers and keying them onto the
// tape as typed items.
#include "clipboard/paste_numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "tape/line_removal.h"
#include "test_support.h"

namespace vor::test {
namespace {

using Numbers = std::vector<std::string>;

// --- reading the clipboard text ---------------------------------------------

struct ParseCase {
    const char* name;
    const char* text;
    bool european;
    Numbers numbers;
    int skipped;
};

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsNumbersAndCountsTheRest) {
    const ParseCase& c = GetParam();
    const PastedNumbers got = parsePastedNumbers(c.text, c.european);
    EXPECT_EQ(got.numbers, c.numbers);
    EXPECT_EQ(got.skipped, c.skipped);
}

const ParseCase kParseCases[] = {
    {"SpreadsheetColumn", "12.50\n3\n1,234.00\n0.75\n", false, {"12.5", "3", "1234", "0.75"}, 0},
    {"SpreadsheetBlockWithEmptyCells",
     "Item\tAmount\tTax\r\nRent\t1,200.00\t\r\nFood\t\t45.10\r\n\t\t\r\n",
     false,
     {"1200", "45.1"},
     5},
    {"BankStatementLineIsNoNumber", "12/03  COFFEE SHOP  -4.50\n-4.50\n", false, {"-4.5"}, 1},
    {"DollarWithThousands", "$1,234.56", false, {"1234.56"}, 0},
    {"ParenthesesNegative", "(45.00)", false, {"-45"}, 0},
    {"TrailingMinus", "45.00-", false, {"-45"}, 0},
    {"EuroSignEuropean", "\xE2\x82\xAC 12,50", true, {"12.5"}, 0},
    {"EuropeanThousands", "1.234,56", true, {"1234.56"}, 0},
    {"EuropeanPointOnlyGroups", "1.234\n1.5\n", true, {"1234"}, 1},
    {"NonEuropeanThousands", "1,234.56", false, {"1234.56"}, 0},
    {"DecimalCommaInWrongMode", "12,50\n1.234,56\n", false, {}, 2},
    {"JunkLines", "abc\n12abc\n1.2.3\n--5\n$\n12%\n1E5\n", false, {}, 7},
    {"BlankLinesIgnored", "\n   \n5\n\n\t\n7\n", false, {"5", "7"}, 0},
    {"CrLfCrAndLf", "1\r\n2\r3\n4", false, {"1", "2", "3", "4"}, 0},
    {"TrailingEmptyLineNotCounted", "5\r\n", false, {"5"}, 0},
    {"CurrencyCodesEitherEnd", "EUR 12.00\n12.00 USD\nusd3\n", false, {"12", "12", "3"}, 0},
    {"SignAndCurrencyInAnyOrder",
     "-$4.50\n$-4.50\n($4.50)\n$(4.50)\n4.50 \xE2\x82\xAC-\n\xC2\xA3 4.50-\n",
     false,
     {"-4.5", "-4.5", "-4.5", "-4.5", "-4.5", "-4.5"},
     0},
    {"YenAndPound",
     "\xC2\xA5"
     "1,000\n\xC2\xA3"
     "7.25",
     false,
     {"1000", "7.25"},
     0},
    {"UnicodeMinusSign",
     "\xE2\x88\x92"
     "12",
     false,
     {"-12"},
     0},
    {"AmbiguousOrBrokenSigns", "(-4.50)\n(4.50\n4.50)\n-4.50-\n+-3\n", false, {}, 5},
    {"PlusLeadingPointAndZeros", "+7\n.5\n0.250\n007\n", false, {"7", "0.5", "0.25", "7"}, 0},
    {"ZeroIsNeverNegative", "-0.00\n(0)\n", false, {"0", "0"}, 0},
    {"BlankAndApostropheGroups",
     "1 234 567,89\n1\xC2\xA0"
     "234,5\n1'234,5\n",
     true,
     {"1234567.89", "1234.5", "1234.5"},
     0},
    {"BadGroupingSkipped", "12,34\n1,2345\n1,234,56\n1 23\n1,234 567\n,123\n", false, {}, 6},
    {"DigitLimit",
     "1234567890123\n123456789.0123\n123456789012\n0.000000000001\n1234567890.1200\n",
     false,
     {"123456789012", "0.000000000001", "1234567890.12"},
     2},
    {"SurroundingNoBreakSpaces", "\xC2\xA0 42.10 \xC2\xA0", false, {"42.1"}, 0},
    {"Empty", "", false, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Clipboard, ParseTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- keying the numbers onto the tape ---------------------------------------

struct PasteCase {
    const char* name;
    bool autoDecimal;
    bool european;
    Numbers numbers;
    // The same numbers keyed by hand, for the tape they must give.
    const char* typed;
    std::vector<std::string> lines;
};

class PasteTest : public ::testing::TestWithParam<PasteCase> {};

CSettings settingsFor(bool autoDecimal, bool european) {
    CSettings s;
    s.autoDecimal = autoDecimal;
    s.europeanMode = european;
    return s;
}

TEST_P(PasteTest, EachNumberIsATypedPlusLine) {
    const PasteCase& c = GetParam();
    Machine pasted(settingsFor(c.autoDecimal, c.european));
    EXPECT_EQ(pasteNumbers(pasted.calc, c.numbers), static_cast<int>(c.numbers.size()));
    EXPECT_EQ(pasted.lines(), c.lines);
    EXPECT_TRUE(pasted.messages.shown.empty());
    for (const std::string& f : pasted.flags()) EXPECT_EQ(f, "1016 I");
    for (std::size_t i = 0; i < c.numbers.size(); ++i)
        EXPECT_EQ(pasted.doc.line(static_cast<int>(i))->m_value, stringToDouble(c.numbers[i]))
            << c.numbers[i];

    if (*c.typed != '\0') {
        Machine typed(settingsFor(c.autoDecimal, c.european));
        typed.keys(c.typed);
        EXPECT_EQ(pasted.lines(), typed.lines());
        EXPECT_EQ(pasted.doc.registers(), typed.doc.registers());
    }

    // A replay types every line back in and must find the same tape.
    const std::vector<std::string> before = pasted.lines();
    const double total = pasted.doc.m_total;
    pasted.recalc.recalculate(-1);
    EXPECT_EQ(pasted.lines(), before);
    EXPECT_EQ(pasted.doc.m_total, total);
    EXPECT_EQ(pasted.settings.autoDecimal, c.autoDecimal);
}

const PasteCase kPasteCases[] = {
    {"Plain",
     false,
     false,
     {"12.5", "3", "1234", "0.75"},
     "12.5 + 3 + 1234 + 0.75 +",
     {"12.50 +", "3.00 +", "1,234.00 +", "0.75 +"}},
    {"Negatives",
     false,
     false,
     {"-4.5", "7", "-1200"},
     "4.5 Neg + 7 + 1200 Neg +",
     {"-4.50 +", "7.00 +", "-1,200.00 +"}},
    {"NegativeBeyondNegDecimals", false, false, {"-0.123456", "-1.5"}, "", {"-0.12 +", "-1.50 +"}},
    {"ManyDecimalsAndLargest",
     false,
     false,
     {"0.000000000001", "1234567890.12", "2.675"},
     "0.000000000001 + 1234567890.12 + 2.675 +",
     {"0.00 +", "1,234,567,890.12 +", "2.67 +"}},
    {"AutoDecimalWholeNumbers",
     true,
     false,
     {"12", "0.5", "1234.56", "-3.1"},
     "1 2 0 0 + 5 0 + 1 2 3 4 5 6 + 3 1 0 Neg +",
     {"12.00 +", "0.50 +", "1,234.56 +", "-3.10 +"}},
    {"AutoDecimalMoreDecimalsThanKeys",
     true,
     false,
     {"12.345", "-0.001"},
     "",
     {"12.35 +", "-0.00 +"}},
    {"European",
     false,
     true,
     {"1234.5", "-0.25"},
     "1234.5 + 0.25 Neg +",
     {"1.234,50 +", "-0,25 +"}},
};

INSTANTIATE_TEST_SUITE_P(Keys, PasteTest, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PasteNumbers, TotalCountsPastedItems) {
    Machine m;
    pasteNumbers(m.calc, {"12.5", "-4.5", "10"});
    m.keys("Ttl");
    EXPECT_EQ(m.lines().back(), "18.00 Ttl ;3 Items (2 Pos, 1 Neg)");
}

TEST(PasteNumbers, StartsAFreshEntry) {
    // Digits (or a point) keyed before the paste must not run into the
    // first pasted number.
    for (const char* before : {"5", "5 .", "5 . 2", "8 + 3 Neg"}) {
        SCOPED_TRACE(before);
        Machine m;
        m.keys(before);
        const int lines = m.doc.m_lineCount;
        pasteNumbers(m.calc, {"12", "0.5"});
        ASSERT_EQ(m.doc.m_lineCount, lines + 2);
        EXPECT_EQ(m.lines()[lines], "12.00 +");
        EXPECT_EQ(m.lines()[lines + 1], "0.50 +");
    }
}

TEST(PasteNumbers, UndoRemovesLineByLine) {
    Machine m;
    m.keys("100 +");
    pasteNumbers(m.calc, {"1", "2", "3"});
    CLineRemover remover(m.calc, m.recalc);
    remover.undoLastLine();
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"100.00 +", "1.00 +", "2.00 +"}));
    EXPECT_EQ(m.doc.m_total, 103.0);
    remover.undoLastLine();
    remover.undoLastLine();
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"100.00 +"}));
    EXPECT_EQ(m.doc.m_total, 100.0);
}

Numbers ones(int count) {
    return Numbers(static_cast<std::size_t>(count), "1");
}

TEST(PasteNumbers, FullTapeStopsWithOneMessage) {
    struct Row {
        const char* name;
        int linesBefore;
        int pasted;
        int added;
    };
    const Row rows[] = {
        {"FillsExactly", 0, kMaxLines, kMaxLines},
        {"StopsPartWay", kMaxLines - 3, 10, 3},
        {"AlreadyFull", kMaxLines, 5, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Machine m;
        pasteNumbers(m.calc, ones(r.linesBefore));
        m.messages.shown.clear();
        const double totalBefore = m.doc.m_total;

        EXPECT_EQ(pasteNumbers(m.calc, ones(r.pasted)), r.added);
        EXPECT_EQ(m.doc.m_lineCount, r.linesBefore + r.added);
        // The refused number is in no register: the total is what the tape shows.
        EXPECT_EQ(m.doc.m_total, totalBefore + r.added);
        EXPECT_EQ(m.doc.m_itemCount, r.linesBefore + r.added);
        const auto refusals = r.added < r.pasted ? 1u : 0u;
        EXPECT_EQ(m.messages.shown.size(), refusals);
        if (refusals) {
            EXPECT_EQ(m.messages.shown.front(), "TOO MANY LINES IN TAPE BOX");
        }
    }
}

// A form that records when drawing is switched off and on.
class RedrawForm : public MemoryForm {
   public:
    void setRedraw(bool on) override { calls.push_back(on); }
    std::vector<bool> calls;
};

TEST(PasteNumbers, DrawingOffDuringThePaste) {
    CSettings settings;
    RedrawForm form;
    ScriptedMessages messages;
    CalculatorHooks hooks;
    CVORDoc doc;
    CCalculator calc(doc, settings, form, messages, hooks);
    doc.startNewTape(2, Machine::kRoundOffCode, false);
    calc.showDocument();
    form.calls.clear();

    EXPECT_EQ(pasteNumbers(calc, {"1", "2", "3"}), 3);
    EXPECT_EQ(form.calls, (std::vector<bool>{false, true}));
    EXPECT_EQ(form.rows().size(), 3u);

    form.calls.clear();
    EXPECT_EQ(pasteNumbers(calc, {}), 0);
    EXPECT_TRUE(form.calls.empty());
}

TEST(PasteNumbers, ParsedTextGoesStraightOntoTheTape) {
    CSettings european;
    european.europeanMode = true;
    Machine m(european);
    const PastedNumbers p = parsePastedNumbers(
        "Datum\tBetrag\r\n01.03.\t1.234,56 \xE2\x82\xAC\r\n02.03.\t(12,50)\r\n", true);
    EXPECT_EQ(p.skipped, 4);
    EXPECT_EQ(pasteNumbers(m.calc, p.numbers), 2);
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"1.234,56 +", "-12,50 +"}));
}

// --- messages -----------------------------------------------------------------

TEST(PasteNumbers, Messages) {
    EXPECT_EQ(skippedMessage(0), "");
    EXPECT_EQ(skippedMessage(1), "1 line was not a number and was skipped.");
    EXPECT_EQ(skippedMessage(3), "3 lines were not numbers and were skipped.");
    EXPECT_EQ(confirmMessage(250), "Paste 250 numbers onto the tape?");
    EXPECT_EQ(kAskAbove, 100);
}

}  // namespace
}  // namespace vor::test
