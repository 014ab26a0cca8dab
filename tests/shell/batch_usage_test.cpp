// README's batch mode table and `vorlex --help` name the same options and
// key tokens: what batch mode reads is documented where users look for it.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "shell/batch.h"

namespace vor {
namespace {

using Words = std::set<std::string>;

// "PREC=F|0..5" and "PREC=2" are one token: the part up to its '='.
std::string stem(const std::string& token) {
    const auto eq = token.find('=');
    return eq == std::string::npos ? token : token.substr(0, eq + 1);
}

void addMatches(Words& into, const std::string& text, const std::regex& re) {
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        into.insert((*it)[(*it).size() > 1 ? 1 : 0]);
}

// A range of labels ("Macro0-3", "`Macro0`..`Macro3`") as its labels.
void addRange(Words& into, const std::string& prefix, char first, char last) {
    for (char c = first; c <= last; ++c) into.insert(prefix + c);
}

const std::regex kOption("--[a-z][a-z-]*[a-z]");

struct Documented {
    Words options;
    Words tokens;
    Words firstColumnTokens;  // README only: the tokens a row is about
};

Documented readmeTable() {
    std::ifstream in(std::string(VORLEX_SOURCE_DIR) + "/README.md");
    Documented d;
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) inSection = line == "## Batch mode";
        if (!inSection || line.rfind("| `", 0) != 0) continue;
        std::size_t cut = 1;  // the first column ends at a | the text does not escape
        while ((cut = line.find('|', cut + 1)) != std::string::npos && line[cut - 1] == '\\') {
        }
        const std::string row = std::regex_replace(line, std::regex(R"(\\\|)"), "|");
        const std::string first =
            std::regex_replace(line.substr(0, cut), std::regex(R"(\\\|)"), "|");
        addMatches(d.options, first, kOption);
        Words code;
        addMatches(code, row, std::regex("`([^`]+)`"));
        for (const std::string& c : code) d.tokens.insert(stem(c));
        const std::regex range(R"(`(\D*)(\d)`\.\.`\1(\d)`)");
        for (auto it = std::sregex_iterator(row.begin(), row.end(), range);
             it != std::sregex_iterator(); ++it)
            addRange(d.tokens, (*it)[1], (*it).str(2)[0], (*it).str(3)[0]);
        Words firstCode;
        addMatches(firstCode, first, std::regex("`([^`]+)`"));
        for (const std::string& c : firstCode)
            if (c.rfind("--", 0) != 0) d.firstColumnTokens.insert(stem(c));
    }
    return d;
}

Documented usageText() {
    std::ostringstream out;
    printBatchUsage(out);
    const std::string usage = out.str();
    Documented d;
    // The options' lines, after the lines that show how to start the program.
    addMatches(d.options, usage.substr(usage.find("\n  -")), kOption);
    const auto from = usage.find("press keys:") + 11;
    std::string keys = usage.substr(from, usage.find(';', from) - from);
    keys = std::regex_replace(keys, std::regex(R"(,\s+numbers\s+such\s+as\s+12\.5,\s+and)"), " ");
    std::istringstream words(keys);
    const std::regex range(R"((\D*)(\d)-(\d))");
    for (std::string w; words >> w;) {
        std::smatch m;
        if (std::regex_match(w, m, range))
            addRange(d.tokens, m[1], m.str(2)[0], m.str(3)[0]);
        else
            d.tokens.insert(stem(w));
    }
    return d;
}

TEST(BatchReadme, TableAndUsageNameTheSameOptionsAndTokens) {
    const Documented readme = readmeTable();
    const Documented usage = usageText();
    const struct {
        const char* what;
        const Words& listed;
        const Words& in;
    } checks[] = {
        {"option of --help missing from README", usage.options, readme.options},
        {"option of README missing from --help", readme.options, usage.options},
        {"key token of --help missing from README", usage.tokens, readme.tokens},
        {"key token of README's first column missing from --help", readme.firstColumnTokens,
         usage.tokens},
    };
    for (const auto& check : checks) {
        EXPECT_GT(check.listed.size(), 10u) << check.what;
        for (const std::string& word : check.listed)
            EXPECT_TRUE(check.in.count(word)) << check.what << ": " << word;
    }
}

}  // namespace
}  // namespace vor
