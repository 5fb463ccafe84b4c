// The sentence-spoonerism result: its header line, its block and its lines for scripts.
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/phrase/phrase.h"

namespace tavilo {
namespace {

const CharFormat kHeaderFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};
const CharFormat kSentenceFormat{.font = "Arial", .half_points = 24, .color = {}};
const CharFormat kDetailFormat{.font = "Arial", .half_points = 18, .color = {96, 96, 96}};
const CharFormat kNoteFormat{.font = "Arial", .half_points = 20, .color = {}};
// The letters a word received, as the word tool colours the exchanged letters of its found words.
constexpr Rgb kReceivedColour{0, 0, 220};
constexpr std::size_t kRuleLength = 180;

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? std::string(separator) : "") + items[i];
  return out;
}


// The exchange as letters (UTF-8): "ch ↔ t" for two words; for three, where each group goes.
std::string ExchangeText(const PhraseCandidate& candidate) {
  std::vector<std::string> letters;
  for (const PhraseChange& change : candidate.changes) letters.push_back(Cp1252ToUtf8(change.givenLetters));
  if (letters.size() == 2) return letters[0] + " \xE2\x86\x94 " + letters[1];
  // Three words: the fragment of each word, then where it goes.
  std::string out;
  for (std::size_t n = 0; n < candidate.changes.size(); ++n) {
    // The word that receives this word's fragment.
    for (const PhraseChange& other : candidate.changes) {
      if (other.received != candidate.changes[n].given || &other == &candidate.changes[n]) continue;
      if (!out.empty()) out += ", ";
      out += letters[n] + " \xE2\x86\x92 " + Cp1252ToUtf8(other.newSpelling);
      break;
    }
  }
  return out;
}

}  // namespace

Document WritePhraseHeader(const PhraseResult& result) {
  const std::size_t found = result.totalFound;
  std::string line = "  Contrep\xE8teries dans une phrase"
                     "    Phrase : " + Quoted(result.sentence) +
                     "    " + (found == 1 ? "Phrase trouv\xE9" "e" : "Phrases trouv\xE9" "es") + " : " +
                     std::to_string(found);
  if (result.candidates.size() < found) line += " (les " + std::to_string(result.candidates.size()) + " meilleures)";
  Document header;
  header.Append(Cp1252ToUtf8(line), kHeaderFormat);
  return header;
}

Document WritePhraseBlock(const PhraseResult& result) {
  Document doc;
  for (std::size_t rank = 0; rank < result.candidates.size(); ++rank) {
    const PhraseCandidate& candidate = result.candidates[rank];
    doc.Append(std::to_string(rank + 1) + ".  ", kSentenceFormat);
    std::size_t at = 0;
    for (const auto& [start, length] : candidate.highlights) {
      doc.Append(Cp1252ToUtf8(candidate.shown.substr(at, start - at)), kSentenceFormat);
      AppendHighlighted(doc, candidate.shown.substr(start, length), 0, length, kSentenceFormat, kReceivedColour);
      at = start + length;
    }
    doc.Append(Cp1252ToUtf8(candidate.shown.substr(at)) + "\n", kSentenceFormat);

    std::string detail = "      " + ExchangeText(candidate) + "      ";
    std::vector<std::string> words;
    for (const PhraseChange& change : candidate.changes) {
      std::string word = Cp1252ToUtf8(result.Word(change.word)) + " \xE2\x86\x92 " + Cp1252ToUtf8(change.newSpelling);
      if (!change.otherSpellings.empty()) word += Cp1252ToUtf8(" (aussi " + Joined(change.otherSpellings, ", ") + ")");
      words.push_back(word);
    }
    detail += Joined(words, ", ") + "      score " + std::to_string(candidate.score.total) + "\n";
    doc.Append(detail, kDetailFormat);
  }
  doc.Append(std::string(kRuleLength, '-') + "\n", kNoteFormat);
  const std::vector<std::string> unknown = result.UnknownWords();
  if (!unknown.empty()) {
    doc.Append(Cp1252ToUtf8((unknown.size() == 1 ? "Mot inconnu du dictionnaire, laiss\xE9 tel quel : "
                                                 : "Mots inconnus du dictionnaire, laiss\xE9s tels quels : ") +
                            Joined(unknown, ", ") + "\n"),
               kNoteFormat);
  }
  return doc;
}

std::vector<std::string> PhraseRawLines(const PhraseResult& result) {
  std::vector<std::string> lines;
  for (const PhraseCandidate& candidate : result.candidates) {
    std::vector<std::string> words, fragments;
    for (const PhraseChange& change : candidate.changes) {
      words.push_back(result.Word(change.word) + ">" + change.newSpelling);
      fragments.push_back(change.given);
    }
    lines.push_back(candidate.sentence + "\t" + Joined(words, " ") + "\t" + Joined(fragments, "/") + "\t" +
                    std::to_string(candidate.score.total));
  }
  return lines;
}

}  // namespace tavilo
