// The group search at level 4 against a reference written from the definition, on the shipped
// dictionary: a group is a multiset of candidate words (the dictionary words that fit, and the
// short forms) whose keys together are exactly the letters, within the bounds, without refused
// words, and passing the elision test. The reference finds them another way: the first letter
// left must belong to some word of the group, so it tries every word holding that letter, and
// gathers the groups in a set. The expectation is computed from the data at test time.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/lexicon.h"
#include "core/text.h"
#include "engines/anagram/anagram.h"

namespace tavilo {
namespace {

const Lexicon& Shipped() {
  static const std::unique_ptr<Lexicon> lexicon = [] {
    LexiconLoad load = LoadLexicon(FindDataDirectory());
    if (load.error) ADD_FAILURE() << load.error->Message();
    return std::move(load.lexicon);
  }();
  return *lexicon;
}

struct Case {
  const char* letters;
  int minWords, maxWords, minLength, maxLength;
  const char* imposed = "";
  const char* forbidden = "";
  bool noAcronyms = false;
};

// Takes `key` out of `rest` (both sorted); false when it is not there.
bool TakeOut(std::string& rest, std::string_view key) {
  std::string left;
  std::size_t k = 0;
  for (char c : rest) {
    if (k < key.size() && key[k] == c) ++k;
    else left += c;
  }
  if (k != key.size()) return false;
  rest = std::move(left);
  return true;
}

class Reference {
 public:
  Reference(const AnagramIndex& index, const Case& c, const ImposedWords& imposed)
      : c_(c), imposed_(imposed) {
    const std::vector<std::string> forbidden = ParseForbiddenWords(c.forbidden);
    const std::string letters = SortLetters(imposed.lettersToSearch);
    for (std::size_t r = 1; r < index.Size() && !index[r].key.empty(); ++r) {
      const AnagramRow& row = index[r];
      const int length = static_cast<int>(row.key.size());
      std::string rest = letters;
      if (length < c.minLength || length > c.maxLength || !TakeOut(rest, row.key)) continue;
      if (c.noAcronyms && row.word == ToUpper(row.word)) continue;
      if (std::find(forbidden.begin(), forbidden.end(), FoldStandard(ToLower(row.word))) != forbidden.end()) continue;
      words_.push_back(row);
    }
    maxFound_ = c.maxWords - imposed.wordCount;
    Find(letters, {});
  }

  const std::set<std::string>& Groups() const { return groups_; }

 private:
  void Find(const std::string& rest, std::vector<std::size_t> chosen) {
    if (rest.empty()) return Keep(chosen);
    if (static_cast<int>(chosen.size()) == maxFound_) return;
    for (std::size_t w = 0; w < words_.size(); ++w) {
      if (words_[w].key.find(rest[0]) == std::string_view::npos) continue;
      std::string left = rest;
      if (!TakeOut(left, words_[w].key)) continue;
      chosen.push_back(w);
      Find(left, chosen);
      chosen.pop_back();
    }
  }

  void Keep(std::vector<std::size_t> chosen) {
    const int count = static_cast<int>(chosen.size()) + imposed_.wordCount;
    if (count < c_.minWords || count > c_.maxWords) return;
    std::vector<std::string> words;
    bool elided = false, vowel = false;
    for (std::size_t w : chosen) {
      const std::string word(words_[w].word);
      if (words_[w].key.size() == 1 && std::string("ASYasy").find(word[0]) == std::string::npos) elided = true;
      if (std::string("AEHIOUYaehiouy\xE2\xE8\xE9\xEA\xEE\xF4").find(word[0]) != std::string::npos) vowel = true;
      words.push_back(word);
    }
    if (elided && !vowel && !imposed_.allowsElision) return;
    std::sort(words.begin(), words.end(), DisplayLess{});
    std::string line = imposed_.prefix;
    for (const std::string& w : words) line += w + " ";
    groups_.insert(line);
  }

