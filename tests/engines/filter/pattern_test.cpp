// The pattern language: the canonical rewriting of what is typed (with the caret), the options a
// pattern allows, and the one-pass matcher where the regular-expression reference cannot follow it
// ("@", "^", and "*" before a letter or a class).
#include <gtest/gtest.h>

#include <string>

#include "engines/filter/pattern.h"

namespace tavilo {
namespace {

using Kind = PatternKeystroke::Kind;

PatternKeystroke Typed(char c, int savedCaret) { return {Kind::Character, c, savedCaret}; }

struct CanonicalCase {
  const char* text;  // the box after the key, Windows-1252
  PatternKeystroke key;
  const char* pattern;
  int caret;
};

TEST(CanonicalisePattern, RewritesWhatIsTypedAndKeepsTheCaretWhereTypingContinues) {
  const CanonicalCase cases[] = {
      {"?*", Typed('*', 1), "*", 1},         // "?" then "*" leaves "*"
      {"@*", Typed('*', 1), "@", 1},         // "@" then "*" leaves "@"
      {"*@", Typed('@', 1), "*", 1},         // "*" then "@" leaves "*"
      {"!^", Typed('^', 1), "^", 1},
      {"\xA7@", Typed('@', 1), "@", 1},      // "§@"
      {"^!", Typed('!', 1), "^", 1},
      {"@\xA7", Typed('\xA7', 1), "@", 1},   // "@§"
      {"*?", Typed('?', 1), "*", 1},
      {"^*", Typed('*', 1), "^", 1},
      {"*!", Typed('!', 1), "*!", 2},        // kept: "*" looks ahead to "!"
      {"@^", Typed('^', 1), "@^", 2},
      {"b?t**", Typed('*', 4), "b?t*", 4},
      {"B?T", Typed('T', 2), "b?t", 3},
      {"\xC9t\xC9", Typed('\xC9', 2), "\xE9t\xE9", 3},  // "ÉTÉ" gives "été"
      {"a1b", Typed('b', 2), "ab", 2},       // the digit before the caret moves it back
      {"a1b", Typed('1', 1), "ab", 1},       // a digit typed in the middle: the caret stays
      {" a b ", Typed(' ', 4), "ab", 2},
      {"a*x?*b", Typed('x', 2), "a*x*b", 3},
      // Delete leaves the caret where it was, Backspace one place before; a joker made
      // redundant by the removal goes, and only a removal before the caret moves it.
      {"a**b", {Kind::Delete, 0, 2}, "a*b", 2},
      {"a**b", {Kind::Backspace, 0, 3}, "a*b", 2},
      {"**b", {Kind::Backspace, 0, 2}, "*b", 1},
      {"", {Kind::Backspace, 0, 0}, "", 0},
  };
  for (const CanonicalCase& c : cases) {
    const PatternAnalysis a = CanonicalisePattern(c.text, 25, c.key);
    EXPECT_EQ(a.pattern, c.pattern) << c.text;
    EXPECT_EQ(a.caret, c.caret) << c.text;
  }
}

TEST(CanonicalisePattern, CountsAndFlags) {
  struct Case {
    const char* text;
    int letters, singles, multis;
    bool diacritic;
    const char* explicitLetters;
  };
  const Case cases[] = {
      {"b?t*", 2, 1, 1, false, "bt"},
      {"\xA7!@^ry", 2, 2, 2, false, "ry"},  // "§!@^ry": y may carry no diacritic
      {"ch?t", 3, 1, 0, true, "cht"},
      {"\xE4*", 1, 0, 1, true, "\xE4"},       // "ä*": a letter of the pattern's alphabet
      {"\xFF\xF1*", 0, 0, 1, false, ""},      // "ÿñ*": outside it, dropped
  };
  for (const Case& c : cases) {
    const PatternAnalysis a = CanonicalisePattern(c.text, 25);
    EXPECT_EQ(a.letters, c.letters) << c.text;
    EXPECT_EQ(a.singleJokers, c.singles) << c.text;
    EXPECT_EQ(a.multiJokers, c.multis) << c.text;
    EXPECT_EQ(a.diacriticLetter, c.diacritic) << c.text;
    EXPECT_EQ(a.explicitLetters, c.explicitLetters) << c.text;
  }
}

TEST(CanonicalisePattern, StopsReadingAtTheLongestWord) {
  PatternAnalysis a = CanonicalisePattern("abcdef", 5);
  EXPECT_EQ(a.pattern, "abcde");
  EXPECT_TRUE(a.truncated);
  a = CanonicalisePattern("?!*!!x@", 5);  // multi jokers do not count
  EXPECT_EQ(a.pattern, "?!*!!x@");
  EXPECT_FALSE(a.truncated);
  a = CanonicalisePattern("?" "?!*!!!", 5);  // split: no trigraph
  EXPECT_EQ(a.pattern, "?" "?!*!!");
  EXPECT_TRUE(a.truncated);
}

TEST(CanonicalisePattern, TellsTheLengthListWhatToShow) {
  EXPECT_TRUE(CanonicalisePattern("b*", 25, Typed('*', 1)).multiJokerTyped);
  EXPECT_FALSE(CanonicalisePattern("b*t", 25, Typed('t', 2)).multiJokerTyped);
  EXPECT_TRUE(CanonicalisePattern("**", 25, Typed('*', 1)).multiJokerTyped);  // one of the two stays
  // The sum at the last single joker, not counting the letters after it.
  EXPECT_EQ(CanonicalisePattern("a?b*cd", 25).lengthAtLastSingleJoker, 2);
  EXPECT_EQ(CanonicalisePattern("ab*", 25).lengthAtLastSingleJoker, 0);
}

TEST(AvailableOptions, FollowThePattern) {
  struct Case {
    const char* pattern;
    bool heterogramChosen;
    PatternOptions expected;  // diacritics, once single, once multi, heterogram, reversed
  };
  const Case cases[] = {
      {"b?t*", false, {false, true, true, true, true}},
      {"b?t*", true, {false, false, false, true, true}},  // a heterogram rules the "once" options out
      {"e?e", false, {true, true, false, false, true}},    // a repeated letter: no heterogram
      {"e?e", true, {true, true, false, false, true}},     // ... so its box has no effect
      {"??", false, {false, false, false, true, true}},    // no letter: only the heterogram
      {"*", false, {false, false, false, true, true}},
      {"ab", false, {true, false, false, false, true}},    // no joker
      {"a", false, {true, false, false, false, false}},    // one character, no multi joker
  };
  for (const Case& c : cases) {
    const PatternOptions o = AvailableOptions(CanonicalisePattern(c.pattern, 25), c.heterogramChosen);
    EXPECT_EQ(o.distinguishDiacritics, c.expected.distinguishDiacritics) << c.pattern;
    EXPECT_EQ(o.onceSingle, c.expected.onceSingle) << c.pattern;
    EXPECT_EQ(o.onceMulti, c.expected.onceMulti) << c.pattern;
    EXPECT_EQ(o.heterogram, c.expected.heterogram) << c.pattern;
    EXPECT_EQ(o.reversed, c.expected.reversed) << c.pattern;
  }
}

struct MatchCase {
  const char* pattern;
  const char* word;  // lower case, already folded where the options want it
  bool matches;
  const char* marks = "";  // checked when it matches
  MatchOptions options = {};
};

constexpr MatchOptions kOnceMulti{.onceMulti = true};
constexpr MatchOptions kDiacritics{.distinguishDiacritics = true};

TEST(FilterMatcher, OnePassWithOneCharacterOfLookAheadAndOfGiveBack) {
  const MatchCase cases[] = {
      // Explicit letters and single jokers are checked against a regular expression on the
      // shipped dictionary; ä is no letter for "?" even when diacritics count, yet matches itself.
      {"?", "\xE4", false, "", kDiacritics},
      {"\xE4?", "\xE4t", true, "01"},
      // "@" and "^" run as far as they can, then give back one character they took.
      {"b@e", "boue", true, "0104"},
      {"b@ue", "boue", false},
      {"b@e", "be", true, "0102"},
      {"b^r", "brr", true, "0103"},
      {"b^r", "bar", false},
      {"@", "aie", true},
      {"@", "ai-e", false},
      {"^a", "a", true, "01"},
      // Never into a character the joker did not consume.
      {"a@a", "a", false},
      {"a@a", "aa", true, "0102"},
      {"a^a", "aa", true, "0102"},
      {"b@t", "bt", true, "0102"},
      // A "*" before a letter stops at its first occurrence; before the last letter of the
      // pattern, only at the word's last character.
      {"*e", "table", true, "05"},
      {"*e", "etape", true, "05"},
      {"*e", "tablier", false},
      {"*e", "mettre", true, "06"},  // a doubled letter does not stop it
      {"t*e", "terre", true, "0105"},
      {"*e*", "terre", true, "02"},
      {"*ab", "aab", false},          // a backtracking matcher would find it
      {"*ab", "cab", true, "0203"},
      {"*t", "appartement", true, "11"},
      // Before "§" or "!", "*" stops at the first plain vowel or consonant.
      {"*\xA7", "bijou", false},      // a backtracking matcher would find it
      {"*\xA7", "a", true},
      {"*!", "art", false},
      {"*!t", "art", true, "03"},
      {"*\xA7", "\xE9", false, "", kDiacritics},  // é is no plain vowel: the "*" runs over it
      // "Once": a joker never takes an explicit letter of the pattern.
      {"a@e", "aoe", true, "0103", kOnceMulti},
      {"a@e", "aee", false, "", kOnceMulti},
      {"a@e", "aee", true, "0103"},
      {"*e", "mettre", false, "", kOnceMulti},  // stops at the first e
      {"*e", "tente", false, "", kOnceMulti},
      {"*re", "titre", true, "0405", kOnceMulti},
  };
  for (const MatchCase& c : cases) {
    const FilterMatcher matcher(c.pattern, c.options);
    std::string marks;
    EXPECT_EQ(matcher.Matches(c.word, marks), c.matches) << c.pattern << " / " << c.word;
    if (c.matches) {
      EXPECT_EQ(marks, c.marks) << c.pattern << " / " << c.word;
    }
  }
}

}  // namespace
}  // namespace tavilo
