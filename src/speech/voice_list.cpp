#include "speech/voice_list.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace vor {
namespace {

using VoiceSet = std::set<std::pair<std::string, std::string>>;  // engine, voice

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

VoiceSet voiceNames(const std::vector<SpeechMode>& modes) {
    VoiceSet names;
    for (const SpeechMode& m : modes) names.insert({m.engine, m.voice});
    return names;
}

// The voice a variant varies ("Name" for "Name+Variant", where the engine
// has a voice "Name"); the voice itself for a plain voice.
std::string baseVoice(const SpeechMode& m, const VoiceSet& names, bool* variant = nullptr) {
    const std::size_t plus = m.voice.find('+');
    const bool isVariant =
        plus != std::string::npos && plus > 0 && names.count({m.engine, m.voice.substr(0, plus)});
    if (variant != nullptr) *variant = isVariant;
    return isVariant ? m.voice.substr(0, plus) : m.voice;
}

std::string sortKey(const SpeechMode& m) {
    if (!m.languageName.empty()) return lower(m.languageName);
    const bool known = !m.language.empty() && m.language != "C" && m.language != "POSIX";
    return lower(known ? m.language : m.voice);
}

// Each voice once; the mode in use claims its voice before any other.
std::vector<SpeechMode> uniqueModes(const std::vector<SpeechMode>& all, const SpeechMode* inUse) {
    std::set<std::pair<std::string, std::string>> voices;  // voice, language
    std::set<std::string> ids;
    const bool listed = inUse != nullptr && std::any_of(all.begin(), all.end(),
                                                        [&](auto& m) { return m.id == inUse->id; });
    if (listed) voices.insert({inUse->voice, inUse->language});
    std::vector<SpeechMode> unique;
    for (const SpeechMode& m : all) {
        if (!ids.insert(m.id).second) continue;
        if ((listed && m.id == inUse->id) || voices.insert({m.voice, m.language}).second)
            unique.push_back(m);
    }
    return unique;
}

// How many voices each engine may show: equal shares, the share an engine
// cannot use passed on to the others.
std::map<std::string, std::size_t> fairShares(const std::vector<SpeechMode>& modes,
                                              std::size_t limit) {
    std::map<std::string, std::size_t> count;
    std::vector<std::string> engines;
    for (const SpeechMode& m : modes)
        if (count[m.engine]++ == 0) engines.push_back(m.engine);
    std::map<std::string, std::size_t> share;
    std::size_t left = limit;
    while (left > 0) {
        std::vector<std::string> wanting;
        for (const std::string& e : engines)
            if (share[e] < count[e]) wanting.push_back(e);
        if (wanting.empty()) break;
        const std::size_t each = std::max<std::size_t>(1, left / wanting.size());
        for (const std::string& e : wanting) {
            const std::size_t given = std::min({each, count[e] - share[e], left});
            share[e] += given;
            left -= given;
        }
    }
    return share;
}

// The voices of one engine, best first, for an engine that cannot show all.
std::vector<std::size_t> rankedVoices(const std::vector<SpeechMode>& modes,
                                      const std::vector<std::size_t>& ofEngine,
                                      const SpeechMode* inUse, const VoiceSet& names) {
    using Rank = std::tuple<bool, bool, int, int, std::size_t>;
    std::map<std::string, int> turns;  // variants of each voice ranked so far
    std::vector<std::pair<Rank, std::size_t>> ranks;
    for (const std::size_t i : ofEngine) {
        const SpeechMode& m = modes[i];
        bool variant = false;
        const std::string base = baseVoice(m, names, &variant);
        int closeness = 2;
        if (inUse != nullptr && languageOf(m.language) == languageOf(inUse->language))
            closeness = m.engine == inUse->engine && base == baseVoice(*inUse, names) ? 0 : 1;
        const bool used = inUse != nullptr && m.id == inUse->id;
        ranks.push_back({{!used, variant, closeness, variant ? turns[base]++ : 0, i}, i});
    }
    std::sort(ranks.begin(), ranks.end());
    std::vector<std::size_t> order;
    for (const auto& r : ranks) order.push_back(r.second);
    return order;
}

// Whether `name` appears in `text` as a word of its own.
bool mentions(const std::string& text, const std::string& name) {
    if (name.empty()) return false;
    const std::string t = lower(text);
    const std::string n = lower(name);
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c & 0x80) != 0; };
    for (std::size_t at = t.find(n); at != std::string::npos; at = t.find(n, at + 1)) {
        const bool before = at > 0 && letter(t[at - 1]);
        const bool after = at + n.size() < t.size() && letter(t[at + n.size()]);
        if (!before && !after) return true;
    }
    return false;
}

}  // namespace

