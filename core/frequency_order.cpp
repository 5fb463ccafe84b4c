// The pieces of the "most common words first" order that are not templates: the value of an
// item of several words, the mean of a group, the sorted current list and the header line.
#include "core/frequency_order.h"

#include <array>

#include "core/text.h"

namespace tavilo {
namespace {

// The separators between the words of a pair or family item.
constexpr std::array<std::string_view, 3> kItemSeparators = {" : ", ", ", " / "};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Where the next separator starts at or after `from`, and how long it is; npos when none.
std::pair<std::size_t, std::size_t> NextSeparator(std::string_view item, std::size_t from) {
  for (std::size_t i = from; i < item.size(); ++i) {
    if (item[i] == ' ' && i + 1 < item.size() && item[i + 1] == ' ') {
      std::size_t end = i;
      while (end < item.size() && item[end] == ' ') ++end;
      return {i, end - i};
    }
    for (const std::string_view separator : kItemSeparators) {
      if (item.substr(i, separator.size()) == separator) return {i, separator.size()};
    }
  }
  return {std::string_view::npos, 0};
}

}  // namespace

int MostCommonWordTenths(const WordFrequencies& frequencies, std::string_view item) {
  int best = 0;
  std::size_t start = 0;
  while (start <= item.size()) {
    const auto [at, length] = NextSeparator(item, start);
    const std::string_view word = Trimmed(item.substr(start, at == std::string_view::npos ? item.npos : at - start));
    if (!word.empty()) best = std::max(best, frequencies.Tenths(word));
    if (at == std::string_view::npos) break;
    start = at + length;
  }
  return best;
}

double MeanWordTenths(const WordFrequencies& frequencies, std::string_view group) {
  // The words: cut at spaces, and after an apostrophe (an elided form is a word of its own).
  std::vector<std::string_view> words;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= group.size(); ++i) {
    const bool end = i == group.size() || group[i] == ' ';
    if (end || group[i] == '\'') {
      const std::size_t stop = end ? i : i + 1;
      if (stop > start) words.push_back(group.substr(start, stop - start));
      start = stop + (end ? 1 : 0);
    }
  }
  if (words.empty()) return 0;
  long total = 0;
  std::size_t counted = 0;
  for (std::size_t i = 0; i < words.size(); ++counted) {
    // The longest run of words from i that the file holds as one spelling, else the word alone.
    std::size_t take = 1;
    int value = 0;
    for (std::size_t last = words.size(); last > i; --last) {
      const char* first = words[i].data();
      const std::string_view run(first, static_cast<std::size_t>(words[last - 1].data() + words[last - 1].size() - first));
      if (const int tenths = frequencies.Tenths(run); tenths > 0 || last == i + 1) {
        take = last - i;
        value = tenths;
        break;
      }
    }
    total += value;
    i += take;
  }
  return static_cast<double>(total) / static_cast<double>(counted);
}

WordTable MostCommonRowsFirst(const WordTable& rows, const WordFrequencies& frequencies) {
  std::vector<WordRow> order(rows.begin(), rows.end());
  MostCommonFirst(order, [&](const WordRow& row) { return frequencies.Tenths(row.spelling); });
  WordTable sorted(rows.Capacity());
  sorted.Reserve(order.size());
  for (const WordRow& row : order) sorted.Append(row);
  return sorted;
}

void AddFrequencyOrderLine(Document& header) {
  CharFormat format;
  const auto& runs = header.paragraphs().back().runs;
  if (!runs.empty()) format = runs.back().format;
  header.AppendParagraphBreak();
  header.Append(Cp1252ToUtf8(kFrequencyOrderLine), format);
}

}  // namespace tavilo
