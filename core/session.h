// What lives from one search to the next: the current result list and what it holds.
#pragma once

#include <string>

#include "core/search_domain.h"
#include "core/word_table.h"

namespace tavilo {

struct Session {
  // The current list: the words a search kept, which the next search may take as its source
  // (SearchDomain::ResultList). Created empty at start-up with room for 30 000 rows.
  WordTable resultList{kResultListCapacity};
  // What the list holds, e.g. " rimes" or " contrepèteries"; empty when there is none.
  std::string resultListKind;

  bool HasResultList() const { return !resultListKind.empty(); }

  // Empties the list and names what it will hold.
  void StartResultList(std::string kind) {
    resultList.Reset(kResultListCapacity);
    resultListKind = std::move(kind);
  }
};

// The domain as a result header names it: its short name, and for the current list what the
// list holds ("Liste rimes").
inline std::string DomainLabel(SearchDomain domain, const Session& session) {
  return DomainShortName(domain) + (domain == SearchDomain::ResultList ? session.resultListKind : std::string());
}

}  // namespace tavilo
