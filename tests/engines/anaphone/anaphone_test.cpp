// The anaphone engine on a small lexicon: the checks of the typed word in their order, the
// syllable bound, the half rule for first words, the clean-up, the limit of 16 phonemes, the
// header and the block.
#include "engines/anaphone/anaphone.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

std::vector<std::string> Items(const AnaphoneResult& result, std::size_t n) { return result.lists[n].Items(); }

class AnaphoneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Sorted by phonetic form, as the shipped tables are.
    fixture_
        .Add(TableKind::Nouns, {
                                   {"arme", "arm", 1, 1},
                                   {"rame", "ram", 1, 1},
                                   {"ami", "ami", 2, 1},
                                   {"mare", "mar", 1, 1},
                                   {"marin", "mar1", 2, 1},
                                   {"rami", "rami", 2, 0},
                                   {"ara", "ara", 2, 0},
                                   {"mirage", "miraj", 3, 0},
                                   {"\xE9t\xE9", "ete", 2, 1},
                                   {"long", "l8", 1, 1},
                                   {"parasitologie", "parazitoloZi", 6, 0},
                                   {"anticonstitutionnellement", "5tik8stitysj3lm5", 8, 0},  // cut to 16 phonemes
                               })
        .Add(TableKind::Adjectives, {
                                        {"amer", "am3r", 2, 1},
                                        {"rama", "arm", 1, 0},  // same sounds as arme, another table
                                        {"mare", "mar", 1, 1},  // also a noun: listed once
                                    })
        .Add(TableKind::Verbs, {
                                   {"ri", "ri", 1, 1},
                                   {"m'a", "ma", 1, 1},
                                   {"a", "a", 1, 1},
                                   {"marri", "mari", 2, 0},
                               })
        .Add(TableKind::FunctionWords, {
                                           {"mi", "mi", 1, 0},
                                           {"ram", "ram", 1, 0},  // the word's own sounds in another table
                                       });
    lexicon_ = fixture_.Load();
  }

  AnaphoneResult Find(const std::string& typed) { return FindAnaphones(*lexicon_, {typed}); }

  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
};

TEST_F(AnaphoneTest, ChecksInTheirOrder) {
  const struct {
    const char* typed;
    AnaphoneRefusal refusal;
    const char* message;
  } cases[] = {
      {"", AnaphoneRefusal::Empty, "Essayez quand m\xEAme d'entrer au moins 2 lettres !!!"},
      {"a1!", AnaphoneRefusal::Digit, "On ne joue pas au lettres et AUX CHIFFRES.\nUtilisez seulement l'alphabet."},
      {"m-a", AnaphoneRefusal::Sign,
       "Certains mauvais signes encouragent \xE0 ne choisir que des lettres.\nUtilisez seulement l'alphabet."},
      {"\xC9t\xE9", AnaphoneRefusal::Sign, nullptr},  // É is not in à-ü
      {" a ", AnaphoneRefusal::TooShort, "Faites un effort, entrez au moins deux lettres !!!"},
      {"m", AnaphoneRefusal::TooShort, nullptr},
      // é is folded to e before the lookup, which does not fold it: été cannot be found.
      {"\xE9t\xE9", AnaphoneRefusal::Unknown,
       "Apparemment le mot \xAB" "ete\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme."},
      // 16 phonemes: searched (and only itself found).
      {"anticonstitutionnellement", AnaphoneRefusal::NothingFound, nullptr},
      {"long", AnaphoneRefusal::NothingFound,
       "Apparemment il n'y a pas d'anaphon\xE8mes possibles avec le mot \xABlong\xBB !!!\nEssayez autre chose."},
  };
  for (const auto& c : cases) {
    const AnaphoneResult result = Find(c.typed);
    EXPECT_EQ(result.refusal, c.refusal) << c.typed;
    if (c.message) {
      EXPECT_EQ(result.message, c.message) << c.typed;
    }
  }
}

