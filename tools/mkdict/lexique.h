// Conversion of a pronunciation written in the Lexique alphabet (as the pronunciation list
// spells it) to Tavilo's phoneme codes, with the syllable count.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo::mkdict {

// One pronunciation in Tavilo's codes: one character per phoneme, and its number of syllables.
// `changes` records which of the builder's corrections made it (bits of mkdict::ReadingChange);
// two transcriptions are equal when they sound alike, whatever made them.
struct Transcription {
  std::string phonetic;
  int syllables = 0;
  unsigned changes = 0;

  bool operator==(const Transcription& other) const {
    return phonetic == other.phonetic && syllables == other.syllables;
  }
};

// Splits a transcription written as space-separated phone symbols ("n huit i").
std::vector<std::string_view> SplitPhones(std::string_view text);

// Converts the phones of one pronunciation of `spelling` (Windows-1252, any case). The list
// writes the nasal on and the gn sound alike as `N`; the spelling tells them apart: an `N` is gn
// when the spelling still has an unused "gn" (or "ñ") and the `N` is followed by a vowel, `N`, `w`,
// `j` or `huit`, or ends a word spelled -gne, -gnes or -gnent. Every other `N` is the nasal on.
// Syllables are the vowel phonemes; the semivowels j, w and huit do not count.
// An unknown symbol or an empty transcription gives no transcription, and the refusal says why.
struct LexiqueConversion {
  std::optional<Transcription> transcription;
  std::string refusal;  // Windows-1252, when there is no transcription
};
LexiqueConversion ConvertLexique(std::string_view spelling, const std::vector<std::string_view>& phones);

}  // namespace tavilo::mkdict
