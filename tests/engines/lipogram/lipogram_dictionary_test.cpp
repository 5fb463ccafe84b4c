// The lipogram engine against a reference written from the definitions, on the shipped
// dictionary: for every letter and a few dozen letter sets, in every method, over the four
// tables. The reference tests the letters of each word one by one (does the folded word hold a
// forbidden letter, does it hold each obligatory one...) instead of building patterns.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engines/lipogram/lipogram.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using testing::ShippedTables;

constexpr std::string_view kAccented = "\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
constexpr std::string_view kVowels = "aeiouy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
constexpr std::string_view kConsonants = "bcdfghjklmnpqrstvwxz\xE7";

bool In(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// The definitions, letter by letter. `letters` is L as the tool reads it.
bool ReferenceAccepts(std::string_view word, const LipogramQuery& q, const std::string& letters) {
  // A character "is" a letter of L: the same character, or, when accents are not told apart,
  // a character whose standard fold is that letter.
  const auto same = [&](char c, char letter) { return c == letter || (!q.exactAccents && FoldStandard(c) == letter); };
  const auto isTyped = [&](char c) {
    return std::any_of(letters.begin(), letters.end(), [&](char letter) { return same(c, letter); });
  };
  if (q.method == LipogramMethod::Forbidden) {
    for (char c : word) {
      if (q.forbidAccented ? (In(letters, c) || In(kAccented, c)) : isTyped(c)) return false;
    }
    return true;
  }
  if (q.beauPresent) {
    return std::all_of(word.begin(), word.end(),
                       [&](char c) { return In(letters, q.exactAccents ? c : FoldStandard(c)); });
  }
  for (char letter : letters) {
    if (std::none_of(word.begin(), word.end(), [&](char c) { return same(c, letter); })) return false;
  }
  if (q.mono && letters.size() == 1) {
    const char letter = letters[0];
    const bool vowel = In(q.exactAccents ? kVowels : std::string_view("aeiouy"), letter);
    for (char c : word) {
      if (In(vowel ? kVowels : kConsonants, c) && !same(c, letter)) return false;
    }
  }
  return true;
}

std::map<int, std::vector<std::string>> Reference(const Lexicon& lexicon, const LipogramQuery& q) {
  const std::string letters = q.exactAccents ? ToLower(q.typed) : FoldStandard(ToLower(q.typed));
  const int syllables = q.reducedVocabulary ? 0 : q.syllables;
  std::map<int, std::vector<std::string>> lists;
  std::set<std::string_view> listed;  // a word of several rows is listed once
  for (const WordRow entry : lexicon.Domain(q.domain)) {
    if (syllables != 0 && entry.syllables != syllables) continue;
    if (q.reducedVocabulary && entry.marker == 0) continue;
    if (ReferenceAccepts(entry.spelling, q, letters) && listed.insert(entry.spelling).second)
      lists[entry.syllables].emplace_back(entry.spelling);
  }
  for (auto& [count, words] : lists) std::sort(words.begin(), words.end());
  return lists;
}

void Compare(const Lexicon& lexicon, const LipogramQuery& q, const std::string& what) {
  const Session session;
  const LipogramResult result = FindLipograms(lexicon, session, q);
  const auto expected = Reference(lexicon, q);
  std::map<int, std::vector<std::string>> actual;
  for (const auto& [count, list] : result.lists) {
    EXPECT_TRUE(std::is_sorted(list.Items().begin(), list.Items().end(), DisplayLess{})) << what;
    actual[count] = list.Items();
    std::sort(actual[count].begin(), actual[count].end());  // byte order, as the reference's
  }
  std::size_t total = 0;
  for (const auto& [count, words] : expected) total += words.size();
  EXPECT_EQ(result.count, total) << what;
  EXPECT_EQ(result.Accepted(), total > 0) << what;
  // The lists are far too long to print: only their sizes on failure.
  EXPECT_TRUE(actual == expected) << what << ": " << result.count << " words found, " << total << " expected";
}

struct Mode {
  const char* name;
  LipogramQuery query;
};

const Mode kModes[] = {
    {"interdites", {.typed = {}}},
    {"interdites, tous diacritiques", {.typed = {}, .forbidAccented = true}},
    {"interdites, diacritiques", {.typed = {}, .exactAccents = true}},
    {"obligatoires", {.typed = {}, .method = LipogramMethod::Obligatory}},
    {"obligatoires, diacritiques", {.typed = {}, .method = LipogramMethod::Obligatory, .exactAccents = true}},
    {"mono", {.typed = {}, .method = LipogramMethod::Obligatory, .mono = true}},
    {"mono, diacritiques", {.typed = {}, .method = LipogramMethod::Obligatory, .exactAccents = true, .mono = true}},
    {"beau present", {.typed = {}, .method = LipogramMethod::Obligatory, .beauPresent = true}},
    {"beau present, diacritiques", {.typed = {}, .method = LipogramMethod::Obligatory, .exactAccents = true, .beauPresent = true}},
};

// onlyExact: the letters fold to plain ones, which the other modes already read.
void CompareEverywhere(const Lexicon& lexicon, const std::string& letters, bool onlyExact = false) {
  for (const Mode& mode : kModes) {
    if (onlyExact && !mode.query.exactAccents) continue;
    for (const SearchDomain domain : kWordTableDomains) {
      LipogramQuery q = mode.query;
      q.typed = letters;
      q.syllables = 0;
      q.domain = domain;
      Compare(lexicon, q, "\xAB" + Cp1252ToUtf8(letters) + "\xBB " + mode.name + ", domain " + DomainShortName(domain));
    }
  }
}

TEST(LipogramDictionaryTest, EveryLetterInEveryMode) {
  const Lexicon& lexicon = ShippedTables();
  for (char c : std::string_view("abcdefghijklmnopqrstuvwxyz")) CompareEverywhere(lexicon, std::string(1, c));
  for (char c : kAccented) CompareEverywhere(lexicon, std::string(1, c), true);
}

TEST(LipogramDictionaryTest, LetterSetsInEveryMode) {
  const Lexicon& lexicon = ShippedTables();
  std::vector<std::string> sets = {"bdfghijklpqty", "aeiouy", "esartinulo", "eE\xE9", "Z\xE7", "zzz", "aeiouy" + std::string(kAccented)};
  std::mt19937 random(12);  // fixed: the same sets every run
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz" + std::string(kAccented);
  for (int i = 0; i < 24; ++i) {
    std::string letters;
    const int size = 2 + static_cast<int>(random() % 9);
    for (int k = 0; k < size; ++k) letters += alphabet[random() % alphabet.size()];
    sets.push_back(letters);
  }
  for (const std::string& letters : sets) CompareEverywhere(lexicon, letters);
}

TEST(LipogramDictionaryTest, SyllablesAndReducedVocabulary) {
  const Lexicon& lexicon = ShippedTables();
  for (int syllables = 1; syllables <= 4; ++syllables) {
    Compare(lexicon, {.typed = "e", .syllables = syllables}, "e, " + std::to_string(syllables) + " syllables");
    Compare(lexicon, {.typed = "e", .syllables = syllables, .reducedVocabulary = true},
            "e, reduced vocabulary over " + std::to_string(syllables));
  }
  Compare(lexicon, {.typed = "o", .method = LipogramMethod::Obligatory, .mono = true, .reducedVocabulary = true, .domain = SearchDomain::Verbs},
          "mono o, verbs, reduced");
  // Beau présent wins over mono.
  for (const SearchDomain domain : kWordTableDomains) {
    Compare(lexicon, {.typed = "e", .method = LipogramMethod::Obligatory, .mono = true, .beauPresent = true,
                      .syllables = 0, .domain = domain},
            "mono and beau present, domain " + std::string(DomainShortName(domain)));
  }
}

}  // namespace
}  // namespace tavilo
