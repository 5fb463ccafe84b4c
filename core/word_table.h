// The lexicon's tables: rows of spelling, phonetic form, syllable count and marker.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/large_pages.h"

namespace tavilo {

// One row of a word table. Spelling and phonetic form are Windows-1252 strings (see text.h);
// the phonetic form holds one phoneme code per character (graphemes.h).
struct WordEntry {
  std::string spelling;
  std::string phonetic;
  std::int16_t syllables = 0;
  std::int16_t marker = 0;  // 1 marks a word of the reduced (child's) vocabulary

  bool operator==(const WordEntry&) const = default;
};

// The six tables of the lexicon, in the order of their domain codes where they have one.
enum class TableKind { Nouns, Adjectives, Verbs, FunctionWords, Taboo, Locutions };

// What the loader and writer need to know about each table.
struct TableInfo {
  TableKind kind;
  const char* fileName;   // bare name in the data directory
  std::size_t capacity;   // the most rows the table may hold
  int domainCode;         // 1 to 4, or 0 for the taboo and locution tables
  const char* domainName; // the dialogs' caption of the domain ("" for none)
};

const TableInfo& InfoOf(TableKind kind);

// The four dictionary tables, in domain-code order (1 to 4).
inline constexpr TableKind kWordTableKinds[] = {TableKind::Nouns, TableKind::Adjectives,
                                                TableKind::Verbs, TableKind::FunctionWords};

// Domain codes of the search dialogs: 1 to 4 are the word tables, 5 the current result list.
inline constexpr int kDomainResultList = 5;

// The name of a domain code in result headers and list names: "Noms", "Adjectifs", "Verbes",
// "Adverbes", and "Liste" for the current list (and any other code).
const char* DomainShortName(int domain);

// The current result list holds at most this many rows.
inline constexpr std::size_t kResultListCapacity = 30000;

// A word table: rows in file order (index 0 is the file's first line), never more than its
// capacity. The word tables are ordered by phonetic form in byte order; the validation and the
// spoonerism search rely on that.
class WordTable {
 public:
  WordTable() = default;
  explicit WordTable(std::size_t capacity) : capacity_(capacity) {}

  std::size_t Size() const { return rows_.size(); }
  bool Empty() const { return rows_.empty(); }
  std::size_t Capacity() const { return capacity_; }
  const WordEntry& operator[](std::size_t i) const { return rows_[i]; }
  std::span<const WordEntry> Rows() const { return rows_; }
  // Two tables are equal when they hold the same rows in the same order.
  bool operator==(const WordTable& other) const { return std::ranges::equal(rows_, other.rows_); }
  auto begin() const { return rows_.begin(); }
  auto end() const { return rows_.end(); }

  // Makes room for `rows` rows (never more than the capacity) so loading does not reallocate.
  void Reserve(std::size_t rows) { rows_.reserve(rows < capacity_ ? rows : capacity_); }
  // Appends a row; returns false (and stores nothing) when the table is full.
  bool Append(WordEntry entry);
  // Appends an empty row (the table must not be full) and returns it, for a loader that fills
  // the row where it stays rather than moving it in.
  WordEntry& AppendEmpty() { return rows_.emplace_back(); }
  void Clear() { rows_.clear(); }
  // Empties the table and sets a new capacity.
  void Reset(std::size_t capacity) {
    rows_.clear();
    capacity_ = capacity;
  }

 private:
  std::vector<WordEntry, LargeBlockAllocator<WordEntry>> rows_;
  std::size_t capacity_ = 0;
};

}  // namespace tavilo
