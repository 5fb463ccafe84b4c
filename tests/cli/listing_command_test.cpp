// tavilo-cli liste, run in-process on a tiny lexicon: the block on stdout, --brut, --rtf, the
// current list kept by 'okapi' with --garder, and the refusals.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/fixture_lexicon.h"

namespace tavilo::cli {
namespace {

class ListingCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"radar", "radar", 2, 0}, {"chien", "h76", 1, 0}, {"chine", "hin", 1, 0},
                                {"niche", "nih", 1, 0}, {"okapi", "okapi", 3, 0}, {"toi", "t0", 1, 0}})
        .Add(TableKind::Verbs, {{"aller", "al2", 2, 0}})
        .Add(TableKind::Adjectives, {{"vert", "v3r", 1, 0}})
        .Add(TableKind::FunctionWords, {{"pour", "pur", 1, 0}})
        .Add(TableKind::Locutions, {{"en fait", "5f3t", 2, 0}});
    dir_ = fixture_.Write();
  }

  testing::CliOutcome Cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--data", dir_.string(), "liste"});
    return testing::RunCliCaptured(args);
  }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  testing::FixtureLexicon fixture_;
  std::filesystem::path dir_;
};

TEST_F(ListingCommandTest, PrintsTheHeaderAndTheBlock) {
  const auto run = Cli({"familles", "--couleur", "jamais"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out, "   Liste des mots anagrammatiques     Groupes de mots : 1\n\n"
                     " 5 lettres :\n chien   chine   niche\n" + std::string(80, '-') + "\n");
  const auto bare = Cli({"palindromes", "--brut"});
  EXPECT_EQ(bare.code, kExitOk) << bare.err;
  EXPECT_EQ(bare.out, "radar\n");
  const auto none = Cli({"ambigrammes"});
  EXPECT_EQ(none.code, kExitNothingFound) << none.err;
  // The RTF file keeps the font the document names.
  EXPECT_EQ(Cli({"ambigrammes-horizontaux", "--rtf", PathOf("h.rtf")}).out, "");
  EXPECT_NE(ReadFile("h.rtf").find("Futura Medium BT"), std::string::npos);
}

TEST_F(ListingCommandTest, OkapiKeepsItsWordsAsTheCurrentList) {
  const auto run = Cli({"okapi", "--brut", "--garder", PathOf("okapi.liste")});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(ReadFile("okapi.liste"), "#tavilo-liste\tMotOkapi\nradar\tradar\t2\t0\nokapi\tokapi\t3\t0\n");
}

TEST_F(ListingCommandTest, RefusesWhatItCannotDo) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"rien"}, "Listage inconnu."},
      {{}, "Usage : tavilo-cli liste"},
      {{"palindromes", "--garder", "x"}, "ne sert qu'aux listages okapi et phokapi"},
      {{"okapi", "--brut", "--rtf", "x"}, "pas les deux"},
      {{"okapi", "--rtf"}, "attend une valeur"},
      {{"okapi", "--couleur", "rouge"}, "auto, toujours ou jamais"},
  };
  for (const auto& c : cases) {
    const auto run = Cli(c.args);
    EXPECT_EQ(run.code, kExitRefused) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

}  // namespace
}  // namespace tavilo::cli
