// Reading key lists: the batch --keys option and the tests' key strings.
#include "core/key_tokens.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/memory_profile.h"
#include "shell/batch.h"

namespace vor {
namespace {

using Tokens = std::vector<std::string>;

TEST(KeyTokens, SplitsOnBlanksAndKeepsQuotedBlanks) {
    EXPECT_EQ(splitKeyTokens("12.5 +  Ttl").tokens, (Tokens{"12.5", "+", "Ttl"}));
    EXPECT_EQ(splitKeyTokens("1\r\n+\r\n2\t=\r\n").tokens, (Tokens{"1", "+", "2", "="}))
        << "a key file with CRLF line ends";
    EXPECT_EQ(splitKeyTokens("COMMENT=\"rent for May\" +").tokens,
              (Tokens{"COMMENT=rent for May", "+"}));
    EXPECT_EQ(splitKeyTokens(R"(COMMENT="say \"hi\" \\ bye")").tokens,
              (Tokens{R"(COMMENT=say "hi" \ bye)"}));
    EXPECT_EQ(splitKeyTokens("COMMENT=\"\"").tokens, (Tokens{"COMMENT="}));
    EXPECT_TRUE(splitKeyTokens("   ").tokens.empty());
    EXPECT_FALSE(splitKeyTokens("COMMENT=\"open").error.empty());
}

TEST(KeyTokens, NumbersHaveAtMostOnePoint) {
    for (const char* n : {"0", "12.5", ".5", "5.", "00"}) EXPECT_TRUE(isNumberToken(n)) << n;
    for (const char* n : {".", "1.2.3", "1..", "+", "1e5", ""}) EXPECT_FALSE(isNumberToken(n)) << n;
    EXPECT_TRUE(isMalformedNumber("1.2.3"));
    EXPECT_TRUE(isMalformedNumber("1.."));
    EXPECT_FALSE(isMalformedNumber("Ttl"));
    EXPECT_FALSE(isMalformedNumber("."));
}

struct BatchResult {
    int status;
    std::string out;
    std::string err;
};

BatchResult batch(const std::vector<std::string>& args) {
    MemoryProfile user;
    std::ostringstream out, err;
    const int status = runBatch(args, &user, out, err);
    return {status, out.str(), err.str()};
}

TEST(BatchUsage, RefusesWhatItCannotDoExactly) {
    const BatchResult malformed = batch({"--keys", "5 + 1.2.3 +"});
    EXPECT_EQ(malformed.status, 2);
    EXPECT_EQ(malformed.err, "vorlex: malformed number: 1.2.3\n");
    const BatchResult unknownSetting = batch({"--set", "Europian Mode=1", "--keys", "5 +"});
    EXPECT_EQ(unknownSetting.status, 2);
    EXPECT_EQ(unknownSetting.err, "vorlex: --set: unknown setting: Europian Mode\n");
    const BatchResult comment = batch({"--keys", "5 + COMMENT=\"two words\""});
    EXPECT_EQ(comment.out, "                 5.00  +   ;two words\n") << "one token";
    const BatchResult quote = batch({"--keys", "5 \"+"});
    EXPECT_EQ(quote.status, 2);
}

TEST(BatchUsage, HelpPrintsTheUsageAndSucceeds) {
    const BatchResult help = batch({"--keys", "5 +", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: vorlex"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
}

TEST(BatchUsage, KeysFromACrlfFileGiveTheSameTape) {
    EXPECT_EQ(batch({"--keys", "12\r\n+\r\n3\r\n+\r\nTtl\r\n"}).out,
              batch({"--keys", "12 + 3 + Ttl"}).out);
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

TEST(BatchFiles, SaveThenOpenGivesTheTapeAndARefusedOpenKeepsItButFails) {
    const std::string path = (std::filesystem::temp_directory_path() / "vorlex-batch.vor").string();
    const BatchResult saved = batch({"--keys", "12 X 3 + Ttl", "--save", path});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const BatchResult opened = batch({"--open", path});
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, saved.out);

    const BatchResult refused =
        batch({"--answer", "no", "--keys", "5 +", "--open", path + ".missing", "--keys", "6 +"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "                 5.00  +   \n                 6.00  +   \n")
        << "the run goes on with the tape it had";
    EXPECT_NE(refused.err.find("VOR: Failed to open document.\\n"), std::string::npos);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace vor

namespace vor {
namespace {

TEST(BatchFiles, PasteAddsEveryNumberAndExportCsvPrintsTheTape) {
    const std::string path = (std::filesystem::temp_directory_path() / "vorlex-paste.txt").string();
    {
        std::ofstream text(path, std::ios::binary);
        text << "Amount\r\n$1,234.50\r\n(20.00)\r\nnot a number\r\n\r\n5\r\n";
    }
    const BatchResult pasted = batch({"--paste", path, "--keys", "Ttl", "--export", "csv"});
    EXPECT_EQ(pasted.status, 0);
    EXPECT_EQ(pasted.out,
              "value,key,comment\r\n1234.5,+,\r\n-20,+,\r\n5,+,\r\n"
              "1219.5,Ttl,\"3 Items (2 Pos, 1 Neg)\"\r\n");
    EXPECT_EQ(pasted.err, "VOR: 2 lines were not numbers and were skipped.\n");
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace vor
