// The rhyme result block and its header line.
#include <string>
#include <vector>

#include "core/text.h"
#include "core/word_columns.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

// The header line: 9 points, red.
const CharFormat kHeaderFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};

}  // namespace

Document WriteRhymeHeader(const RhymeResult& result) {
  const std::string line = "   Rimes"
                           "       Rime : " + Quoted("..." + result.rhyme) +
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
    AppendWordGroup(text, SyllableHeading(count), words.Items());
  }
  return WordGroupsDocument(text);
}

}  // namespace tavilo
