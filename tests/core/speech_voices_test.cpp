// The voices Select Speech Engine Mode offers and the voice a start picks:
// each voice once, the list limit shared fairly, the voice in use kept and
// found, and the default for the user's country.
#include <gtest/gtest.h>

#include <map>

#include "speech/queued_engine.h"
#include "speech/voice_list.h"
#include "speech_fakes.h"

namespace vor {
namespace {

using test::FakeSynth;

std::vector<std::string> ids(const std::vector<SpeechMode>& modes) {
    std::vector<std::string> out;
    for (const SpeechMode& m : modes) out.push_back(m.id);
    return out;
}

// speechd as espeak-ng fills it: plain voices, each with many variants.
std::vector<SpeechMode> speechdVoices(int variants) {
    std::vector<SpeechMode> modes;
    for (const auto& [lang, voice] : std::vector<std::pair<std::string, std::string>>{
             {"en_US", "English (Caribbean)"},
             {"en_US", "English (America)"},
             {"de_DE", "German"},
             {"en_US", "English (America, New York City)"}}) {
        modes.push_back(FakeSynth::mode("speechd", lang, voice));
        for (int i = 0; i < variants; ++i)
            modes.push_back(FakeSynth::mode("speechd", lang, voice + "+v" + std::to_string(i)));
    }
    return modes;
}

TEST(SpeechVoices, EachVoiceOnceSortedByLanguage) {
    std::vector<SpeechMode> all = {
        FakeSynth::mode("flite", "en_US", "slt"), FakeSynth::mode("speechd", "en_US", "slt"),
        FakeSynth::mode("speechd", "de_DE", "German"),
        FakeSynth::mode("speechd", "de_DE", "German"), FakeSynth::mode("speechd", "en_GB", "slt")};
    EXPECT_EQ(
        ids(offeredModes(all, nullptr, 199)),
        (std::vector<std::string>{"speechd/de_DE/German", "speechd/en_GB/slt", "flite/en_US/slt"}));
    // The voice in use keeps its own entry; the other engine's copy goes.
    EXPECT_EQ(ids(offeredModes(all, &all[1], 199)),
              (std::vector<std::string>{"speechd/de_DE/German", "speechd/en_GB/slt",
                                        "speechd/en_US/slt"}));
    all[2].languageName = "Deutsch";  // a named language sorts by its name
    all[4].languageName = "British English";
    EXPECT_EQ(offeredModes(all, nullptr, 199).front().id, "speechd/en_GB/slt");
}

// An engine with thousands of variants leaves every other engine and every
// plain voice in the list; the rest is the variants of the voice in use.
TEST(SpeechVoices, TheLimitIsSharedFairlyAndKeepsTheVoiceInUse) {
    std::vector<SpeechMode> all = {FakeSynth::mode("flite", "en_US", "slt"),
                                   FakeSynth::mode("flite", "en_US", "kal")};
    const std::vector<SpeechMode> speechd = speechdVoices(300);
    all.insert(all.end(), speechd.begin(), speechd.end());
    const SpeechMode inUse = FakeSynth::mode("speechd", "en_US", "English (America)+v250");
    const std::vector<SpeechMode> offered = offeredModes(all, &inUse, 12);
    EXPECT_EQ(ids(offered),
              (std::vector<std::string>{
                  "speechd/de_DE/German", "flite/en_US/slt", "flite/en_US/kal",
                  "speechd/en_US/English (Caribbean)", "speechd/en_US/English (America)",
                  "speechd/en_US/English (America)+v0", "speechd/en_US/English (America)+v1",
                  "speechd/en_US/English (America)+v2", "speechd/en_US/English (America)+v3",
                  "speechd/en_US/English (America)+v4", "speechd/en_US/English (America)+v250",
                  "speechd/en_US/English (America, New York City)"}));
    EXPECT_EQ(indexOfMode(offered, inUse), 10);

    // Three engines over a limit of 50: the small one shows all it has.
    std::vector<SpeechMode> three = {FakeSynth::mode("flite", "en_US", "slt")};
    for (int i = 0; i < 100; ++i) {
        three.push_back(FakeSynth::mode("speechd", "en_US", "s" + std::to_string(i)));
        three.push_back(FakeSynth::mode("other", "en_US", "o" + std::to_string(i)));
    }
    std::map<std::string, int> perEngine;
    for (const SpeechMode& m : offeredModes(three, nullptr, 50)) ++perEngine[m.engine];
    EXPECT_EQ(perEngine,
              (std::map<std::string, int>{{"flite", 1}, {"other", 24}, {"speechd", 25}}));
}

struct DefaultCase {
    const char* locale;
    std::vector<std::string> territoryNames;
    std::vector<SpeechMode> voices;
    std::string chosen;
};

TEST(SpeechVoices, TheDefaultVoiceFollowsTheUsersCountry) {
    const std::vector<SpeechMode> english = speechdVoices(2);
    const std::vector<SpeechMode> portuguese = {
        FakeSynth::mode("speechd", "pt_BR", "Portuguese (Portugal)"),
        FakeSynth::mode("speechd", "pt_BR", "Portuguese (Brazil)")};
    const std::vector<SpeechMode> british = {
        FakeSynth::mode("speechd", "en_GB", "English (Scotland)"),
        FakeSynth::mode("speechd", "en_GB", "English (Great Britain)")};
    const DefaultCase cases[] = {
        {"en_US", commonTerritoryNames("en_US"), english, "English (America)"},
        {"en_GB", commonTerritoryNames("en_GB"), british, "English (Great Britain)"},
        {"pt_PT", {"Portugal"}, portuguese, "Portuguese (Portugal)"},
        {"pt_BR", {"Brazil"}, portuguese, "Portuguese (Brazil)"},
        {"en_AU", {"Australia"}, {FakeSynth::mode("flite", "en_US", "slt")}, "slt"},
        {"es_MX",
         commonTerritoryNames("es_MX"),
         {FakeSynth::mode("speechd", "es_ES", "Spanish (Spain)"),
          FakeSynth::mode("speechd", "es_419", "Spanish (Latin America)")},
         "Spanish (Latin America)"},
    };
    for (const DefaultCase& c : cases) {
        const SpeechMode* best = bestModeFor(c.voices, c.locale, c.territoryNames);
        ASSERT_NE(best, nullptr) << c.locale;
        EXPECT_EQ(best->voice, c.chosen) << c.locale;
    }
    EXPECT_EQ(bestModeFor({}, "en_US", {}), nullptr);

    auto owned = std::make_unique<FakeSynth>();
    owned->engineNames = {"speechd", "flite"};
    owned->all = english;
    CSpeechEngine engine(std::move(owned));
    ASSERT_EQ(engine.initDefault("en_US.UTF-8"), SpeechResult::Ok);
    SpeechMode m;
    engine.currentMode(m);
    EXPECT_EQ(m.voice, "English (America)");
}

}  // namespace
}  // namespace vor
