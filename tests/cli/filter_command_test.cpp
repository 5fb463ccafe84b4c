// tavilo-cli filtre, run in-process on a tiny lexicon: the pattern rewritten as the dialog
// rewrites it, the block and the bare words, terminal colour, the messages and exit codes.
#include <gtest/gtest.h>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

class FilterCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"bateau", "bato", 2, 1}, {"b\xEAte", "bat", 1, 1}, {"bit", "bit", 1, 0},
                                {"but", "bi", 1, 1}, {"bouteille", "butaj", 2, 1}})
        .Add(TableKind::Verbs, {{"bat", "ba", 1, 1}, {"boue", "bu", 1, 1}});
    Use("filtre");
  }
};

TEST_F(FilterCommandTest, RewritesThePatternAsTheDialogDoesAndSaysSo) {
  Outcome run = Cli({"B?t**", "--brut"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out, "bat\nbit\nbut\nb\xC3\xAAte\nbateau\n");  // shortest first, then in display order
  EXPECT_EQ(run.err, "Mod\xC3\xA8le cherch\xC3\xA9 : b?t*\n");

  run = Cli({"b@e", "--couleur", "jamais"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "  Mots filtr\xC3\xA9s      Mod\xC3\xA8le cherch\xC3\xA9 : b@e      Domaine : Tous      Nb maxi de syllabes : "
            "Toutes      Mots : 1      \n\n 4 lettres :\n\tboue\n" + std::string(96, '-') + "\n");
}

TEST_F(FilterCommandTest, ColoursTheExplicitLettersOnlyWhenAsked) {
  const std::string red = "\x1b[31m", reset = "\x1b[0m";
  Outcome run = Cli({"b@e", "--couleur", "toujours", "--inverse"});
  EXPECT_NE(run.out.find("\t" + red + "b" + reset + "ou" + red + "e" + reset + " euob\n"), std::string::npos) << run.out;
  run = Cli({"b@e"});  // auto: the captured output is no terminal
  EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
}

TEST_F(FilterCommandTest, OptionsReachTheSearch) {
  struct Case {
    std::vector<std::string> args;
    std::string words;
  };
  const Case cases[] = {
      {{"b*", "--domaine", "verbes"}, "bat\nboue\n"},
      {{"b*", "--syllabes-max", "1", "--lettres-max", "toutes"}, "bat\nbit\nbut\nb\xC3\xAAte\nboue\n"},
      {{"b*", "--lettres-max", "3"}, "bat\nbit\nbut\n"},
      {{"b\xC3\xAA*", "--diacritiques"}, "b\xC3\xAAte\n"},
      {{"b?t*", "--heterogramme"}, "bat\nbit\nbut\n"},  // not bÃªte (two e once folded), nor bateau
      {{"b*e"}, "b\xC3\xAAte\nboue\nbouteille\n"},
      {{"b*e", "--une-fois-multiple"}, "boue\n"},  // "*" stops at the first e
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.push_back("--brut");
    const Outcome run = Cli(args);
    EXPECT_EQ(run.out, c.words) << c.args[0] << " " << run.err;
  }
  // An option the pattern leaves no room for is ignored, and said.
  const Outcome run = Cli({"b?t", "--une-fois-multiple", "--brut"});
  EXPECT_EQ(run.code, kExitOk);
  EXPECT_EQ(run.err, "L'option --une-fois-multiple ne s'applique pas \xC3\xA0 ce mod\xC3\xA8le : elle est ignor\xC3\xA9" "e.\n");
}

TEST_F(FilterCommandTest, RefusalsUsageErrorsAndNothingFound) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string err;
  };
  const Case cases[] = {
      {{"a"}, kExitRefused, "C'est un peu court !!!\nEntrez au moins 2 caract\xC3\xA8res !!!\n"},
      {{"qq*"}, kExitNothingFound,
       "D\xC3\xA9sol\xC3\xA9, avec le mod\xC3\xA8le \xC2\xAB\xC2\xA0qq*\xC2\xA0\xC2\xBB il n'y a aucun mot possible !!!\n"
       "Choisissez d'autres lettres ou d'autres options.\n"},
      {{"b*", "--lettres-max", "3", "--syllabes-max", "2"}, kExitRefused,
       "Choisissez --lettres-max ou --syllabes-max, pas les deux : une seule limite \xC3\xA0 la fois.\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0];
    EXPECT_EQ(run.err, c.err) << c.args[0];
    EXPECT_EQ(run.out, "") << c.args[0];
  }
}

}  // namespace
}  // namespace tavilo::cli
