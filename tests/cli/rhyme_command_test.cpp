// tavilo-cli rimes, run in-process on a tiny lexicon: the block on stdout, the messages and exit
// codes, the RTF output, and lists kept with --garder and read back with --liste.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/list_file.h"
#include "core/rtf.h"
#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

const std::string kRule(185, '-');

class RhymeCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1},
                                {"banane", "banan", 3, 1},
                                {"cabane", "kaban", 2, 1},
                                {"cane", "kan", 1, 1},
                                {"canard", "kanar", 2, 1},
                                {"panne", "pan", 1, 0}})
        .Add(TableKind::Adjectives, {{"plane", "plan", 1, 0}});
    Use("rimes");
  }
};

TEST_F(RhymeCommandTest, PrintsTheBlockUnderItsHeader) {
  const Outcome run = Cli({"ane"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "   Rimes       Rime : \xC2\xAB\xC2\xA0...ane\xC2\xA0\xC2\xBB       Domaine : Noms       Nombre de syllabes : Toutes"
            "       Mots trouv\xC3\xA9s : 5\n\n"
            " 3 syllabes :\n\tbanane\n" + kRule + "\n"
            " 2 syllabes :\n\tcabane\n" + kRule + "\n"
            " 1 syllabe :\n\t\xC3\xA2ne\tcane\tpanne\n" + kRule + "\n");
  // --brut: the words alone, in block order, never coloured.
  EXPECT_EQ(Cli({"ane", "--brut", "--couleur", "toujours"}).out, "banane\ncabane\n\xC3\xA2ne\ncane\npanne\n");
}

TEST_F(RhymeCommandTest, OptionsReachTheSearch) {
  struct Case {
    std::vector<std::string> args;
    std::string header;  // the end of the header line
    std::string words;   // every word line of the block, joined
  };
  const Case cases[] = {
      {{"ane", "--graphie"}, "Toutes       Mots trouv\xC3\xA9s : 3", "\tbanane\tcabane\tcane"},
      {{"ane", "--syllabes", "1"}, "1       Mots trouv\xC3\xA9s : 3", "\t\xC3\xA2ne\tcane\tpanne"},
      {{"ane", "--syllabes=toutes", "--graphie"}, "Toutes       Mots trouv\xC3\xA9s : 3", "\tbanane\tcabane\tcane"},
      {{"ane", "--domaine", "adjectifs"}, "Toutes       Mot trouv\xC3\xA9 : 1", "\tplane"},
      {{"ane", "--debut"}, "Toutes       Mot trouv\xC3\xA9 : 1", "\t\xC3\xA2ne"},
      {{"ane", "--interieur"}, "Toutes       Mot trouv\xC3\xA9 : 1", "\tcanard"},
      {{" A NE "}, "Toutes       Mots trouv\xC3\xA9s : 5", "\tbanane\tcabane\t\xC3\xA2ne\tcane\tpanne"},
  };
  for (const Case& c : cases) {
    const Outcome run = Cli(c.args);
    ASSERT_EQ(run.code, kExitOk) << c.args[0] << ' ' << run.err;
    std::istringstream lines(run.out);
    std::string header, line, words;
    std::getline(lines, header);
    while (std::getline(lines, line)) {
      if (line.starts_with("\t")) words += line;
    }
    EXPECT_TRUE(header.ends_with(c.header)) << header;
    EXPECT_EQ(words, c.words) << c.args.back();
  }
  EXPECT_NE(Cli({"ane", "--domaine", "adjectifs"}).out.find("Domaine : Adjectifs "), std::string::npos);
}

TEST_F(RhymeCommandTest, RefusalsAndNothingFound) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string err;
  };
  const Case cases[] = {
      {{""}, kExitRefused,
       "      L\xC3\xA0, vous \xC3\xAAtes distrait,\n      Mais il est l\xC3\xA9gitime\n"
       "      Pour en voir tout l'attrait\n      D'apposer une rime...\n"},
      {{"\xE2\x82\xAC"}, kExitRefused,  // the euro sign is a sign
       "Ici, il est impossible que les signes s'arriment.\nUtilisez seulement l'alphabet.\n"},
      {{"ane", "--syllabes", "4"}, kExitNothingFound,
       "Apparemment il n'y a pas de rimes en \xC2\xAB\xC2\xA0" "ane\xC2\xA0\xC2\xBB avec ces options !!!\nEssayez autre chose.\n"},
      {{"ane", "--debut", "--interieur"}, kExitRefused, "Choisissez --debut ou --interieur, pas les deux.\n"},
  };
  for (const Case& c : cases) {
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0];
    EXPECT_EQ(run.err, c.err) << c.args[0];
    EXPECT_EQ(run.out, "") << c.args[0];
  }
}

