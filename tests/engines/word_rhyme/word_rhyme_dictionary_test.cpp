// The rhymes of a word against a reference that follows the definition and nothing else, on the
// shipped dictionary and its frequency file: the same words, in the same sections, in the same
// order. The reference finds the rime with its own list of vowel sounds, compares every entry
// with plain string operations, and sorts with the display comparison rather than sort keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/word_rhyme/word_rhyme.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

const WordFrequencies& ShippedFrequencies() {
  static const FrequencyLoad load = LoadWordFrequencies(FindDataDirectory());
  if (load.error) ADD_FAILURE() << load.error->Message();
  return load.frequencies;
}

// The position of the last vowel sound, or npos.
std::size_t LastVowel(const std::string& phonetic) {
  return phonetic.find_last_of("012345689aeiou");
}

std::vector<const WordTable*> Tables(const Lexicon& lexicon, SearchDomain domain) {
  switch (domain) {
    case SearchDomain::Nouns: return {&lexicon.nouns};
    case SearchDomain::Adjectives: return {&lexicon.adjectives};
    case SearchDomain::Verbs: return {&lexicon.verbs};
    case SearchDomain::FunctionWords: return {&lexicon.functionWords};
    case SearchDomain::Locutions: return {&lexicon.locutions};
    default: return {&lexicon.nouns, &lexicon.adjectives, &lexicon.verbs, &lexicon.functionWords, &lexicon.locutions};
  }
}

// (richness, spelling) in the order the block shows them.
using Lines = std::vector<std::pair<int, std::string>>;

Lines Reference(const Lexicon& lexicon, const WordFrequencies& frequencies, const WordEntry& word,
                const WordRhymeQuery& query) {
  const std::size_t vowelAt = LastVowel(word.phonetic);
  const std::string rime = word.phonetic.substr(vowelAt);
  std::map<std::string, int> best;  // spelling -> richness (0: assonance)
  for (const WordTable* table : Tables(lexicon, query.domain)) {
    for (const WordRow row : *table) {
      const std::string phonetic(row.phonetic), spelling(row.spelling);
      if (query.syllables && row.syllables != query.syllables) continue;
      if (phonetic == word.phonetic || spelling == word.spelling) continue;
      int richness = -1;
      if (phonetic.size() >= rime.size() && phonetic.compare(phonetic.size() - rime.size(), rime.size(), rime) == 0) {
        richness = 0;
        while (richness < static_cast<int>(std::min(phonetic.size(), word.phonetic.size())) &&
               phonetic[phonetic.size() - 1 - richness] == word.phonetic[word.phonetic.size() - 1 - richness]) {
          ++richness;
        }
      } else if (query.assonances) {
        const std::size_t at = LastVowel(phonetic);
        if (at != std::string::npos && phonetic[at] == word.phonetic[vowelAt]) richness = 0;
      }
      if (richness < 0) continue;
      const auto [it, added] = best.emplace(spelling, richness);
      if (!added) it->second = std::max(it->second, richness);
    }
  }
  Lines lines;
  for (const auto& [spelling, richness] : best) lines.emplace_back(richness, spelling);
  std::sort(lines.begin(), lines.end(), [&](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first > b.first;
    const int fa = frequencies.Tenths(a.second), fb = frequencies.Tenths(b.second);
    if (fa != fb) return fa > fb;
    return CompareDisplay(a.second, b.second) < 0;
  });
  return lines;
}

TEST(WordRhymeDictionaryTest, EngineAgreesWithTheDefinition) {
  const Lexicon& lexicon = testing::ShippedTables();
  const WordFrequencies& frequencies = ShippedFrequencies();
  ASSERT_GT(frequencies.Size(), 0u);
  // Words ending in a vowel, in one or several consonants, with a yod, a locution, words with
  // several readings, a common sound (é) that ends thousands of entries.
  const std::vector<WordRhymeQuery> queries = {
      {.typed = "chanson"},
      {.typed = "amour", .assonances = true},
      {.typed = "orange", .assonances = true},
      {.typed = "arbre"},
      {.typed = "parler"},
      {.typed = "soleil", .syllables = 2},
      {.typed = "sac \xE0 dos", .domain = SearchDomain::Locutions},
      {.typed = "cadeau", .domain = SearchDomain::All},
      {.typed = "couvent", .reading = 2},
      {.typed = "fils", .assonances = true, .domain = SearchDomain::Nouns},
      {.typed = "brave", .domain = SearchDomain::Adjectives},
      {.typed = "nuit", .domain = SearchDomain::Verbs},
      {.typed = "toujours", .domain = SearchDomain::FunctionWords},
      {.typed = "poisson", .syllables = 3},
  };
  const Session session;
  std::size_t rich = 0, assonances = 0, severalReadings = 0;
  for (const WordRhymeQuery& query : queries) {
    const WordRhymeResult result = FindWordRhymes(lexicon, session, frequencies, query);
    ASSERT_TRUE(result.Accepted()) << query.typed << ": " << result.message;
    const WordEntry& reading = result.readings[static_cast<std::size_t>(query.reading - 1)];
    const Lines expected = Reference(lexicon, frequencies, reading, query);
    const Lines got = WordRhymeLines(result);
    EXPECT_EQ(got, expected) << query.typed;
    EXPECT_EQ(result.count, expected.size()) << query.typed;
    // Each section's sound is the end of the word's phonetic form (its last vowel for assonances).
    for (const WordRhymeSection& section : result.sections) {
      if (section.richness == 0) {
        EXPECT_EQ(section.sound, std::string(1, result.rime.front())) << query.typed;
        ++assonances;
      } else {
        EXPECT_TRUE(result.phonetic.ends_with(section.sound)) << query.typed;
        EXPECT_EQ(static_cast<int>(section.sound.size()), section.richness) << query.typed;
        if (section.richness >= kRichRhyme) ++rich;
      }
    }
    if (result.readings.size() > 1) ++severalReadings;
  }
  // The cases reach what they are meant to: rich rhymes, assonances, words of several readings.
  EXPECT_GT(rich, 5u);
  EXPECT_GT(assonances, 2u);
  EXPECT_GT(severalReadings, 1u);
}

// The lookup takes the first reading and offers the others, as the word command finds them.
TEST(WordRhymeDictionaryTest, ReadingsOfAWord) {
  const Lexicon& lexicon = testing::ShippedTables();
  const WordRhymeResult first = FindWordRhymes(lexicon, Session{}, ShippedFrequencies(), {.typed = "couvent"});
  ASSERT_TRUE(first.Accepted()) << first.message;
  ASSERT_EQ(first.readings.size(), 2u);
  EXPECT_EQ(first.phonetic, "k4v5");
  EXPECT_EQ(first.readings[1].phonetic, "k4v");
  // The homophones of the reading searched are never rhymes.
  for (const auto& [richness, spelling] : WordRhymeLines(first)) {
    EXPECT_NE(spelling, "couvant");
    EXPECT_NE(spelling, "couvents");
  }
}

}  // namespace
}  // namespace tavilo
