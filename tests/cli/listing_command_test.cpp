// tavilo-cli liste, run in-process on a tiny lexicon: the block on stdout, --brut, --rtf, the
// current list kept by 'okapi' with --garder, and the refusals.
#include <gtest/gtest.h>

#include "cli/commands.h"
#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

class ListingCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"radar", "radar", 2, 0}, {"chien", "h76", 1, 0}, {"chine", "hin", 1, 0},
                                {"niche", "nih", 1, 0}, {"okapi", "okapi", 3, 0}, {"toi", "t0", 1, 0}})
        .Add(TableKind::Verbs, {{"aller", "al2", 2, 0}})
        .Add(TableKind::Adjectives, {{"vert", "v3r", 1, 0}})
        .Add(TableKind::FunctionWords, {{"pour", "pur", 1, 0}})
        .Add(TableKind::Locutions, {{"en fait", "5f3t", 2, 0}});
    Use("liste");
  }
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

TEST_F(ListingCommandTest, AnUnknownListingNamesTheListings) {
  const auto run = Cli({"rien"});
  EXPECT_EQ(run.code, kExitRefused);
  // The names the command takes, every one of them, as its usage line lists them.
  std::string names = ListingCommand().usage;
  names = names.substr(0, names.find(' '));
  for (std::size_t bar; (bar = names.find('|')) != std::string::npos;) names.replace(bar, 1, ", ");
  EXPECT_EQ(run.err, "Listage inconnu. Listages : " + names + ".\n");
  EXPECT_EQ(names.substr(0, 25), "palindromes, palindromes-");
}

}  // namespace
}  // namespace tavilo::cli
