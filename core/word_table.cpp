#include "core/word_table.h"

#include <algorithm>
#include <limits>

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

bool WordTable::Append(WordRow row) {
  constexpr std::size_t kMaxField = std::numeric_limits<std::uint16_t>::max();
  if (slots_.size() >= capacity_ || row.spelling.size() > kMaxField || row.phonetic.size() > kMaxField) return false;
  // A row read from this very table would move under the copy when the block grows.
  const char* const base = text_.data();
  if (!text_.empty() && row.spelling.data() >= base && row.spelling.data() < base + text_.size()) {
    return Append(row.ToEntry());
  }
  const std::size_t at = text_.size();
  if (at + row.spelling.size() + row.phonetic.size() + 1 > std::numeric_limits<std::uint32_t>::max()) return false;
  text_.insert(text_.end(), row.spelling.begin(), row.spelling.end());
  text_.push_back('\x13');
  text_.insert(text_.end(), row.phonetic.begin(), row.phonetic.end());
  slots_.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint16_t>(row.spelling.size()),
                    static_cast<std::uint16_t>(row.phonetic.size()), row.syllables, row.marker});
  return true;
}

bool HoldsPhonetic(const WordTable& table, std::string_view phonetic) {
  const auto it = std::lower_bound(table.begin(), table.end(), phonetic,
                                   [](WordRow e, std::string_view p) { return e.phonetic < p; });
  return it != table.end() && (*it).phonetic == phonetic;
}

}  // namespace tavilo
