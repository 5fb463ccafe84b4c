// The lipogram engine on a small lexicon: the behaviours of each option that are easy to get
// wrong, the exact monovocalism patterns, the refusals, the header, the block and the kept list.
#include "engines/lipogram/lipogram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

std::vector<std::string> AllWords(const LipogramResult& result) {
  std::vector<std::string> words;
  for (const auto& [count, list] : result.lists) words.insert(words.end(), list.Items().begin(), list.Items().end());
  return words;
}

bool Lists(const LipogramResult& result, const std::string& word) {
  const auto words = AllWords(result);
  return std::find(words.begin(), words.end(), word) != words.end();
}

class LipogramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.Add(TableKind::Nouns, {
                                       {"\xE9t\xE9", "ete", 2, 1},     // été
                                       {"m\xE8re", "m3r", 1, 1},       // mère
                                       {"bateau", "bato", 2, 1},
                                       {"bal", "bal", 1, 1},
                                       {"banal", "banal", 2, 0},
                                       {"banale", "banal", 2, 0},
                                       {"ananas", "anana", 3, 0},
                                       {"abricot", "abriko", 3, 1},
                                       {"chat", "Sa", 1, 1},
                                       {"gar\xE7on", "gars8", 2, 1},  // garçon
                                       {"mot", "mo", 1, 0},
                                   });
    lexicon_ = fixture_.Load();
  }

  LipogramResult Find(LipogramQuery query) { return FindLipograms(*lexicon_, session_, query); }

  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  Session session_;
};

TEST_F(LipogramTest, OptionsDecideWhichWordsPass) {
  struct Case {
    const char* what;
    LipogramQuery query;
    const char* word;
    bool listed;
  };
  using M = LipogramMethod;
  const Case cases[] = {
      {"e forbids its accented forms", {.typed = "e", .syllables = 0}, "\xE9t\xE9", false},
      {"exact accents forbid only e", {.typed = "e", .exactAccents = true, .syllables = 0}, "\xE9t\xE9", true},
      {"an accented letter typed is folded", {.typed = "\xE9", .syllables = 0}, "m\xE8re", false},
      {"every accented letter forbidden", {.typed = "a", .forbidAccented = true, .syllables = 0}, "m\xE8re", false},
      {"without it mère has no a", {.typed = "a", .syllables = 0}, "m\xE8re", true},
      {"c forbids the cedilla", {.typed = "c", .syllables = 0}, "gar\xE7on", false},
      {"upper case typed counts", {.typed = "T", .syllables = 0}, "chat", false},
      {"obligatory ae keeps bateau", {.typed = "ae", .method = M::Obligatory, .syllables = 0}, "bateau", true},
      {"obligatory ae drops bal", {.typed = "ae", .method = M::Obligatory, .syllables = 0}, "bal", false},
      {"obligatory e finds é", {.typed = "e", .method = M::Obligatory, .syllables = 0}, "\xE9t\xE9", true},
      {"exact obligatory e misses é",
       {.typed = "e", .method = M::Obligatory, .exactAccents = true, .syllables = 0}, "\xE9t\xE9", false},
      {"mono a keeps banal", {.typed = "a", .method = M::Obligatory, .mono = true, .syllables = 0}, "banal", true},
      {"mono a rejects banale",
       {.typed = "a", .method = M::Obligatory, .mono = true, .syllables = 0}, "banale", false},
      {"mono with two letters is plain obligatory",
       {.typed = "ab", .method = M::Obligatory, .mono = true, .syllables = 0}, "banale", true},
      {"mono e accepts été", {.typed = "e", .method = M::Obligatory, .mono = true, .syllables = 0}, "\xE9t\xE9", true},
      {"mono consonant n rejects banal (b, l)",
       {.typed = "n", .method = M::Obligatory, .mono = true, .syllables = 0}, "banal", false},
      {"beau présent: only the letters, not all of them",
       {.typed = "abnls", .method = M::Obligatory, .beauPresent = true, .syllables = 0}, "bal", true},
      {"beau présent ignores the obligatory test",
       {.typed = "abnlsx", .method = M::Obligatory, .beauPresent = true, .syllables = 0}, "ananas", true},
      {"beau présent folds the word", {.typed = "et", .method = M::Obligatory, .beauPresent = true, .syllables = 0},
       "\xE9t\xE9", true},
      {"exact beau présent does not",
       {.typed = "et", .method = M::Obligatory, .exactAccents = true, .beauPresent = true, .syllables = 0},
       "\xE9t\xE9", false},
      {"beau présent and mono together: beau présent",
       {.typed = "abnl", .method = M::Obligatory, .mono = true, .beauPresent = true, .syllables = 0}, "banal", true},
      {"2 syllables never lists 3", {.typed = "z", .syllables = 2}, "abricot", false},
      {"2 syllables lists 2", {.typed = "z", .syllables = 2}, "bateau", true},
      {"reduced vocabulary drops marker 0", {.typed = "z", .reducedVocabulary = true}, "mot", false},
      {"reduced vocabulary reads every syllable count", {.typed = "z", .reducedVocabulary = true}, "bal", true},
  };
  for (const Case& c : cases) {
    const LipogramResult result = Find(c.query);
    EXPECT_EQ(Lists(result, c.word), c.listed) << c.what;
  }
}

