// Finding a line: by its figure as shown or as typed, its key, its comment,
// going round the tape both ways.
#include "tape/tape_search.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace vor::test {
namespace {

TEST(TapeSearch, FindsByFigureKeyOrCommentGoingRound) {
    Machine m;
    m.keys("1234.5 + 20 + 3 X 4 = Ttl");
    m.calc.appendLine("          7.00 M+ ", " ;Rent March", 7.0);
    // 0 "1,234.50 +", 1 "20.00 +", 2 "3.00 X", 3 "4.00 =", 4 "12.00",
    // 5 "1,254.50 Ttl", 6 "7.00 M+ ;Rent March"
    struct Case {
        const char* query;
        int from;
        bool forward;
        int found;
    } const cases[] = {
        {"1234.5", -1, true, 0},    // as typed finds 1,234.50
        {"1,234.50", -1, true, 0},  // as shown
        {"1234.5", 0, true, 0},     // only itself matches: found again
        {"ttl", -1, true, 5},       // the key, either case
        {"RENT", -1, true, 6},      // the comment
        {"12", 4, true, 5},         // digits of 1,254.50 after 12.00
        {"12", 0, true, 4},         // 12.00 is the next one below
        {"12", 5, true, 0},         // past the end, round to the top
        {"12", 0, false, 5},        // going back from the top: round to the bottom
        {"m+", -1, false, 6},       // backward from nothing starts at the bottom
        {"999", -1, true, -1},      // nothing matches
        {"  ", -1, true, -1},       // an empty query matches nothing
        {"Ttl;", -1, true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findLine(m.doc, c.query, c.from, c.forward, false), c.found)
            << c.query << " from " << c.from;
}

TEST(TapeSearch, EuropeanRowsGroupWithThePoint) {
    CSettings european;
    european.europeanMode = true;
    Machine m(european);
    m.keys("1234.5 +");
    EXPECT_EQ(findLine(m.doc, "1234,5", -1, true, true), 0);
    EXPECT_EQ(findLine(m.doc, "1.234,50", -1, true, true), 0);
    EXPECT_EQ(findLine(m.doc, "1234.5", -1, true, true), -1);
}

}  // namespace
}  // namespace vor::test
