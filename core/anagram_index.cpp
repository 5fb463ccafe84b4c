#include "core/anagram_index.h"

#include <algorithm>
#include <array>

#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {

std::string SortLetters(std::string_view s) {
  std::string out(s);
  std::sort(out.begin(), out.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  return out;
}

std::string LetterKey(std::string_view word) {
  std::string key(word);
  for (char& c : key) c = FoldStandard(ToLower(c));
  std::sort(key.begin(), key.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  return key;
}

namespace {

struct Acronym {
  const char* key;
  const char* word;
};

constexpr Acronym kAcronyms[] = {
    {"eqrtwy", "QWERTY"}, {"crs", "CRS"}, {"bd", "BD"},   {"anot", "OTAN"}, {"ddv", "DVD"}, {"cd", "CD"},
    {"aprt", "RATP"},     {"def", "EDF"}, {"cp", "PC"},   {"cdfq", "CQFD"}, {"hlm", "HLM"}, {"cw", "WC"},
    {"cdft", "CFDT"},     {"hsv", "VHS"}, {"dv", "DV"},   {"cfns", "SNCF"}, {"nou", "ONU"}, {"iq", "QI"},
    {"adn", "ADN"},       {"puz", "ZUP"}, {"ko", "KO"},   {"cgt", "CGT"},   {"ipv", "VIP"}, {"tv", "TV"},
};

constexpr struct {
  const char* word;
  const char* key;
  std::int16_t code;
} kShortForms[] = {
    {"a", "a", 24},  {"c'", "c", 24},     {"d'", "d", 44}, {"j'", "j", 24}, {"l'", "l", 14}, {"m'", "m", 24},
    {"n'", "n", 22}, {"\xF4", "o", 35},   {"s'", "s", 95}, {"t'", "t", 24}, {"y", "y", 24},  {"z", "z", 96},
};

void Report(const std::function<void(int)>& progress, int value) {
  if (progress) progress(value);
}

// Sorts the characters of `text` by code, in place.
void SortInPlace(char* begin, char* end) {
  std::sort(begin, end, [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); });
}

// The order of rows[begin, end) sorted by `less`, as row numbers. The eight leading bytes of
// each key are packed into a number and compared first: most comparisons are then settled
// without touching the strings, which keeps the start-up fast.
template <typename Rows, typename Less>
std::vector<std::uint32_t> SortedOrder(const Rows& rows, const std::uint32_t* begin,
                                       const std::uint32_t* end, Less less) {
  struct Slot {
    std::uint64_t prefix;
    std::uint32_t row;
  };
  std::vector<Slot> slots;
  slots.reserve(static_cast<std::size_t>(end - begin));
  for (const std::uint32_t* it = begin; it != end; ++it) {
    const std::uint32_t r = *it;
    std::uint64_t prefix = 0;
    const std::string_view key = rows[r].key;
    for (std::size_t i = 0; i < 8; ++i) prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    slots.push_back({prefix, r});
  }
  std::sort(slots.begin(), slots.end(), [&](const Slot& a, const Slot& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return less(rows[a.row], rows[b.row]);
  });
  std::vector<std::uint32_t> order(slots.size());
  for (std::size_t i = 0; i < slots.size(); ++i) order[i] = slots[i].row;
  return order;
}

}  // namespace

AnagramIndex BuildAnagramIndex(const WordTable& nouns, const WordTable& adjectives, const WordTable& verbs,
                               const WordTable& functionWords, const WordTable& locutions,
                               const std::function<void(int)>& progress, std::optional<std::string_view> within) {
  const struct {
    const WordTable* table;
    std::int16_t code;
    int progress;
  } sources[] = {{&nouns, 15, 45}, {&adjectives, 45, 55}, {&verbs, 25, 65}, {&functionWords, 35, 70},
                 {&locutions, 15, 75}};
  auto fits = [](std::size_t length) { return length >= 1 && length <= static_cast<std::size_t>(kMaxWordLength); };
  // How many of each letter `within` holds; a key fits when it takes no letter more often.
  std::array<int, 256> budget{};
  if (within) {
    for (char c : *within) ++budget[static_cast<unsigned char>(c)];
  }
  const auto spellable = [&](std::string_view key) {
    if (!within) return true;
    std::size_t taken = 0;
    while (taken < key.size() && --budget[static_cast<unsigned char>(key[taken])] >= 0) ++taken;
    const bool spelled = taken == key.size();
    for (std::size_t i = 0; i <= std::min(taken, key.size() - 1); ++i) ++budget[static_cast<unsigned char>(key[i])];
    return spelled;
  };

  // What each character of a spelling becomes in its key, worked out once.
  static const auto kKeyChar = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = FoldStandard(ToLower(static_cast<char>(c)));
    return table;
  }();

  // The keys are written end to end into one block, sized first so it never moves.
  AnagramIndex index;
  std::size_t keyBytes = 0;
  std::array<std::size_t, kMaxWordLength + 1> perLength{};
  for (const auto& source : sources) {
    for (const WordRow entry : *source.table) {
      if (fits(entry.spelling.size())) keyBytes += entry.spelling.size(), ++perLength[entry.spelling.size()];
    }
  }
  // Left uninitialised: only the keys written are touched, a few when `within` is short.
  index.keys_.reset(new char[keyBytes]);

  // One bucket per length holds the candidate rows, sized first; one-letter words go to bucket 1,
  // which is never read back, and longer than 21 letters has no bucket.
  std::vector<std::vector<AnagramRow>> buckets(kMaxWordLength + 1);
  for (std::size_t length = 2; length < buckets.size(); ++length) {
    buckets[length].reserve(perLength[length] + std::size(kAcronyms));
  }
  std::size_t used = 0;
  for (const auto& source : sources) {
    for (const WordRow entry : *source.table) {
      const std::size_t length = entry.spelling.size();
      if (!fits(length)) continue;
      char* key = index.keys_.get() + used;
      for (std::size_t i = 0; i < length; ++i) key[i] = kKeyChar[static_cast<unsigned char>(entry.spelling[i])];
      if (!spellable(std::string_view(key, length))) continue;
      SortInPlace(key, key + length);
      used += length;
      buckets[length].push_back({entry.spelling, std::string_view(key, length), source.code});
    }
    Report(progress, source.progress);
  }
  for (const Acronym& a : kAcronyms) {
    if (spellable(a.key)) buckets[std::string_view(a.word).size()].push_back({a.word, a.key, 15});
  }

  std::size_t rows = std::size(kShortForms) + 2;
  for (std::size_t length = 2; length < buckets.size(); ++length) rows += buckets[length].size();
  index.rows_.reserve(rows);
  index.rows_.emplace_back();  // row 0 stays empty
  for (int length = kMaxWordLength; length >= 2; --length) {
    auto& bucket = buckets[static_cast<std::size_t>(length)];
    // Byte order of key, then word, then code: the items of one word are adjacent with ascending
    // codes, and only the last one (the greatest code) is kept.
    std::vector<std::uint32_t> all(bucket.size());
    for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
    const auto order = SortedOrder(bucket, all.data(), all.data() + all.size(), [](const AnagramRow& a, const AnagramRow& b) {
      if (int c = a.key.compare(b.key)) return c < 0;
      if (int c = a.word.compare(b.word)) return c < 0;
      return a.code < b.code;
    });
    for (std::size_t i = 0; i < order.size(); ++i) {
      const AnagramRow& row = bucket[order[i]];
      if (i + 1 < order.size()) {
        const AnagramRow& next = bucket[order[i + 1]];
        if (next.key == row.key && next.word == row.word) continue;
      }
      index.rows_.push_back(row);
    }
    std::vector<AnagramRow>().swap(bucket);
  }
  for (const auto& s : kShortForms) index.rows_.push_back({s.word, s.key, s.code});
  index.rows_.emplace_back();  // terminating row

  // Each row's key and word are copied, in row order, into one block that replaces the keys: a
  // pass over the index (the manual pass reads every row) then reads memory in order instead of
  // jumping between the tables' rows.
  std::size_t textBytes = 0;
  for (const AnagramRow& row : index.rows_) textBytes += row.key.size() + row.word.size();
  std::unique_ptr<char[]> text(new char[textBytes]);
  char* at = text.get();
  for (AnagramRow& row : index.rows_) {
    char* const key = at;
    at = std::copy(row.key.begin(), row.key.end(), at);
    char* const word = at;
    at = std::copy(row.word.begin(), row.word.end(), at);
    row.key = std::string_view(key, row.key.size());
    row.word = std::string_view(word, row.word.size());
  }
  index.keys_ = std::move(text);

  const std::size_t longest = index.rows_.size() > 1 ? index.rows_[1].key.size() : 0;
  index.lengthStart_.assign(longest + 1, 0);
  for (std::size_t r = 1; r < index.rows_.size(); ++r) {
    const std::size_t length = index.rows_[r].key.size();
    if (length != index.rows_[r - 1].key.size() && length <= longest) {
      index.lengthStart_[length] = static_cast<std::int32_t>(r);
    }
  }
  return index;
}

