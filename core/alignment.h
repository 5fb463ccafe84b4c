// Which letters of a spelling spell a stretch of its phonemes.
//
// The lexicon gives each word its spelling and its phonetic form but not which letters go with
// which sound. The walk goes through the phonetic form phoneme by phoneme and, with the grapheme
// table, consumes the letters that spell each one. It reports where a chosen fragment of phonemes
// starts and ends in the spelling, and marks two situations in the spelling itself: a yod that no
// letter spells (a bullet "•" is inserted) and an x whose two sounds are split by the fragment's
// boundary (a marker "(k)", "(s)", "(g)" or "(z)" is inserted after the x).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/word_table.h"

namespace tavilo {

// The bullet inserted for a yod no letter spells (Windows-1252 0x95).
inline constexpr char kYodBullet = '\x95';

// Where a fragment's letters lie in a spelling. Positions are 1-based, as the callers count
// letters and phonemes from 1: the fragment's letters, with any marker, are
// spelling[letterStart-1 .. letterEnd-2].
struct Alignment {
  std::string spelling;        // the word as shown: any bullets and the x marker the walk put in
  int letterStart = 0;         // first letter of the fragment; the spelling's length when the
                               // fragment is never reached
  int letterEnd = 0;           // just after the fragment's last letter (and marker); when the
                               // letters run out first, just after the last letter
  int bulletCount = 0;         // the yod bullets inserted
  bool lettersRanOut = false;  // the letters ran out before the fragment's last phoneme
};

// Walks phonemes 1 to start + length - 1 and tells where phonemes start .. start + length - 1
// are spelled. Any start and length are taken, absurd ones included.
Alignment AlignFragment(std::string_view spelling, std::string_view phonetic, int start, int length);

// Walks the whole word looking, at the start of each step, for the letters `ending` (compared in
// lower case) running to the end of the spelling: the phonemes from that step on, or nullopt
// when no step starts there (an ending inside the letters of one phoneme, or silent letters).
std::optional<std::string> PhonemesOfEnding(std::string_view spelling, std::string_view phonetic,
                                            std::string_view ending);

// The letters of a spelling that spell `length` phonemes of its phonetic form from `start`
// (1-based), as a result block highlights them: the spelling as shown (with any yod bullet or x
// marker the walk put in) and the 0-based span of those letters in it, cut to the spelling.
struct SpelledFragment {
  std::string spelling;
  std::size_t letterStart = 0;
  std::size_t letterLength = 0;
  bool yodMarked = false;  // a bullet was inserted for a yod no letter spells
};
SpelledFragment SpellFragment(std::string_view spelling, std::string_view phonetic, int start, int length);

// Whether the walk over the whole word gives letters (or a yod bullet) to every phoneme, i.e.
// the letters do not run out before the last phoneme. A dictionary row for which this is false
// shows a fragment with missing letters somewhere.
bool AlignsEveryPhoneme(std::string_view spelling, std::string_view phonetic);

// How many rows of a table the walk leaves with a phoneme that has no letters.
std::size_t CountRowsNotFullyAligned(const WordTable& table);

// One character that is not a vowel (nor a space): what must stand just before the rhyme in the
// word whose alignment gives the rhyme's sound, so that the rhyme starts a syllable of its own.
// The spaces are characters of the class. "y" is not in it: it counts as a consonant here.
inline constexpr std::string_view kRhymeNonVowelClass = "[! aeiou \xE0-\xE4 \xE8-\xEB \xEE-\xEF \xF4-\xF6 \xF9-\xFC]";

// The sound of a written ending in one word: what the rhyme tool learns a typed rhyme's sound
// from, and what the dictionary builder checks the tables against.
struct EndingSound {
  std::string phonemes;        // the word's phonemes from the step of the walk where the ending begins
  bool afterNonVowel = false;  // a character of kRhymeNonVowelClass stands just before the ending:
                               // only such a word teaches the rhyme tool the ending's sound
};

// The sound `ending` (the word's last letters) has in the word; nothing when the word has fewer
// than two phonemes or when no step of its walk starts where the ending's letters begin (a
// rhyme that starts inside a letter group, as the "n" of "an", is never met there).
std::optional<EndingSound> SoundOfEnding(std::string_view spelling, std::string_view phonetic, std::string_view ending);

}  // namespace tavilo
