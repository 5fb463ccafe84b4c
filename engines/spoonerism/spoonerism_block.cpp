// The spoonerism result blocks, their header line, the notes and the waiting texts.
#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/spoonerism/spoonerism.h"

namespace tavilo {
namespace {

constexpr std::size_t kWordsPerLine = 6;
constexpr std::size_t kRuleLength = 180;
// Eleven stops: six columns an inch and a half apart, the first half an inch in, and before each
// column but the first a stop just short of it. The first tab after a word reaches that stop and the
// second the column, so every word up to nearly the column's width starts its column.
constexpr int kFirstColumnTwips = 720;
constexpr int kColumnWidthTwips = 2160;
constexpr int kLeadTwips = 60;

const CharFormat kHeadingFormat{.font = "Arial", .half_points = 24, .color = {}};
const CharFormat kWordFormat{.font = "Arial", .half_points = 20, .color = {}};
// The exchanged letters: A in the entered word in red, B in the found words in blue, both bold.
constexpr Rgb kFragmentColour{200, 0, 0};
constexpr Rgb kReplacementColour{0, 0, 220};

void AppendWord(Document& doc, const SpoonerismWord& word, const CharFormat& format, Rgb colour) {
  AppendHighlighted(doc, word.spelling, word.letterStart, word.letterLength, format, colour);
}

// A text as the status box shows it, with "\r\n" between lines, and the character offsets to
// colour counted in it (a line break counting two).
struct WaitingText {
  const char* text;
  std::vector<std::pair<std::size_t, std::size_t>> spans;
};

}  // namespace

Document WriteSpoonerismBlocks(const SpoonerismResult& result) {
  Document doc;
  std::vector<int> stops{kFirstColumnTwips};
  for (int column = 1; column < static_cast<int>(kWordsPerLine); ++column) {
    const int at = kFirstColumnTwips + column * kColumnWidthTwips;
    stops.push_back(at - kLeadTwips);
    stops.push_back(at);
  }
  doc.SetTabStops(std::move(stops));
  // A spelling that is a word of several tables (a noun and a verb form) is named once.
  std::vector<std::string> others;
  for (const std::string& spelling : result.homophones) {
    if (std::find(others.begin(), others.end(), spelling) == others.end()) others.push_back(spelling);
  }
  std::string homophones;
  for (std::size_t i = 0; i < others.size(); ++i) homophones += (i ? ", " : "   (") + others[i];
  if (!others.empty()) homophones += ")";
  for (const SpoonerismBlock& block : result.blocks) {
    AppendWord(doc, block.heading, kHeadingFormat, kFragmentColour);
    doc.Append(Cp1252ToUtf8(homophones + "\n"), kHeadingFormat);
    for (std::size_t i = 0; i < block.words.size(); ++i) {
      const SpoonerismWord& word = block.words[i];
      doc.Append(i % kWordsPerLine == 0 ? "\t" : "\t\t", kWordFormat);
      AppendWord(doc, word, kWordFormat, kReplacementColour);
      if (word.tabooPartner) doc.Append("#", kWordFormat);
      if ((i + 1) % kWordsPerLine == 0 || i + 1 == block.words.size()) doc.Append("\n", kWordFormat);
    }
    doc.Append(std::string(kRuleLength, '-') + "\n", kWordFormat);
  }
  return doc;
}

Document WriteSpoonerismHeader(const SpoonerismResult& result, long elapsedSeconds) {
  const std::string line = "  Contrep\xE8teries"
                           "    Mot : " + result.word +
                           "    Domaine : " + result.domainName +
                           "    Possibilit\xE9s : " + std::to_string(result.possibilities) +
                           "    " + (result.foundCount == 1 ? "Mot trouv\xE9" : "Mots trouv\xE9s") + " : " +
                           std::to_string(result.foundCount) +
                           "    Temps : " + ElapsedTime(elapsedSeconds);
  Document header;
  const Rgb colour = result.method == SpoonerismMethod::Child ? Rgb{0, 192, 0} : Rgb{255, 0, 0};
  header.Append(Cp1252ToUtf8(line), CharFormat{.font = "Arial", .half_points = 18, .color = colour});
  return header;
}

std::vector<std::string> SpoonerismNotes(const SpoonerismResult& result) {
  std::vector<std::string> notes;
  if (result.tabooMark) {
    notes.push_back("Les mots marqu\xE9s d'un \xAB\xA0#\xA0\xBB g\xE9n\xE8rent \xE9galement un mot tabou apr\xE8s permutation.");
  }
  if (result.yodMark) {
    notes.push_back("Un \xAB\xA0\x95\xA0\xBB \xE0 l'int\xE9rieur d'un mot signale un son \xAB\xA0ye\xA0\xBB (yod) sans graphie correspondante.");
  }
  return notes;
}

Document SpoonerismWaitingText(SpoonerismMethod method, int swapLength) {
  static const WaitingText kChild{"...le petit sapin ne supporte pas ces horribles chaleurs... ", {{12, 1}, {51, 1}}};
  static const WaitingText kTexts[] = {
      {"...les pages sont diff\xE9r\xE9" "es, mais donnent\r\nquelque temps pour commencer \xE0 bigler...",
       {{9, 1}, {20, 2}, {51, 1}, {76, 2}}},
      {"...fallait-il exiger des verbes\r\n pour conna\xEEtre l'attente infime ?", {{17, 1}, {28, 1}, {52, 2}, {61, 1}}},
      {"...non, les mots ne sont pas gripp\xE9s, mais il faut \r\n    trouver le nid pour satisfaire les options...",
       {{12, 1}, {32, 2}, {68, 1}, {93, 2}}},
  };
  const bool child = method == SpoonerismMethod::Child;
  const WaitingText& waiting = child ? kChild : kTexts[std::clamp(swapLength, 1, 3) - 1];
  const std::string text = waiting.text;
  const CharFormat plain{};
  CharFormat marked = plain;
  marked.color = child ? Rgb{0, 255, 0} : Rgb{255, 0, 0};
  marked.bold = child;

  Document doc;
  doc.Append(Cp1252ToUtf8(text), plain);
  // The document counts a line break as one character and the offsets count it as two.
  const std::size_t lineBreak = text.find("\r\n");
  for (const auto& [offset, length] : waiting.spans) {
    const std::size_t at = lineBreak != std::string::npos && offset > lineBreak ? offset - 1 : offset;
    doc.SetColor(at, length, marked.color);
    if (marked.bold) doc.SetBold(at, length, true);
  }
  return doc;
}

}  // namespace tavilo
