// The rhyme engine against a naive reference on the shipped dictionary. The reference tests each
// word with plain string operations instead of patterns, and finds the rhyme's sound by trying the
// words in order; the engine must agree on the sound, on every word of every list, and on the
// refusals. The dictionary also teaches the sound a French reader expects for common endings.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/alignment.h"
#include "engines/rhyme/rhyme.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

bool IsProbeVowel(unsigned char c) {
  return c == ' ' || c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || (c >= 0xE0 && c <= 0xE4) ||
         (c >= 0xE8 && c <= 0xEB) || (c >= 0xEE && c <= 0xEF) || (c >= 0xF4 && c <= 0xF6) || (c >= 0xF9 && c <= 0xFC);
}

// The first word, nouns to adverbs, that spells the rhyme after a non-vowel and whose walk starts
// a phoneme where the rhyme starts.
std::string ReferenceSound(const Lexicon& lexicon, const std::string& rhyme) {
  for (const SearchDomain domain : kWordTableDomains) {
    for (const WordRow entry : lexicon.Domain(domain)) {
      const std::string_view s = entry.spelling;
      if (entry.phonetic.size() < 2 || s.size() <= rhyme.size() || !s.ends_with(rhyme)) continue;
      if (IsProbeVowel(static_cast<unsigned char>(s[s.size() - rhyme.size() - 1]))) continue;
      if (auto phonemes = PhonemesOfEnding(s, entry.phonetic, rhyme)) return *std::move(phonemes);
    }
  }
  return {};
}

// `sound` says whether the part is a sound, whose first a may also be the end of the code of
// "wa" (0), except at the start of the word.
bool StandsAt(std::string_view word, std::string_view part, RhymePosition position, bool sound = false) {
  const std::string inWa = sound && part.starts_with('a') ? "0" + std::string(part.substr(1)) : std::string(part);
  switch (position) {
    case RhymePosition::End: return word.ends_with(part) || word.ends_with(inWa);
    case RhymePosition::Start: return word.starts_with(part);
    case RhymePosition::Inside: {
      if (word.size() < part.size() + 2 || part.find(word.front()) != std::string::npos ||
          part.find(word.back()) != std::string::npos) {
        return false;
      }
      const std::string_view inner = word.substr(1, word.size() - 2);
      return inner.find(part) != std::string::npos || inner.find(inWa) != std::string::npos;
    }
  }
  return false;
}

// The words of each syllable count, in byte order.
std::map<int, std::vector<std::string>> ReferenceLists(const WordTable& table, const std::string& rhyme,
                                                        const std::string& sound, const RhymeQuery& query) {
  std::map<int, std::vector<std::string>> lists;
  std::set<std::string_view> listed;  // a word of two rows (two readings) is listed once
  for (const WordRow entry : table) {
    if (entry.syllables < 1 || entry.syllables > 9) continue;
    if (query.syllables != 0 && entry.syllables != query.syllables) continue;
    if (!StandsAt(entry.phonetic, sound, query.position, true)) continue;
    if (query.keepSpelling && !StandsAt(entry.spelling, rhyme, query.position)) continue;
    if (listed.insert(entry.spelling).second) lists[entry.syllables].emplace_back(entry.spelling);
  }
  for (auto& [count, words] : lists) std::sort(words.begin(), words.end());
  return lists;
}

std::map<int, std::vector<std::string>> EngineLists(const RhymeResult& result) {
  std::map<int, std::vector<std::string>> lists;
  for (int count = 1; count <= kRhymeMaxSyllables; ++count) {
    std::vector<std::string> words = result.lists[static_cast<std::size_t>(count - 1)].Items();
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end(), DisplayLess{}));
    std::sort(words.begin(), words.end());
    if (!words.empty()) lists[count] = std::move(words);
  }
  return lists;
}

