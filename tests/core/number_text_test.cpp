#include "core/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/ports.h"
#include "scripted_messages.h"

namespace vor {
namespace {

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

const std::string kTooBig =
    "This number is too big for VOR.  VOR can only display up to 12 significant digits.";
const std::string kInvalid = "RUNTIME ERROR -- doubleToString Param 2 invalid";
std::string digitLimit(const std::string& marked) {
    return "VOR is limited to 12 significant digits of accuracy.  This value is too large to "
           "display at the requested decimal precision.  The value will be rounded off to the "
           "highest precision supported by VOR.  Digits in excess of 12 will be set to zero.  "
           "The x's show which digits have been affected: \n\n" +
           marked + "\n";
}
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kOff = kRoundOff;

TEST(DoubleToStringTest, FormatsRoundsAndWarns) {
    const struct {
        const char* name;
        double value;
        int code, rounding;
        std::string expected;
        std::vector<std::string> messages;
    } rows[] = {
        {"TwoDecimalsSeparated", 1234.5, 2, kOff, sp(13) + "1,234.50  ", {}},
        {"MinusInSpaceBeforeDigits", -1234.5, 2, kOff, sp(12) + "-1,234.50  ", {}},
        {"FloatingPadsRemovedZeros", 12.5, 99, kOff, sp(13) + "12.5" + sp(6), {}},
        {"LedNoTrailingSpaces", 1234.5, 98, kOff, sp(17) + "1,234.5", {}},
        {"LedZeroKeepsPoint", 0, 98, kOff, sp(21) + "0.", {}},
        {"LedNegativeWhole", -7, 98, kOff, sp(20) + "-7.", {}},
        {"CodeZeroAppendsPoint", 5, 0, kOff, sp(20) + "5.  ", {}},
        {"OffTieAwayFromZero", 0.125, 2, kOff, sp(17) + "0.13  ", {}},
        {"OffOnSeventeenDigits", 2.675, 2, kOff, sp(17) + "2.67  ", {}},
        {"UpAwayFromZero", 1.234, 2, kRoundUp, sp(17) + "1.24  ", {}},
        {"DownTowardZero", 1.239, 2, kRoundDown, sp(17) + "1.23  ", {}},
        {"UpNegative", -1.231, 2, kRoundUp, sp(16) + "-1.24  ", {}},
        {"LedIgnoresUp", 1.000025, 98, kRoundUp, sp(21) + "1.00002", {}},
        {"FloatingDownAtEightDecimals", 1.234569, 99, kRoundDown, sp(14) + "1.23457  ", {}},
        {"SignKeptWhenRoundedToZero", -0.001, 2, kOff, sp(16) + "-0.00  ", {}},
        {"NegativeZeroUnsigned", -0.0, 2, kOff, sp(17) + "0.00  ", {}},
        {"TwelveIntegerDigits",
         123456789012.345,
         2,
         kOff,
         sp(3) + "123,456,789,012.00  ",
         {digitLimit(sp(9) + "123456789012.xx")}},
        {"ElevenIntegerDigits",
         12345678901.2345,
         3,
         kOff,
         sp(3) + "12,345,678,901.200  ",
         {digitLimit(sp(8) + "12345678901.2xx")}},
        {"LimitStillFormatted",
         1e12,
         2,
         kOff,
         sp(1) + "1,000,000,000,000.00  ",
         {digitLimit(sp(8) + "1000000000000.xx")}},
        {"FloatingLimitSilent", 123456789.123456, 99, kOff, sp(4) + "123,456,789.123" + sp(4), {}},
        {"LedLargeWholeGetsPoint", 123456789012.0, 98, kOff, sp(13) + "123,456,789,012.", {}},
        {"LedFewerDecimalsWhenLarge", 12345678.56789, 98, kOff, sp(13) + "12,345,678.5679", {}},
        {"AboveLimit", 1e12 + 0.5, 2, kOff, "OVERFLOW ERROR", {kTooBig}},
        {"NegativeInfinity", -kInf, 98, kRoundUp, "OVERFLOW ERROR", {kTooBig}},
        {"NaN", std::nan(""), 99, kOff, "OVERFLOW ERROR", {kTooBig}},
        {"InvalidCode", 1.5, 7, kOff, sp(18) + "1.50000000  ", {kInvalid}},
        {"InvalidCodePreRounds", 1.23456789, 7, kRoundUp, sp(18) + "1.23456790  ", {kInvalid}},
        {"HugeInvalidCode", 3.0, 1 << 30, kRoundDown, sp(18) + "3.00000000  ", {kInvalid}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::ScriptedMessages messages;
        EXPECT_EQ(doubleToString(row.value, row.code, row.rounding, &messages), row.expected);
        EXPECT_EQ(messages.shown, row.messages);
        for (std::size_t i = 0; i < messages.shown.size(); ++i) {
            EXPECT_EQ(messages.buttons[i], Buttons::Ok);
            EXPECT_EQ(messages.icons[i], Icon::Exclamation);
        }
    }
    EXPECT_EQ(doubleToString(5e12, 2, kOff, nullptr), "OVERFLOW ERROR");
    EXPECT_EQ(doubleToString(1e12, 2, kOff, nullptr), sp(1) + "1,000,000,000,000.00  ");
}

TEST(FormatFixedTest, PrintfWithHalfAwayOnSeventeenDigits) {
    const struct {
        const char* name;
        double value;
        int decimals, width;
        const char* expected;
    } rows[] = {
        {"CarryIntoNewDigit", 999.96, 1, 0, "1000.0"},
        {"TinyRoundsUp", 0.005, 2, 0, "0.01"},
        {"NegativeAwayFromZero", -1.25, 1, 0, "-1.3"},
        {"PaddedToWidth", 1.5, 2, 8, "    1.50"},
        {"ZerosPastSeventeenDigits", 1.0 / 3, 20, 0, "0.33333333333333331000"},
        {"ThirteenIntegerDigits", 1e13 + 0.25, 8, 0, "10000000000000.25000000"},
        {"Infinity", -kInf, 2, 6, "  -inf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(formatFixed(row.value, row.decimals, row.width), row.expected);
    }
}

TEST(StringToDoubleTest, AtofRulesAfterCommas) {
    const struct {
        const char* name;
        std::string text;
        double expected;
    } rows[] = {
        {"CommasRemoved", "1,234.5", 1234.5},
        {"OverflowText", "OVERFLOW ERROR", 0},
        {"LedText", sp(12) + "42.", 42},
        {"PointAlone", ".", 0},
        {"SignedFraction", "\t-.5", -0.5},
        {"PlusSign", "+3", 3},
        {"Exponent", "2E-2", 0.02},
        {"ExponentNeedsDigits", "1e+x", 1},
        {"SecondPointStops", "1.2.3", 1.2},
        {"DoubleSign", "--5", 0},
        {"NoHex", "0x10", 0},
        {"NoInfinityWord", "inf", 0},
        {"Overflow", "9" + std::string(400, '0'), HUGE_VAL},
        {"Underflow", "-1e-400", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(stringToDouble(row.text), row.expected);
    }
}

TEST(ThousandsSeparatorsTest, InsertsAndKeepsWidth) {
    const struct {
        const char* name;
        std::string text, expected;
    } rows[] = {
        {"ShrinksLeadingSpaces", "    1234567.5", "  1,234,567.5"},
        {"GrowsWithoutSpaces", "1234.5", "1,234.5"},
        {"JustEnoughSpaces", "  -1234567.5", "-1,234,567.5"},
        {"TooFewSpaces", " 1234567.5", "1,234,567.5"},
        {"NoneAfterMinus", " -123456.5", "-123,456.5"},
        {"NoPointOnlyDropsCommas", "1,23,4", "1234"},
    };
    for (auto row : rows) {
        SCOPED_TRACE(row.name);
        addThousandsSeparators(row.text);
        EXPECT_EQ(row.text, row.expected);
    }
    EXPECT_EQ(europeanExchange("  1,234,567.50"), "  1.234.567,50");
}

TEST(NumberTextTest, GermanLocaleChangesNothing) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE.UTF-8";
    const std::string text = doubleToString(1234.5, 2, kOff, nullptr);
    const double parsed = stringToDouble("1,234.5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(text, sp(13) + "1,234.50  ");
    EXPECT_EQ(parsed, 1234.5);
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

TEST(ExactText, ParsesBackToTheSameDouble) {
    for (double v : {0.009175, -12.0, 1.234567, 1234567890123456.0, 0.1 + 0.2, -0.0, 1e-7}) {
        const std::string t = exactText(v);
        EXPECT_EQ(t.find_first_of("eE,"), std::string::npos) << t;
        const double back = stringToDouble(t);
        EXPECT_EQ(back, v) << t;
        EXPECT_EQ(std::signbit(back), std::signbit(v)) << t;
    }
    EXPECT_EQ(exactText(-12.0), "-12.");
    EXPECT_EQ(exactText(0.5), "0.5");
    EXPECT_EQ(exactText(std::numeric_limits<double>::infinity()), "0.");
}

}  // namespace
}  // namespace vor
