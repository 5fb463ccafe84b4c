// The command line's driver: the context commands receive, option parsing, the general help, and
// the dispatch from the command name to the command.
#include "cli/cli.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "core/text.h"

namespace tavilo::cli {

namespace {

bool IsOption(const std::string& arg) { return arg.size() > 2 && arg.compare(0, 2, "--") == 0; }

void PrintGeneralHelp(std::ostream& out) {
  out << "tavilo-cli " << Version() << " — les jeux de mots de Tavilo en ligne de commande\n\n"
      << "Usage : tavilo-cli [--data DOSSIER] COMMANDE [ARGUMENTS] [OPTIONS]\n\n"
      << "Commandes :\n";
  for (const Command& c : Commands()) {
    std::string name = c.name;
    name.resize(std::max<std::size_t>(name.size() + 2, 16), ' ');
    out << "  " << name << c.summary << '\n';
  }
  out << "\nOptions générales :\n"
      << "  --data DOSSIER  le dossier des fichiers .tav (sinon $TAVILO_DATA, le dossier courant,\n"
      << "                  le dossier d'installation, puis data/ des sources)\n"
      << "  --help          cette aide ; tavilo-cli COMMANDE --help pour l'aide d'une commande\n\n"
      << "Codes de sortie : 0 résultat, 1 rien trouvé, 2 saisie refusée ou erreur d'utilisation,\n"
      << "3 données illisibles.\n";
}

}  // namespace

const Lexicon* Context::GetLexicon(LoadOptions needs) {
  if (lexicon_) {
    BuildMissingIndexes(*lexicon_, needs, &timings_);
    return lexicon_.get();
  }
  if (loadFailed_) return nullptr;
  LexiconLoad load = LoadLexicon(dataDir_, {}, needs);
  timings_ = load.timings;
  if (load.error) {
    loadFailed_ = true;
    err_ << load.error->MessageUtf8() << '\n';
    return nullptr;
  }
  lexicon_ = std::move(load.lexicon);
  return lexicon_.get();
}

const WordFrequencies* Context::GetFrequencies() {
  if (!frequencies_) {
    frequencies_ = LoadWordFrequencies(dataDir_);
    if (frequencies_->error) err_ << frequencies_->error->MessageUtf8() << '\n';
  }
  return frequencies_->error ? nullptr : &frequencies_->frequencies;
}

bool Context::OutIsTerminal() const { return &out_ == &std::cout && isatty(STDOUT_FILENO) == 1; }

void Context::Print(std::string_view cp1252) { out_ << Cp1252ToUtf8(cp1252) << '\n'; }
// A message may quote what was typed (a refused character, a word): each of its lines is shown
// with control characters escaped, so nothing typed reaches the terminal raw.
void Context::PrintError(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  std::size_t start = 0;
  while (true) {
    const std::size_t end = utf8.find('\n', start);
    err_ << ForDisplay(std::string_view(utf8).substr(start, end == std::string::npos ? std::string::npos : end - start), 400);
    if (end == std::string::npos) break;
    err_ << '\n';
    start = end + 1;
  }
  err_ << '\n';
}

Options::Options(const std::vector<std::string>& args) : args_(args), used_(args.size(), false) {}

bool Options::Flag(std::string_view name) {
  bool found = false;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (!used_[i] && args_[i] == name) {
      used_[i] = true;
      found = true;
    }
  }
  return found;
}

std::optional<std::string> Options::Value(std::string_view name) {
  std::optional<std::string> value;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (used_[i]) continue;
    const std::string& a = args_[i];
    if (a == name) {
      used_[i] = true;
      if (i + 1 < args_.size()) {
        used_[i + 1] = true;
        value = args_[++i];
      } else if (missing_.empty()) {
        missing_ = "L'option " + std::string(name) + " attend une valeur.";
      }
    } else if (a.size() > name.size() + 1 && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
      used_[i] = true;
      value = a.substr(name.size() + 1);
    }
  }
  return value;
}

