// Where the rhyme, lipogram and spoonerism searches take their words: one of the four word
// tables, or the current result list. The dialogs' radio buttons and the command line's
// --domaine and --liste choose it.
#pragma once

namespace tavilo {

// The values follow the dialogs' radio buttons, from 1.
enum class SearchDomain { Nouns = 1, Adjectives, Verbs, FunctionWords, ResultList };

// The four word tables, in the dialogs' order.
inline constexpr SearchDomain kWordTableDomains[] = {SearchDomain::Nouns, SearchDomain::Adjectives,
                                                     SearchDomain::Verbs, SearchDomain::FunctionWords};

// The name of a domain in result headers and list names: "Noms", "Adjectifs", "Verbes",
// "Adverbes", and "Liste" for the current list.
constexpr const char* DomainShortName(SearchDomain domain) {
  switch (domain) {
    case SearchDomain::Nouns: return "Noms";
    case SearchDomain::Adjectives: return "Adjectifs";
    case SearchDomain::Verbs: return "Verbes";
    case SearchDomain::FunctionWords: return "Adverbes";
    case SearchDomain::ResultList: break;
  }
  return "Liste";
}

}  // namespace tavilo
