// The lexicon commands of tavilo-cli, run in-process on a tiny lexicon: output and exit codes.
#include <gtest/gtest.h>

#include <regex>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using CliRun = testing::CliOutcome;

class WordCommandsTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1},
                                {"chat", "ha", 1, 1},
                                {"taxi", "taksi", 2, 0},
                                {"verre", "v3r", 1, 1},
                                {"vers", "v3r", 1, 0}})
        .Add(TableKind::Adjectives, {{"vert", "v3r", 1, 1}})
        .Add(TableKind::Verbs, {{"crier", "kri72", 2, 0}})
        .Add(TableKind::Taboo, {{"zob", "zob", 1, 0}});
    Use("");
  }
};

TEST_F(WordCommandsTest, WordLookups) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::vector<std::string> inOut;  // UTF-8 fragments expected on stdout
    std::string err;                 // exact stderr
  };
  const Case cases[] = {
      {{"mot", "ane"}, kExitOk, {"Mot : \xC3\xA2ne\n", "Phon\xC3\xA9tique : an  (a-n)\n", "Syllabes : 1\n",
                                 "Marqueur : 1 (vocabulaire r\xC3\xA9" "duit)\n", "Tables : Noms\n", "Homophones : (aucun)\n"},
       ""},
      {{"mot", "  VERT "}, kExitOk, {"Mot : vert\n", "Tables : Adjectifs\n", "Homophones : verre, vers\n"}, ""},
      {{"mot", "vert", "--anaphone"}, kExitOk, {"Mot : vert\n"}, ""},
      {{"mot", "ete"}, kExitRefused, {},
       "Apparemment le mot \xC2\xAB\xC2\xA0" "ete\xC2\xA0\xC2\xBB n'est pas reconnu.\nV\xC3\xA9rifiez l'orthographe, ou essayez un homonyme.\n"},
      {{"mot", "zob", "--enfant"}, kExitRefused, {}, "Vous avez entr\xC3\xA9 un mot tabou !\nCe n'est pas tr\xC3\xA8s correct !!!\n"},
      {{"mot", "zob", "--contrepetophile"}, kExitOk, {"Mot : zob\n", "Tables : Mots tabous\n"}, ""},
      {{"mot", "zob", "--enfant", "--anaphone"}, kExitRefused, {},
       "Choisissez une seule des options --enfant, --contrepetophile et --anaphone.\n"},
      {{"mot", " "}, kExitRefused, {}, "Essayez quand m\xC3\xAAme d'entrer un mot !!!\n"},
      {{"mot", "ch4t"}, kExitRefused, {},
       "D\xC3\xA9sol\xC3\xA9, il n'y a pas de chiFFres dans cette Base !\nUtilisez seulement l'alphabet.\n"},
      {{"mot", "\xF0\x9F\x98\x80"}, kExitRefused, {},
       "Difficile de trouVer, cach\xC3\xA9 derri\xC3\xA8re les Signes.\nUtilisez seulement l'alphabet.\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0] << ' ' << (c.args.size() > 1 ? c.args[1] : "");
    for (const auto& fragment : c.inOut) EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment << run.out;
    EXPECT_EQ(run.err, c.err);
  }
  EXPECT_EQ(Cli({"mot", "vert", "--anaphone"}).out.find("Homophones"), std::string::npos);
}

TEST_F(WordCommandsTest, AlignShowsTheFragmentLetters) {
  CliRun run = Cli({"aligner", "taxi", "3", "1"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_NE(run.out.find("Lettres : ta[x(k)]i"), std::string::npos) << run.out;
  run = Cli({"aligner", "crier", "4", "2"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_NE(run.out.find("Lettres : cri[\xE2\x80\xA2" "er]"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Yods sans lettre : 1"), std::string::npos);
  EXPECT_EQ(Cli({"aligner", "taxi", "9", "1"}).err, "Le mot n'a que 5 phon\xC3\xA8mes.\n");
}

TEST_F(WordCommandsTest, KeyAndInfo) {
  EXPECT_EQ(Cli({"cle", "gar\xC3\xA7on"}).out, "acgnor\n");
  EXPECT_EQ(Cli({"cle", "No\xC3\xABl"}).out, "elno\n");
  const CliRun info = Cli({"info"});
  EXPECT_EQ(info.code, kExitOk);
  EXPECT_NE(info.out.find("nm.tav  Noms : 5 / 33\xC2\xA0" "000 lignes"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Lignes dont un phon\xC3\xA8me reste sans lettres : 2 sur 10 (20,00\xC2\xA0%)\n"),
            std::string::npos)
      << info.out;
  EXPECT_TRUE(std::regex_search(info.out, std::regex("\nChargement : [0-9]+,[0-9]{3}\xC2\xA0ms\n"))) << info.out;
}

}  // namespace
}  // namespace tavilo::cli
