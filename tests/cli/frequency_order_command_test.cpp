// --tri frequence on a tiny lexicon with made-up frequencies: the order inside each group, ties
// in the usual order, the groups kept, the kept list in the order shown, anagram groups ranked
// by their mean, the "Fréquence" line of mot, and a missing or malformed frequency file refused
// by what sorts while everything else works.
#include <gtest/gtest.h>

#include <sstream>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

const std::string kRule(185, '-');

// Byte order, Windows-1252: "âne" (E2) comes last. "âne" and "cane" tie.
const std::string kFrequencies =
    "banane\t4.5\ncabane\t2.0\ncane\t4.0\nla\t7.2\nle\t7.0\npanne\t5.0\nvia\t3.0\nvie\t5.6\n\xE2ne\t4.0\n";

class FrequencyOrderTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1},
                                {"banane", "banan", 3, 1},
                                {"cabane", "kaban", 2, 1},
                                {"cane", "kan", 1, 1},
                                {"panne", "pan", 1, 0},
                                {"tisane", "tizan", 2, 0},
                                {"via", "vja", 1, 0},
                                {"vie", "vi", 1, 0}})
        .Add(TableKind::FunctionWords, {{"la", "la", 1, 0}, {"le", "l2", 1, 0}});
    Use("");
    WriteFile("frequences.txt", kFrequencies);
  }
};

TEST_F(FrequencyOrderTest, WordsOfEachGroupMostCommonFirst) {
  const Outcome run = Cli({"rimes", "ane", "--tri", "frequence"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  // The groups keep their order; "tisane", not in the file, follows "cabane"; "âne" ties with
  // "cane" and stays before it, as in the usual order.
  EXPECT_EQ(run.out,
            "   Rimes       Rime : \xC2\xAB\xC2\xA0...ane\xC2\xA0\xC2\xBB       Domaine : Noms       Nombre de syllabes : Toutes"
            "       Mots trouv\xC3\xA9s : 6\n   Mots courants en premier\n\n"
            " 3 syllabes :\n\tbanane\n" + kRule + "\n"
            " 2 syllabes :\n\tcabane\ttisane\n" + kRule + "\n"
            " 1 syllabe :\n\tpanne\t\xC3\xA2ne\tcane\n" + kRule + "\n");
  EXPECT_EQ(Cli({"rimes", "ane", "--tri", "frequence", "--brut"}).out,
            "banane\ncabane\ntisane\npanne\n\xC3\xA2ne\ncane\n");
  // The usual order, said or not, is today's, without the header line.
  const Outcome alpha = Cli({"rimes", "ane", "--tri", "alpha"});
  EXPECT_EQ(alpha.out, Cli({"rimes", "ane"}).out);
  EXPECT_EQ(alpha.out.find("Mots courants"), std::string::npos);
  EXPECT_NE(alpha.out.find("\tcabane\ttisane"), std::string::npos);
  EXPECT_NE(alpha.out.find("\t\xC3\xA2ne\tcane\tpanne"), std::string::npos);
}

TEST_F(FrequencyOrderTest, TheKeptListFollowsTheOrderShown) {
  ASSERT_EQ(Cli({"rimes", "ane", "--tri", "frequence", "--garder", PathOf("kept.liste")}).code, kExitOk);
  const std::string kept = ReadFile("kept.liste");
  std::vector<std::size_t> at;
  for (const char* word : {"panne", "banane", "\xC3\xA2ne", "cane", "cabane", "tisane"}) at.push_back(kept.find(word));
  for (std::size_t i = 0; i < at.size(); ++i) ASSERT_NE(at[i], std::string::npos) << i;
  EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << kept;
}

TEST_F(FrequencyOrderTest, AnagramGroupsByTheMeanOfTheirWords) {
  // "la vie" (mean 6,4) before "le via" (5,0), which the search finds first; the manual items
  // by their word.
  const Outcome run = Cli({"anagrammes", "lavie", "--auto", "--mots", "2-2", "--tri", "frequence", "--brut"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out, "la vie\nle via\n");
  EXPECT_EQ(Cli({"anagrammes", "lavie", "--auto", "--mots", "2-2", "--brut"}).out, "le via\nla vie\n");
  const Outcome manual = Cli({"anagrammes", "lavie", "--tri", "frequence", "--brut"});
  EXPECT_EQ(manual.out, "vie\nvia\nla\nle\n");
  const Outcome shown = Cli({"anagrammes", "lavie", "--auto", "--mots", "2-2", "--tri", "frequence"});
  EXPECT_NE(shown.out.find("\n   Mots courants en premier"), std::string::npos) << shown.out;
}

TEST_F(FrequencyOrderTest, WordCommandShowsTheFrequency) {
  const Outcome run = Cli({"mot", "panne"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_NE(run.out.find("\nFr\xC3\xA9quence : 5,0 (\xC3\xA9" "chelle Zipf)\n"), std::string::npos) << run.out;
  EXPECT_NE(Cli({"mot", "tisane"}).out.find("\nFr\xC3\xA9quence : 0 (aucun"), std::string::npos);
}

TEST_F(FrequencyOrderTest, AnUnreadableFileIsRefusedOnlyWhereItIsRead) {
  const struct {
    const char* bytes;  // nullptr: no file
    const char* says;   // in the message
  } files[] = {{nullptr, "frequences.txt"}, {"cane\t4.0\nbanane\t4.5\n", "ligne 2"}, {"cane\tx\n", "ligne 1"}};
  for (const auto& file : files) {
    std::filesystem::remove(PathOf("frequences.txt"));
    if (file.bytes) WriteFile("frequences.txt", file.bytes);
    for (const std::vector<std::string>& sorted :
         {std::vector<std::string>{"rimes", "ane", "--tri", "frequence"}, {"filtre", "?ane", "--tri", "frequence"},
          {"anagrammes", "lavie", "--auto", "--tri", "frequence"}, {"liste", "palindromes", "--tri", "frequence"}}) {
      const Outcome refused = Cli(sorted);
      EXPECT_EQ(refused.code, kExitDataError) << sorted[0];
      EXPECT_EQ(refused.out, "") << sorted[0];
      EXPECT_NE(refused.err.find(file.says), std::string::npos) << sorted[0] << ": " << refused.err;
    }
    EXPECT_EQ(Cli({"rimes", "ane"}).code, kExitOk);
    const Outcome word = Cli({"mot", "panne"});
    EXPECT_EQ(word.code, kExitOk);
    EXPECT_EQ(word.out.find("Fr\xC3\xA9quence"), std::string::npos);
  }
  const Outcome wrong = Cli({"rimes", "ane", "--tri", "populaire"});
  EXPECT_EQ(wrong.code, kExitRefused);
  EXPECT_NE(wrong.err.find("--tri attend alpha ou frequence"), std::string::npos);
}

}  // namespace
}  // namespace tavilo::cli
