// What every command of tavilo-cli shares: --help, unknown and escaped options, values missing or
// out of range, contradictory output options, the exit codes, the indexes a command loads, and
// the list chain (--liste read, --garder written, file errors exit 3).
#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using testing::CliOutcome;

class ConventionsTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"banane", "banan", 3, 1}, {"cane", "kan", 1, 1}, {"chien", "sj5", 1, 1},
                                {"niche", "nis", 1, 1}, {"okapi", "okapi", 3, 0}, {"pou", "p4", 1, 0},
                                {"quille", "kil", 1, 0}, {"pile", "pil", 1, 0}, {"rame", "ram", 1, 1}})
        .Add(TableKind::Taboo, {{"cou", "k4", 1, 0}});
    Use("");
  }
};

TEST_F(ConventionsTest, EveryCommandHasHelpAndRefusesUnknownOptionsShownSafely) {
  for (const Command& command : Commands()) {
    const CliOutcome help = Cli({command.name, "x", "--help"});
    EXPECT_EQ(help.code, kExitOk) << command.name;
    EXPECT_TRUE(help.out.starts_with("Usage : tavilo-cli " + std::string(command.name) + " " + command.usage + "\n"))
        << help.out;
    // The shell prompt comes back on a line of its own, right after the last line of the help.
    EXPECT_TRUE(help.out.ends_with("\n") && !help.out.ends_with("\n\n")) << command.name;
    const std::pair<std::string, std::string> options[] = {
        {"--vite", "--vite"},
        {"--\x1B[2J", "--\\x1B[2J"},  // a control character is shown escaped
        {"--" + std::string(5000, 'x'), "--" + std::string(38, 'x') + "\xE2\x80\xA6"},  // a long one is cut
    };
    for (const auto& [typed, shown] : options) {
      const CliOutcome run = Cli({command.name, "x", typed});
      EXPECT_EQ(run.code, kExitRefused) << command.name;
      EXPECT_EQ(run.err, "Option inconnue : " + shown + "\n") << command.name;
      EXPECT_EQ(run.out, "");
    }
    // Typed input quoted in a refusal reaches the terminal with no control character.
    for (const std::string typed : {"\r", "a\x1b[31m", "\x7f" "e"}) {
      const std::string err = Cli({command.name, typed}).err;
      EXPECT_TRUE(std::none_of(err.begin(), err.end(), [](char c) { return c != '\n' && c >= 0 && c < 0x20; }))
          << command.name << ": " << err;
    }
  }
}

