// Where a search takes its words: one of the four word tables, the current result list, and for
// the tools that offer them, every table at once or the locutions. The dialogs' radio buttons and
// the command line's --domaine and --liste choose it.
#pragma once

namespace tavilo {

// From Nouns to ResultList, the values follow the radio buttons of the rhyme, lipogram and
// spoonerism dialogs, from 1. The filtered words add All; the rhymes of a word add All and
// Locutions; each tool's dialog and command offer only the domains it takes.
enum class SearchDomain { All = 0, Nouns, Adjectives, Verbs, FunctionWords, ResultList, Locutions };

// The four word tables, in the dialogs' order.
inline constexpr SearchDomain kWordTableDomains[] = {SearchDomain::Nouns, SearchDomain::Adjectives,
                                                     SearchDomain::Verbs, SearchDomain::FunctionWords};

// The name of a domain in result headers and list names: "Tous", "Noms", "Adjectifs", "Verbes",
// "Adverbes", "Locutions", and "Liste" for the current list.
constexpr const char* DomainShortName(SearchDomain domain) {
  switch (domain) {
    case SearchDomain::All: return "Tous";
    case SearchDomain::Locutions: return "Locutions";
    case SearchDomain::Nouns: return "Noms";
    case SearchDomain::Adjectives: return "Adjectifs";
    case SearchDomain::Verbs: return "Verbes";
    case SearchDomain::FunctionWords: return "Adverbes";
    case SearchDomain::ResultList: break;
  }
  return "Liste";
}

}  // namespace tavilo
