// tavilo-cli anagrammes on a tiny lexicon: the manual block, the automatic lines as they stream,
// --brut, the refusals and exit codes; and Ctrl-C during a long search on the shipped dictionary.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "cli/cli.h"
#include "engines/anagram/anagram.h"
#include "support/cli_run.h"

namespace tavilo::cli {
namespace {

using Outcome = testing::CliOutcome;

class AnagramCommandTest : public testing::CliCommandTest {
 protected:
  void SetUp() override {
    fixture_.Add(TableKind::Nouns, {{"niche", "nis", 1, 1}, {"chien", "sj5", 1, 1}, {"ciel", "sj3l", 1, 1}})
        .Add(TableKind::Adjectives, {{"chic", "sik", 1, 1}})
        .Add(TableKind::FunctionWords, {{"en", "5", 1, 1}, {"ni", "ni", 1, 1}});
    Use("anagrammes");
  }
};

TEST_F(AnagramCommandTest, ManualBlockAndRawWords) {
  const Outcome run = Cli({"Chien"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_TRUE(run.out.starts_with("    Niveau : Manuel    Lettres : chien    Nombre : 5    Mots trouv\xC3\xA9s : 4    Temps : "))
      << run.out;
  EXPECT_NE(run.out.find("\n\n Anagrammes\n 5 lettres :\nchien []\nniche []\n 2 lettres :\nen [chi]\nni [ceh]\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(Cli({"chien", "--brut"}).out, "chien\nniche\nen\nni\n");
}

TEST_F(AnagramCommandTest, AutomaticLinesStreamBetweenTheHeaders) {
  const Outcome run = Cli({"niche", "--auto", "--mots", "1-2", "--imposes", "", "--longueurs", "2-5"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(run.out,
            "  Mot(s) impos\xC3\xA9(s) :     Lettres \xC3\xA0 chercher : niche    Niveau : 4    Lettres entr\xC3\xA9" "es : niche"
            "    Nombre : 5\n\n"
            "\tchien \n\tniche \n\n"
            "    Niveau : 4    Lettres : niche    Nombre : 5    Groupes de mots : 2    Temps : 0 min 0 s\n");
  // Imposed words go before each group; --brut prints the groups alone.
  EXPECT_EQ(Cli({"nichechic", "--auto", "--imposes", "Chic", "--brut"}).out, "chic chien\nchic niche\n");
}

TEST_F(AnagramCommandTest, RefusalsAndExitCodes) {
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {{"ab"}, kExitRefused, "Sans ordinateur on peut trouver facilement les anagrammes d'un mot d'une ou deux "
                             "lettres !!!\nIl faut au moins 3 lettres \xC3\xA0 chercher.\n"},
      {{"ab?", "--auto", "--imposes", "ab"}, kExitRefused, "Il faut au moins une lettre explicite !!!\n"},
      {{"zzq"}, kExitNothingFound, "Apparemment il n'y a pas d'anagrammes possibles avec les lettres \xC2\xAB\xC2\xA0zzq\xC2\xA0\xC2\xBB\n"
                                   "et les options choisies !!!\nEssayez autre chose.\n"},
      {{"chien", "--niveau", "2"}, kExitRefused,
       "Les r\xC3\xA9glages (--imposes, --interdits, --base-complete, --sans-sigles, --mots, --longueurs, --niveau) "
       "vont avec --auto.\n"},
  };
  for (const auto& c : cases) {
    const Outcome run = Cli(c.args);
    EXPECT_EQ(run.code, c.code) << c.args[0];
    EXPECT_EQ(run.err, c.err) << c.args[0];
  }
}

// A search that stops at the group cap on the shipped dictionary says so on the error output.
TEST(AnagramCommandCapTest, TheCapIsSaidOnTheErrorOutput) {
  const Outcome run = testing::RunCliCaptured(
      {"anagrammes", "tourdefrance", "--auto", "--mots", "1-8", "--longueurs", "1-12", "--niveau", "4", "--brut"});
  EXPECT_EQ(run.code, kExitOk) << run.err;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), kAnagramMaxGroups);
  EXPECT_EQ(run.err, "La recherche s'arr\xC3\xAAte \xC3\xA0 32\xC2\xA0" "767 groupes maximum !!!\n");
}

// A long search on the shipped dictionary (fifty letters, fifteen words, level 4), interrupted:
// the command ends with 130 after printing its closing header.
TEST(AnagramCommandInterruptTest, CtrlCPrintsWhatWasFoundAndExits130) {
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    const int code = RunCli({"anagrammes", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx", "--auto", "--mots",
                             "1-15", "--niveau", "4"},
                            std::cout, std::cerr);
    std::cout.flush();
    _exit(code);
  }
  close(pipeFds[1]);
  std::string out;
  char buffer[4096];
  // The window header comes first, once the dictionary is loaded: then interrupt.
  while (out.find("\n\n") == std::string::npos) {
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  usleep(200 * 1000);
  kill(child, SIGINT);
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal instead of stopping";
  EXPECT_EQ(WEXITSTATUS(status), 130);
  EXPECT_NE(out.find("    Niveau : 4    Lettres : abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx    Nombre : 50"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace tavilo::cli