TEST(RhymeDictionaryTest, EngineAgreesWithTheNaiveReference) {
  const Lexicon& lexicon = testing::ShippedTables();
  const std::string rhymes[] = {"age",  "on",   "ette", "eur", "tion", "ique", "oir", "ain", "\xE9",  "er",
                                "eau",  "ou",   "ille", "isme", "ance", "ant", "ier", "al",  "aire", "ude",
                                "eux",  "ose",  "if",   "ard", "ot",   "at",  "in",  "un",  "gne",  "oi",
                                "ure",  "phe",  "ment", "ble", "ix",   "ys",  "oux", "zz",  "qu",   "\xE8re"};
  const Session session;
  std::size_t searches = 0, found = 0, unknown = 0, nothing = 0;
  for (std::size_t r = 0; r < std::size(rhymes); ++r) {
    const std::string& rhyme = rhymes[r];
    const std::string sound = ReferenceSound(lexicon, rhyme);
    std::vector<RhymeQuery> queries;
    for (const SearchDomain domain : kWordTableDomains) queries.push_back({.typed = rhyme, .domain = domain});
    for (RhymePosition position : {RhymePosition::End, RhymePosition::Start, RhymePosition::Inside}) {
      for (bool keepSpelling : {false, true}) {
        queries.push_back({.typed = rhyme, .position = position, .keepSpelling = keepSpelling,
                           .domain = kWordTableDomains[r % 4]});
      }
    }
    queries.push_back({.typed = rhyme, .syllables = static_cast<int>(r % 4) + 1});

    for (const RhymeQuery& query : queries) {
      const RhymeResult result = FindRhymes(lexicon, session, query);
      const std::string what = rhyme + " position " + std::to_string(static_cast<int>(query.position)) +
                               (query.keepSpelling ? " graphie" : "") + " domain " + DomainShortName(query.domain) +
                               " syllables " + std::to_string(query.syllables);
      ++searches;
      if (sound.empty()) {
        EXPECT_EQ(result.refusal, RhymeRefusal::UnknownSound) << what;
        ++unknown;
        continue;
      }
      ASSERT_EQ(result.rhymePhonetic, sound) << what;
      const auto expected = ReferenceLists(lexicon.Domain(query.domain), rhyme, sound, query);
      EXPECT_EQ(EngineLists(result), expected) << what;
      std::size_t count = 0;
      for (const auto& [syllables, words] : expected) count += words.size();
      EXPECT_EQ(result.count, count) << what;
      EXPECT_EQ(result.refusal, count == 0 ? RhymeRefusal::NothingFound : RhymeRefusal::None) << what;
      if (count == 0) ++nothing;
      found += count;
    }
  }
  // The comparison means something only if most searches found words.
  EXPECT_GT(found, 10000u);
  EXPECT_LT(unknown + nothing, searches / 2) << unknown << " unknown sounds, " << nothing << " empty results";
}

TEST(RhymeDictionaryTest, CommonEndingsLearnTheExpectedSound) {
  const std::pair<const char*, const char*> endings[] = {
      {"ment", "m5"},  {"er", "2"},     {"ance", "5s"},  {"ence", "5s"},  {"tion", "s78"}, {"sion", "s78"},
      {"ette", "3t"},  {"age", "aj"},   {"eur", "1r"},   {"euse", "1z"},  {"oir", "0r"},   {"oire", "0r"},
      {"ure", "ur"},   {"ule", "ul"},   {"ise", "iz"},   {"ique", "ik"},  {"isme", "izm"}, {"iste", "ist"},
      {"able", "abl"}, {"ible", "ibl"}, {"esse", "3s"},  {"ade", "ad"},   {"\xE9" "e", "2"}, {"ier", "72"},
      {"i\xE8re", "73r"}, {"eau", "o"}, {"elle", "3l"},  {"ine", "in"},   {"ite", "it"},   {"it\xE9", "it2"},
      {"ou", "4"},     {"on", "8"},     {"in", "6"},     {"ain", "6"},    {"ais", "3"},    {"ait", "3"},
      {"ant", "5"},    {"ot", "o"},     {"at", "a"},     {"al", "al"},    {"ail", "a7"},   {"eil", "37"},
      {"oux", "4"},    {"eux", "1"},    {"aire", "3r"},  {"erie", "eri"},  {"ard", "ar"},   {"ose", "oz"},
      {"ole", "ol"},   {"euil", "17"},  {"ez", "2"},
  };
  const Session session;
  for (const auto& [ending, sound] : endings) {
    EXPECT_EQ(FindRhymes(testing::ShippedTables(), session, {.typed = ending}).rhymePhonetic, sound) << ending;
  }
}

TEST(RhymeDictionaryTest, NounsRhymeAsAFrenchReaderHearsThem) {
  const Session session;
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"age", "louage", true},  {"age", "rouage", true}, {"age", "tatouage", true},  // the a of the code of "wa"
      {"age", "\xE9" "chouage", true}, {"a", "roi", true}, {"ez", "nez", true},
      {"er", "kicker", false},  {"er", "putter", false}, {"er", "sampler", false},  // nouns read with eu
      {"er", "surfer", false},  {"er", "jogger", false}, {"er", "loser", false},  {"er", "aber", false},
      {"er", "boucher", true},
  };
  for (const auto& [rhyme, word, listed] : cases) {
    const RhymeResult result = FindRhymes(testing::ShippedTables(), session, {.typed = rhyme});
    bool found = false;
    for (const SortedStringList& list : result.lists) {
      const std::vector<std::string> items = list.Items();
      found |= std::find(items.begin(), items.end(), word) != items.end();
    }
    EXPECT_EQ(found, listed) << rhyme << " " << word;
  }
}

}  // namespace
}  // namespace tavilo
