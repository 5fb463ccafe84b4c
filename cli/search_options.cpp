#include "cli/search_options.h"

#include "cli/list_file.h"
#include "core/word_table.h"

namespace tavilo::cli {

std::optional<int> ParseSyllableOption(std::string_view value) {
  if (value == "toutes") return 0;
  return ParseNumber(value, 1, 9);
}

std::optional<int> TakeSyllableOption(Options& options) {
  const auto value = options.Value("--syllabes");
  if (!value) return std::nullopt;
  const auto syllables = ParseSyllableOption(*value);
  options.Refuse(!syllables, "L'option --syllabes attend un nombre de 1 \xC3\xA0 9 (ou toutes).");
  return syllables.value_or(0);
}

int TakeDomainOption(Options& options, const ListChain& lists, bool allowAll, int byDefault) {
  const auto value = options.Value("--domaine");
  if (!value) return lists.listFile ? kDomainResultList : byDefault;
  const auto domain = allowAll && *value == "tous" ? std::optional(0) : ParseDomainOption(*value);
  options.Refuse(!domain, allowAll ? "L'option --domaine attend tous, noms, adjectifs, verbes ou adverbes."
                                   : "L'option --domaine attend noms, adjectifs, verbes ou adverbes.");
  options.Refuse(lists.listFile.has_value(),
                 "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.");
  return lists.listFile ? kDomainResultList : domain.value_or(byDefault);
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
