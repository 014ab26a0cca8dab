// The macro file: written byte for byte, read back whole, and refused
// without a single macro changing when anything in it is wrong.
#include "macros/macro_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vor {
namespace {

std::string int32le(std::int32_t v) {
    std::string s;
    for (int k = 0; k < 4; ++k) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)));
    return s;
}

CMacroStore sample() {
    CMacroStore s;
    s.m_macroSize = {3, 0, 2, 1};
    s.m_macroEntry[0][0] = 1006;
    s.m_macroEntry[0][1] = 1016;
    s.m_macroEntry[0][2] = 1111;
    s.m_macroEntry[2][0] = 1099;
    s.m_macroEntry[2][1] = 1025;
    s.m_macroEntry[3][0] = 5000;
    s.m_macroPrompt[2] = "Rate in %?";
    s.m_macroDefault[2] = "7.5";
    s.m_macroPrompt[3] = "caf\xC3\xA9 \xE2\x82\xAC";  // Windows-1252 has both
    s.m_macroDefault[3] = "\xCE\xA3";                 // it has no sigma
    return s;
}

bool sameMacros(const CMacroStore& a, const CMacroStore& b) {
    for (int k = 0; k < kMacroCount; ++k) {
        const auto m = static_cast<std::size_t>(k);
        if (a.size(k) != b.size(k) || a.m_macroPrompt[m] != b.m_macroPrompt[m] ||
            a.m_macroDefault[m] != b.m_macroDefault[m])
            return false;
        for (int i = 0; i < a.size(k); ++i)
            if (a.entry(k, i) != b.entry(k, i)) return false;
    }
    return true;
}

TEST(MacroFile, EmptyMacrosMakeThe322ByteFile) {
    const std::string bytes = writeMacroFile(CMacroStore{});
    ASSERT_EQ(bytes.size(), 322u);
    EXPECT_EQ(bytes.substr(0, 14), std::string("VOR_MACROFILE\0", 14));
    EXPECT_EQ(bytes.substr(14, 4), int32le(100));
    // Record 0: two empty texts, four zeros, size 0, default "", the prompt.
    const std::string record = int32le(0) + int32le(0) + std::string(16, '\0') + int32le(0) +
                               int32le(0) + int32le(40) +
                               "Enter a value in the edit control below:";
    EXPECT_EQ(bytes.substr(18, 76), record);
    EXPECT_EQ(bytes.substr(18 + 3 * 76), record);
}

TEST(MacroFile, ARoundTripKeepsEntriesPromptsAndDefaults) {
    const CMacroStore written = sample();
    const std::string bytes = writeMacroFile(written);
    // The default comes before the prompt; é and € are single bytes.
    EXPECT_NE(bytes.find(int32le(3) + "7.5" + int32le(10) + "Rate in %?"), std::string::npos);
    EXPECT_NE(bytes.find(int32le(6) + "caf\xE9 \x80"), std::string::npos);
    CMacroStore read;
    ASSERT_EQ(readMacroFile(bytes, read), MacroFileResult::Read);
    EXPECT_TRUE(sameMacros(read, written));
}

TEST(MacroFile, ACountOfZeroKeepsTheEntriesButTakesTheTexts) {
    CMacroStore current = sample();
    CMacroStore file;
    file.m_macroPrompt[2] = "new prompt";
    file.m_macroDefault[2] = "1";
    ASSERT_EQ(readMacroFile(writeMacroFile(file), current), MacroFileResult::Read);
    EXPECT_EQ(current.size(2), 2);
    EXPECT_EQ(current.entry(2, 1), 1025);
    EXPECT_EQ(current.m_macroPrompt[2], "new prompt");
    EXPECT_EQ(current.m_macroDefault[2], "1");
}

TEST(MacroFile, OlderVersionsAreReadAndNewerOnesRefused) {
    std::string bytes = writeMacroFile(sample());
    CMacroStore store;
    bytes.replace(14, 4, int32le(150));
    EXPECT_EQ(readMacroFile(bytes, store), MacroFileResult::Read);
    bytes.replace(14, 4, int32le(200));
    CMacroStore untouched;
    EXPECT_EQ(readMacroFile(bytes, untouched), MacroFileResult::NewerVersion);
    EXPECT_TRUE(sameMacros(untouched, CMacroStore{}));
}

TEST(MacroFile, EveryDamagedFileIsRefusedAndChangesNothing) {
    const std::string good = writeMacroFile(sample());
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"empty", ""},
        {"shorter than the magic", "VOR_MACRO"},
        {"wrong magic", "VOR_MACROFILX" + good.substr(13)},
        {"no version", good.substr(0, 16)},
    };
    // Cut anywhere inside the records.
    for (std::size_t n = 18; n < good.size(); n += 7)
        cases.push_back({"truncated", good.substr(0, n)});
    auto patched = [&good](std::size_t at, std::int32_t v) {
        std::string b = good;
        b.replace(at, 4, int32le(v));
        return b;
    };
    const std::size_t count0 = 18 + 8 + 16;
    cases.push_back({"negative count", patched(count0, -1)});
    cases.push_back({"count above 250", patched(count0, 251)});
    cases.push_back({"negative reserved text", patched(18, -4)});
    cases.push_back({"text longer than 255", patched(count0 + 4, 256)});
    cases.push_back({"text past the end", patched(count0 + 4, 200)});
    for (const Case& c : cases) {
        CMacroStore store = sample();
        EXPECT_EQ(readMacroFile(c.bytes, store), MacroFileResult::Corrupt) << c.name;
        EXPECT_TRUE(sameMacros(store, sample())) << c.name;
    }
}

TEST(MacroFile, TheMagicIsComparedAsATerminatedText) {
    std::string bytes = writeMacroFile(CMacroStore{});
    CMacroStore store;
    EXPECT_EQ(readMacroFile(bytes, store), MacroFileResult::Read);
    bytes[13] = 'X';  // the terminator is part of the magic
    EXPECT_EQ(readMacroFile(bytes, store), MacroFileResult::Corrupt);
}

TEST(MacroFile, LongTextsAreCutToWhatAReaderAccepts) {
    CMacroStore s;
    s.m_macroPrompt[0] = std::string(254, 'a') + "\xCE\xA3\xCE\xA3";  // UTF-8, 258 bytes
    s.m_macroDefault[0] = std::string(300, '9');
    CMacroStore read;
    ASSERT_EQ(readMacroFile(writeMacroFile(s), read), MacroFileResult::Read);
    EXPECT_EQ(read.m_macroPrompt[0], std::string(254, 'a'));
    EXPECT_EQ(read.m_macroDefault[0], std::string(255, '9'));
}

}  // namespace
}  // namespace vor
