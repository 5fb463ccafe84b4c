// The command line's shared pieces: the command table, the context every command receives, and
// the small helpers for UTF-8 output and option parsing.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/frequency.h"
#include "core/lexicon.h"

namespace tavilo::cli {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNothingFound = 1;
inline constexpr int kExitRefused = 2;  // a refused input or a usage error
inline constexpr int kExitDataError = 3;

// What a command receives: its arguments (UTF-8, the command name removed), the streams, and the
// lexicon loaded on first use from the data directory.
class Context {
 public:
  Context(std::vector<std::string> args, std::ostream& out, std::ostream& err, std::filesystem::path dataDir)
      : args_(std::move(args)), out_(out), err_(err), dataDir_(std::move(dataDir)) {}

  const std::vector<std::string>& Args() const { return args_; }
  std::ostream& Out() { return out_; }
  std::ostream& Err() { return err_; }

  // The lexicon, loaded once with the indexes `needs` asks for (a command asks only for those it
  // uses; a later call that needs more builds them then); null after printing the data error on
  // stderr.
  const Lexicon* GetLexicon(LoadOptions needs = {});
  // Hands the context a lexicon already loaded, which the caller keeps from one command to the
  // next (the web page loads it once); a command that needs an index it lacks builds it there.
  void ShareLexicon(std::shared_ptr<Lexicon> lexicon) { lexicon_ = std::move(lexicon); }
  // How common each word is, read from the data directory on first use; null after printing
  // why the file could not be read (what a command sorting by frequency then exits with).
  const WordFrequencies* GetFrequencies();
  const StartupTimings& Timings() const { return timings_; }
  const std::filesystem::path& DataDirectory() const { return dataDir_; }

  // True when stdout is the program's own standard output and a terminal: what "--couleur auto"
  // looks at.
  bool OutIsTerminal() const;

  // Writes a Windows-1252 text as UTF-8 (to stdout / stderr), followed by a new line.
  void Print(std::string_view cp1252);
  void PrintError(std::string_view cp1252);

 private:
  std::vector<std::string> args_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path dataDir_;
  std::shared_ptr<Lexicon> lexicon_;
  StartupTimings timings_;
  bool loadFailed_ = false;
  std::optional<FrequencyLoad> frequencies_;
};

struct Command {
  const char* name;
  const char* usage;    // one line: arguments and options (UTF-8)
  const char* summary;  // one line (UTF-8)
  const char* help;     // the full --help text (UTF-8)
  int (*run)(Context&);
};

// Every command, in the order `--help` lists them.
const std::vector<Command>& Commands();

// Runs the program on argv-style arguments (without the program name); returns the exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Option parsing. An option is "--name", "--name VALUE" or "--name=VALUE". A command takes its
// options, checks the positional arguments with Expect, adds its own rules with Refuse, then asks
// Failed, which prints the first problem found.
class Options {
 public:
  explicit Options(const std::vector<std::string>& args);
  // Takes a flag; true when present.
  bool Flag(std::string_view name);
  // Takes an option's value; nullopt when absent. An option given last, without its value, is a
  // usage error ("L'option --x attend une valeur."), the first one reported.
  std::optional<std::string> Value(std::string_view name);
  // What is left: positional arguments, and any unknown "--option" (reported by Expect).
  std::vector<std::string> Positionals() const;

  // True when every option is known and there are `least` to `most` positional arguments (the
  // command's usage line is the problem otherwise); call it after taking every option. A rule
  // that reads the positional arguments is checked only when this holds.
  bool Expect(const Command& self, std::size_t least, std::size_t most);
  // Records `message` as a refusal when `refused`; the first one recorded is the one reported,
  // after a missing value, an unknown option or a wrong count of arguments.
  void Refuse(bool refused, std::string_view message);
  // Prints the problem (UTF-8) on stderr; true when there is one.
  bool Failed(Context& ctx) const;

 private:
  std::vector<std::string> args_;
  std::vector<bool> used_;
  std::string missing_;  // a value missing
  std::string usage_;    // an unknown option or a wrong count of arguments
  std::string refusal_;  // the first of the command's own rules broken
};

// The number `value` spells in decimal digits, when it lies from `least` to `most`; nullopt for
// anything else (a sign, a space, an empty text, a number out of range).
std::optional<int> ParseNumber(std::string_view value, int least, int most);

// The word table a --domaine value names: noms, adjectifs, verbes, adverbes; nullopt else.
std::optional<SearchDomain> ParseDomainOption(std::string_view value);

// Prints "Usage : tavilo-cli <usage>" and the command's help: what "--help" (or "-h") anywhere
// after the command name asks for, before the command reads any other argument.
void PrintCommandHelp(Context& ctx, const Command& command);

}  // namespace tavilo::cli
