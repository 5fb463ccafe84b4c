// The lipogram engine on a small lexicon: what the reference on the shipped dictionary cannot see —
// the refusals, the header, the block, the kept list and stopping.
#include "engines/lipogram/lipogram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixture_lexicon.h"
#include "support/stopping_observer.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

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

TEST_F(LipogramTest, Refusals) {
  const struct {
    std::string typed;
    LipogramRefusal refusal;
    std::string message;
  } cases[] = {
      {"", LipogramRefusal::Empty, "Essayez quand m\xEAme d'entrer au moins une lettre !!!"},
      {"a b", LipogramRefusal::Sign, "Impossible avec \xAB\xA0 \xA0\xBB. Utilisez seulement l'alphabet !!!"},
      // An accent the tool does not know, an upper-case accented letter.
      {"\xE4", LipogramRefusal::Sign, "Impossible avec \xAB\xA0\xE4\xA0\xBB. Utilisez seulement l'alphabet !!!"},
      {"e\xC9", LipogramRefusal::Sign, "Impossible avec \xAB\xA0\xC9\xA0\xBB. Utilisez seulement l'alphabet !!!"},
      {"abcdefghijklmnopqrstuvwxyz", LipogramRefusal::NothingFound,
       "D\xE9sol\xE9, avec les lettres \xAB\xA0" "abcdefghijklmnopqrstuvwxyz\xA0\xBB il n'y a aucun mot possible !!!\n"
       "Choisissez d'autres lettres."},
  };
  for (const auto& c : cases) {
    const LipogramResult result = Find({.typed = c.typed, .syllables = 0});
    EXPECT_EQ(result.refusal, c.refusal) << c.typed;
    EXPECT_EQ(result.message, c.message) << c.typed;
  }
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
  const LipogramResult fromList = Find({.typed = "b", .syllables = 0, .domain = SearchDomain::ResultList, .keepAsNewList = true});
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
  StoppingObserver observer(3);
  const LipogramResult result = FindLipograms(*lexicon_, session_, {.typed = "z", .syllables = 0}, observer);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.count, 3u);
  EXPECT_EQ(observer.counts.back(), 3);
}

}  // namespace
}  // namespace tavilo
