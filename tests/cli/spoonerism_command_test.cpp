// tavilo-cli contrepeteries, run in-process on a tiny lexicon: the header and blocks on stdout,
// --brut, the colours, the refused options and words with their exit codes, and the current list.
#include <gtest/gtest.h>

#include <regex>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

class SpoonerismCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    // pou + quille -> cou + pile; cou and pet are the taboo words.
    fixture_
        .Add(TableKind::Nouns, {{"quai", "k2", 1, 0},
                                {"quet", "k3", 1, 0},
                                {"quille", "kil", 1, 0},
                                {"pou", "p4", 1, 0},
                                {"pile", "pil", 1, 0}})
        .Add(TableKind::Taboo, {{"cou", "k4", 1, 0}, {"pet", "p3", 1, 0}});
    Use("contrepeteries");
  }
};

TEST_F(SpoonerismCommandTest, PrintsTheHeaderTheBlockAndTheNote) {
  const Outcome run = Cli({"pou", "--couleur", "jamais"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  const std::regex expected(
      "  Contrep\xC3\xA8teries    Mot : pou    Domaine : Noms    Possibilit\xC3\xA9s : 1    Mots trouv\xC3\xA9s : 3"
      "    Temps : 0 min [0-9]+ s\n\n"
      "pou\n\tquai#\t\tquet#\t\tquille\n-{180}\n\n"
      "Les mots marqu\xC3\xA9s d'un \xC2\xAB\xC2\xA0#\xC2\xA0\xC2\xBB g\xC3\xA9n\xC3\xA8rent \xC3\xA9galement un mot tabou apr\xC3\xA8s "
      "permutation\\.\n");
  EXPECT_TRUE(std::regex_match(run.out, expected)) << run.out;
}

TEST_F(SpoonerismCommandTest, RawLinesAndColours) {
  const Outcome raw = Cli({"pou", "--brut", "--distinguer-e"});
  EXPECT_EQ(raw.code, kExitOk) << raw.err;
  EXPECT_EQ(raw.out, "p\tk\tquet#\np\tk\tquille\n");
  const Outcome taboo = Cli({"cou", "--methode", "contrepetophile", "--brut"});
  EXPECT_EQ(taboo.out, "k\tpou\n");

  // The exchanged letters in bold colour: p in the entered word, qu in quille.
  const Outcome coloured = Cli({"pou", "--couleur", "toujours"});
  EXPECT_NE(coloured.out.find("\x1B[1;31mp\x1B[0mou"), std::string::npos) << coloured.out;
  EXPECT_NE(coloured.out.find("\x1B[1;34mqu\x1B[0mille"), std::string::npos) << coloured.out;
}

TEST_F(SpoonerismCommandTest, RefusalsAndExitCodes) {
  const struct {
    std::vector<std::string> args;
    int code;
    const char* err;
  } cases[] = {
      {{"pile"}, kExitNothingFound, "Visiblement le mot \xC2\xAB\xC2\xA0" "pile\xC2\xA0\xC2\xBB n'est pas tr\xC3\xA8s"},
      {{"pou", "--domaine", "verbes"}, kExitNothingFound, "D\xC3\xA9sol\xC3\xA9, le mot \xC2\xAB\xC2\xA0pou\xC2\xA0\xC2\xBB ne g\xC3\xA9n\xC3\xA8re aucune"},
      {{"pouf"}, kExitRefused, "Apparemment le mot \xC2\xAB\xC2\xA0pouf\xC2\xA0\xC2\xBB n'est pas reconnu."},
      {{"cou", "--methode", "enfant"}, kExitRefused, "Vous avez entr\xC3\xA9 un mot tabou !"},
      {{"pou", "--phonemes", "2"}, kExitRefused, "Les contrep\xC3\xA8teries classiques"},
      {{"pou", "--decadentes", "--phonemes", "3", "--methode", "inversee"}, kExitRefused, "La m\xC3\xA9thode invers\xC3\xA9" "e"},
      {{"pou", "--methode", "autre"}, kExitRefused, "L'option --methode attend"},
      {{"pou", "--phonemes", "2", "--decadentes", "--methode", "enfant"}, kExitRefused, "La m\xC3\xA9thode enfant"},
      {{"cou", "--methode", "contrepetophile", "--liste", "x"}, kExitRefused, "La recherche des mots contrep\xC3\xA9tophiles"},
  };
  for (const auto& c : cases) {
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0] << ' ' << run.err;
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(SpoonerismCommandTest, AgreesWithTheWordCommandOnTabooWords) {
  for (const char* word : {"cou", "pet", "pou", "quille", "zob"}) {
    const Outcome lookup = testing::RunCliCaptured({"--data", dir_.string(), "mot", word, "--contrepetophile"});
    const Outcome search = Cli({word, "--methode", "contrepetophile", "--brut"});
    EXPECT_EQ(lookup.code == kExitOk, search.code != kExitRefused) << word << ": " << search.err;
  }
}

TEST_F(SpoonerismCommandTest, KeptListsAndListsAsSource) {
  ASSERT_EQ(Cli({"pou", "--brut", "--garder", PathOf("cpt.liste")}).code, kExitOk);
  EXPECT_TRUE(ReadFile("cpt.liste").starts_with("#tavilo-liste\t contrep\xC3\xA8teries\n"));
  // A list of spoonerisms is not a source, as in the window.
  EXPECT_EQ(Cli({"pou", "--liste", PathOf("cpt.liste")}).code, kExitRefused);

  WriteFile("rimes.liste", "#tavilo-liste\t rimes\nquet\tk3\t1\t0\nquille\tkil\t1\t0\n");
  const Outcome again = Cli({"pou", "--brut", "--distinguer-e", "--liste", PathOf("rimes.liste")});
  EXPECT_EQ(again.out, "p\tk\tquet#\n") << again.err;  // the list holds no pile, so no quille
}

}  // namespace
}  // namespace tavilo::cli
