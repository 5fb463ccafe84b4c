#include "cli/search_options.h"

#include "cli/list_file.h"

namespace tavilo::cli {

std::optional<int> ParseSyllableOption(std::string_view value) {
  if (value == "toutes") return 0;
  return ParseNumber(value, 1, 9);
}

std::optional<int> TakeSyllableOption(Options& options) {
  const auto value = options.Value("--syllabes");
  if (!value) return std::nullopt;
  const auto syllables = ParseSyllableOption(*value);
  options.Refuse(!syllables, "L'option --syllabes attend un nombre de 1 à 9 (ou toutes).");
  return syllables.value_or(0);
}

std::optional<SearchDomain> TakeDomainOption(Options& options, const ListChain& lists, DomainExtras extras) {
  static constexpr const char* kExpected[] = {
      "L'option --domaine attend noms, adjectifs, verbes ou adverbes.",
      "L'option --domaine attend tous, noms, adjectifs, verbes ou adverbes.",
      "L'option --domaine attend tous, noms, adjectifs, verbes, adverbes ou locutions."};
  const auto value = options.Value("--domaine");
  std::optional<SearchDomain> domain;
  if (value) {
    domain = ParseDomainOption(*value);
    if (extras != DomainExtras::None && *value == "tous") domain = SearchDomain::All;
    if (extras == DomainExtras::AllAndLocutions && *value == "locutions") domain = SearchDomain::Locutions;
    options.Refuse(!domain, kExpected[static_cast<int>(extras)]);
    options.Refuse(lists.listFile.has_value(),
                   "Choisissez --domaine ou --liste, pas les deux : la liste est elle-même le domaine.");
  }
  return lists.listFile ? std::optional(SearchDomain::ResultList) : domain;
}

void TakeSortOption(Options& options, ResultOptions& output) {
  const auto value = options.Value("--tri");
  options.Refuse(value && *value != "alpha" && *value != "frequence", "L'option --tri attend alpha ou frequence.");
  output.commonWordsFirst = value == "frequence";
}

std::optional<const WordFrequencies*> FrequencyOrder(Context& ctx, const ResultOptions& output) {
  if (!output.commonWordsFirst) return nullptr;
  const WordFrequencies* frequencies = ctx.GetFrequencies();
  if (!frequencies) return std::nullopt;
  return frequencies;
}

}  // namespace tavilo::cli
