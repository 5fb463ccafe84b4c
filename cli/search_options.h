// The --syllabes value the search commands share, and the usage messages for bad values of
// --syllabes and --domaine (the domain itself is read by ParseDomainOption, cli.h).
#pragma once

#include <optional>
#include <string>

namespace tavilo::cli {

// "toutes" -> 0, "1" to "9" -> that number; anything else -> nullopt.
std::optional<int> ParseSyllableOption(const std::string& value);

// The usage messages (UTF-8).
inline constexpr const char* kSyllableOptionError = "L'option --syllabes attend un nombre de 1 \xC3\xA0 9 (ou toutes).";
inline constexpr const char* kDomainOptionError = "L'option --domaine attend noms, adjectifs, verbes ou adverbes.";
inline constexpr const char* kDomainAndListError =
    "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.";

}  // namespace tavilo::cli