std::vector<std::string> Options::Positionals() const {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (!used_[i] && !IsOption(args_[i])) out.push_back(args_[i]);
  }
  return out;
}

bool Options::Expect(const Command& self, std::size_t least, std::size_t most) {
  if (!missing_.empty() || !usage_.empty()) return false;
  for (std::size_t i = 0; i < args_.size(); ++i) {
    // The option as typed, made safe to show: control characters escaped, cut when long.
    if (!used_[i] && IsOption(args_[i])) {
      usage_ = "Option inconnue : " + ForDisplay(args_[i], 40);
      return false;
    }
  }
  const std::size_t count = Positionals().size();
  if (count < least || count > most) usage_ = "Usage : tavilo-cli " + std::string(self.name) + " " + self.usage;
  return usage_.empty();
}

void Options::Refuse(bool refused, std::string_view message) {
  if (refused && refusal_.empty()) refusal_ = message;
}

bool Options::Failed(Context& ctx) const {
  const std::string& problem = !missing_.empty() ? missing_ : !usage_.empty() ? usage_ : refusal_;
  if (problem.empty()) return false;
  ctx.Err() << problem << '\n';
  return true;
}

std::optional<int> ParseNumber(std::string_view value, int least, int most) {
  // Nine digits at most: no int overflows.
  if (value.empty() || value.size() > 9) return std::nullopt;
  int n = 0;
  for (char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < least || n > most) return std::nullopt;
  return n;
}

std::optional<SearchDomain> ParseDomainOption(std::string_view value) {
  static const char* const kNames[] = {"noms", "adjectifs", "verbes", "adverbes"};
  static_assert(std::size(kNames) == std::size(kWordTableDomains));
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    if (value == kNames[i]) return kWordTableDomains[i];
  }
  return std::nullopt;
}

void PrintCommandHelp(Context& ctx, const Command& command) {
  ctx.Out() << "Usage : tavilo-cli " << command.name << ' ' << command.usage << "\n\n"
            << command.summary << "\n\n"
            << command.help;
}

int RunCli(const std::vector<std::string>& argsIn, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args = argsIn;
  std::filesystem::path dataDir;
  // Global options come before the command name.
  while (!args.empty() && (args.front() == "--data" || args.front().rfind("--data=", 0) == 0)) {
    if (args.front() == "--data") {
      if (args.size() < 2) {
        err << "L'option --data attend un dossier.\n";
        return kExitRefused;
      }
      dataDir = args[1];
      args.erase(args.begin(), args.begin() + 2);
    } else {
      dataDir = args.front().substr(7);
      args.erase(args.begin());
    }
  }
  if (args.empty() || args.front() == "--help" || args.front() == "-h" || args.front() == "aide") {
    PrintGeneralHelp(args.empty() ? err : out);
    return args.empty() ? kExitRefused : kExitOk;
  }
  if (args.front() == "--version") {
    out << "tavilo-cli " << Version() << '\n';
    return kExitOk;
  }
  // Arguments are UTF-8 text: anything else is refused before any command sees it, so no
  // message ever prints a stray byte.
  for (const std::string& arg : args) {
    if (!IsValidUtf8(arg)) {
      err << "L'argument «\u00A0" << ForDisplay(arg, 40) << "\u00A0» n'est pas du texte UTF-8 valide.\n";
      return kExitRefused;
    }
  }
  if (dataDir.empty()) dataDir = FindDataDirectory();
  for (const Command& command : Commands()) {
    if (args.front() != command.name) continue;
    Context ctx(std::vector<std::string>(args.begin() + 1, args.end()), out, err, dataDir);
    const auto help = [](const std::string& arg) { return arg == "--help" || arg == "-h"; };
    if (std::any_of(args.begin() + 1, args.end(), help)) return PrintCommandHelp(ctx, command), kExitOk;
    return command.run(ctx);
  }
  err << "Commande inconnue : " << ForDisplay(args.front(), 40) << " (tavilo-cli --help liste les commandes).\n";
  return kExitRefused;
}

}  // namespace tavilo::cli