TEST_F(ConventionsTest, UsageErrorsExit2WithTheirMessage) {
  const std::string colour = "L'option --couleur attend auto, toujours ou jamais.\n";
  const std::string both = "Choisissez --brut ou --rtf, pas les deux.\n";
  const std::string domainAndList =
      "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.\n";
  const std::string domain = "L'option --domaine attend noms, adjectifs, verbes ou adverbes.\n";
  const std::string syllables = "L'option --syllabes attend un nombre de 1 \xC3\xA0 9 (ou toutes).\n";
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{}, ""},  // the general help, on stderr
      {{"\x1B]0;x\x07"}, "Commande inconnue : \\x1B]0;x\\x07 (tavilo-cli --help liste les commandes).\n"},
      {{"cle", "a\xFF"}, "L'argument \xC2\xAB\xC2\xA0" "a\\xFF\xC2\xA0\xC2\xBB n'est pas du texte UTF-8 valide.\n"},
      {{"mot"}, "Usage : tavilo-cli mot MOT [--enfant|--contrepetophile|--anaphone]\n"},
      {{"anaphones", "rame", "ri"}, "Usage : tavilo-cli anaphones MOT [--tri alpha|frequence] [--rtf FICHIER] [--brut]\n"},
      {{"info", "x"}, "Usage : tavilo-cli info \n"},
      // A value missing is said first, then an unknown option or a wrong count, whatever else is wrong.
      {{"rimes", "ane", "--debut", "--interieur", "--vite"}, "Option inconnue : --vite\n"},
      {{"rimes", "ane", "age", "--syllabes"}, "L'option --syllabes attend une valeur.\n"},
      {{"anagrammes", "chien", "--vite", "--mots"}, "L'option --mots attend une valeur.\n"},
      {{"liste", "okapi", "--rtf"}, "L'option --rtf attend une valeur.\n"},
      {{"rimes", "ane", "--brut", "--rtf", "f"}, both},          {{"filtre", "b*", "--brut", "--rtf", "f"}, both},
      {{"lipogrammes", "e", "--brut", "--rtf", "f"}, both},      {{"contrepeteries", "pou", "--brut", "--rtf", "f"}, both},
      {{"anagrammes", "chien", "--brut", "--rtf", "f"}, both},   {{"anaphones", "rame", "--brut", "--rtf", "f"}, both},
      {{"liste", "okapi", "--brut", "--rtf", "f"}, both},        {{"rimes", "ane", "--couleur", "rouge"}, colour},
      {{"filtre", "b*", "--couleur=always"}, colour},            {{"contrepeteries", "pou", "--couleur", "oui"}, colour},
      {{"liste", "okapi", "--couleur", ""}, colour},             {{"rimes", "ane", "--domaine", "liste"}, domain},
      {{"lipogrammes", "e", "--domaine", "tous"}, domain},       {{"contrepeteries", "pou", "--domaine", "Noms"}, domain},
      {{"filtre", "b*", "--domaine", "autres"}, "L'option --domaine attend tous, noms, adjectifs, verbes ou adverbes.\n"},
      {{"rimes", "ane", "--domaine", "noms", "--liste", "x"}, domainAndList},
      {{"filtre", "b*", "--domaine", "tous", "--liste", "x"}, domainAndList},
      {{"lipogrammes", "e", "--liste", "x", "--domaine=verbes"}, domainAndList},
      {{"contrepeteries", "pou", "--domaine", "noms", "--liste", "x"}, domainAndList},
      // Numbers: digits only, within their range.
      {{"rimes", "ane", "--syllabes", "10"}, syllables},         {{"rimes", "ane", "--syllabes", "0"}, syllables},
      {{"lipogrammes", "e", "--syllabes", "+2"}, syllables},
      {{"filtre", "b*", "--lettres-max", "1"}, "L'option --lettres-max attend un nombre de lettres (2 ou plus) ou toutes.\n"},
      {{"filtre", "b*", "--syllabes-max", "10"}, "L'option --syllabes-max attend un nombre de 1 \xC3\xA0 9 ou toutes.\n"},
      {{"contrepeteries", "pou", "--phonemes", "4"}, "L'option --phonemes attend 1, 2 ou 3.\n"},
      {{"anagrammes", "chien", "--auto", "--niveau", "5"}, "L'option --niveau attend un nombre de 1 \xC3\xA0 4.\n"},
      {{"anagrammes", "chien", "--auto", "--mots", "3-2"}, "L'option --mots attend MIN-MAX, par exemple 1-3.\n"},
      {{"anagrammes", "chien", "--auto", "--longueurs", "1-22"},
       "L'option --longueurs attend MIN-MAX entre 1 et 21, par exemple 2-8.\n"},
      {{"liste", "palindromes", "--garder", "x"},
       "L'option --garder ne sert qu'aux listages okapi et phokapi, qui remplissent la liste courante.\n"},
      {{"aligner", "chien", "0", "1"}, "D\xC3\x89" "BUT et LONGUEUR sont des nombres entiers positifs.\n"},
      {{"aligner", "chien", "1", "-1"}, "D\xC3\x89" "BUT et LONGUEUR sont des nombres entiers positifs.\n"},
  };
  for (const auto& c : cases) {
    const CliOutcome run = Cli(c.args);
    const std::string label = c.args.empty() ? "" : c.args[0] + " " + c.args.back();
    EXPECT_EQ(run.code, kExitRefused) << label;
    if (!c.err.empty()) {
      EXPECT_EQ(run.err, c.err) << label;
    }
    EXPECT_EQ(run.out, "") << label;
  }
  EXPECT_NE(Cli({}).err.find("Codes de sortie : 0"), std::string::npos);
}

// Only the joker search over the complete base builds the whole anagram index (the other anagram
// searches index the words their letters can spell); no tool command builds the phonetic one.
TEST_F(ConventionsTest, ACommandLoadsOnlyTheIndexesItUses) {
  const struct {
    const char* command;
    std::vector<std::string> args;
    bool anagramIndex;
  } cases[] = {
      {"rimes", {"ane"}, false},        {"filtre", {"b*"}, false},        {"lipogrammes", {"e"}, false},
      {"anaphones", {"rame"}, false},   {"contrepeteries", {"pou"}, false}, {"mot", {"cane"}, false},
      {"anagrammes", {"chien", "--auto", "--base-complete"}, false},
      {"anagrammes", {"chie?", "--auto", "--base-complete"}, true},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    Context ctx(c.args, out, err, dir_);
    const auto command = std::find_if(Commands().begin(), Commands().end(),
                                      [&](const Command& each) { return std::string_view(each.name) == c.command; });
    ASSERT_NE(command, Commands().end());
    command->run(ctx);
    ASSERT_FALSE(ctx.Timings().steps.empty()) << c.command << " loaded no lexicon: " << err.str();
    const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
    EXPECT_EQ(lexicon->anagramIndex.Size() > 0, c.anagramIndex) << c.command;
    EXPECT_EQ(lexicon->phoneticIndex.Size(), 0u) << c.command;
  }
}