TEST_F(LipogramTest, Patterns) {
  const LipogramResult forbidden = Find({.typed = "Ace", .syllables = 0});
  EXPECT_EQ(forbidden.letters, "ace");
  EXPECT_EQ(forbidden.forbiddenPattern, "*[ace\xE0\xE2\xE7\xE8-\xEB]*");
  EXPECT_EQ(Find({.typed = "bo", .forbidAccented = true}).forbiddenPattern,
            "*[bo\xE0\xE2\xE7\xE8-\xEB\xEE\xEF\xF4\xF9\xFB\xFC]*");
  EXPECT_EQ(Find({.typed = "\xE9u", .exactAccents = true}).forbiddenPattern, "*[\xE9u]*");
  const LipogramResult obligatory = Find({.typed = "ub", .method = LipogramMethod::Obligatory});
  EXPECT_EQ(obligatory.obligatoryPatterns, (std::vector<std::string>{"*[u\xF9\xFB\xFC]*", "*[b]*"}));
  EXPECT_EQ(Find({.typed = "abn", .method = LipogramMethod::Obligatory, .beauPresent = true}).beauPresentClass, "[abn]");
}

TEST_F(LipogramTest, MonoPatterns) {
  const struct {
    const char* letter;
    bool exact;
    const char* pattern;
  } cases[] = {
      {"a", false, "*[eiouy\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC]*"},
      {"e", false, "*[aiouy\xE0\xE2\xEE\xEF\xF4\xF9\xFB\xFC]*"},
      {"i", false, "*[aeouy\xE0\xE2\xE8\xE9\xEA\xEB\xF4\xF9\xFB\xFC]*"},
      {"o", false, "*[aeiuy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF9\xFB\xFC]*"},
      {"u", false, "*[aeioy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4]*"},
      {"y", false, "*[aeiou\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC]*"},
      {"\xE9", false, "*[aiouy\xE0\xE2\xEE\xEF\xF4\xF9\xFB\xFC]*"},  // é typed is e
      {"c", false, "*[bdfghjklmnpqrstvwxz]*"},
      {"t", false, "*[bcdfghjklmnpqrsvwxz\xE7]*"},
      {"a", true, "*[eiouy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC]*"},
      {"\xE9", true, "*[aeiouy\xE0\xE2\xE8\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC]*"},
      {"c", true, "*[bdfghjklmnpqrstvwxz\xE7]*"},
      {"\xE7", true, "*[bcdfghjklmnpqrstvwxz]*"},
  };
  for (const auto& c : cases) {
    const LipogramResult result = Find(
        {.typed = c.letter, .method = LipogramMethod::Obligatory, .exactAccents = c.exact, .mono = true});
    EXPECT_EQ(result.monoPattern, c.pattern) << c.letter << (c.exact ? " exact" : "");
  }
}

