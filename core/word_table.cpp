#include "core/word_table.h"

namespace tavilo {

const TableInfo& InfoOf(TableKind kind) {
  static const TableInfo kInfo[] = {
      {TableKind::Nouns, "nm.tav", 33000, 1, "Noms"},
      {TableKind::Adjectives, "aj.tav", 19000, 2, "Adjectifs"},
      {TableKind::Verbs, "vr.tav", 35000, 3, "Verbes"},
      {TableKind::FunctionWords, "av.tav", 2100, 4, "Adverbes, pronoms, pr\xE9positions..."},
      {TableKind::Taboo, "tb.tav", 500, 0, ""},
      {TableKind::Locutions, "po.tav", 500, 0, ""},
  };
  return kInfo[static_cast<int>(kind)];
}

const char* DomainShortName(int domain) {
  switch (domain) {
    case 1: return "Noms";
    case 2: return "Adjectifs";
    case 3: return "Verbes";
    case 4: return "Adverbes";
    default: return "Liste";
  }
}

bool WordTable::Append(WordEntry entry) {
  if (rows_.size() >= capacity_) return false;
  rows_.push_back(std::move(entry));
  return true;
}

}  // namespace tavilo
