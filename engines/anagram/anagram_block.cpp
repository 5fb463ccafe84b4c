// The anagram tool's texts: its messages, the manual block, the header lines and the automatic
// window's lines.
#include <string>

#include "core/text.h"
#include "engines/anagram/anagram.h"

namespace tavilo {
namespace {

const CharFormat kBlockFormat{.font = "Courier New", .half_points = 20, .color = {}};
const CharFormat kHeaderFormat{.font = "Courier New", .half_points = 18, .color = {255, 0, 0}};

}  // namespace

std::string ValidateAnagramInput(int lettersToSearch, int jokers) {
  if (lettersToSearch == 0 && jokers == 0) return "Essayez quand m\xEAme d'entrer au moins 3 lettres !!!";
  if (lettersToSearch == 0) return "Il faut au moins une lettre explicite !!!";
  if (lettersToSearch + jokers < 3)
    return "Sans ordinateur on peut trouver facilement les anagrammes d'un mot d'une ou deux lettres !!!\n"
           "Il faut au moins 3 lettres \xE0 chercher.";
  return {};
}

std::string NothingFoundMessage(std::string_view enteredText) {
  return "Apparemment il n'y a pas d'anagrammes possibles avec les lettres " + QuotedInput(enteredText) +
         "\net les options choisies !!!\nEssayez autre chose.";
}

std::string_view JokerNotice() { return "Les caract\xE8res en majuscule correspondent aux lettres 'joker'"; }

std::string_view DoubleClickNote() {
  return "Pour effectuer une recherche automatique \xE0 partir d'un mot de la liste, 'double-cliquez' sur celui-ci";
}

Document WriteManualBlock(const ManualResult& result) {
  std::string text = " Anagrammes\n";
  for (int length = kMaxWordLength; length >= 1; --length) {
    const auto& items = result.byLength[static_cast<std::size_t>(length)];
    if (items.empty()) continue;
    text += ' ';
    text += std::to_string(length);
    text += length == 1 ? " lettre :\n" : " lettres :\n";
    for (const std::string& item : items) text += item + "\n";
  }
  Document block;
  block.Append(Cp1252ToUtf8(text), kBlockFormat);
  return block;
}

Document WriteAnagramHeader(std::string_view level, std::string_view enteredText, int letterCount, bool automatic,
                            long count, std::chrono::milliseconds elapsed) {
  const long seconds = static_cast<long>(elapsed.count() / 1000);
  const char* label = automatic ? (count == 1 ? "Groupe de mots" : "Groupes de mots")
                                : (count == 1 ? "Mot trouv\xE9" : "Mots trouv\xE9s");
  const std::string line = "    Niveau : " + std::string(level) + "    Lettres : " + std::string(enteredText) +
                           "    Nombre : " + std::to_string(letterCount) + "    " + label + " : " +
                           std::to_string(count) + "    Temps : " + ElapsedTime(seconds);
  Document header;
  header.Append(Cp1252ToUtf8(line), kHeaderFormat);
  return header;
}

std::string AutoWindowHeader(std::string_view imposed, std::string_view lettersToSearch, int level,
                             std::string_view enteredText, int letterCount) {
  return "  Mot(s) impos\xE9(s) : " + std::string(imposed) + "    Lettres \xE0 chercher : " + std::string(lettersToSearch) +
         "    Niveau : " + std::to_string(level) + "    Lettres entr\xE9" "es : " + std::string(enteredText) +
         "    Nombre : " + std::to_string(letterCount);
}

Document WriteGroupLines(const AutoResult& result) {
  std::string text;
  for (const AnagramGroup& group : result.groups) text += GroupLine(group, result.jokers) + "\n";
  Document block;
  block.Append(Cp1252ToUtf8(text), kBlockFormat);
  return block;
}

}  // namespace tavilo
