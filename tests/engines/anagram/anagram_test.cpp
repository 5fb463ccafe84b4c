// The anagram engine on small word tables: what is read from the boxes, the manual pass and the
// candidates it leaves, and what the reference on the shipped dictionary cannot see of the group
// search (the cap, and a stop keeping the groups found in order). The references walk jokers too.
#include "engines/anagram/anagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {
namespace {

WordTable Table(TableKind kind, const std::vector<std::string>& words) {
  WordTable table(InfoOf(kind).capacity);
  for (const std::string& w : words) table.Append({w, w, 1, 1});
  return table;
}

// Tables and the index built from them (the index refers to the tables' spellings).
struct SmallDictionary {
  WordTable nouns, adjectives, verbs, functionWords, locutions;
  AnagramIndex index;

  explicit SmallDictionary(std::vector<std::string> nounWords, std::vector<std::string> otherWords = {})
      : nouns(Table(TableKind::Nouns, nounWords)),
        adjectives(Table(TableKind::Adjectives, {})),
        verbs(Table(TableKind::Verbs, {})),
        functionWords(Table(TableKind::FunctionWords, otherWords)),
        locutions(Table(TableKind::Locutions, {})),
        index(BuildAnagramIndex(nouns, adjectives, verbs, functionWords, locutions)) {}
};

AnagramQuery Query(std::string letters, int minWords, int maxWords, int minLength = 1) {
  AnagramQuery query;
  const AnagramLetters analysed = AnalyzeAnagramLetters(letters);
  query.lettersToSearch = analysed.lettersToSearch;
  query.jokerAny = analysed.jokerAny;
  query.jokerVowel = analysed.jokerVowel;
  query.jokerConsonant = analysed.jokerConsonant;
  query.settings.minWords = minWords;
  query.settings.maxWords = maxWords;
  query.settings.minLength = minLength;
  query.settings.maxLength = kMaxWordLength;
  return query;
}

// The manual pass then the group search over its candidates.
AutoResult Search(const SmallDictionary& dict, const AnagramQuery& query) {
  const ManualResult manual = ListCandidates(dict.index, query.lettersToSearch, AnagramLetters{});
  return SearchGroups(manual.candidates.View(), query);
}

TEST(AnagramInputTest, ReadsLettersJokersAndSeparators) {
  const struct {
    std::string typed;
    std::string accepted, entered, toSearch;
    int letters, any, vowel, consonant;
  } cases[] = {
      // Accents are kept in the entered text and folded in the letters to search.
      {"\xC9t\xE9", "\xE9t\xE9", "\xE9t\xE9", "ete", 3, 0, 0, 0},
      // Separators stay in the box but are not letters; digits and signs go.
      {"la vie-l'or 42.", "la vie-l'or ", "lavielor", "lavielor", 8, 0, 0, 0},
      // A joker needs two explicit letters before it.
      {"???ab?", "ab?", "ab?", "ab", 3, 1, 0, 0},
      {"ab\xA7!?x", "ab\xA7!?x", "ab\xA7!?x", "abx", 6, 1, 1, 1},
      // Fewer jokers than explicit letters plus 3: the sixth after two letters is dropped.
      {"ab??????", "ab?????", "ab?????", "ab", 7, 5, 0, 0},
  };
  for (const auto& c : cases) {
    const AnagramLetters got = AnalyzeAnagramLetters(c.typed);
    EXPECT_EQ(got.accepted, c.accepted) << c.typed;
    EXPECT_EQ(got.enteredText, c.entered) << c.typed;
    EXPECT_EQ(got.lettersToSearch, c.toSearch) << c.typed;
    EXPECT_EQ(got.letterCount, c.letters) << c.typed;
    EXPECT_EQ(got.jokerAny, c.any) << c.typed;
    EXPECT_EQ(got.jokerVowel, c.vowel) << c.typed;
    EXPECT_EQ(got.jokerConsonant, c.consonant) << c.typed;
  }
  EXPECT_EQ(SortLetters(AnalyzeAnagramLetters("\xE9t\xE9").lettersToSearch), "eet");
}

TEST(AnagramInputTest, TakesFiftyLettersAtMostAndJokersCountTwice) {
  EXPECT_EQ(AnalyzeAnagramLetters(std::string(51, 'a')).letterCount, 50);
  // 45 letters and 3 jokers weigh 51: the walk stopped before the third joker... and the rest.
  const AnagramLetters withJokers = AnalyzeAnagramLetters(std::string(45, 'a') + "???bb");
  EXPECT_EQ(withJokers.JokerTotal(), 3);
  EXPECT_EQ(withJokers.lettersToSearch, std::string(45, 'a'));
  // A prefix's analysis is a prefix of the whole's: how the dialog keeps the caret.
  const std::string typed = "a1b c?d";
  EXPECT_EQ(AnalyzeAnagramLetters(typed.substr(0, 3)).accepted, "ab");
}

TEST(AnagramInputTest, ImposedWordsTakeTheirLettersOut) {
  const struct {
    std::string field, letters;
    std::string shown, left, prefix;
    int words;
    bool elision;
  } cases[] = {
      {"L'\xC2ne", "lanelove", "l'ane", "love", "l'ane ", 2, true},
      // A letter the typed letters no longer hold is dropped from the field; spaces collapse.
      {"lolo  la", "lolla", "lol  la", "", "lol la ", 2, false},
      {"  ", "abc", "  ", "abc", "", 0, false},
      {"l'", "lit", "l'", "it", "l' ", 1, false},
      {"j'habite", "jhabite", "j'habite", "", "j'habite ", 2, true},
  };
  for (const auto& c : cases) {
    const ImposedWords got = AnalyzeImposedWords(c.field, c.letters);
    EXPECT_EQ(got.field, c.shown) << c.field;
    EXPECT_EQ(got.lettersToSearch, c.left) << c.field;
    EXPECT_EQ(got.prefix, c.prefix) << c.field;
    EXPECT_EQ(got.wordCount, c.words) << c.field;
    EXPECT_EQ(got.allowsElision, c.elision) << c.field;
  }
  EXPECT_EQ(ParseForbiddenWords(" L qu  \xC9t\xE9 jusqu a \xF4 "),
            (std::vector<std::string>{"l'", "qu'", "ete", "jusqu'", "a", "o"}));
}

TEST(AnagramInputTest, ValidationMessagesInOrder) {
  EXPECT_EQ(ValidateAnagramInput(0, 0), "Essayez quand m\xEAme d'entrer au moins 3 lettres !!!");
  EXPECT_EQ(ValidateAnagramInput(0, 2), "Il faut au moins une lettre explicite !!!");
  EXPECT_NE(ValidateAnagramInput(2, 0).find("\nIl faut au moins 3 lettres \xE0 chercher."), std::string::npos);
  EXPECT_EQ(ValidateAnagramInput(2, 1), "");
}

TEST(AnagramManualTest, ListsWordsWithTheirRestAndBuildsTheCandidates) {
  const SmallDictionary dict({"niche", "chien", "nice", "ciel", "elle", "ile", "hi", "lexique"});
  const AnagramLetters letters = AnalyzeAnagramLetters("chienl?!");
  const ManualResult manual = ListCandidates(dict.index, letters.lettersToSearch, letters);
  EXPECT_EQ(manual.sortedLetters, "cehiln");
  EXPECT_EQ(manual.byLength[5], (std::vector<std::string>{"chien [l?!]", "niche [l?!]"}));
  EXPECT_EQ(manual.byLength[4], (std::vector<std::string>{"ciel [hn?!]", "nice [hl?!]"}));
  // "elle" needs two l and two e: it does not fit; jokers never help a word fit.
  EXPECT_EQ(manual.byLength[3], (std::vector<std::string>{"ile [chn?!]"}));
  EXPECT_EQ(manual.byLength[2], (std::vector<std::string>{"hi [celn?!]"}));
  EXPECT_EQ(manual.count, 6);
  EXPECT_TRUE(manual.byLength[1].empty());

  // The candidates: the fitting words in index order, then the 12 short forms; LengthStart
  // gives the first row of each length.
  const CandidateTable& table = manual.candidates;
  ASSERT_EQ(table.rows.size(), 1u + 6 + 12);
  EXPECT_EQ(table.rows[1].key, "cehin");
  EXPECT_EQ(table.rows[7].word, "a");
  EXPECT_EQ(table.rows[18].word, "z");
  ASSERT_EQ(table.lengthStart.size(), 6u);
  EXPECT_EQ(table.lengthStart[5], 1);
  EXPECT_EQ(table.lengthStart[4], 3);
  EXPECT_EQ(table.lengthStart[2], 6);
  EXPECT_EQ(table.lengthStart[1], 7);
  EXPECT_TRUE(table.Covers("ceh"));
  EXPECT_FALSE(table.Covers("cehh"));

  const std::string block = WritePlainText(WriteManualBlock(manual));
  EXPECT_TRUE(block.starts_with(" Anagrammes\n 5 lettres :\nchien [l?!]\nniche [l?!]\n 4 lettres :\n")) << block;
  EXPECT_EQ(WritePlainText(WriteAnagramHeader("Manuel", "chienl?!", 8, false, 6, std::chrono::milliseconds(61500))),
            "    Niveau : Manuel    Lettres : chienl?!    Nombre : 8    Mots trouv\xC3\xA9s : 6    Temps : 1 min 1 s");
}

// An observer that says stop once it has seen a number of groups.
class StopAfterGroups : public AnagramObserver {
 public:
  explicit StopAfterGroups(int count) : count_(count) {}
  void OnGroup(const AnagramGroup&) override { ++seen_; }
  bool Yield() override { return seen_ < count_; }

