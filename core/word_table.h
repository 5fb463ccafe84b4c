// The lexicon's tables: rows of spelling, phonetic form, syllable count and marker.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo {

// One row of a word table, owning its text: what a row is built from (the dictionary builder, a
// kept list read from a file, tests) before a table stores it. Spelling and phonetic form are
// Windows-1252 strings (see text.h); the phonetic form holds one phoneme code per character
// (graphemes.h).
struct WordEntry {
  std::string spelling;
  std::string phonetic;
  std::int16_t syllables = 0;
  std::int16_t marker = 0;  // 1 marks a word of the reduced (child's) vocabulary

  bool operator==(const WordEntry&) const = default;
};

// One row as a table hands it out: views of the table's text, valid while the table lives and
// is not changed. An owned entry can be read as a row; ToEntry() makes an owned copy.
struct WordRow {
  std::string_view spelling;
  std::string_view phonetic;
  std::int16_t syllables = 0;
  std::int16_t marker = 0;

  WordRow() = default;
  WordRow(std::string_view spelling_, std::string_view phonetic_, std::int16_t syllables_, std::int16_t marker_)
      : spelling(spelling_), phonetic(phonetic_), syllables(syllables_), marker(marker_) {}
  WordRow(const WordEntry& entry)  // NOLINT: reading an owned entry as a row is always safe
      : spelling(entry.spelling), phonetic(entry.phonetic), syllables(entry.syllables), marker(entry.marker) {}

  WordEntry ToEntry() const { return {std::string(spelling), std::string(phonetic), syllables, marker}; }
  bool operator==(const WordRow&) const = default;
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

// The current result list holds at most this many rows.
inline constexpr std::size_t kResultListCapacity = 30000;

// A word table: rows in file order (index 0 is the file's first line), never more than its
// capacity. The word tables are ordered by phonetic form in byte order; the validation and the
// spoonerism search rely on that.
//
// The text of every row lives in one block (the spelling, one separator byte, the phonetic
// form), and each row is a small fixed record of where its text lies: a table of 35,000 rows
// is its text and 400 KB of records, with no allocation per row. A loaded table's block is the
// data file itself, decoded where it lies.
class WordTable {
 public:
  // The block of a table's text: also how a data file is read whole before it becomes one.
  using Text = std::vector<char>;

  // Rows handed out by value, in order.
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using iterator_concept = std::random_access_iterator_tag;
    using value_type = WordRow;
    using difference_type = std::ptrdiff_t;
    using reference = WordRow;
    using pointer = void;

    Iterator() = default;
    Iterator(const WordTable* table, std::size_t index) : table_(table), index_(index) {}
    WordRow operator*() const { return (*table_)[index_]; }
    WordRow operator[](difference_type n) const { return (*table_)[index_ + static_cast<std::size_t>(n)]; }
    Iterator& operator++() { ++index_; return *this; }
    Iterator operator++(int) { Iterator was = *this; ++index_; return was; }
    Iterator& operator--() { --index_; return *this; }
    Iterator operator--(int) { Iterator was = *this; --index_; return was; }
    Iterator& operator+=(difference_type n) { index_ += static_cast<std::size_t>(n); return *this; }
    Iterator& operator-=(difference_type n) { index_ -= static_cast<std::size_t>(n); return *this; }
    friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
    friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
    friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const Iterator& a, const Iterator& b) {
      return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.index_ == b.index_; }
    friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.index_ <=> b.index_; }

   private:
    const WordTable* table_ = nullptr;
    std::size_t index_ = 0;
  };

  WordTable() = default;
  explicit WordTable(std::size_t capacity) : capacity_(capacity) {}

  std::size_t Size() const { return slots_.size(); }
  bool Empty() const { return slots_.empty(); }
  std::size_t Capacity() const { return capacity_; }
  WordRow operator[](std::size_t i) const {
    const Slot& slot = slots_[i];
    const char* text = text_.data() + slot.text;
    return {{text, slot.spellingSize}, {text + slot.spellingSize + 1, slot.phoneticSize}, slot.syllables, slot.marker};
  }
  // Two tables are equal when they hold the same rows in the same order.
  bool operator==(const WordTable& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, slots_.size()}; }

  // Makes room for `rows` rows (never more than the capacity) so loading does not reallocate.
  void Reserve(std::size_t rows) { slots_.reserve(rows < capacity_ ? rows : capacity_); }
  // Appends a copy of a row; returns false (and stores nothing) when the table is full, or when
  // a field is longer than a row may hold (65,535 bytes).
  bool Append(WordRow row);
  void Clear() {
    slots_.clear();
    text_.clear();
  }
  // Empties the table and sets a new capacity.
  void Reset(std::size_t capacity) {
    Clear();
    capacity_ = capacity;
  }

 private:
  // Where a row's text lies in the block: the spelling at `text`, the phonetic form right after
  // it and one separator byte.
  struct Slot {
    std::uint32_t text = 0;
    std::uint16_t spellingSize = 0;
    std::uint16_t phoneticSize = 0;
    std::int16_t syllables = 0;
    std::int16_t marker = 0;
  };

  // The loader decodes a data file where it lies: the table takes the file's bytes as its block
  // (dropping any row it held), then the loader adds rows whose text it has placed in it.
  friend struct TableParser;
  void AdoptText(Text text) {
    slots_.clear();
    text_ = std::move(text);
  }
  void AppendSlot(const Slot& slot) { slots_.push_back(slot); }

  std::vector<Slot> slots_;
  Text text_;
  std::size_t capacity_ = 0;
};

// Whether a table ordered by phonetic form (every table of the lexicon) holds a row with this
// phonetic form: a binary search.
bool HoldsPhonetic(const WordTable& table, std::string_view phonetic);

}  // namespace tavilo
