// The header and the block of the rhymes of a word: sections under their headings, the letters of
// the shared sounds in bold colour.
#include <algorithm>
#include <string>

#include "core/alignment.h"
#include "core/graphemes.h"
#include "core/text.h"
#include "core/word_columns.h"
#include "engines/word_rhyme/word_rhyme.h"

namespace tavilo {
namespace {

const CharFormat kHeaderFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};
const CharFormat kWordFormat{.font = "Arial", .half_points = 20, .color = {}};
const CharFormat kSoundFormat{.font = "Arial", .half_points = 20, .color = {200, 0, 0}, .bold = true};

// Sounds as people read them, between guillemets: « an-s-on ».
std::string QuotedSound(std::string_view phonetic) {
  return "\xC2\xAB\xC2\xA0" + TranscribePhonetic(phonetic) + "\xC2\xA0\xC2\xBB";
}

// The heading of a section (UTF-8): the usual name of its richness and the sounds shared.
std::string Heading(const WordRhymeSection& section) {
  std::string name;
  if (section.richness == 0) {
    name = "Assonances";
  } else if (section.richness >= kRichRhyme) {
    name = "Rime riche (" + std::to_string(section.richness) + " sons)";
  } else {
    name = section.richness == 2 ? "Rime suffisante" : "Rime pauvre";
  }
  return " " + name + " : " + QuotedSound(section.sound);
}

// Where the letters spelling phonemes [from, from + length) of an entry lie in its spelling (the
// alignment may insert a yod bullet or an x marker; they are not letters of the word). A rhyme's
// letters run to the end of the word, its silent letters included; an assonance shows its vowel's
// letters only. {size, 0} when the alignment cannot tell.
std::pair<std::size_t, std::size_t> SoundLetters(const WordEntry& entry, std::size_t from, std::size_t length,
                                                 bool toTheEnd) {
  const Alignment alignment =
      AlignFragment(entry.spelling, entry.phonetic, static_cast<int>(from) + 1, static_cast<int>(length));
  const std::string& aligned = alignment.spelling;
  // Maps a position of the aligned spelling to the word's own.
  const auto original = [&aligned](std::size_t position) {
    std::size_t letters = 0;
    for (std::size_t i = 0; i < position && i < aligned.size(); ++i) {
      if (aligned[i] == kYodBullet) continue;
      if (aligned[i] == '(' && i > 0 && aligned[i - 1] == 'x' && i + 2 < aligned.size() && aligned[i + 2] == ')') {
        i += 2;
        continue;
      }
      ++letters;
    }
    return letters;
  };
  const std::size_t size = entry.spelling.size();
  if (alignment.lettersRanOut || alignment.letterStart < 1) return {size, 0};
  const std::size_t start = std::min(original(static_cast<std::size_t>(alignment.letterStart - 1)), size);
  const std::size_t end =
      toTheEnd ? size : std::min(original(static_cast<std::size_t>(std::max(alignment.letterEnd, 1) - 1)), size);
  return {start, end > start ? end - start : 0};
}

void AppendWord(Document& doc, const WordEntry& entry, const WordRhymeSection& section) {
  const std::string_view spelling = entry.spelling;
  const std::string_view phonetic = entry.phonetic;
  std::size_t from = phonetic.size() - std::min(phonetic.size(), section.sound.size());
  if (section.richness == 0) {
    const std::string_view rime = RimeOf(phonetic);
    from = phonetic.size() - rime.size();
  }
  const auto [start, length] = SoundLetters(entry, from, section.sound.size(), section.richness > 0);
  if (start > 0) doc.Append(Cp1252ToUtf8(spelling.substr(0, start)), kWordFormat);
  if (length > 0) doc.Append(Cp1252ToUtf8(spelling.substr(start, length)), kSoundFormat);
  if (start + length < spelling.size()) doc.Append(Cp1252ToUtf8(spelling.substr(start + length)), kWordFormat);
}

}  // namespace

Document WriteWordRhymeHeader(const WordRhymeResult& result) {
  const std::string utf8 =
      "   Rimes d'un mot       Mot : \xC2\xAB\xC2\xA0" + Cp1252ToUtf8(result.word) + "\xC2\xA0\xC2\xBB" +
      "       Phon\xC3\xA9tique : " + TranscribePhonetic(result.phonetic) + "       Rime : " +
      QuotedSound(result.rime) + "       Domaine : " + Cp1252ToUtf8(result.domainLabel) +
      "       Nombre de syllabes : " + result.syllableItem + "       " +
      (result.count == 1 ? "Mot trouv\xC3\xA9" : "Mots trouv\xC3\xA9s") + " : " + std::to_string(result.count);
  Document header;
  header.Append(utf8, kHeaderFormat);
  if (result.readings.size() > 1) {
    std::string others;
    for (std::size_t i = 0; i < result.readings.size(); ++i) {
      if (i == result.readingIndex) continue;
      others += others.empty() ? "" : ", ";
      others += std::to_string(i + 1) + " " + QuotedSound(result.readings[i].phonetic);
      if (result.readings[i].spelling != result.word) others += " (" + Cp1252ToUtf8(result.readings[i].spelling) + ")";
    }
    header.Append("\n   Autres lectures : " + others, kHeaderFormat);
  }
  return header;
}

Document WriteWordRhymeBlock(const WordRhymeResult& result) {
  // The tab stops of the other word lists, six columns.
  Document block = WordGroupsDocument("");
  for (const WordRhymeSection& section : result.sections) {
    block.Append(Heading(section) + "\n", kWordFormat);
    for (std::size_t i = 0; i < section.words.size(); ++i) {
      block.Append("\t", kWordFormat);
      AppendWord(block, section.words[i].entry, section);
      if ((i + 1) % kWordsPerLine == 0 || i + 1 == section.words.size()) block.AppendParagraphBreak();
    }
    block.Append(std::string(kRuleLength, '-') + "\n", kWordFormat);
  }
  return block;
}

}  // namespace tavilo
