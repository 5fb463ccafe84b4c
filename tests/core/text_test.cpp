// The codec at the edges, the folds, the display order, the character-class pattern test and the
// French way of writing numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"

namespace tavilo {
namespace {

TEST(Codec, Utf8ToCp1252AtTheInputEdge) {
  struct Case {
    const char* utf8;
    std::string cp1252;
  };
  const Case cases[] = {
      {"chat", "chat"},
      {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9"},                 // été
      {"c\xC5\x93ur", "coeur"},                           // œ spelled out
      {"\xC5\x92uvre", "OEuvre"},
      {"\xC3\xA6on", "aeon"},
      {"\xC3\x86" "ON", "AEON"},
      {"aujourd\xE2\x80\x99hui", "aujourd'hui"},          // typographic apostrophe
      {"\xE2\x82\xAC", "\x80"},                           // € has a code
      {"\xC5\xA1", "\x9A"},                               // š
      {"\xE6\x97\xA5", std::string(1, kUnmappableChar)},  // 日 has none
      {"\xF0\x9F\x98\x80!", std::string(1, kUnmappableChar) + "!"},
      {"a\xFF" "b", "a" + std::string(1, kUnmappableChar) + "b"},  // malformed byte
      {"\xC3", std::string(1, kUnmappableChar)},                   // truncated sequence
      {"\xC0\xAF", std::string(2, kUnmappableChar)},               // overlong form
      {"\xEF\xBB\xBFmot", "mot"},                                  // byte order mark dropped
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

TEST(Codec, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  // œ (0x9C), Œ (0x8C) and ’ (0x92) are spelled out on the way in; every other byte comes back.
  std::string expected;
  for (char c : all) {
    switch (static_cast<unsigned char>(c)) {
      case 0x9C: expected += "oe"; break;
      case 0x8C: expected += "OE"; break;
      case 0xE6: expected += "ae"; break;
      case 0xC6: expected += "AE"; break;
      case 0x92: expected += '\''; break;
      default: expected += c;
    }
  }
  EXPECT_EQ(Utf8ToCp1252(utf8), expected);
}

TEST(Codec, Utf8Validity) {
  EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9"));
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));  // a real replacement character
  EXPECT_FALSE(IsValidUtf8("caf\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}

TEST(FrenchNumbers, ThousandsApartAndADecimalComma) {
  const struct {
    long long n;
    const char* written;
  } whole[] = {{0, "0"}, {999, "999"}, {1000, "1\xA0" "000"}, {32767, "32\xA0" "767"},
               {1234567, "1\xA0" "234\xA0" "567"}, {-15000, "-15\xA0" "000"},
               {std::numeric_limits<long long>::min(), "-9\xA0" "223\xA0" "372\xA0" "036\xA0" "854\xA0" "775\xA0" "808"}};
  for (const auto& c : whole) EXPECT_EQ(FrenchNumber(c.n), c.written) << c.n;
  const struct {
    double x;
    int decimals;
    const char* written;
  } decimal[] = {{0.1949, 2, "0,19"}, {92.909, 3, "92,909"}, {12345.26, 1, "12\xA0" "345,3"}, {-0.5, 1, "-0,5"},
                 {7.0, 0, "7"}};
  for (const auto& c : decimal) EXPECT_EQ(FrenchDecimal(c.x, c.decimals), c.written) << c.x;
}

TEST(Letters, CaseAndClasses) {
  EXPECT_EQ(ToLower("\xC9T\xC9 \xC0 NO\xCBL \x8C\x8A\x9F"), "\xE9t\xE9 \xE0 no\xEBl \x9C\x9A\xFF");
  EXPECT_EQ(ToUpper("\xE9t\xE9 \xFF \xF7"), "\xC9T\xC9 \x9F \xF7");
  EXPECT_TRUE(IsLetter(static_cast<unsigned char>('\xE9')));
  EXPECT_TRUE(IsLetter(static_cast<unsigned char>('\x9C')));
  EXPECT_FALSE(IsLetter(static_cast<unsigned char>('\xD7')));  // ×
  EXPECT_FALSE(IsLetter(static_cast<unsigned char>('\xF7')));  // ÷
  EXPECT_FALSE(IsLetter('\''));
  EXPECT_FALSE(IsLetter(static_cast<unsigned char>(kUnmappableChar)));
}

TEST(Folds, EachFoldTouchesOnlyItsLetters) {
  const std::string accented = "\xE0\xE2\xE4\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF6\xF9\xFB\xFC\xFF\xF1\x9C\xE6";
  EXPECT_EQ(FoldStandard(accented), "aa\xE4" "ceeeeiio\xF6uuu\xFF\xF1\x9C\xE6");
  EXPECT_EQ(FoldValidation(accented), "aa\xE4\xE7\xE8\xE9\xEA\xEBiio\xF6uuu\xFF\xF1\x9C\xE6");
  EXPECT_EQ(FoldAll(accented), "aaaceeeeiioouuuyn\x9C\xE6");
  EXPECT_EQ(FoldExceptCedilla(accented), "aa\xE4\xE7" "eeeeiio\xF6uuu\xFF\xF1\x9C\xE6");
  EXPECT_EQ(FoldStandard("C\xC9-l'a b"), "C\xC9-l'a b");  // capitals and signs untouched
}

TEST(DisplayOrder, FrenchDictionaryOrder) {
  // Each list is in the order people expect.
  const std::vector<std::vector<std::string>> orders = {
      {"a", "A", "\xE0", "abat", "abats"},
      {"cote", "cot\xE9", "c\xF4te", "c\xF4t\xE9"},
      {"ete", "\xE9t\xE9", "\xE9t\xE9s", "eu"},
      {"pomme", "pomme de terre", "pomme-de-pin", "pommeau"},
      {"l'eau", "la", "laid"},
      {"2CV", "a", "z"},
      {"arriv\xE9", "Arriv\xE9", "arriv\xE9" "e"},
      {"zoo", "\xDF"},
  };
  for (const auto& order : orders) {
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
      EXPECT_LT(CompareDisplay(order[i], order[i + 1]), 0) << Cp1252ToUtf8(order[i]) << " < " << Cp1252ToUtf8(order[i + 1]);
      EXPECT_GT(CompareDisplay(order[i + 1], order[i]), 0);
    }
  }
  EXPECT_EQ(CompareDisplay("m\xEAme", "m\xEAme"), 0);
}

// The packed sort orders strings exactly as CompareDisplay does, and CompareDisplay is a total
// order, on random strings over the characters that make the levels differ (accents, case, signs,
// digits, letters after z).
TEST(DisplaySortTest, ThePackedSortAgreesWithTheComparison) {
  const std::string alphabet = "aAeE\xE9\xC9\xE8\xEAoO\x9C\x8C" "c\xE7zZ\xDF\xF0 '-09?";
  std::mt19937 random(7);
  std::vector<std::string> words, longWords;
  for (int i = 0; i < 1500; ++i) {
    // Every other word has 7 to 20 characters and starts with a piece of an earlier long one, so
    // that many agree on a long prefix and differ anywhere, inside or past the twelve leading
    // characters SortForDisplay packs.
    std::string word;
    std::size_t size = random() % 5;
    if (i % 2) {
      size = 7 + random() % 14;
      const std::string earlier = longWords.empty() ? "" : longWords[random() % longWords.size()];
      word = earlier.substr(0, random() % (earlier.size() + 1));
    }
    while (word.size() < size) word += alphabet[random() % alphabet.size()];
    word.resize(size);
    if (i % 2) longWords.push_back(word);
    words.push_back(word);
  }
  for (const std::string& a : words) {
    for (const std::string& b : words) {
      const int compared = CompareDisplay(a, b);
      ASSERT_EQ(compared, -CompareDisplay(b, a)) << Cp1252ToUtf8(a) << " / " << Cp1252ToUtf8(b);
      ASSERT_EQ(compared == 0, a == b) << Cp1252ToUtf8(a) << " / " << Cp1252ToUtf8(b);
    }
  }
  std::vector<std::string> sorted = words;
  SortForDisplay(sorted);
  std::sort(words.begin(), words.end(), DisplayLess{});
  EXPECT_EQ(sorted, words);
}

// Items of equal spelling come in the order of the tie-breaker, whatever their place in the list;
// the spellings run past the twelve packed characters and often differ only after them.
TEST(DisplaySortTest, EqualSpellingsFollowTheTieBreaker) {
  std::mt19937 random(11);
  std::vector<std::pair<std::string, int>> items;
  for (int i = 0; i < 600; ++i) {
    std::string spelling(11 + random() % 3, 'a');
    spelling += "b\xE9" "B"[random() % 3];
    items.emplace_back(spelling, static_cast<int>(random() % 50));
  }
  auto expected = items;
  std::sort(expected.begin(), expected.end(), [](const auto& x, const auto& y) {
    const int order = CompareDisplay(x.first, y.first);
    return order != 0 ? order < 0 : x.second < y.second;
  });
  SortForDisplay(items, [](const auto& item) -> std::string_view { return item.first; },
                 [](const auto& x, const auto& y) { return x.second < y.second; });
  EXPECT_EQ(items, expected);
}

// A naive recursive matcher: the reference the fast one must agree with.
bool NaiveMatch(std::string_view t, std::string_view p) {
  if (p.empty()) return t.empty();
  if (p[0] == '*') return NaiveMatch(t, p.substr(1)) || (!t.empty() && NaiveMatch(t.substr(1), p));
  if (t.empty()) return false;
  if (p[0] == '?') return NaiveMatch(t.substr(1), p.substr(1));
  if (p[0] == '[') {
    std::size_t q = 1;
    bool negate = false;
    if (q < p.size() && p[q] == '!') negate = true, ++q;
    const std::size_t close = p.find(']', q + 1);
    if (close != std::string_view::npos) {
      bool in = false;
      for (std::size_t k = q; k < close; ++k) {
        if (k + 2 < close && p[k + 1] == '-') {
          in |= static_cast<unsigned char>(t[0]) >= static_cast<unsigned char>(p[k]) &&
                static_cast<unsigned char>(t[0]) <= static_cast<unsigned char>(p[k + 2]);
          k += 2;
        } else {
          in |= t[0] == p[k];
        }
      }
      return in != negate && NaiveMatch(t.substr(1), p.substr(close + 1));
    }
  }
  return t[0] == p[0] && NaiveMatch(t.substr(1), p.substr(1));
}

TEST(Pattern, Cases) {
  struct Case {
    const char* text;
    const char* pattern;
    bool match;
  };
  const Case cases[] = {
      // What the random comparison with the naive matcher never draws.
      {"\xE9t\xE9", "[\xE0-\xFC]t*", true},          // [à-ü] by code
      {"Zoo", "[A-z]*", true},
      {"ma rime", "*[! aeiou]rime", false},           // the space is in the class
      {"marime", "*[! aeiou]rime", false},
      {"crime", "*[! aeiou]rime", true},
      {"a[b", "a[b", true},                           // unclosed bracket is literal
      {"a]", "a]", true},
      {"x", "[]x]", true},                            // ']' first in a class is a member
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesPattern(c.text, c.pattern), c.match) << c.text << " ~ " << c.pattern;
  }
}

TEST(Pattern, AgreesWithNaiveMatcherOnRandomInputs) {
  std::mt19937 rng(42);
  const std::string textChars = "abc\xE9";
  const std::vector<std::string> pieces = {"a", "b", "?", "*", "[ab]", "[!a]", "[a-c]", "\xE9", "[!\xE0-\xFC]"};
  for (int i = 0; i < 3000; ++i) {
    std::string text, pattern;
    for (int k = static_cast<int>(rng() % 6); k > 0; --k) text += textChars[rng() % textChars.size()];
    for (int k = static_cast<int>(rng() % 5); k > 0; --k) pattern += pieces[rng() % pieces.size()];
    ASSERT_EQ(MatchesPattern(text, pattern), NaiveMatch(text, pattern)) << text << " ~ " << pattern;
  }
}

TEST(SortedList, KeepsDisplayOrderAndRemovesRepeats) {
  SortedStringList list;
  for (const char* w : {"rime", "Abri", "\xE9t\xE9", "ami", "rime", "ete"}) list.Add(w);
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Abri", "ami", "ete", "\xE9t\xE9", "rime", "rime"}));
  EXPECT_TRUE(list.Contains("ami"));
  EXPECT_FALSE(list.Contains("amis"));
  EXPECT_EQ(list.RemoveDuplicates(), 1u);
  list.RemoveAt(0);
  list.RemoveAt(99);  // out of range: ignored
  EXPECT_EQ(list.Count(), 4u);
  EXPECT_EQ(list[0], "ami");
}

TEST(TextHelpers, TrimAndForDisplay) {
  EXPECT_EQ(Trim("  a b \t"), "a b");
  EXPECT_EQ(Trim(" \t "), "");
  // Typed text shown in a message: controls and bad bytes escaped, cut after maxChars characters.
  const std::pair<std::string, std::string> shown[] = {
      {"\xC3\xA2ne \xE2\x86\x92", "\xC3\xA2ne \xE2\x86\x92"},
      {"a\x1B[2Jb\r\n", "a\\x1B[2Jb\\x0D\\x0A"},
      {"\xFF\xC3", "\\xFF\\xC3"},
      {"\xC2\x9B", "\\xC2\\x9B"},  // a C1 control
      {std::string(100, 'x'), std::string(80, 'x') + "\xE2\x80\xA6"},
  };
  for (const auto& [typed, expected] : shown) EXPECT_EQ(ForDisplay(typed), expected);
}

}  // namespace
}  // namespace tavilo
