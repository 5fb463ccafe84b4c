// The rhyme result block and its header line.
#include <string>
#include <vector>

#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

constexpr std::size_t kWordsPerLine = 6;
constexpr std::size_t kRuleLength = 185;
// Six columns: the first word half an inch in, then one column every inch and a half, wide enough
// for all but the longest words at 10 points.
constexpr int kFirstColumnTwips = 720;
constexpr int kColumnWidthTwips = 2160;

// The block's words, headings and rules: Arial 10 points, black.
const CharFormat kBlockFormat{.font = "Arial", .half_points = 20, .color = {}};
// The header line: 9 points, red.
const CharFormat kHeaderFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};

std::string SyllableHeading(int count) {
  std::string heading = " ";
  heading += std::to_string(count);
  heading += count == 1 ? " syllabe :" : " syllabes :";
  return heading;
}

}  // namespace

Document WriteRhymeHeader(const RhymeResult& result) {
  const std::string line = "   Rimes"
                           "       Rime : \xAB..." + result.rhyme + "\xBB"
                           "       Domaine : " + result.domainLabel +
                           "       Nombre de syllabes : " + result.syllableItem +
                           "       " + (result.count == 1 ? "Mot trouv\xE9" : "Mots trouv\xE9s") + " : " +
                           std::to_string(result.count);
  Document header;
  header.Append(Cp1252ToUtf8(line), kHeaderFormat);
  return header;
}

Document WriteRhymeBlock(const RhymeResult& result) {
  // Built in Windows-1252 like every text inside, converted once for the document.
  std::string text;
  for (int count = kRhymeMaxSyllables; count >= 1; --count) {
    const SortedStringList& words = result.lists[static_cast<std::size_t>(count - 1)];
    if (words.Empty()) continue;
    text += SyllableHeading(count) + "\n";
    for (std::size_t i = 0; i < words.Count(); ++i) {
      text += '\t';
      text += words[i];
      if ((i + 1) % kWordsPerLine == 0 || i + 1 == words.Count()) text += '\n';
    }
    text += std::string(kRuleLength, '-') + "\n";
  }
  Document block;
  std::vector<int> stops;
  for (std::size_t column = 0; column < kWordsPerLine; ++column) {
    stops.push_back(kFirstColumnTwips + static_cast<int>(column) * kColumnWidthTwips);
  }
  block.SetTabStops(std::move(stops));
  block.Append(Cp1252ToUtf8(text), kBlockFormat);
  return block;
}

}  // namespace tavilo
