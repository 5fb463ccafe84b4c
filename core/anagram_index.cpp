#include "core/anagram_index.h"

#include <algorithm>

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

std::string LetterKey(std::string_view word) { return SortLetters(FoldStandard(ToLower(word))); }

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

// One bucket item: key, word and code side by side, compared in byte order, so equal keys are
// adjacent and, for one word, the codes come in ascending order.
struct Item {
  std::string key;
  std::string word;
  std::int16_t code;
  bool operator<(const Item& o) const {
    if (int c = key.compare(o.key)) return c < 0;
    if (int c = word.compare(o.word)) return c < 0;
    return code < o.code;
  }
};

void Report(const std::function<void(int)>& progress, int value) {
  if (progress) progress(value);
}

}  // namespace

AnagramIndex BuildAnagramIndex(const WordTable& nouns, const WordTable& adjectives, const WordTable& verbs,
                               const WordTable& functionWords, const WordTable& locutions,
                               const std::function<void(int)>& progress) {
  std::vector<std::vector<Item>> buckets(kMaxWordLength + 1);
  const struct {
    const WordTable* table;
    std::int16_t code;
    int progress;
  } sources[] = {{&nouns, 15, 45}, {&adjectives, 45, 55}, {&verbs, 25, 65}, {&functionWords, 35, 70},
                 {&locutions, 15, 75}};
  for (const auto& source : sources) {
    for (const WordEntry& entry : *source.table) {
      const std::size_t length = entry.spelling.size();
      // Words of one letter go to bucket 1, which is never read back; longer than 21 has none.
      if (length == 0 || length > static_cast<std::size_t>(kMaxWordLength)) continue;
      buckets[length].push_back({LetterKey(entry.spelling), entry.spelling, source.code});
    }
    Report(progress, source.progress);
  }
  for (const Acronym& a : kAcronyms) buckets[std::string_view(a.word).size()].push_back({a.key, a.word, 15});

  AnagramIndex index;
  index.rows_.emplace_back();  // row 0 stays empty
  for (int length = kMaxWordLength; length >= 2; --length) {
    auto& bucket = buckets[static_cast<std::size_t>(length)];
    std::sort(bucket.begin(), bucket.end());
    for (std::size_t i = 0; i < bucket.size(); ++i) {
      // Items of the same word are adjacent with ascending codes: keep only the last one.
      if (i + 1 < bucket.size() && bucket[i + 1].key == bucket[i].key && bucket[i + 1].word == bucket[i].word) continue;
      index.rows_.push_back({std::move(bucket[i].word), std::move(bucket[i].key), bucket[i].code});
    }
    bucket.clear();
  }
  for (const auto& s : kShortForms) index.rows_.push_back({s.word, s.key, s.code});
  index.rows_.emplace_back();  // terminating row

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

std::vector<PhoneticAnagramRow> BuildPhoneticAnagramIndex(const WordTable& nouns, const WordTable& adjectives,
                                                          const WordTable& verbs, const WordTable& functionWords,
                                                          const WordTable& locutions,
                                                          const std::function<void(int)>& progress) {
  std::vector<PhoneticAnagramRow> rows;
  rows.reserve(nouns.Size() + adjectives.Size() + verbs.Size() + functionWords.Size() + locutions.Size() + 1);
  const WordTable* tables[] = {&nouns, &adjectives, &verbs, &functionWords, &locutions};
  const int marks[] = {80, 85, 90, 98, -1};
  for (int t = 0; t < 5; ++t) {
    for (const WordEntry& entry : *tables[t]) {
      std::string merged = entry.phonetic;
      std::replace(merged.begin(), merged.end(), '3', '2');
      std::string key = SortLetters(merged);
      rows.push_back({entry.spelling, std::move(merged), std::move(key)});
    }
    if (marks[t] > 0) Report(progress, marks[t]);
  }
  std::sort(rows.begin(), rows.end(), [](const PhoneticAnagramRow& a, const PhoneticAnagramRow& b) {
    if (a.key.size() != b.key.size()) return a.key.size() > b.key.size();
    if (int c = a.key.compare(b.key)) return c < 0;
    if (int c = a.phonetic.compare(b.phonetic)) return c < 0;
    return a.spelling < b.spelling;
  });
  rows.emplace_back();
  return rows;
}

}  // namespace tavilo
