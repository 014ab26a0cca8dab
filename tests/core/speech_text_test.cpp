// Tape text as the engine is given it: every replacement, in its order.
#include <gtest/gtest.h>

#include "speech/speakable_text.h"

namespace vor {
namespace {

struct Case {
    const char* name;
    const char* in;
    const char* out;
};

class LineText : public ::testing::TestWithParam<Case> {};

TEST_P(LineText, IsSpokenAsWords) {
    EXPECT_EQ(speakableLineText(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Speech, LineText,
    ::testing::Values(Case{"MemoryMinusBeforeMinus", "12.00 M-=", "12.00 memory minus  equals  "},
                      Case{"Minus", "12.00  -", "12.00  minus  "},
                      Case{"Total", "46.00  Ttl", "46.00  total  "},
                      Case{"CommentLine", "    <comment>   ", "    comment     "},
                      Case{"Times", "3.00  X", "3.00  times  "},
                      Case{"Subtotal", "46.00  Sub", "46.00  subtotal  "},
                      Case{"Divided", "3.00  /", "3.00  divided by "},
                      Case{"MemoryPlus", "3.00 M+=", "3.00 memory plus  equals  "},
                      Case{"MemorySubtotalKeepsItsT", "3.00 MST", "3.00 memory subtotal  T"},
                      Case{"MemoryTotal", "3.00 MT ", "3.00 memory total   "},
                      Case{"Semicolon", "a;b", "a b"},
                      Case{"Equals", "36.00  =", "36.00  equals  "},
                      Case{"MemoryRecall", "<MR key pressed>", "Memory Recall key pressed"},
                      Case{"BareBrackets", "<clear>", " clear "},
                      Case{"PlusAndDigitsPass", "1,234.50  +", "1,234.50  +"},
                      // "-" is replaced before "Ttl" and "X": a replacement's own words
                      // are not looked at again by the rules before it.
                      Case{"OrderIsKept", "-X", "minus  times  "}),
    [](const auto& info) { return std::string(info.param.name); });

class Comment : public ::testing::TestWithParam<Case> {};

TEST_P(Comment, IsSpokenAsWords) {
    EXPECT_EQ(speakableComment(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Speech, Comment,
    ::testing::Values(Case{"Counts", " ;3 Items (3 Pos, 0 Neg)",
                           " ;3 Items (3 positive, 0 negative)"},
                      Case{"PercentKey", " ;<% key>", " ;percent key"},
                      Case{"Brackets", " ;<a>", " ; a "},
                      Case{"NegInsideAWordStays", " ;Negotiated Position", " ;Negotiated Position"},
                      Case{"WordNextToDigitStays", " ;Neg2 Pos", " ;Neg2 positive"},
                      Case{"AccentedLetterIsPartOfTheWord", " ;éNeg Neg", " ;éNeg negative"},
                      Case{"TypedAsIs", " ;café €5", " ;café €5"},
                      // The line-text list is not the comment's: symbols stay.
                      Case{"SymbolsStay", " ;M- X / =", " ;M- X / ="}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeechRow, ImmediateReadConvertsTheWholeRowWithItsOwnList) {
    const std::string clear = "    <clear>                   ";
    EXPECT_EQ(speakableRow(clear), std::string(clear.size() - 5, ' '));
    EXPECT_EQ(speakableRow("12.00 M-= ;3 Items (3 Pos, 0 Neg)"),
              "12.00 memory minus  equals    3 Items (3 positive, 0 negative)");
    EXPECT_EQ(speakableRow("5.00 % ;<% key>"), "5.00 %  percent key");
    EXPECT_EQ(speakableRow("<MR key pressed>"), "Memory Recall key pressed");
}

TEST(SpeechTape, EveryLineIsTextTabCommentLineFeed) {
    CVORDoc doc;
    CTapeLine a;
    a.setText("12.00  +");
    CTapeLine b;
    b.setText("12.00  Ttl");
    b.setComment(" ;1 Items (1 Pos, 0 Neg)");
    doc.appendLine(a, {});
    doc.appendLine(b, {});
    EXPECT_EQ(speakableTape(doc),
              "12.00  +\t ;\n12.00  total  \t ;1 Items (1 positive, 0 negative)\n");
}

TEST(SpeechBuffer, CountsCharactersNotBytesWithTheTerminator) {
    EXPECT_TRUE(fitsSpeechBuffer("abc", 4));
    EXPECT_FALSE(fitsSpeechBuffer("abcd", 4));
    EXPECT_TRUE(fitsSpeechBuffer("ééé", 4));  // 6 bytes, 3 characters
    EXPECT_FALSE(fitsSpeechBuffer("😀😀", 4));  // two surrogate pairs
    EXPECT_EQ(tapeCapacity(2), 2304u);
}

}  // namespace
}  // namespace vor
