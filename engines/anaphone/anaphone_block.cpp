// The anaphone result block and its header line.
#include <string>

#include "core/text.h"
#include "core/word_columns.h"
#include "engines/anaphone/anaphone.h"

namespace tavilo {

Document WriteAnaphoneHeader(const AnaphoneResult& result) {
  // Pairs are groups of words; a result of single words only counts words.
  const bool wordsOnly = result.count == result.lists[std::min(result.PhonemeCount(), kAnaphoneMaxPhonemes)].Count();
  const char* label = wordsOnly ? (result.count == 1 ? "Mot trouv\xE9" : "Mots trouv\xE9s")
                                : (result.count == 1 ? "Groupe de mots trouv\xE9" : "Groupes de mots trouv\xE9s");
  const std::string line = "   Anaphones"
                           "        Mot : " + result.word +
                           "        Nombre de phon\xE8mes : " + std::to_string(result.PhonemeCount()) +
                           "        " + label + " : " + std::to_string(result.count) +
                           "        Temps : " + ElapsedTime(result.elapsedSeconds);
  Document header;  // 9 points, red
  header.Append(Cp1252ToUtf8(line), CharFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}});
  return header;
}

Document WriteAnaphoneBlock(const AnaphoneResult& result) {
  const std::size_t total = result.PhonemeCount();
  std::string text;  // Windows-1252, converted once for the document
  for (std::size_t n = std::min(total, kAnaphoneMaxPhonemes); n >= 1; --n) {
    const SortedStringList& items = result.lists[n];
    if (items.Empty()) continue;
    const std::string heading = n == total ? std::to_string(n) + (n == 1 ? " phon\xE8me : " : " phon\xE8mes : ")
                                           : std::to_string(n) + " / " + std::to_string(total - n) + " phon\xE8mes : ";
    AppendWordGroup(text, heading, items.Items());
  }
  return WordGroupsDocument(text);
}

}  // namespace tavilo
