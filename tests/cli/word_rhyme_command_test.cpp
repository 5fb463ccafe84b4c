// tavilo-cli rimes-mot, run in-process on a tiny lexicon with its frequency file: the block on
// stdout, --brut, the options reaching the search, the exit codes, a missing or malformed
// frequency file, and lists kept with --garder and read back with --liste.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

const std::string kRule(185, '-');

class WordRhymeCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1}, {"cane", "kan", 1, 1}, {"canne", "kan", 1, 1},
                                {"cap", "kap", 1, 0}, {"panne", "pan", 1, 0}, {"ruban", "ryb5", 2, 0}})
        .Add(TableKind::Adjectives, {{"plane", "plan", 1, 0}})
        .Add(TableKind::Locutions, {{"en panne", "5pan", 2, 0}});
    Use("rimes-mot");
    WriteFile("frequences.txt", "cane\t3.0\nen panne\t1.0\npanne\t4.0\nplane\t4.0\n\xE2ne\t5.1\n");
  }
};

TEST_F(WordRhymeCommandTest, PrintsTheSectionsUnderTheHeader) {
  const Outcome run = Cli({"cane", "--couleur", "jamais"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "   Rimes d'un mot       Mot : \xC2\xAB\xC2\xA0" "cane\xC2\xA0\xC2\xBB       Phon\xC3\xA9tique : k-a-n"
            "       Rime : \xC2\xAB\xC2\xA0" "a-n\xC2\xA0\xC2\xBB       Domaine : Tous       Nombre de syllabes : Toutes"
            "       Mots trouv\xC3\xA9s : 4\n\n"
            " Rime suffisante : \xC2\xAB\xC2\xA0" "a-n\xC2\xA0\xC2\xBB\n\t\xC3\xA2ne\tpanne\tplane\ten panne\n" + kRule +
                "\n");
  // The shared sounds in colour on a terminal.
  EXPECT_NE(Cli({"cane", "--couleur", "toujours"}).out.find("\x1B["), std::string::npos);
  // --brut: the richness, a tab, the word; the assonances after them with richness 0.
  EXPECT_EQ(Cli({"cane", "--brut", "--assonances"}).out, "2\t\xC3\xA2ne\n2\tpanne\n2\tplane\n2\ten panne\n0\tcap\n");
  EXPECT_EQ(Cli({"ane", "--brut", "--assonances"}).out,
            "2\tpanne\n2\tplane\n2\tcane\n2\ten panne\n2\tcanne\n0\tcap\n");
}

TEST_F(WordRhymeCommandTest, OptionsAndExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string out;  // --brut is added
    std::string err;
  } cases[] = {
      {{"cane", "--domaine", "locutions"}, kExitOk, "2\ten panne\n", ""},
      {{"cane", "--domaine", "adjectifs"}, kExitOk, "2\tplane\n", ""},
      {{"cane", "--syllabes", "2"}, kExitOk, "2\ten panne\n", ""},
      {{"cane", "--domaine", "verbes"}, kExitNothingFound, "",
       "Aucun mot ne rime avec \xC2\xAB\xC2\xA0" "cane\xC2\xA0\xC2\xBB avec ces options.\nEssayez autre chose.\n"},
      {{"cane", "--lecture", "2"}, kExitRefused, "",
       "Le mot \xC2\xAB\xC2\xA0" "cane\xC2\xA0\xC2\xBB n'a qu'une lecture.\nChoisissez-en une de 1 \xC3\xA0 1.\n"},
      {{"cane", "--lecture", "0"}, kExitRefused, "",
       "L'option --lecture attend le num\xC3\xA9ro d'une lecture du mot (1, 2...).\n"},
      {{"cane", "--domaine", "liste"}, kExitRefused, "",
       "L'option --domaine attend tous, noms, adjectifs, verbes, adverbes ou locutions.\n"},
      {{"cane", "--domaine", "noms", "--liste", "x"}, kExitRefused, "",
       "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.\n"},
      {{"can\xC3\xA9"}, kExitRefused, "",
       "Apparemment le mot \xC2\xAB\xC2\xA0" "can\xC3\xA9\xC2\xA0\xC2\xBB n'est pas reconnu.\n"
       "V\xC3\xA9rifiez l'orthographe, ou essayez un homonyme.\n"},
  };
  for (Case& c : cases) {
    c.args.push_back("--brut");
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0] << " " << c.args[1];
    EXPECT_EQ(run.out, c.out) << c.args[1];
    EXPECT_EQ(run.err, c.err) << c.args[1];
  }
}

// How a malformed file is named, line and all, is the loader's (and its tests'); the command
// only has to stop on it.
TEST_F(WordRhymeCommandTest, TheFrequencyFileIsNeeded) {
  std::filesystem::remove(PathOf("frequences.txt"));
  const Outcome run = Cli({"cane"});
  EXPECT_EQ(run.code, kExitDataError);
  EXPECT_NE(run.err.find("frequences.txt"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST_F(WordRhymeCommandTest, KeptListsChainSearches) {
  ASSERT_EQ(Cli({"cane", "--garder", PathOf("cane.liste")}).code, kExitOk);
  EXPECT_EQ(ReadFile("cane.liste"),
            "#tavilo-liste\t rimes\n\xC3\xA2ne\tan\t1\t1\npanne\tpan\t1\t0\nplane\tplan\t1\t0\nen panne\t5pan\t2\t0\n");
  const Outcome chained = Cli({"plane", "--liste", PathOf("cane.liste"), "--brut"});
  EXPECT_EQ(chained.code, kExitOk) << chained.err;
  EXPECT_EQ(chained.out, "2\t\xC3\xA2ne\n2\tpanne\n2\ten panne\n");
}

}  // namespace
}  // namespace tavilo::cli