TEST_F(RhymeCommandTest, RtfInsteadOfText) {
  const Outcome text = Cli({"ane"});
  const Outcome rtf = Cli({"ane", "--rtf", PathOf("ane.rtf")});
  EXPECT_EQ(rtf.code, kExitOk) << rtf.err;
  EXPECT_EQ(rtf.out, "");
  const RtfReadResult read = ReadRtf(ReadFile("ane.rtf"));
  ASSERT_TRUE(read.ok()) << read.Message();
  EXPECT_EQ(WritePlainText(read.document), text.out);
  ASSERT_FALSE(read.document.paragraphs().empty());
  EXPECT_EQ(read.document.paragraphs()[0].runs.at(0).format.color, (Rgb{255, 0, 0}));
}

TEST_F(RhymeCommandTest, KeptListsChainSearches) {
  ASSERT_EQ(Cli({"ane", "--garder", PathOf("ane.liste")}).code, kExitOk);

  const Outcome chained = Cli({"ane", "--graphie", "--liste", PathOf("ane.liste"), "--garder", PathOf("again.liste")});
  ASSERT_EQ(chained.code, kExitOk) << chained.err;
  EXPECT_NE(chained.out.find("Domaine : Liste rimes       Nombre de syllabes : Toutes       Mots trouv\xC3\xA9s : 3"),
            std::string::npos)
      << chained.out;
  // Searching the list leaves it as it was.
  EXPECT_EQ(ReadFile("again.liste"), ReadFile("ane.liste"));

  // A list may hold words the domain would not give: the list is the domain.
  WriteFile("hand.liste", "#tavilo-liste\t contrep\xC3\xA8teries\r\nplane\tplan\t1\t0\r\n\r\nplane\tplan\t1\t0\r\n");
  const Outcome hand = Cli({"ane", "--liste", PathOf("hand.liste")});
  ASSERT_EQ(hand.code, kExitOk) << hand.err;
  EXPECT_NE(hand.out.find("Domaine : Liste contrep\xC3\xA8teries "), std::string::npos);
  EXPECT_NE(hand.out.find("Mot trouv\xC3\xA9 : 1\n"), std::string::npos);  // plane, once
}

TEST_F(RhymeCommandTest, TextSavedFromTheWindowServesAsList) {
  // What the window saves as text: the header, the headings, the rules and the words.
  WriteFile("ane.txt", Cli({"ane"}).out);
  const Outcome run = Cli({"ane", "--liste", PathOf("ane.txt"), "--syllabes", "1", "--garder", PathOf("one.liste")});
  ASSERT_EQ(run.code, kExitOk) << run.err;
  EXPECT_NE(run.out.find("Domaine : Liste       Nombre de syllabes : 1       Mots trouv\xC3\xA9s : 3"), std::string::npos)
      << run.out;
  EXPECT_EQ(ReadFile("one.liste"),
            "#tavilo-liste\t\nbanane\tbanan\t3\t1\ncabane\tkaban\t2\t1\n\xC3\xA2ne\tan\t1\t1\ncane\tkan\t1\t1\n"
            "panne\tpan\t1\t0\n");

  // Windows-1252 text, as older list files are.
  WriteFile("old.txt", "\xE2ne\r\n\tplane\tcane\r\n");
  EXPECT_EQ(Cli({"ane", "--liste", PathOf("old.txt")}).code, kExitOk);
}