  const Case& c_;
  const ImposedWords& imposed_;
  std::vector<AnagramRow> words_;
  int maxFound_ = 0;
  std::set<std::string> groups_;
};

AutoResult EngineGroups(const Lexicon& lexicon, const Case& c, const ImposedWords& imposed, int level) {
  const AnagramLetters letters = AnalyzeAnagramLetters(c.letters);
  const ManualResult manual = ListCandidates(lexicon.anagramIndex, imposed.lettersToSearch, letters);
  AnagramQuery query;
  query.lettersToSearch = imposed.lettersToSearch;
  query.imposed = imposed;
  query.settings = {c.minWords, c.maxWords, c.minLength, c.maxLength, level, c.noAcronyms, ParseForbiddenWords(c.forbidden)};
  return SearchGroups(manual.candidates.View(), query);
}

std::set<std::string> AsSet(const AutoResult& result) {
  std::set<std::string> groups;
  for (const AnagramGroup& g : result.groups) EXPECT_TRUE(groups.insert(g.words).second) << "twice: " << g.words;
  return groups;
}

// Among them: acronyms refused, an acronym forbidden in lower case, one-letter forms whose only
// vowel is an h, and an imposed elided form that lets the elided forms in.
const Case kCases[] = {
    {"orange", 1, 3, 1, 6},
    {"soleils", 1, 4, 1, 7},
    {"parisien", 1, 3, 2, 8},
    {"mangerais", 2, 3, 2, 9},
    {"fondateur", 1, 4, 1, 9, "", "", true},
    {"chevaliers", 1, 3, 1, 10, "", "les elles vhs"},
    {"tourdefrance", 2, 3, 3, 12},
    {"contrepeterie", 1, 3, 2, 13},
    {"la vie est belle", 1, 3, 2, 8, "le"},
    {"lesmiserables", 1, 3, 3, 13},
    {"ecoledesfemmes", 1, 3, 2, 14},
    {"voltaire", 1, 5, 1, 8, "l'o"},
};

TEST(AnagramDictionaryTest, LevelFourFindsExactlyTheGroupsOfTheDefinition) {
  const Lexicon& lexicon = Shipped();
  for (const Case& c : kCases) {
    const AnagramLetters letters = AnalyzeAnagramLetters(c.letters);
    const ImposedWords imposed = AnalyzeImposedWords(c.imposed, letters.lettersToSearch);
    const std::set<std::string> expected = Reference(lexicon.anagramIndex, c, imposed).Groups();
    const AutoResult result = EngineGroups(lexicon, c, imposed, 4);
    EXPECT_FALSE(result.capped) << c.letters;
    EXPECT_EQ(AsSet(result), expected) << c.letters;
    EXPECT_FALSE(expected.empty()) << c.letters << ": a case that finds nothing checks little";
  }
}

// An index of the words some letters can spell (what the command line builds) gives the manual
// pass and the candidate table of the whole index, row for row.
TEST(AnagramDictionaryTest, IndexOfTheSpellableWordsGivesTheSameManualPass) {
  const Lexicon& l = Shipped();
  const auto rows = [](const ManualResult& m) {
    std::vector<std::string> out;
    for (const AnagramRow& r : m.candidates.rows) out.push_back(std::string(r.word) + "/" + std::string(r.key) + "/" + std::to_string(r.code));
    return out;
  };
  for (const char* typed : {"contrepeterie", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx", "qwerty sncf", "\xE9t\xE9??"}) {
    const AnagramLetters letters = AnalyzeAnagramLetters(typed);
    const AnagramIndex within =
        BuildAnagramIndex(l.nouns, l.adjectives, l.verbs, l.functionWords, l.locutions, {}, letters.lettersToSearch);
    const ManualResult whole = ListCandidates(l.anagramIndex, letters.lettersToSearch, letters);
    const ManualResult part = ListCandidates(within, letters.lettersToSearch, letters);
    EXPECT_LT(within.Size(), l.anagramIndex.Size()) << typed;
    EXPECT_EQ(part.byLength, whole.byLength) << typed;
    EXPECT_EQ(rows(part), rows(whole)) << typed;
    EXPECT_EQ(part.candidates.lengthStart, whole.candidates.lengthStart) << typed;
  }
}

// The lower levels give up groups on purpose: never one that level 4 does not find, fewer than
// level 4 on a long search, and the J-depth jumps of levels 1 and 2 change what level 3 finds.
TEST(AnagramDictionaryTest, LowerLevelsFindPartOfLevelFour) {
  const Lexicon& lexicon = Shipped();
  const Case c{"tourdefrance", 1, 5, 2, 12};
  const ImposedWords imposed = AnalyzeImposedWords("", c.letters);
  const AutoResult full = EngineGroups(lexicon, c, imposed, 4);
  ASSERT_FALSE(full.capped);
  const std::set<std::string> all = AsSet(full);
  std::set<std::set<std::string>> distinct;
  for (int level = 1; level <= 3; ++level) {
    const std::set<std::string> part = AsSet(EngineGroups(lexicon, c, imposed, level));
    EXPECT_TRUE(std::includes(all.begin(), all.end(), part.begin(), part.end())) << "level " << level;
    EXPECT_LT(part.size(), all.size()) << "level " << level;
    EXPECT_FALSE(part.empty()) << "level " << level;
    distinct.insert(part);
  }
  EXPECT_GT(distinct.size(), 1u);
}

}  // namespace
}  // namespace tavilo
