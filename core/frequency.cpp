#include "core/frequency.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {

namespace {

// No French spelling comes near this many bytes per line; a larger file is no frequency list.
constexpr std::size_t kMaxFrequencyLines = 400000;

// A hash of a spelling's bytes, eight at a time: the index is built once per file and looked up
// once per word a sort ranks, so both must be cheap.
std::uint64_t HashOf(const char* bytes, std::size_t size) {
  constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ULL;
  std::uint64_t h = size * kMix;
  while (size >= 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, bytes, 8);
    h = (h ^ chunk) * kMix;
    h ^= h >> 29;
    bytes += 8;
    size -= 8;
  }
  std::uint64_t tail = 0;
  std::memcpy(&tail, bytes, size);
  h = (h ^ tail) * kMix;
  return h ^ (h >> 32);
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
  WordTable::Text text;
  std::vector<std::uint32_t> slots;
  std::uint64_t mask = 0;
  std::size_t lines = 0;

  void Resize(std::size_t slotCount) {
    slots.assign(slotCount, 0);
    mask = slotCount - 1;
  }
  void Insert(std::uint64_t hash, std::uint32_t offset) {
    std::uint64_t at = hash & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = offset + 1;
  }
  // Doubles the index when it is three-quarters full, putting every line back.
  void Grow(const char* begin) {
    std::vector<std::uint32_t> old = std::move(slots);
    Resize(old.size() * 2);
    for (std::uint32_t slot : old) {
      if (slot == 0) continue;
      const char* spelling = begin + slot - 1;
      Insert(HashOf(spelling, std::strchr(spelling, '\t') - spelling), slot - 1);
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
      p = static_cast<const char*>(std::memchr(start, '\t', static_cast<std::size_t>(end - start)));
      if (!p) p = end;
      unsigned control = 0;
      for (const char* q = start; q < p; ++q) control |= static_cast<unsigned char>(*q) < 0x20;
      if (control && std::memchr(start, '\n', static_cast<std::size_t>(p - start))) {
        return fail(LoadError::Code::MissingSeparator);
      }
      if (p == end) return fail(LoadError::Code::MissingSeparator);
      const auto size = static_cast<std::size_t>(p - start);
      if (size == 0) return fail(LoadError::Code::BadSpellingByte, "graphie vide");
      if (control) {
        for (const char* q = start; q < p; ++q) {
          if (static_cast<unsigned char>(*q) < 0x20) {
            return fail(LoadError::Code::BadSpellingByte, "octet " + std::to_string(static_cast<int>(*q)));
          }
        }
      }
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
      if ((table->lines + 1) * 4 > table->slots.size() * 3) {
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
