#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "speech/speech_engine.h"

// Which voices Select Speech Engine Mode offers, which one it selects, and
// which voice speaks when the program starts.
namespace vor {

// The language of a locale name: "en" for "en_US", "pt-BR" or "de_DE.UTF-8".
inline std::string languageOf(const std::string& locale) {
    return locale.substr(0, locale.find_first_of("_-.@"));
}

// The voices to offer, from every mode the engines listed (engine by engine,
// in order of preference):
// - each voice once: a mode with the voice name and language of an earlier
//   one is dropped, unless it is the mode in use (then the earlier one is);
// - at most `limit`, shared fairly: each engine gets an equal share, and an
//   engine with fewer voices leaves the rest of its share to the others. An
//   engine cut short keeps the mode in use, then its plain voices before
//   their variants ("Name+Variant" for a voice "Name"), closest first to the
//   voice in use (its own variants, then its language), taking turns
//   between the voices the variants vary;
// - sorted by language name (a voice of no known language by its own name,
//   which names it), and within one language in the engines' order.
// `inUse` may be null (no voice speaks yet).
std::vector<SpeechMode> offeredModes(const std::vector<SpeechMode>& all, const SpeechMode* inUse,
                                     std::size_t limit);

// The entry of `modes` that is the mode in use: the same id, else the same
// voice of the same engine and language; -1 when there is none.
int indexOfMode(const std::vector<SpeechMode>& modes, const SpeechMode& inUse);

// Of one engine's voices of the user's language, the one to start with for
// `locale` ("en_US"): a voice whose name mentions the user's country (any of
// `territoryNames`) first, then one tagged with the user's very locale, a
// plain voice before a variant, the plainest (shortest) name, the engine's
// order. Null for an empty list.
const SpeechMode* bestModeFor(const std::vector<SpeechMode>& modes, const std::string& locale,
                              const std::vector<std::string>& territoryNames);

// What voices call the country of `locale` where that is not the name it
// has in English: "America" for en_US, "Great Britain" for en_GB, "Latin
// America" for es_MX.
std::vector<std::string> commonTerritoryNames(const std::string& locale);

}  // namespace vor