PhoneticAnagramIndex BuildPhoneticAnagramIndex(const WordTable& nouns, const WordTable& adjectives,
                                               const WordTable& verbs, const WordTable& functionWords,
                                               const WordTable& locutions,
                                               const std::function<void(int)>& progress) {
  const WordTable* tables[] = {&nouns, &adjectives, &verbs, &functionWords, &locutions};
  const int marks[] = {80, 85, 90, 98, -1};
  PhoneticAnagramIndex index;
  std::size_t bytes = 0, entries = 0, longest = 0;
  for (const WordTable* table : tables) {
    for (const WordRow entry : *table) {
      bytes += 2 * entry.phonetic.size();
      longest = std::max(longest, entry.phonetic.size());
      ++entries;
    }
  }
  // Merged form then key, end to end, for every entry, in one block sized first.
  index.text_.resize(bytes);
  std::vector<PhoneticAnagramRow> items;
  items.reserve(entries);
  std::size_t used = 0;
  for (int t = 0; t < 5; ++t) {
    for (const WordRow entry : *tables[t]) {
      const std::size_t length = entry.phonetic.size();
      char* merged = index.text_.data() + used;
      char* key = merged + length;
      for (std::size_t i = 0; i < length; ++i) merged[i] = key[i] = entry.phonetic[i] == '3' ? '2' : entry.phonetic[i];
      SortInPlace(key, key + length);
      used += 2 * length;
      items.push_back({entry.spelling, std::string_view(merged, length), std::string_view(key, length)});
    }
    if (marks[t] > 0) Report(progress, marks[t]);
  }

  // Longest forms first: group by length (a counting sort), then sort each group.
  std::vector<std::size_t> groupStart(longest + 2, 0);
  for (const auto& item : items) ++groupStart[longest - item.key.size() + 1];
  for (std::size_t g = 1; g < groupStart.size(); ++g) groupStart[g] += groupStart[g - 1];
  std::vector<std::uint32_t> grouped(items.size());
  {
    std::vector<std::size_t> next(groupStart.begin(), groupStart.end() - 1);
    for (std::uint32_t i = 0; i < items.size(); ++i) grouped[next[longest - items[i].key.size()]++] = i;
  }
  index.rows_.reserve(items.size() + 1);
  for (std::size_t g = 0; g + 1 < groupStart.size(); ++g) {
    const auto order = SortedOrder(items, grouped.data() + groupStart[g], grouped.data() + groupStart[g + 1],
                                   [](const PhoneticAnagramRow& a, const PhoneticAnagramRow& b) {
                                     if (int c = a.key.compare(b.key)) return c < 0;
                                     if (int c = a.phonetic.compare(b.phonetic)) return c < 0;
                                     return a.spelling < b.spelling;
                                   });
    for (std::uint32_t r : order) index.rows_.push_back(items[r]);
  }
  index.rows_.emplace_back();
  return index;
}

}  // namespace tavilo
