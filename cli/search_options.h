// The options the search commands share beyond their output: --syllabes and --domaine, read and
// checked the same way everywhere.
#pragma once

#include <optional>
#include <string_view>

#include "cli/cli.h"
#include "cli/result_output.h"

namespace tavilo::cli {

struct ListChain;

// "toutes" -> 0, "1" to "9" -> that number; anything else -> nullopt.
std::optional<int> ParseSyllableOption(std::string_view value);

// Takes --syllabes: nullopt when absent; a value other than "toutes" or 1 to 9 is refused.
std::optional<int> TakeSyllableOption(Options& options);

// The --domaine values a command takes besides the four tables (noms, adjectifs, verbes, adverbes).
enum class DomainExtras { None, All, AllAndLocutions };

// Takes --domaine: the domain it names ("tous" and "locutions" where `extras` allows them),
// nullopt when absent, SearchDomain::ResultList with --liste. An unknown name, and --domaine
// given with --liste (the list is itself the domain), are refused.
std::optional<SearchDomain> TakeDomainOption(Options& options, const ListChain& lists,
                                             DomainExtras extras = DomainExtras::None);

// Takes --tri: "alpha" (the default, each tool's usual order) or "frequence" (the most common
// words first), into output.commonWordsFirst; any other value is refused.
void TakeSortOption(Options& options, ResultOptions& output);

// The frequencies the result is to be sorted by: null when --tri frequence was not asked for;
// nullopt after printing why the file could not be read (the command then exits with
// kExitDataError).
std::optional<const WordFrequencies*> FrequencyOrder(Context& ctx, const ResultOptions& output);

}  // namespace tavilo::cli
