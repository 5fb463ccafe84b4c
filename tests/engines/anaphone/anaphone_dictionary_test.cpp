// The anaphone engine against a brute-force reference on the shipped dictionary: for a few dozen
// words, every single word and every ordered pair of rows of the four tables whose phonemes,
// put together and sorted, are the word's, under the same syllable bound and with the first word
// holding at least half of the phonemes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/anagram_index.h"
#include "core/validation.h"
#include "engines/anaphone/anaphone.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using testing::ShippedTables;

bool IsPlain(std::string_view word) {
  return word.size() >= 2 && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// Words of every phoneme count from 2 to 14, spread over the nouns, adjectives and verbs, chosen
// from whatever the data holds.
std::vector<std::string> SampleWords(const Lexicon& lexicon) {
  std::vector<std::string> words;
  for (std::size_t length = 2; length <= 14; ++length) {
    int taken = 0;
    for (TableKind kind : {TableKind::Nouns, TableKind::Verbs, TableKind::Adjectives}) {
      const WordTable& table = lexicon.Table(kind);
      for (std::size_t i = length * 97 % 500; i < table.Size() && taken < 3; i += 211) {
        const WordRow entry = table[i];
        if (entry.phonetic.size() == length && IsPlain(entry.spelling)) {
          words.emplace_back(entry.spelling);
          ++taken;
          break;
        }
      }
    }
  }
  // Words with many anaphones (short, common sounds), and words with a pair whose second word has
  // as many syllables as the bound allows ("pair / outil", "pinte / ajout").
  for (const char* word :
       {"rame", "ressac", "porte", "cire", "sel", "image", "marin", "amour", "pirouette", "pointage"}) {
    words.push_back(word);
  }
  return words;
}

struct Expected {
  std::map<std::size_t, std::vector<std::string>> lists;
  std::size_t count = 0;
  bool known = false;
};

Expected Reference(const Lexicon& lexicon, const std::string& typed) {
  Expected expected;
  InputWordState state;
  state.inputWord = typed;
  if (!ValidateInputWord(lexicon, {.anaphoneTool = true}, state).accepted) return expected;
  expected.known = true;
  const int bound = std::max<int>(state.inputSyllables, 2);
  const std::string key = SortLetters(state.inputPhonetic);
  // The rows whose phonemes are all among the word's (a part of any answer), in table order.
  std::vector<WordRow> parts;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) {
      if (entry.syllables > bound || entry.phonetic.empty() || entry.phonetic.size() > key.size()) continue;
      const std::string sorted = SortLetters(entry.phonetic);
      if (std::includes(key.begin(), key.end(), sorted.begin(), sorted.end())) parts.push_back(entry);
    }
  }
  for (const WordRow first : parts) {
    const std::size_t n = first.phonetic.size();
    if (n == key.size()) {
      expected.lists[n].emplace_back(first.spelling);
      continue;
    }
    if (2 * n < key.size()) continue;
    for (const WordRow second : parts) {
      if (SortLetters(std::string(first.phonetic).append(second.phonetic)) == key) {
        expected.lists[n].push_back(std::string(first.spelling).append(" / ").append(second.spelling));
      }
    }
  }
  for (auto& [n, items] : expected.lists) {
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    std::erase(items, state.inputWord);
    expected.count += items.size();
  }
  std::erase_if(expected.lists, [](const auto& list) { return list.second.empty(); });
  return expected;
}

TEST(AnaphoneDictionaryTest, EngineAgreesWithTheBruteForceReference) {
  const Lexicon& lexicon = ShippedTables();
  const std::vector<std::string> words = SampleWords(lexicon);
  ASSERT_GE(words.size(), 30u);
  std::size_t withPairs = 0;
  for (const std::string& word : words) {
    const Expected expected = Reference(lexicon, word);
    const AnaphoneResult result = FindAnaphones(lexicon, {word});
    if (!expected.known) {
      EXPECT_EQ(result.refusal, AnaphoneRefusal::Unknown) << word;
      continue;
    }
    EXPECT_EQ(result.count, expected.count) << word;
    EXPECT_EQ(result.Accepted(), expected.count > 0) << word;
    std::map<std::size_t, std::vector<std::string>> actual;
    for (std::size_t n = 1; n < result.lists.size(); ++n) {
      if (result.lists[n].Empty()) continue;
      EXPECT_TRUE(std::is_sorted(result.lists[n].Items().begin(), result.lists[n].Items().end(), DisplayLess{}));
      actual[n] = result.lists[n].Items();
      std::sort(actual[n].begin(), actual[n].end());
      if (n < result.PhonemeCount()) ++withPairs;
    }
    EXPECT_EQ(actual, expected.lists) << word;
  }
  EXPECT_GT(withPairs, 0u) << "no sample word had a pair: the comparison says little";
}

}  // namespace
}  // namespace tavilo
