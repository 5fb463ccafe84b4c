// The anaphone tool: the words, and the pairs of words, whose phonemes are the phonemes of a
// typed word in another order, grouped by the number of phonemes of the (first) word, and the
// result block that shows them.
//
// A front end puts the typed text in an AnaphoneQuery, calls FindAnaphones, and on success hands
// the result to WriteAnaphoneHeader and WriteAnaphoneBlock. A refusal comes back as a value
// holding the French message; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/text.h"

namespace tavilo {

// A word of more phonemes than this is refused.
inline constexpr std::size_t kAnaphoneMaxPhonemes = 16;

struct AnaphoneQuery {
  std::string typed;  // the word as typed, Windows-1252
};

enum class AnaphoneRefusal {
  None,
  Empty,          // nothing typed
  Digit,          // a digit
  Sign,           // a character that is neither in A-z nor in à-ü
  TooShort,       // fewer than two letters once the spaces are gone (a plain message, no icon)
  Unknown,        // not in the lexicon (the validation's message)
  TooManySounds,  // more than kAnaphoneMaxPhonemes phonemes
  NothingFound,   // no other word or pair has these phonemes
};

struct AnaphoneResult {
  AnaphoneRefusal refusal = AnaphoneRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  std::string word;            // the dictionary spelling of the word (once validated)
  std::string phonetic;        // its phonetic form
  std::string sortedPhonemes;  // the phonetic form's codes sorted ascending; L is its length
  int syllableBound = 0;       // rows of more syllables are never read: the word's count, at least 2

  // lists[n] holds, in display order, the single words (n = L) or the pairs "first / second"
  // whose first word has n phonemes (L / 2 <= n < L). Index 0 is unused.
  std::array<SortedStringList, kAnaphoneMaxPhonemes + 1> lists;
  std::size_t count = 0;      // items in the lists, after the clean-up
  long elapsedSeconds = 0;    // the search's duration, for the header
  bool stopped = false;       // the observer asked to stop: the lists hold what was found until then

  bool Accepted() const { return refusal == AnaphoneRefusal::None; }
  // True once the word was found in the lexicon (the dialog then remembers what was typed).
  bool Validated() const { return !phonetic.empty(); }
  std::size_t PhonemeCount() const { return sortedPhonemes.size(); }
};

// Checks the typed text (empty, digits, signs, length), folds its accents, finds the word in the
// lexicon (core/validation.h, as the anaphone tool: no homophones collected), then searches the
// nouns, adjectives, verbs and adverbs, in this order, for single words and pairs. Reports the
// live count and yields to the observer after each row of the first word's pass.
AnaphoneResult FindAnaphones(const Lexicon& lexicon, const AnaphoneQuery& query,
                             SearchObserver& observer = NullObserver());

// Lists the items of each section most common first (ties keep their order), a pair counting
// as its more common word; the sections keep their order. Call it before the block is written.
void SortAnaphonesByFrequency(AnaphoneResult& result, const WordFrequencies& frequencies);

// The header line, 9 points red: "   Anaphones        Mot : ...        Temps : 0 min 0 s"; it counts
// words when every item is a single word, groups of words otherwise.
Document WriteAnaphoneHeader(const AnaphoneResult& result);
// The block, Arial 10 points black: the single words, then the pairs from the longest first word
// down, each section under its heading ("5 phonèmes : ", "3 / 2 phonèmes : "), six items to a
// line after tabs, and a rule of dashes.
Document WriteAnaphoneBlock(const AnaphoneResult& result);

}  // namespace tavilo