std::vector<SpeechMode> offeredModes(const std::vector<SpeechMode>& all, const SpeechMode* inUse,
                                     std::size_t limit) {
    std::vector<SpeechMode> modes = uniqueModes(all, inUse);
    if (modes.size() > limit) {
        const VoiceSet names = voiceNames(modes);
        std::map<std::string, std::vector<std::size_t>> byEngine;
        for (std::size_t i = 0; i < modes.size(); ++i) byEngine[modes[i].engine].push_back(i);
        std::vector<bool> keep(modes.size(), false);
        for (const auto& [engine, share] : fairShares(modes, limit)) {
            const std::vector<std::size_t> order =
                rankedVoices(modes, byEngine[engine], inUse, names);
            for (std::size_t k = 0; k < share && k < order.size(); ++k) keep[order[k]] = true;
        }
        std::vector<SpeechMode> kept;
        for (std::size_t i = 0; i < modes.size(); ++i)
            if (keep[i]) kept.push_back(std::move(modes[i]));
        modes = std::move(kept);
    }
    std::stable_sort(modes.begin(), modes.end(), [](const SpeechMode& a, const SpeechMode& b) {
        return sortKey(a) < sortKey(b);
    });
    return modes;
}

int indexOfMode(const std::vector<SpeechMode>& modes, const SpeechMode& inUse) {
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].id == inUse.id) return static_cast<int>(i);
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].engine == inUse.engine && modes[i].voice == inUse.voice &&
            modes[i].language == inUse.language)
            return static_cast<int>(i);
    return -1;
}

const SpeechMode* bestModeFor(const std::vector<SpeechMode>& modes, const std::string& locale,
                              const std::vector<std::string>& territoryNames) {
    const VoiceSet names = voiceNames(modes);
    std::string own = locale.substr(0, locale.find_first_of(".@"));
    std::replace(own.begin(), own.end(), '-', '_');
    const SpeechMode* best = nullptr;
    std::tuple<bool, bool, bool, std::size_t> bestRank;
    for (const SpeechMode& m : modes) {
        const bool named = std::any_of(territoryNames.begin(), territoryNames.end(),
                                       [&](const std::string& n) { return mentions(m.voice, n); });
        bool variant = false;
        baseVoice(m, names, &variant);
        const std::tuple rank{!named, m.language != own, variant, m.voice.size()};
        if (best == nullptr || rank < bestRank) {
            best = &m;
            bestRank = rank;
        }
    }
    return best;
}

std::vector<std::string> commonTerritoryNames(const std::string& locale) {
    const std::size_t cut = locale.find_first_of("_-");
    const std::string territory =
        cut == std::string::npos ? std::string()
                                 : locale.substr(cut + 1, locale.find_first_of(".@") - cut - 1);
    // Spanish voices serve the Americas as one.
    static const std::set<std::string> kLatinAmerica = {"419", "AR", "BO", "CL", "CO", "CR", "CU",
                                                        "DO",  "EC", "GT", "HN", "MX", "NI", "PA",
                                                        "PE",  "PR", "PY", "SV", "UY", "VE"};
    std::vector<std::string> names;
    if (territory == "US") names = {"America", "USA", "US"};
    if (territory == "GB") names = {"Great Britain", "Britain", "England", "UK"};
    if (kLatinAmerica.count(territory) > 0 || (territory == "US" && locale.starts_with("es")))
        names.push_back("Latin America");
    return names;
}

}  // namespace vor
