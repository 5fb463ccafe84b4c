// The filtered-words search against std::regex on the shipped dictionary, for a few hundred
// seeded random patterns of the kind where a one-pass matcher and a backtracking one must agree:
// explicit letters and single jokers, optionally followed by one final "*". The reference builds
// a regular expression from the pattern's definition, applies the word filters itself and scans
// the tables in the search's order; the engine must keep the same rows in the same order and
// mark the same letters. Nothing here depends on what today's data holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/lexicon.h"
#include "core/text.h"
#include "engines/filter/filter.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

const std::string kPlainVowels = "aeiouy";
const std::string kPlainConsonants = "bcdfghjklmnpqrstvwxz";
const std::string kAccentedVowels = "\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
const std::string kCedilla = "\xE7";

bool IsJoker(char c) { return c == '?' || c == '!' || c == '\xA7' || c == '*'; }
bool Holds(const std::string& s, char c) { return s.find(c) != std::string::npos; }

// A bracket expression listing `members` but the explicit letters when `once`; one that matches
// nothing when none is left.
std::string Bracket(std::string members, const std::string& explicitLetters, bool once) {
  if (once) std::erase_if(members, [&](char c) { return explicitLetters.find(c) != std::string::npos; });
  return members.empty() ? "(?!)" : "[" + members + "]";
}

std::regex ReferenceRegex(const std::string& pattern, const MatchOptions& options) {
  std::string explicitLetters;
  for (char c : pattern) {
    if (!IsJoker(c)) explicitLetters += c;
  }
  const std::string vowels = kPlainVowels + (options.distinguishDiacritics ? kAccentedVowels : "");
  const std::string consonants = kPlainConsonants + (options.distinguishDiacritics ? kCedilla : "");
  std::string re;
  for (char c : pattern) {
    switch (c) {
      case '?': re += Bracket(vowels + consonants, explicitLetters, options.onceSingle); break;
      case '!': re += Bracket(consonants, explicitLetters, options.onceSingle); break;
      case '\xA7': re += Bracket(vowels, explicitLetters, options.onceSingle); break;
      case '*': re += Bracket(vowels + consonants, explicitLetters, options.onceMulti) + "*"; break;
      default: re += c; break;
    }
  }
  return std::regex(re);
}

// A pattern drawn from a random word (so that it finds something): each character kept, or
// replaced by the single joker of its class; sometimes cut and closed by "*".
FilterQuery RandomQuery(std::mt19937& rng, const std::vector<WordRow>& words) {
  const auto chance = [&](double p) { return std::uniform_real_distribution<>(0, 1)(rng) < p; };
  FilterQuery query;
  const std::string word = FoldStandard(words[rng() % words.size()].spelling);
  std::size_t keep = word.size();
  const bool star = chance(0.4);
  if (star) keep = 1 + rng() % word.size();
  for (std::size_t i = 0; i < keep; ++i) {
    const char c = word[i];
    if (chance(0.55)) {
      query.pattern += c;
    } else if (chance(0.4)) {
      query.pattern += '?';
    } else {
      query.pattern += Holds(kPlainVowels, c) ? '\xA7' : Holds(kPlainConsonants, c) ? '!' : '?';
    }
  }
  if (star) query.pattern += '*';
  query.distinguishDiacritics = chance(0.3);
  query.onceSingle = chance(0.3);
  query.onceMulti = chance(0.3);
  query.heterogram = chance(0.15);
  if (chance(0.2)) query.maxSyllables = 1 + static_cast<int>(rng() % 4);
  else if (star && chance(0.3)) query.maxLetters = 2 + static_cast<int>(rng() % 10);
  query.domain = static_cast<SearchDomain>(rng() % 5);  // All to FunctionWords
  return query;
}

