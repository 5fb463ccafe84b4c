// The anaphone engine on a small lexicon: the checks of the typed word in their order, the limit of
// 16 phonemes, the header and the block (the reference on the shipped dictionary checks the lists).
#include "engines/anaphone/anaphone.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

class AnaphoneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Sorted by phonetic form, as the shipped tables are.
    fixture_
        .Add(TableKind::Nouns, {{"anticonstitutionnellement", "5tik8stitysj3lm5", 8, 0},  // cut to 16 phonemes
                                {"anticonstitutionnellements", "5tik8stitysj3lm5z", 9, 0},
                                {"\xE9t\xE9", "ete", 2, 1},
                                {"long", "l8", 1, 1},
                                {"rami", "rami", 2, 0},
                                {"ramie", "rami", 3, 0}})  // more syllables than marri: never listed for it
        .Add(TableKind::Verbs, {{"m'a", "ma", 1, 1}, {"marri", "mari", 2, 0}, {"ri", "ri", 1, 1}});
    lexicon_ = fixture_.Load();
  }

  AnaphoneResult Find(const std::string& typed) { return FindAnaphones(*lexicon_, {typed}); }

  testing::FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
};

TEST_F(AnaphoneTest, ChecksInTheirOrder) {
  const struct {
    const char* typed;
    AnaphoneRefusal refusal;
    const char* message;
  } cases[] = {
      {"", AnaphoneRefusal::Empty, "Essayez quand m\xEAme d'entrer au moins 2 lettres !!!"},
      {"a1!", AnaphoneRefusal::Digit, "On ne joue pas aux lettres et AUX CHIFFRES.\nUtilisez seulement l'alphabet."},
      {"m-a", AnaphoneRefusal::Sign,
       "Certains mauvais signes encouragent \xE0 ne choisir que des lettres.\nUtilisez seulement l'alphabet."},
      {"\xC9t\xE9", AnaphoneRefusal::Sign, nullptr},  // É is not in à-ü
      {" a ", AnaphoneRefusal::TooShort, "Faites un effort, entrez au moins deux lettres !!!"},
      {"m", AnaphoneRefusal::TooShort, nullptr},
      // é is folded to e before the lookup, which does not fold it: été cannot be found.
      {"\xE9t\xE9", AnaphoneRefusal::Unknown,
       "Apparemment le mot \xAB\xA0" "ete\xA0\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme."},
      // 16 phonemes: searched (and only itself found).
      {"anticonstitutionnellement", AnaphoneRefusal::NothingFound, nullptr},
      {"Anticonstitutionnellements", AnaphoneRefusal::TooManySounds,
       "Le mot \xAB\xA0" "anticonstitutionnellements\xA0\xBB contient trop de sons !!!\nChoisissez un mot un peu plus simple."},
      {"long", AnaphoneRefusal::NothingFound,
       "Apparemment il n'y a pas d'anaphones possibles avec le mot \xAB\xA0long\xA0\xBB !!!\nEssayez autre chose."},
  };
  for (const auto& c : cases) {
    const AnaphoneResult result = Find(c.typed);
    EXPECT_EQ(result.refusal, c.refusal) << c.typed;
    if (c.message) {
      EXPECT_EQ(result.message, c.message) << c.typed;
    }
  }
}

TEST_F(AnaphoneTest, HeaderAndBlock) {
  EXPECT_EQ(Find("long").syllableBound, 2);  // a word of one syllable still reads rows of two
  AnaphoneResult result = Find("marri");
  ASSERT_TRUE(result.Accepted());
  result.elapsedSeconds = 75;
  EXPECT_EQ(WritePlainText(WriteAnaphoneHeader(result)),
            "   Anaphones        Mot : marri        Nombre de phon\xC3\xA8mes : 4        "
            "Groupes de mots trouv\xC3\xA9s : 3        Temps : 1 min 15 s");
  const std::string dashes(185, '-');
  EXPECT_EQ(WritePlainText(WriteAnaphoneBlock(result)),
            "4 phon\xC3\xA8mes : \n\trami\n" + dashes + "\n2 / 2 phon\xC3\xA8mes : \n\tm'a / ri\tri / m'a\n" +
                dashes + "\n");
  // A result of single words counts words, not groups.
  result.lists[2] = SortedStringList();
  result.count = 1;
  EXPECT_NE(WritePlainText(WriteAnaphoneHeader(result)).find("        Mot trouv\xC3\xA9 : 1        "), std::string::npos);
}

}  // namespace
}  // namespace tavilo
