// The lipogram result block and its header line.
#include <string>

#include "core/word_columns.h"
#include "engines/lipogram/lipogram.h"

namespace tavilo {

Document WriteLipogramHeader(const LipogramResult& result) {
  const std::string line = std::string(" Lipogrammes") + "     Lettres" +
                           (result.method == LipogramMethod::Forbidden ? " interdites" : " obligatoires") + " : " +
                           result.letters + "     Domaine : " + result.domainLabel +
                           "     Syllabes : " + result.syllableItem + "     " + (result.count == 1 ? "Mot" : "Mots") +
                           " : " + std::to_string(result.count);
  Document header;  // 9 points, red
  header.Append(Cp1252ToUtf8(line), CharFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}});
  return header;
}

Document WriteLipogramBlock(const LipogramResult& result) {
  std::string text;  // Windows-1252, converted once for the document
  for (const auto& [count, words] : result.lists) {
    if (!words.Empty()) AppendWordGroup(text, SyllableHeading(count), words.Items());
  }
  return WordGroupsDocument(text);
}

}  // namespace tavilo
