// Every help page and section the program can open exists in the pages as
// they ship: a renamed or dropped id="..." would land the user at the top
// of the page again.
#include "shell/help_topics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "core/calculator.h"
#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/selector_buttons.h"
#include "shell/launch.h"
#include "shell/speech_commands.h"

namespace vor {
namespace {

const std::string kHelpDir = std::string(VORLEX_SOURCE_DIR) + "/resources/help/";

// The id="..." attributes of a help page.
std::set<std::string> idsOf(const std::string& page) {
    std::ifstream in(kHelpDir + page);
    std::stringstream text;
    text << in.rdbuf();
    std::set<std::string> ids;
    const std::regex id(R"(\sid="([^"]+)\")");
    const std::string html = text.str();
    for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator();
         ++it)
        ids.insert((*it)[1]);
    return ids;
}

TEST(HelpTargets, EverySectionTheProgramOpensIsInItsPage) {
    std::map<std::string, std::set<std::string>> pages;
    for (const char* page : {"index.html", "dialogs.html"}) {
        pages[page] = idsOf(page);
        ASSERT_GT(pages[page].size(), 5u) << page;
    }
    std::vector<std::string> targets = everyHelpTarget();
    targets.push_back(kVoicesHelpPage);
    for (const std::string& target : targets) {
        const auto hash = target.find('#');
        ASSERT_NE(hash, std::string::npos) << target;
        const std::string page = target.substr(0, hash);
        ASSERT_TRUE(pages.count(page)) << target;
        EXPECT_TRUE(pages[page].count(target.substr(hash + 1))) << target;
    }
}

TEST(HelpTargets, EachControlOfTheFormHasASectionOfItsOwn) {
    const std::string overview = keyHelpPage(0);
    std::vector<int> ids = {cmd::AutoDecimalCheck, cmd::HiddenMemoryRecall, cmd::SelectNext};
    for (const KeyDesc& k : keypad())
        if (k.w > 0) ids.push_back(k.id);
    for (const SelectorButton& b : precisionButtons()) ids.push_back(b.id);
    for (const SelectorButton& b : roundingButtons()) ids.push_back(b.id);
    for (int id : ids) EXPECT_NE(keyHelpPage(id), overview) << id;
    EXPECT_EQ(keyHelpPage(cmd::Plus), "index.html#key-plus");
    EXPECT_NE(keyHelpPage(cmd::Plus), keyHelpPage(cmd::Minus));
    // The pop-up help of a key carries its id in the low word.
    EXPECT_EQ(helpPageForData(helpId(cmd::Total)), "index.html#key-t");
}

TEST(HelpTargets, TheRedirectPageLeadsToTheSectionWhateverTheAddressHolds) {
    const std::string page = redirectPage("file:///help/index.html#key-plus");
    EXPECT_NE(page.find("url=file:///help/index.html#key-plus\""), std::string::npos) << page;
    EXPECT_NE(page.find("location.replace(\"file:///help/index.html#key-plus\")"),
              std::string::npos);
    const std::string odd = redirectPage("file:///a\"<b>&c#s");
    EXPECT_EQ(odd.find("\"<b>"), std::string::npos) << odd;
    EXPECT_NE(odd.find("url=file:///a&quot;&lt;b&gt;&amp;c#s\""), std::string::npos) << odd;
    EXPECT_NE(odd.find("replace(\"file:///a\\x22\\x3cb>&c#s\")"), std::string::npos) << odd;
}

}  // namespace
}  // namespace vor
