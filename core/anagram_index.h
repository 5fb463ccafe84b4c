// Letter keys and the two anagram indexes built at start-up.
//
// The anagram index lists every word of the lexicon with its letter key (accents folded, letters
// sorted), longest words first and, within one length, in byte order of key then word, so that all
// anagrams of a word are adjacent. The phonetic index does the same with phonetic forms.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo {

class WordTable;

inline constexpr int kMaxWordLength = 21;

// Lower-case, apply the standard fold, sort the characters by code. Apostrophes, hyphens and
// spaces are kept (and sort before the letters).
std::string LetterKey(std::string_view word);

// The characters of a string sorted by code.
std::string SortLetters(std::string_view s);

struct AnagramRow {
  std::string_view word;  // as spelled in its table, or an acronym in capitals
  std::string_view key;   // its letter key
  std::int16_t code = 0;  // 15 nouns and locutions (and acronyms), 45 adjectives, 25 verbs, 35 function words
};

// Rows numbered from 1: Rows()[0] is an empty row, then every entry, then the one-letter words
// and elided forms, then an empty terminating row.
//
// The index holds its own copy of every key and word, end to end in row order, so that a pass
// over the rows reads memory in order.
class AnagramIndex {
 public:
  AnagramIndex() = default;
  AnagramIndex(AnagramIndex&&) = default;
  AnagramIndex& operator=(AnagramIndex&&) = default;
  AnagramIndex(const AnagramIndex&) = delete;
  AnagramIndex& operator=(const AnagramIndex&) = delete;

  std::span<const AnagramRow> Rows() const { return rows_; }
  std::size_t Size() const { return rows_.size(); }
  const AnagramRow& operator[](std::size_t r) const { return rows_[r]; }
  // The first row whose key has length `length` (0 gives the terminating row), for lengths from
  // 0 to the longest key; LengthStart().size() is the longest key's length + 1. A length with no
  // row keeps 0.
  const std::vector<std::int32_t>& LengthStart() const { return lengthStart_; }

 private:
  friend AnagramIndex BuildAnagramIndex(const WordTable&, const WordTable&, const WordTable&, const WordTable&,
                                        const WordTable&, const std::function<void(int)>&,
                                        std::optional<std::string_view>);
  std::unique_ptr<char[]> keys_;  // every key and word, end to end (moving the index never moves them)
  std::vector<AnagramRow> rows_;
  std::vector<std::int32_t> lengthStart_;
};

// Builds the index from the nouns, adjectives, verbs, function words and locutions, with the 24
// acronyms and the 12 short forms. When the same word comes from several tables only one row is
// kept, with the greatest code (adjective, then function word, then verb, then noun). `progress`
// receives 45, 55, 65, 70 and 75 as the builder moves from one table to the next.
//
// With `within` (folded letters, as in a key), only the rows whose key those letters can spell
// are kept, and the one-letter words and elided forms: the same rows in the same order as the
// whole index holds them, at a fraction of the cost, for a search that reads nothing else.
AnagramIndex BuildAnagramIndex(const WordTable& nouns, const WordTable& adjectives, const WordTable& verbs,
                               const WordTable& functionWords, const WordTable& locutions,
                               const std::function<void(int)>& progress = {},
                               std::optional<std::string_view> within = std::nullopt);

struct PhoneticAnagramRow {
  std::string_view spelling;
  std::string_view phonetic;  // the phonetic form with every 3 (è) replaced by 2 (é)
  std::string_view key;       // those codes sorted
};

// Longest phonetic forms first, then byte order of key, merged form and spelling; homophones stay
// separate rows; an empty row ends it. It refers to its tables' spellings, which must outlive it unchanged.
class PhoneticAnagramIndex {
 public:
  PhoneticAnagramIndex() = default;
  PhoneticAnagramIndex(PhoneticAnagramIndex&&) = default;
  PhoneticAnagramIndex& operator=(PhoneticAnagramIndex&&) = default;
  PhoneticAnagramIndex(const PhoneticAnagramIndex&) = delete;
  PhoneticAnagramIndex& operator=(const PhoneticAnagramIndex&) = delete;

  std::span<const PhoneticAnagramRow> Rows() const { return rows_; }
  std::size_t Size() const { return rows_.size(); }
  const PhoneticAnagramRow& operator[](std::size_t r) const { return rows_[r]; }

 private:
  friend PhoneticAnagramIndex BuildPhoneticAnagramIndex(const WordTable&, const WordTable&, const WordTable&,
                                                        const WordTable&, const WordTable&,
                                                        const std::function<void(int)>&);
  std::vector<char> text_;  // merged forms and keys, end to end
  std::vector<PhoneticAnagramRow> rows_;
};

// `progress` receives 80, 85, 90 and 98.
PhoneticAnagramIndex BuildPhoneticAnagramIndex(const WordTable& nouns, const WordTable& adjectives,
                                               const WordTable& verbs, const WordTable& functionWords,
                                               const WordTable& locutions,
                                               const std::function<void(int)>& progress = {});

}  // namespace tavilo
