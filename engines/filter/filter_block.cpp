// The filtered-words result block and its header line.
#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/filter/filter.h"

namespace tavilo {
namespace {

// Courier New 10 points: every character is 6 points (120 twips) wide, so columns are counted
// in characters. A line holds about kLineCharacters of them.
constexpr int kCharacterTwips = 120;
constexpr int kLineCharacters = 96;
constexpr int kIndentTwips = 360;
constexpr int kColumnGap = 3;
constexpr int kMaxColumns = 12;

const CharFormat kWordFormat{.font = "Courier New", .half_points = 20, .color = {}};
const CharFormat kLetterFormat{.font = "Courier New", .half_points = 20, .color = {220, 0, 0}};
const CharFormat kHeaderFormat{.font = "Courier New", .half_points = 18, .color = {255, 0, 0}};

// Collects Windows-1252 text run by run and appends it to the document when the format changes.
class RunWriter {
 public:
  explicit RunWriter(Document& doc) : doc_(doc) {}
  void Write(std::string_view cp1252, const CharFormat& format) {
    if (current_ != &format) Flush();
    current_ = &format;
    pending_ += cp1252;
  }
  void Write(char c, const CharFormat& format) { Write(std::string_view(&c, 1), format); }
  void Flush() {
    if (current_ && !pending_.empty()) doc_.Append(Cp1252ToUtf8(pending_), *current_);
    pending_.clear();
  }

 private:
  Document& doc_;
  const CharFormat* current_ = nullptr;
  std::string pending_;
};

// The word with the characters its explicit letters matched in red.
void WriteMarkedWord(RunWriter& out, const FilterEntry& entry) {
  std::vector<bool> red(entry.spelling.size(), false);
  for (std::size_t i = 0; i + 1 < entry.marks.size(); i += 2) {
    const std::size_t position = static_cast<std::size_t>((entry.marks[i] - '0') * 10 + (entry.marks[i + 1] - '0'));
    if (position >= 1 && position <= red.size()) red[position - 1] = true;
  }
  for (std::size_t i = 0; i < entry.spelling.size(); ++i) {
    out.Write(entry.spelling[i], red[i] ? kLetterFormat : kWordFormat);
  }
}

std::string Reversed(std::string_view spelling) {
  std::string reversed = FoldStandard(ToLower(spelling));
  std::reverse(reversed.begin(), reversed.end());
  return reversed;
}

}  // namespace

Document WriteFilterHeader(const FilterResult& result) {
  const std::string line = "  Mots filtr\xE9s"
                           "      Mod\xE8le cherch\xE9 : " + result.pattern +
                           "      Domaine : " + result.domainLabel +
                           "      Nb maxi de syllabes : " + result.syllableItem +
                           "      " + "Mots : " + std::to_string(result.count) +
                           "      " + (result.heterogram ? "H\xE9t\xE9rogrammes" : "");
  Document header;
  header.Append(Cp1252ToUtf8(line), kHeaderFormat);
  return header;
}

Document WriteFilterBlock(const FilterResult& result) {
  Document block;
  RunWriter out(block);
  for (std::size_t length = 1; length < result.byLength.size(); ++length) {
    const std::vector<FilterEntry>& words = result.byLength[length];
    if (words.empty()) continue;
    // A column is as wide as the word (and its reversed form) plus a gap; fewer fit for longer words.
    const int width = static_cast<int>(result.reversed ? 2 * length + 1 : length) + kColumnGap;
    const std::size_t columns = static_cast<std::size_t>(std::clamp(kLineCharacters / width, 1, kMaxColumns));
    out.Flush();
    std::vector<int> stops;
    for (std::size_t column = 0; column < columns; ++column) {
      stops.push_back(kIndentTwips + static_cast<int>(column) * width * kCharacterTwips);
    }
    block.SetTabStops(std::move(stops));
    std::string heading = " ";  // built piece by piece: GCC 12 warns wrongly on " " + string
    heading += std::to_string(length);
    heading += length == 1 ? " lettre :\n" : " lettres :\n";
    out.Write(heading, kWordFormat);
    for (std::size_t i = 0; i < words.size(); ++i) {
      out.Write('\t', kWordFormat);
      WriteMarkedWord(out, words[i]);
      if (result.reversed) {
        out.Write(' ', kWordFormat);
        out.Write(Reversed(words[i].spelling), kWordFormat);
      }
      if ((i + 1) % columns == 0 || i + 1 == words.size()) out.Write('\n', kWordFormat);
    }
  }
  out.Write(std::string(kLineCharacters, '-') + "\n", kWordFormat);
  out.Flush();
  return block;
}

}  // namespace tavilo