TEST_F(LipogramTest, Refusals) {
  const LipogramResult empty = Find({.typed = ""});
  EXPECT_EQ(empty.refusal, LipogramRefusal::Empty);
  EXPECT_EQ(empty.message, "Essayez quand m\xEAme d'entrer au moins une lettre !!!");
  const LipogramResult sign = Find({.typed = "a b"});
  EXPECT_EQ(sign.refusal, LipogramRefusal::Sign);
  EXPECT_EQ(sign.message, "Impossible avec \xAB   \xBB. Utilisez seulement l'alphabet !!!");
  // Letters outside the list: an accent the tool does not know, an upper-case accented letter.
  EXPECT_EQ(Find({.typed = "\xE4"}).refusal, LipogramRefusal::Sign);
  EXPECT_EQ(Find({.typed = "\xC9"}).refusal, LipogramRefusal::Sign);
  const LipogramResult none = Find({.typed = "abcdefghijklmnopqrstuvwxyz", .syllables = 0});
  EXPECT_EQ(none.refusal, LipogramRefusal::NothingFound);
  EXPECT_EQ(none.message,
            "D\xE9sol\xE9, avec les lettres \xAB abcdefghijklmnopqrstuvwxyz \xBB il n'y a aucun mot possible !!!\n"
            "Choisissez d'autres lettres.");
}

TEST_F(LipogramTest, HeaderAndBlock) {
  const LipogramResult result = Find({.typed = "E", .syllables = 0});
  ASSERT_TRUE(result.Accepted());
  EXPECT_EQ(WritePlainText(WriteLipogramHeader(result)),
            " Lipogrammes     Lettres interdites : e     Domaine : Noms     Syllabes : Toutes     Mots : 7");
  const std::string dashes(185, '-');
  EXPECT_EQ(WritePlainText(WriteLipogramBlock(result)),
            " 1 syllabe :\n\tbal\tchat\tmot\n" + dashes + "\n 2 syllabes :\n\tbanal\tgar\xC3\xA7on\n" + dashes +
                "\n 3 syllabes :\n\tabricot\tananas\n" + dashes + "\n");
  // Only "mère" is left: è is not é.
  const LipogramResult one = Find({.typed = "abcdfghijklnopqsuvwxyz\xE9", .exactAccents = true, .syllables = 0});
  EXPECT_EQ(WritePlainText(WriteLipogramHeader(one)),
            " Lipogrammes     Lettres interdites : abcdfghijklnopqsuvwxyz\xC3\xA9     Domaine : Noms     "
            "Syllabes : Toutes     Mot : 1");
}

TEST_F(LipogramTest, KeptList) {
  session_.StartResultList(" rimes");
  session_.resultList.Append({"vieux", "vj2", 1, 0});
  // Not kept: the list stays.
  KeepLipogramResult(Find({.typed = "e", .syllables = 0}), session_);
  EXPECT_EQ(session_.resultList.Size(), 1u);
  // Kept: the accepted rows in table order.
  KeepLipogramResult(Find({.typed = "e", .syllables = 0, .keepAsNewList = true}), session_);
  EXPECT_EQ(session_.resultListKind, " lipogrammes");
  ASSERT_EQ(session_.resultList.Size(), 7u);
  EXPECT_EQ(session_.resultList[0].spelling, "bal");
  // Read from the current list and kept: the list becomes the words accepted from it.
  const LipogramResult fromList = Find({.typed = "b", .syllables = 0, .domain = kDomainResultList, .keepAsNewList = true});
  EXPECT_EQ(fromList.domainLabel, "Liste lipogrammes");
  KeepLipogramResult(fromList, session_);
  EXPECT_EQ(session_.resultList.Size(), 4u);  // chat, mot, garçon, ananas
  // Nothing found over a word table: the list was emptied.
  KeepLipogramResult(Find({.typed = "abcdefghijklmnopqrstuvwxyz", .keepAsNewList = true}), session_);
  EXPECT_EQ(session_.resultList.Size(), 0u);
  // A refused input leaves it alone.
  session_.resultList.Append({"vieux", "vj2", 1, 0});
  KeepLipogramResult(Find({.typed = "1", .keepAsNewList = true}), session_);
  EXPECT_EQ(session_.resultList.Size(), 1u);
}

TEST_F(LipogramTest, ObserverCanStop) {
  struct StopAfterThree : SearchObserver {
    int calls = 0;
    long last = 0;
    void SetCount(long count) override { last = count; }
    bool Yield() override { return ++calls <= 3; }
  } observer;
  const LipogramResult result = FindLipograms(*lexicon_, session_, {.typed = "z", .syllables = 0}, observer);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.count, 3u);
  EXPECT_EQ(observer.last, 3);
}

}  // namespace
}  // namespace tavilo
