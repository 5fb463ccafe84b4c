#include "core/frequency.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {

namespace {

// No French spelling comes near this many bytes per line; a larger file is no frequency list.
constexpr std::size_t kMaxFrequencyLines = 400000;

// Eight bytes from `bytes`, in one load.
std::uint64_t Load8(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, 8);
  return word;
}

// A hash of a spelling's bytes, eight at a time: the index is built once per file and looked up
// once per word a sort ranks, so both must be cheap. The last few bytes are read as whole words
// that overlap, never past the spelling.
std::uint64_t HashOf(const char* bytes, std::size_t size) {
  constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ULL;
  std::uint64_t h = size * kMix;
  auto mix = [&](std::uint64_t word) {
    h = (h ^ word) * kMix;
    h ^= h >> 29;
  };
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) mix(Load8(bytes + at));
    mix(Load8(bytes + size - 8));
  } else if (size >= 4) {
    std::uint32_t first, last;
    std::memcpy(&first, bytes, 4);
    std::memcpy(&last, bytes + size - 4, 4);
    mix(std::uint64_t{first} << 32 | last);
  } else {
    std::uint64_t word = 0;
    for (std::size_t at = 0; at < size; ++at) word = word << 8 | static_cast<unsigned char>(bytes[at]);
    mix(word);
  }
  return h ^ (h >> 32);
}

// The first byte under 32 (a tab, a line end or another control character) from `p`, or `end`:
// eight bytes at a time, as a spelling is a dozen bytes long.
const char* FirstControlByte(const char* p, const char* end) {
  static_assert(std::endian::native == std::endian::little, "the first flagged byte is the lowest");
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighBits = 0x8080808080808080ULL;
  for (; end - p >= 8; p += 8) {
    const std::uint64_t word = Load8(p);
    // A byte under 32 is the first one whose high bit this sets (bytes of 128 and over never are).
    const std::uint64_t below = (word - 32 * kOnes) & ~word & kHighBits;
    if (below) return p + (std::countr_zero(below) >> 3);
  }
  while (p < end && static_cast<unsigned char>(*p) >= 0x20) ++p;
  return p;
}

