// The option values the search commands share: the syllable count and the domain, spelled as
// the user types them.
#pragma once

#include <optional>
#include <string>

namespace tavilo::cli {

// "toutes" -> 0, "1" to "9" -> that number; anything else -> nullopt.
std::optional<int> ParseSyllableOption(const std::string& value);

// "noms", "adjectifs", "verbes", "adverbes" -> domain codes 1 to 4; anything else -> nullopt.
std::optional<int> ParseDomainOption(const std::string& value);

// The usage messages for bad values of those two options (UTF-8).
inline constexpr const char* kSyllableOptionError = "L'option --syllabes attend un nombre de 1 \xC3\xA0 9 (ou toutes).";
inline constexpr const char* kDomainOptionError = "L'option --domaine attend noms, adjectifs, verbes ou adverbes.";
inline constexpr const char* kDomainAndListError =
    "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.";

}  // namespace tavilo::cli