 private:
  int count_, seen_ = 0;
};

// Sixteen letters and every pair of them as a word: millions of groups of eight words.
struct PairDictionary {
  std::vector<std::string> words;
  PairDictionary() {
    for (char a = 'a'; a <= 'p'; ++a)
      for (char b = static_cast<char>(a + 1); b <= 'p'; ++b) words.push_back(std::string{a, b});
  }
};

TEST(AnagramSearchTest, CapAndStop) {
  const SmallDictionary dict(PairDictionary().words);
  const AnagramQuery query = Query("abcdefghijklmnop", 8, 8, 2);
  const AutoResult capped = Search(dict, query);
  EXPECT_TRUE(capped.capped);
  EXPECT_EQ(capped.groups.size(), static_cast<std::size_t>(kAnagramMaxGroups));

  // Stopped: what was found is a prefix of the whole search, in the same order.
  StopAfterGroups stopper(5);
  const ManualResult manual = ListCandidates(dict.index, query.lettersToSearch, AnagramLetters{});
  const AutoResult stopped = SearchGroups(manual.candidates.View(), query, stopper);
  EXPECT_TRUE(stopped.stopped);
  ASSERT_EQ(stopped.groups.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(stopped.groups[i].words, capped.groups[i].words);
}

TEST(AnagramSettingsTest, DefaultsAndTheMaximumLengthCoupling) {
  const AnagramSettings s = DefaultAnagramSettings(13, 13, 0);
  EXPECT_EQ(s.level, 4);
  EXPECT_EQ(s.maxLength, 13);
  EXPECT_EQ(s.minWords, 1);
  EXPECT_EQ(s.maxWords, 4);
  EXPECT_EQ(DefaultAnagramSettings(19, 25, 1).level, 3);
  AnagramSettings coupled = s;
  coupled.maxLength = 30;
  CoupleMaxLength(coupled, 13, 9, 1);
  EXPECT_EQ(coupled.maxLength, 9);
  EXPECT_EQ(coupled.minWords, 3);  // one imposed word and two to hold 13 letters of 9 at most
  EXPECT_EQ(LevelForLetters(13), 4);
  EXPECT_EQ(LevelForLetters(14), 3);
  EXPECT_EQ(LevelForLetters(28), 2);
  EXPECT_EQ(LevelForLetters(29), 1);
}

}  // namespace
}  // namespace tavilo