// --liste reads the source list, --garder writes the current list with its kind; a search over a
// list that finds nothing writes nothing, except where the window empties the list (lipograms,
// listings); an unreadable or unwritable file exits 3, naming it.
TEST_F(ConventionsTest, ListsChainThroughFilesAndFileErrorsExit3) {
  ASSERT_EQ(Cli({"rimes", "ane", "--garder", PathOf("ane.liste")}).code, kExitOk);
  EXPECT_EQ(ReadFile("ane.liste"), "#tavilo-liste\t rimes\nbanane\tbanan\t3\t1\ncane\tkan\t1\t1\n");
  const CliOutcome filtered = Cli({"filtre", "*", "--liste", PathOf("ane.liste"), "--garder", PathOf("f.liste"), "--brut"});
  EXPECT_EQ(filtered.out, "cane\nbanane\n") << filtered.err;
  // The words found, as the source list orders them, under the filter's kind.
  EXPECT_EQ(ReadFile("f.liste"), "#tavilo-liste\t mots filtr\xC3\xA9s\nbanane\tbanan\t3\t1\ncane\tkan\t1\t1\n");

  const struct {
    std::vector<std::string> args;
    int code;
    bool keeps;  // whether --garder k.liste is written
  } cases[] = {
      {{"lipogrammes", "a", "--syllabes", "toutes", "--liste", PathOf("ane.liste")}, kExitNothingFound, true},
      {{"rimes", "ane", "--syllabes", "2", "--liste", PathOf("ane.liste")}, kExitNothingFound, false},
      {{"filtre", "q*", "--liste", PathOf("ane.liste")}, kExitNothingFound, false},
      {{"contrepeteries", "pou", "--liste", PathOf("ane.liste")}, kExitNothingFound, false},
      {{"liste", "okapi"}, kExitOk, true},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(PathOf("k.liste"));
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--garder", PathOf("k.liste")});
    const CliOutcome run = Cli(args);
    EXPECT_EQ(run.code, c.code) << c.args[0] << ' ' << run.err;
    EXPECT_EQ(std::filesystem::exists(PathOf("k.liste")), c.keeps) << c.args[0];
  }
  EXPECT_TRUE(ReadFile("k.liste").starts_with("#tavilo-liste\tMotOkapi\n")) << ReadFile("k.liste");
  EXPECT_NE(ReadFile("k.liste").find("\nokapi\tokapi\t3\t0\n"), std::string::npos);

  const std::string missing = PathOf("none.liste"), unwritable = PathOf("no/such/k.liste");
  const std::pair<std::vector<std::string>, std::string> errors[] = {
      {{"rimes", "ane", "--liste", missing}, missing},
      {{"filtre", "b*", "--liste", missing}, missing},
      {{"lipogrammes", "e", "--liste", missing}, missing},
      {{"contrepeteries", "pou", "--liste", missing}, missing},
      {{"rimes", "ane", "--garder", unwritable}, unwritable},
      {{"liste", "okapi", "--garder", unwritable}, unwritable},
      {{"filtre", "b*", "--rtf", unwritable}, unwritable},
  };
  for (const auto& [args, file] : errors) {
    const CliOutcome run = Cli(args);
    EXPECT_EQ(run.code, kExitDataError) << args[0];
    EXPECT_NE(run.err.find("\xC2\xAB\xC2\xA0" + file + "\xC2\xA0\xC2\xBB"), std::string::npos) << run.err;
  }
}

TEST(CliDataTest, ADataErrorNamesTheFileAndExits3) {
  testing::FixtureLexicon fixture;
  fixture.Omit(TableKind::Verbs);
  const std::string dir = fixture.Write().string();
  const CliOutcome run = testing::RunCliCaptured({"--data", dir, "mot", "chat"});
  EXPECT_EQ(run.code, kExitDataError);
  EXPECT_NE(run.err.find("vr.tav"), std::string::npos);
  // Commands that need no lexicon still work.
  EXPECT_EQ(testing::RunCliCaptured({"--data", dir, "cle", "\xC3\xA9t\xC3\xA9"}).out, "eet\n");
}

}  // namespace
}  // namespace tavilo::cli
