// The 34 phoneme codes of the lexicon and the letter groups that can spell each of them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo {

inline constexpr int kPhonemeCount = 34;

// One row of the grapheme table: the phoneme code, a readable name for people, and its
// spellings in the order the alignment tries them (longer groups first where it matters).
struct GraphemeRow {
  char code;
  std::string_view sound;  // an example word, UTF-8, for help and the command line
  std::vector<std::string_view> spellings;  // Windows-1252, lower case
};

// The table, rows 0 to 33: rows 0 to 14 are vowels and semivowels, 15 to 33 consonants.
const std::array<GraphemeRow, kPhonemeCount>& GraphemeTable();

// The row of a phoneme code (scanning rows 0 to 33, first match), or -1 when the character is
// not one of the 34 codes.
int GraphemeRowOf(char code);

// True for the 34 codes.
inline bool IsPhonemeCode(char c) { return GraphemeRowOf(c) >= 0; }

// The codes of the vowel sounds, the semivowel groups "wa" (0) and "ui" (9) included; the yod (7)
// is not one. A word's rhyme starts at its last vowel sound.
inline constexpr std::string_view kVowelPhonemes = "012345689aeiou";
inline bool IsVowelPhoneme(char c) { return c != '\0' && kVowelPhonemes.find(c) != std::string_view::npos; }

// A readable transcription of a phonetic form for people (UTF-8), e.g. "2t2" -> "é-t-é".
std::string TranscribePhonetic(std::string_view phonetic);

}  // namespace tavilo