// Each refusal names the file ("@" below) and, for a row, its line; nothing is searched.
TEST_F(RhymeCommandTest, BadListFilesNameTheFileAndLine) {
  const std::string line = "Fichier \xC2\xAB\xC2\xA0@\xC2\xA0\xC2\xBB, ligne ", control = "caract\xC3\xA8re de contr\xC3\xB4le ";
  const std::pair<std::string, std::string> cases[] = {
      {"#tavilo-liste\t rimes\ncane\tkan\t1\t1\ncane\tkan\t1\n",
       line + "3 : quatre champs s\xC3\xA9par\xC3\xA9s par des tabulations sont attendus "
              "(graphie, phon\xC3\xA9tique, syllabes, marqueur)."},
      {"#tavilo-liste\n\tkan\t1\t1\n", line + "2 : la graphie est vide."},
      {"#tavilo-liste\ncane\tk\xC3\xA2n\t1\t1\n",
       line + "2 : la phon\xC3\xA9tique \xC2\xAB\xC2\xA0k\xC3\xA2n\xC2\xA0\xC2\xBB n'est pas faite de codes de phon\xC3\xA8mes."},
      {"#tavilo-liste\ncane\tkan\tun\t1\n", line + "2 : le nombre de syllabes et le marqueur sont des nombres entiers."},
      {"#tavilo-liste\ncane\tkan\t1\t99999\n", line + "2 : le nombre de syllabes et le marqueur sont des nombres entiers."},
      {"cane\n\n\tpanne\tchameau\n", line + "3 : le mot \xC2\xAB\xC2\xA0" "chameau\xC2\xA0\xC2\xBB n'est pas dans le dictionnaire."},
      // Control characters would reach the terminal and the block: a CR splitting a row, an
      // escape sequence in the kind.
      {"#tavilo-liste\t rimes\ncane\rx\tkan\t1\t1\n", line + "2 : " + control + "\\x0D interdit dans une liste."},
      {"#tavilo-liste\t rimes\x1B[2J\r\n", line + "1 : " + control + "\\x1B interdit dans une liste."},
      {"#tavilo-liste\t rimes`\t1\nbanane\tbanan\t3\t1\n",  // found by tavilo-fuzz-list
       line + "1 : la nature de la liste ne doit pas contenir de tabulation."},
      {"cane\tc\xE2\x86\x92ne\n", line + "1 : caract\xC3\xA8re U+2192 sans \xC3\xA9quivalent dans le dictionnaire."},
      {"", "Le fichier \xC2\xAB\xC2\xA0@\xC2\xA0\xC2\xBB est vide."},
      {" \r\n\t\n", "Le fichier \xC2\xAB\xC2\xA0@\xC2\xA0\xC2\xBB est vide."},
      {"---\n   Rimes : x\n", "Le fichier \xC2\xAB\xC2\xA0@\xC2\xA0\xC2\xBB ne contient aucun mot."},
      {std::string(kResultListCapacity * kMaxListBytesPerRow + 1, 'a'),
       "Le fichier \xC2\xAB\xC2\xA0@\xC2\xA0\xC2\xBB est trop grand pour une liste de 30000 mots au plus."},
  };
  for (auto [bytes, err] : cases) {
    WriteFile("bad.liste", bytes);
    const Outcome run = Cli({"ane", "--liste", PathOf("bad.liste")});
    EXPECT_EQ(run.code, kExitDataError) << bytes;
    EXPECT_EQ(run.err, err.replace(err.find('@'), 1, PathOf("bad.liste")) + "\n");
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(Cli({"ane", "--liste", dir_.string()}).code, kExitDataError);
  // RTF as the RTF reader recognises it: after a byte-order mark or blanks too.
  for (const char* rtf : {"\xEF\xBB\xBF{\\rtf1 cane}", " \r\n{\\rtf1 cane}"}) {
    WriteFile("list.rtf", rtf);
    EXPECT_NE(Cli({"ane", "--liste", PathOf("list.rtf")}).err.find("une liste RTF ne peut servir de source"),
              std::string::npos) << rtf;
  }
}

}  // namespace
}  // namespace tavilo::cli
