// tavilo-cli phrase, run in-process on a tiny lexicon: the block on stdout, --brut, --premiers,
// the refusals and their exit codes, and the word frequencies it cannot rank without.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

class PhraseCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    // "Quel champ de coton": champ and coton exchange ch and t; quel and coton, k and t.
    fixture_
        .Add(TableKind::Nouns, {{"champ", "h5", 1, 1}, {"cochon", "koh8", 2, 1}, {"coton", "kot8", 2, 1},
                                {"temps", "t5", 1, 1}, {"cocon", "kok8", 2, 0}})
        .Add(TableKind::Adjectives, {{"quel", "k3l", 1, 1}, {"tel", "t3l", 1, 1}});
    Use("phrase");
    WriteFile("frequences.txt", "champ\t5.0\ncochon\t4.2\ncocon\t3.0\ncoton\t4.0\nquel\t6.0\ntel\t5.5\ntemps\t6.0\n");
  }
};

TEST_F(PhraseCommandTest, PrintsTheHiddenSentencesBestFirst) {
  const Outcome run = Cli({"Quel champ de coton !", "--couleur", "jamais"});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_TRUE(run.out.starts_with("  Contrep\xC3\xA8teries dans une phrase    Phrase : \xC2\xAB\xC2\xA0Quel champ de coton !"
                                  "\xC2\xA0\xC2\xBB    Phrases trouv\xC3\xA9" "es : 3\n\n"
                                  "1.  Quel temps de cochon !\n"
                                  "      ch \xE2\x86\x94 t      champ \xE2\x86\x92 temps, coton \xE2\x86\x92 cochon      score "))
      << run.out;
  EXPECT_NE(run.out.find("2.  Tel champ de cocon !\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Mot inconnu du dictionnaire, laiss\xC3\xA9 tel quel : de\n"), std::string::npos) << run.out;

  // --brut: one line per sentence, four fields; --premiers cuts the list.
  const Outcome raw = Cli({"Quel champ de coton !", "--brut", "--premiers", "1"});
  ASSERT_EQ(raw.code, kExitOk) << raw.err;
  EXPECT_TRUE(raw.out.starts_with("Quel temps de cochon !\tchamp>temps coton>cochon\th/t\t")) << raw.out;
  EXPECT_EQ(std::count(raw.out.begin(), raw.out.end(), '\n'), 1);
  // The letters received, coloured on request.
  EXPECT_NE(Cli({"Quel champ de coton !", "--couleur", "toujours"}).out.find("\x1B["), std::string::npos);
}

TEST_F(PhraseCommandTest, RefusalsAndTheirExitCodes) {
  std::string tooLong;
  for (int i = 0; i < 31; ++i) tooLong += "champ ";
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;  // the start of stderr
  } cases[] = {
      {{" ! "}, kExitRefused, "Entrez une phrase"},
      {{"Quel champ de 2 cotons"}, kExitRefused, "Pas de chiffres"},
      {{"champ & coton"}, kExitRefused, "La phrase contient un signe"},
      {{tooLong}, kExitRefused, "La phrase est trop longue : 30 mots au plus."},
      {{"le champ est vert"}, kExitRefused, "Il faut au moins deux mots du dictionnaire"},
      {{"champ champ"}, kExitNothingFound, "Cette phrase ne cache aucune contrep\xC3\xA8terie"},
      {{"champ coton", "--sons", "4"}, kExitRefused, "L'option --sons attend 1, 2 ou 3."},
      {{"champ coton", "--premiers", "0"}, kExitRefused, "L'option --premiers attend"},
      {{"champ", "coton"}, kExitRefused, "Usage : tavilo-cli phrase"},
  };
  for (const auto& c : cases) {
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0];
    EXPECT_TRUE(run.err.starts_with(c.err)) << c.args[0] << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.args[0];
  }
}

TEST_F(PhraseCommandTest, CannotRankWithoutTheWordFrequencies) {
  std::filesystem::remove(PathOf("frequences.txt"));
  const Outcome run = Cli({"Quel champ de coton !"});
  EXPECT_EQ(run.code, kExitDataError);
  EXPECT_NE(run.err.find("frequences.txt"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace tavilo::cli
