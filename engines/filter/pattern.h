// The crossword-pattern language of the filtered-words tool: how a typed pattern is rewritten
// into its canonical form, which options make sense for it, and the one-pass matcher that tests
// a word against it.
//
// A pattern is made of explicit letters and six jokers:
//   ?  one letter        !  one consonant         §  one vowel
//   *  any run of letters (also none)   ^  of consonants   @  of vowels
// Vowels are a e i o u y; the accented vowels and ç count as letters only when diacritics are
// distinguished (otherwise the word is folded first). A hyphen, an apostrophe or a space is not
// a letter, so a word holding one never matches.
//
// All strings are Windows-1252 (core/text.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavilo {

// The key that caused a change of the pattern box, and where the caret stood before it.
struct PatternKeystroke {
  enum class Kind { Character, Delete, Backspace };
  Kind kind = Kind::Character;
  char character = 0;  // the character typed (Kind::Character)
  int savedCaret = 0;  // the caret position (0 = before the first character) before the key
};

// A pattern in its canonical form and what the dialog and the engine need to know about it.
struct PatternAnalysis {
  std::string pattern;  // lower case; only letters and jokers; no redundant joker sequence
  int caret = 0;        // where typing continues in `pattern`

  int letters = 0;       // explicit letters
  int singleJokers = 0;  // ? ! §
  int multiJokers = 0;   // * ^ @
  // Some explicit letter may carry a diacritic (a c e i o u or an accented letter): the
  // "distinguish diacritics" option then makes a difference.
  bool diacriticLetter = false;
  std::string explicitLetters;  // the explicit letters in pattern order

  // The pattern was cut: letters and single jokers beyond `longestWord` were dropped.
  bool truncated = false;
  // letters + single jokers as counted at the last single joker of the pattern; the length
  // list is raised to it when a number below it is chosen (0 when there is no single joker).
  int lengthAtLastSingleJoker = 0;
  // The key just typed is a multi joker that stays in the pattern: the length list goes back
  // to "Toutes".
  bool multiJokerTyped = false;

  bool HasSingleJoker() const { return singleJokers > 0; }
  bool HasMultiJoker() const { return multiJokers > 0; }
  bool HasJoker() const { return singleJokers + multiJokers > 0; }
  // The fewest characters a matching word has: every explicit letter and single joker.
  int MinimumLength() const { return letters + singleJokers; }
};

// Rewrites `text` (as the pattern box holds it after the key) into its canonical form, applying
// the rules again until the text no longer changes:
//   - upper case becomes lower case; digits, spaces and signs are dropped;
//   - "!^" becomes "^", "§@" becomes "@", "?*" becomes "*";
//   - a joker that adds nothing after the one before it is dropped: "^" or "!" after "^",
//     "^" after "*" or "!", "@" or "§" after "@", "@" after "*" or "§", "*" or "?" after "*",
//     "*" after "@" or "^";
//   - reading stops once letters + single jokers would exceed `longestWord`.
// The caret ends after the Delete key where it was, after Backspace one place before, after
// any other key one place after; every character dropped before it moves it back one place.
// The result is clamped to the pattern.
PatternAnalysis CanonicalisePattern(std::string_view text, int longestWord, const PatternKeystroke& key = {});

// True when some character of `text` occurs again later in it (exact comparison).
bool HasRepeatedLetter(std::string_view text);

// Which options a pattern allows (the check boxes that are enabled).
struct PatternOptions {
  bool distinguishDiacritics = false;  // some explicit letter may carry a diacritic
  bool onceSingle = false;             // explicit letters and a single joker, no heterogram
  bool onceMulti = false;              // explicit letters and a multi joker, no heterogram
  bool heterogram = false;             // a joker, and no explicit letter repeated
  bool reversed = false;               // a multi joker, or at least two characters
};
// `heterogramChosen`: the heterogram option is checked, which rules the two "once" options out.
PatternOptions AvailableOptions(const PatternAnalysis& analysis, bool heterogramChosen);

// The options of one match, already reduced to those the pattern allows.
struct MatchOptions {
  bool distinguishDiacritics = false;
  bool onceSingle = false;  // single jokers never match an explicit letter of the pattern
  bool onceMulti = false;   // multi jokers never run over an explicit letter of the pattern
};

// The matcher: one left-to-right pass over the word with one character of look-ahead into the
// pattern and at most one character of give-back. It is not a backtracking matcher: "*" stops
// at the first character equal to the explicit letter after it (for the pattern's last letter,
// only at the word's last character), "@" and "^" run as far as they can and give back at most
// one character they consumed, so "b@e" finds "boue" but "b@ue" does not, and "*ab" misses
// "aab". A doubled letter does not stop "*" ("*e" finds "mettre").
class FilterMatcher {
 public:
  // `pattern` is canonical and, unless diacritics are distinguished, accent-folded.
  FilterMatcher(std::string pattern, const MatchOptions& options);

  const std::string& Pattern() const { return pattern_; }

  // Tests a word that is already lower case and, unless diacritics are distinguished,
  // accent-folded. On success appends to `marks` the two-digit position (from "01") of every
  // word character an explicit letter matched, in pattern order; on failure `marks` may hold
  // part of them.
  bool Matches(const std::string& word, std::string& marks) const;

 private:
  std::string pattern_;
  MatchOptions options_;
  unsigned char classes_[256];  // character classes of this match (bits in pattern.cpp)
};

}  // namespace tavilo