// What is shown of a faulty text in a message: printable and short.
std::string Shown(std::string_view text) {
  std::string shown;
  for (char ch : text.substr(0, 40)) shown += static_cast<unsigned char>(ch) < 0x20 ? '?' : ch;
  if (text.size() > 40) shown += '\x85';  // …
  return Quoted(shown);
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

// The file as read, and an open-addressing index of its lines: each slot holds one plus the
// offset of a line (0 for none), at the place the line's spelling hashes to or a little after.
struct WordFrequencies::Table {
  // calloc, not a vector: fresh memory from the system is zero already, and the C library then
  // skips clearing it.
  struct Free {
    void operator()(std::uint32_t* block) const { std::free(block); }
  };
  using Slots = std::unique_ptr<std::uint32_t[], Free>;

  WordTable::Text text;
  Slots slots;
  std::size_t slotCount = 0;
  std::uint64_t mask = 0;
  std::size_t lines = 0;

  void Resize(std::size_t count) {
    slots.reset(static_cast<std::uint32_t*>(std::calloc(count, sizeof(std::uint32_t))));
    if (!slots) throw std::bad_alloc();
    slotCount = count;
    mask = count - 1;
  }
  void Insert(std::uint64_t hash, std::uint32_t offset) {
    std::uint64_t at = hash & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = offset + 1;
  }
  // Doubles the index when it is three-quarters full, putting every line back.
  void Grow(const char* begin) {
    const Slots old = std::move(slots);
    const std::size_t oldCount = slotCount;
    Resize(oldCount * 2);
    for (std::size_t i = 0; i < oldCount; ++i) {
      if (old[i] == 0) continue;
      const char* spelling = begin + old[i] - 1;
      Insert(HashOf(spelling, static_cast<std::size_t>(std::strchr(spelling, '\t') - spelling)), old[i] - 1);
    }
  }
};

// The index is written in random places: each line's slot is asked of the memory a few lines
// before it is written, so that the waits overlap instead of adding up.
class PendingInserts {
 public:
  void Add(WordFrequencies::Table& table, std::uint64_t hash, std::uint32_t offset) {
    __builtin_prefetch(&table.slots[hash & table.mask], 1);
    Entry& entry = ring_[count_ % kDepth];
    if (count_ >= kDepth) table.Insert(entry.hash, entry.offset);
    entry = {hash, offset};
    ++count_;
  }
  void Flush(WordFrequencies::Table& table) {
    for (std::size_t i = count_ > kDepth ? count_ - kDepth : 0; i < count_; ++i) {
      table.Insert(ring_[i % kDepth].hash, ring_[i % kDepth].offset);
    }
    count_ = 0;
  }

 private:
  static constexpr std::size_t kDepth = 8;
  struct Entry {
    std::uint64_t hash;
    std::uint32_t offset;
  };
  Entry ring_[kDepth]{};
  std::size_t count_ = 0;
};

// Checks every line of the file, indexing it as it goes, and hands the table over when all are
// good.
struct FrequencyParser {
  static FrequencyLoad Parse(WordTable::Text bytes, std::string_view fileName) {
    FrequencyLoad result;
    int lineNo = 0;
    auto fail = [&](LoadError::Code code, std::string detail = {}) {
      result.error = LoadError{code, std::string(fileName), code == LoadError::Code::EmptyFile ? 0 : lineNo,
                               std::move(detail), {}};
      return std::move(result);
    };
    if (bytes.empty()) return fail(LoadError::Code::EmptyFile);
    auto table = std::make_shared<WordFrequencies::Table>();
    // Lines are about fourteen bytes long: one slot for eight bytes leaves the index about half
    // full, small enough to stay in the processor's cache while it is built. A file of shorter
    // lines makes it grow.
    std::size_t slotCount = 64;
    while (slotCount < bytes.size() / 8) slotCount *= 2;
    table->Resize(slotCount);

    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    PendingInserts pending;
    const char* previous = nullptr;
    std::size_t previousSize = 0;
    for (const char* p = begin; p < end;) {
      ++lineNo;
      if (table->lines == kMaxFrequencyLines) {
        return fail(LoadError::Code::TooManyLines, std::to_string(kMaxFrequencyLines));
      }
      const char* const start = p;
      // The spelling: printable bytes up to the tab (a line end before it is a missing tab).
      p = FirstControlByte(start, end);
      if (p == end || *p == '\n' || *p == '\r') return fail(LoadError::Code::MissingSeparator);
      if (*p != '\t') return fail(LoadError::Code::BadSpellingByte, "octet " + std::to_string(static_cast<int>(*p)));
      const auto size = static_cast<std::size_t>(p - start);
      if (size == 0) return fail(LoadError::Code::BadSpellingByte, "graphie vide");
      // The value, then the end of the line (CR LF, LF, or the end of the file).
      const char* const value = ++p;
      bool good = end - value >= 3 && IsDigit(value[0]) && value[1] == '.' && IsDigit(value[2]);
      p = value + 3;
      if (good && p < end && *p == '\r') ++p;
      if (good && p < end) good = *p++ == '\n';
      if (!good) {
        const char* lineEnd = value;
        while (lineEnd < end && *lineEnd != '\n') ++lineEnd;
        return fail(LoadError::Code::BadFrequency, Shown({value, static_cast<std::size_t>(lineEnd - value)}));
      }
      if (previous) {
        const int order = std::memcmp(previous, start, std::min(previousSize, size));
        if (order > 0 || (order == 0 && previousSize >= size)) {
          return fail(LoadError::Code::OutOfOrder,
                      Shown({start, size}) + " apr\xE8s " + Shown({previous, previousSize}));
        }
      }
      previous = start;
      previousSize = size;
      if ((table->lines + 1) * 4 > table->slotCount * 3) {
        pending.Flush(*table);
        table->Grow(begin);
      }
      pending.Add(*table, HashOf(start, size), static_cast<std::uint32_t>(start - begin));
      ++table->lines;
    }
    pending.Flush(*table);
    table->text = std::move(bytes);
    result.frequencies.table_ = std::move(table);
    return result;
  }
};

int WordFrequencies::Tenths(std::string_view spelling) const {
  if (!table_ || spelling.empty()) return 0;
  const char* const text = table_->text.data();
  const std::size_t textSize = table_->text.size();
  for (std::uint64_t at = HashOf(spelling.data(), spelling.size()) & table_->mask;; at = (at + 1) & table_->mask) {
    const std::uint32_t slot = table_->slots[at];
    if (slot == 0) return 0;
    const std::size_t offset = slot - 1;
    // Every line holds its tab and three value bytes after the spelling.
    if (offset + spelling.size() + 4 <= textSize && text[offset + spelling.size()] == '\t' &&
        std::memcmp(text + offset, spelling.data(), spelling.size()) == 0) {
      const char* value = text + offset + spelling.size() + 1;
      return (value[0] - '0') * 10 + (value[2] - '0');
    }
  }
}

std::size_t WordFrequencies::Size() const { return table_ ? table_->lines : 0; }

FrequencyLoad ParseWordFrequencies(std::string_view bytes, std::string_view fileName) {
  return FrequencyParser::Parse(WordTable::Text(bytes.begin(), bytes.end()), fileName);
}

FrequencyLoad LoadWordFrequencies(const std::filesystem::path& dataDirectory) {
  const std::filesystem::path path = dataDirectory / kFrequencyFileName;
  FileRead read = ReadDataFile(path, kMaxFrequencyLines * kMaxTavLineBytes,
                               std::to_string(kMaxFrequencyLines) + " lignes au plus");
  if (read.error) return FrequencyLoad{{}, std::move(read.error)};
  FrequencyLoad load = FrequencyParser::Parse(std::move(read.bytes), kFrequencyFileName);
  if (load.error) load.error->folder = dataDirectory;
  return load;
}

std::string FormatZipfTenths(int tenths) {
  return std::to_string(tenths / 10) + ',' + std::to_string(tenths % 10);
}

}  // namespace tavilo