// The rows the search must keep, in scan order, by the definition of each filter.
std::vector<WordRow> Reference(const Lexicon& lexicon, const FilterResult& searched, const FilterQuery& query) {
  const std::regex re = ReferenceRegex(searched.pattern, searched.matchOptions);
  const PatternAnalysis& a = searched.analysis;
  std::vector<const WordTable*> tables;
  const auto wants = [&](SearchDomain d) { return query.domain == SearchDomain::All || query.domain == d; };
  if (wants(SearchDomain::Nouns)) tables = {&lexicon.nouns, &lexicon.locutions};
  if (wants(SearchDomain::Adjectives)) tables.push_back(&lexicon.adjectives);
  if (wants(SearchDomain::Verbs)) tables.push_back(&lexicon.verbs);
  if (wants(SearchDomain::FunctionWords)) tables.push_back(&lexicon.functionWords);

  // A limit below the pattern's length is raised to it; without a multi joker, it is that length.
  const std::size_t minimum = static_cast<std::size_t>(a.MinimumLength());
  const std::size_t limit = !a.HasMultiJoker() ? minimum
                            : query.maxLetters == 0 ? 0
                                                    : std::max(static_cast<std::size_t>(query.maxLetters), minimum);
  std::vector<WordRow> found;
  std::set<std::string_view> listed;  // a word of several tables is listed once
  for (const WordTable* table : tables) {
    for (const WordRow entry : *table) {
      const std::size_t length = entry.spelling.size();
      if (length < minimum || (limit != 0 && length > limit)) continue;
      if (query.maxSyllables > 0 && entry.syllables > query.maxSyllables) continue;
      std::string word = ToLower(entry.spelling);
      if (!searched.matchOptions.distinguishDiacritics) word = FoldStandard(word);
      if (searched.heterogram && std::set<char>(word.begin(), word.end()).size() != word.size()) continue;
      if (std::regex_match(word, re) && listed.insert(entry.spelling).second) found.push_back(entry);
    }
  }
  if (found.size() > kFilterMatchCap) found.resize(kFilterMatchCap);
  return found;
}

TEST(FilterDictionary, AgreesWithARegularExpressionWhereBothLanguagesAgree) {
  const Lexicon& lexicon = testing::ShippedTables();
  std::vector<WordRow> words;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) {
      const std::string folded = FoldStandard(entry.spelling);
      if (std::all_of(folded.begin(), folded.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
        words.push_back(entry);
      }
    }
  }
  ASSERT_FALSE(words.empty());

  std::mt19937 rng(20261205);
  const Session session;
  int compared = 0, withWords = 0;
  for (int i = 0; i < 400; ++i) {
    const FilterQuery query = RandomQuery(rng, words);
    const FilterResult result = FindFilteredWords(lexicon, session, query);
    // The canonical form may differ ("?*" is "*"); then the pattern is of another kind.
    if (result.analysis.pattern != query.pattern || result.refusal == FilterRefusal::TooShort) continue;
    ++compared;
    const std::vector<WordRow> expected = Reference(lexicon, result, query);
    std::vector<std::string> expectedSpellings, keptSpellings;
    for (const WordRow entry : expected) expectedSpellings.emplace_back(entry.spelling);
    for (const WordRow entry : result.kept) keptSpellings.emplace_back(entry.spelling);
    ASSERT_EQ(keptSpellings, expectedSpellings) << "pattern " << query.pattern << " distinguish "
                                                << result.matchOptions.distinguishDiacritics << " once "
                                                << result.matchOptions.onceSingle << result.matchOptions.onceMulti
                                                << " heterogram " << result.heterogram;
    if (!expected.empty()) ++withWords;
    EXPECT_EQ(result.count, expected.size());

    // Every explicit letter stands at its own place in the word.
    std::string marks;
    for (std::size_t p = 0; p < result.pattern.size(); ++p) {
      if (!IsJoker(result.pattern[p])) marks += (p < 9 ? "0" : "") + std::to_string(p + 1);
    }
    for (const std::vector<FilterEntry>& group : result.byLength) {
      for (const FilterEntry& entry : group) ASSERT_EQ(entry.marks, marks) << query.pattern << " " << entry.spelling;
      // Each length group in display order.
      ASSERT_TRUE(std::is_sorted(group.begin(), group.end(), [](const FilterEntry& x, const FilterEntry& y) {
        return CompareDisplay(x.spelling, y.spelling) < 0;
      })) << query.pattern;
    }
  }
  EXPECT_GT(compared, 300);
  EXPECT_GT(withWords, compared / 3);
}

}  // namespace
}  // namespace tavilo
