#include "core/frequency.h"

#include <utility>

#include "core/text.h"

namespace tavilo {

namespace {

// No French spelling comes near this many bytes per line; a larger file is no frequency list.
constexpr std::size_t kMaxFrequencyLines = 400000;

// The spelling of the line starting at `start`, up to its tab (the file was checked on loading).
std::string_view SpellingAt(std::string_view text, std::size_t start) {
  return text.substr(start, text.find('\t', start) - start);
}

// Where the line holding byte `at` starts, no earlier than `floor`.
std::size_t LineStart(std::string_view text, std::size_t at, std::size_t floor) {
  while (at > floor && text[at - 1] != '\n') --at;
  return at;
}

// What is shown of a faulty spelling in a message: printable and short.
std::string Shown(std::string_view spelling) {
  std::string shown;
  for (char ch : spelling.substr(0, 40)) {
    shown += static_cast<unsigned char>(ch) < 0x20 ? '?' : ch;
  }
  if (spelling.size() > 40) shown += '\x85';  // …
  return Quoted(shown);
}

}  // namespace

// Checks every line of the file and hands the text over to the lookup when all are good.
struct FrequencyParser {
  static FrequencyLoad Parse(WordTable::Text bytes, std::string_view fileName) {
    FrequencyLoad result;
    auto fail = [&](LoadError::Code code, int line, std::string detail = {}) {
      result.error = LoadError{code, std::string(fileName), line, std::move(detail), {}};
      return std::move(result);
    };
    const std::string_view text(bytes.data(), bytes.size());
    if (text.empty()) return fail(LoadError::Code::EmptyFile, 0);
    std::string_view previous;
    std::size_t lines = 0;
    for (std::size_t start = 0; start < text.size();) {
      const int lineNo = static_cast<int>(lines + 1);
      if (lines == kMaxFrequencyLines) {
        return fail(LoadError::Code::TooManyLines, lineNo, std::to_string(kMaxFrequencyLines));
      }
      std::size_t end = text.find('\n', start);
      const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (line.ends_with('\r')) line.remove_suffix(1);
      const std::size_t tab = line.find('\t');
      if (tab == std::string_view::npos) return fail(LoadError::Code::MissingSeparator, lineNo);
      const std::string_view spelling = line.substr(0, tab);
      if (spelling.empty()) return fail(LoadError::Code::BadSpellingByte, lineNo, "graphie vide");
      for (char ch : spelling) {
        if (static_cast<unsigned char>(ch) < 0x20) {
          return fail(LoadError::Code::BadSpellingByte, lineNo, "octet " + std::to_string(static_cast<int>(ch)));
        }
      }
      const std::string_view value = line.substr(tab + 1);
      if (value.size() != 3 || !IsDigit(value[0]) || value[1] != '.' || !IsDigit(value[2])) {
        return fail(LoadError::Code::BadFrequency, lineNo, Shown(value));
      }
      if (!previous.empty() && !(previous < spelling)) {
        return fail(LoadError::Code::OutOfOrder, lineNo, Shown(spelling) + " apr\xE8s " + Shown(previous));
      }
      previous = spelling;
      ++lines;
      start = next;
    }
    result.frequencies.text_ = std::move(bytes);
    result.frequencies.lines_ = lines;
    return result;
  }

  static bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
};

int WordFrequencies::Tenths(std::string_view spelling) const {
  const std::string_view text(text_.data(), text_.size());
  // Both bounds stay at line starts: the answer, if any, lies on a line in [low, high).
  std::size_t low = 0, high = text.size();
  while (low < high) {
    const std::size_t start = LineStart(text, low + (high - low) / 2, low);
    const std::string_view candidate = SpellingAt(text, start);
    const std::size_t valueAt = start + candidate.size() + 1;
    if (candidate == spelling) return (text[valueAt] - '0') * 10 + (text[valueAt + 2] - '0');
    if (candidate < spelling) {
      const std::size_t end = text.find('\n', valueAt);
      low = end == std::string_view::npos ? text.size() : end + 1;
    } else {
      high = start;
    }
  }
  return 0;
}

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