TEST_F(AnaphoneTest, SeventeenPhonemesAreRefused) {
  fixture_.Add(TableKind::Nouns, {{"anticonstitutionnellements", "5tik8stitysj3lm5z", 9, 0}});
  lexicon_ = fixture_.Load();
  const AnaphoneResult result = Find("Anticonstitutionnellements");
  EXPECT_EQ(result.refusal, AnaphoneRefusal::TooManySounds);
  EXPECT_EQ(result.message,
            "Le mot \xAB" "anticonstitutionnellements\xBB contient trop de sons !!!\nChoisissez un mot un peu plus simple");
}

TEST_F(AnaphoneTest, SingleWordsAndPairs) {
  const AnaphoneResult result = Find("RA ME");
  ASSERT_TRUE(result.Accepted()) << result.message;
  EXPECT_EQ(result.word, "rame");
  EXPECT_EQ(result.sortedPhonemes, "amr");
  // "rame" itself is left out; "mare", a noun and an adjective, is listed once; "ram" is another
  // spelling and stays.
  EXPECT_EQ(Items(result, 3), (std::vector<std::string>{"arme", "mare", "ram", "rama"}));
  // "m'a" leaves "r", which no word sounds alone; "a" (one phoneme of three) never leads a pair.
  EXPECT_EQ(Items(result, 2), (std::vector<std::string>{}));
  EXPECT_EQ(result.count, 4u);
}

TEST_F(AnaphoneTest, PairsHoldTheFirstWordsPhonemeCount) {
  const AnaphoneResult result = Find("marri");  // m a r i, 2 syllables
  ASSERT_TRUE(result.Accepted()) << result.message;
  EXPECT_EQ(Items(result, 4), (std::vector<std::string>{"rami"}));
  // 3 / 1 would need a one-phoneme word "i" or "r" after "arme", "ami", "mare": there is none.
  EXPECT_EQ(Items(result, 3), (std::vector<std::string>{}));
  // 2 / 2: both orders; "mi" leaves "ar", which no word sounds.
  EXPECT_EQ(Items(result, 2), (std::vector<std::string>{"m'a / ri", "ri / m'a"}));
  EXPECT_EQ(result.count, 3u);
}

TEST_F(AnaphoneTest, SyllableBound) {
  // A word of 2 syllables reads rows of at most 2; a word of one syllable too.
  fixture_.Add(TableKind::Nouns, {{"ramie", "rami", 3, 0}});
  lexicon_ = fixture_.Load();
  const AnaphoneResult result = Find("marri");
  EXPECT_EQ(result.syllableBound, 2);
  EXPECT_EQ(Items(result, 4), (std::vector<std::string>{"rami"}));  // not the 3-syllable "ramie"
  EXPECT_EQ(Find("mare").syllableBound, 2);
}

TEST_F(AnaphoneTest, HeaderAndBlock) {
  AnaphoneResult result = Find("marri");
  ASSERT_TRUE(result.Accepted());
  result.elapsedSeconds = 75;
  EXPECT_EQ(WritePlainText(WriteAnaphoneHeader(result)),
            "   Anaphon\xC3\xA8mes        Mot : marri        Nombre de phon\xC3\xA8mes : 4        "
            "Groupes de mots trouv\xC3\xA9s : 3        Temps : 1 min.15 sec.");
  const std::string dashes(185, '-');
  EXPECT_EQ(WritePlainText(WriteAnaphoneBlock(result)),
            "4 phon\xC3\xA8mes : \n\trami\n" + dashes + "\n2 / 2 phon\xC3\xA8mes : \n\tm'a / ri\tri / m'a\n" +
                dashes + "\n");
  AnaphoneResult one = Find("arme");
  ASSERT_TRUE(one.Accepted());
  one.count = 1;
  EXPECT_NE(WritePlainText(WriteAnaphoneHeader(one)).find("Groupe de mots trouv\xC3\xA9 : 1"), std::string::npos);
}

}  // namespace
}  // namespace tavilo
