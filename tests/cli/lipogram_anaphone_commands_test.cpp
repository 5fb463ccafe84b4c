// tavilo-cli lipogrammes and anaphones, run in-process on a tiny lexicon: the block on stdout,
// the raw lists, the defaults, the refused combinations, the messages and the exit codes.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

const std::string kRule(185, '-');

class LipogramAnaphoneCommandsTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"arme", "arm", 1, 1},
                                {"rame", "ram", 1, 1},
                                {"\xE9t\xE9", "ete", 2, 1},
                                {"banal", "banal", 2, 0},
                                {"cabane", "kaban", 2, 1},
                                {"mare", "mar", 1, 1},
                                {"abricot", "abriko", 3, 1},
                                {"banane", "banan", 3, 0}})
        .Add(TableKind::Verbs, {{"ri", "ri", 1, 1}, {"m'a", "ma", 1, 1}, {"marri", "mari", 2, 0}});
    Use("lipogrammes");
  }
  Outcome Cli(const char* command, std::vector<std::string> args) const {
    args.insert(args.begin(), {"--data", dir_.string(), command});
    return testing::RunCliCaptured(args);
  }
};

TEST_F(LipogramAnaphoneCommandsTest, LipogramBlockWithTheDialogsDefaults) {
  const Outcome run = Cli("lipogrammes", {"E"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            " Lipogrammes     Lettres interdites : e     Domaine : Noms     Syllabes : 3     Mot : 1\n\n"
            " 3 syllabes :\n\tabricot\n" + kRule + "\n");
}

TEST_F(LipogramAnaphoneCommandsTest, LipogramOptionsAndExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string out;  // with --brut
    std::string err;
  };
  const Case cases[] = {
      {{"e", "--syllabes", "toutes", "--brut"}, kExitOk, "banal\nabricot\n", ""},
      {{"e", "--diacritiques", "--syllabes", "2", "--brut"}, kExitOk, "banal\n\xC3\xA9t\xC3\xA9\n", ""},
      {{"a", "--obligatoires", "--mono", "--syllabes=2", "--brut"}, kExitOk, "banal\n", ""},
      {{"abln", "--obligatoires", "--beau-present", "--syllabes", "toutes", "--brut"}, kExitOk, "banal\n", ""},
      {{"z", "--vocabulaire-reduit", "--domaine", "verbes", "--brut"}, kExitOk, "m'a\nri\n", ""},
      {{"abcdefghijklmnopqrstuvwxyz"}, kExitNothingFound, "",
       "D\xC3\xA9sol\xC3\xA9, avec les lettres \xC2\xAB\xC2\xA0" "abcdefghijklmnopqrstuvwxyz\xC2\xA0\xC2\xBB il n'y a aucun mot possible "
       "!!!\nChoisissez d'autres lettres.\n"},
      {{"a!"}, kExitRefused, "", "Impossible avec \xC2\xAB\xC2\xA0!\xC2\xA0\xC2\xBB. Utilisez seulement l'alphabet !!!\n"},
      {{"ab", "--obligatoires", "--mono"}, kExitRefused, "", "L'option --mono demande une seule lettre.\n"},
      {{"a", "--mono"}, kExitRefused, "", "Les options --mono et --beau-present vont avec --obligatoires.\n"},
      {{"a", "--obligatoires", "--tous-diacritiques"}, kExitRefused, "",
       "L'option --tous-diacritiques ne va qu'avec les lettres interdites.\n"},
      {{"a", "--tous-diacritiques", "--diacritiques"}, kExitRefused, "",
       "Choisissez --tous-diacritiques ou --diacritiques, pas les deux.\n"},
      {{"a", "--vocabulaire-reduit", "--syllabes", "2"}, kExitRefused, "",
       "Le vocabulaire r\xC3\xA9" "duit prend toutes les syllabes : pas de --syllabes avec --vocabulaire-reduit.\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Cli("lipogrammes", c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0] << ' ' << run.err;
    EXPECT_EQ(run.out, c.out) << c.args[0];
    EXPECT_EQ(run.err, c.err) << c.args[0];
  }
}

TEST_F(LipogramAnaphoneCommandsTest, Anaphones) {
  const Outcome run = Cli("anaphones", {"marri"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "   Anaphones        Mot : marri        Nombre de phon\xC3\xA8mes : 4        "
            "Groupes de mots trouv\xC3\xA9s : 2        Temps : 0 min 0 s\n\n"
            "2 / 2 phon\xC3\xA8mes : \n\tm'a / ri\tri / m'a\n" + kRule + "\n");
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {{"rame", "--brut"}, kExitOk, "arme\nmare\n", ""},
      {{"banal"}, kExitNothingFound, "",
       "Apparemment il n'y a pas d'anaphones possibles avec le mot \xC2\xAB\xC2\xA0" "banal\xC2\xA0\xC2\xBB !!!\n"
       "Essayez autre chose.\n"},
      {{"zorglub"}, kExitRefused, "",
       "Apparemment le mot \xC2\xAB\xC2\xA0zorglub\xC2\xA0\xC2\xBB n'est pas reconnu.\nV\xC3\xA9rifiez l'orthographe, ou essayez un "
       "homonyme.\n"},
  };
  for (const Case& c : cases) {
    const Outcome r = Cli("anaphones", c.args);
    EXPECT_EQ(r.code, c.code) << c.args[0];
    EXPECT_EQ(r.out, c.out) << c.args[0];
    EXPECT_EQ(r.err, c.err) << c.args[0];
  }
}

}  // namespace
}  // namespace tavilo::cli
