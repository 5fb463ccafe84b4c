// tavilo-docgen: writes the manual page of tavilo-cli and its bash completion from the program's
// own command table and --help texts, at build time, so that neither can drift from the program:
// a command added to the table appears in both.
//
//   tavilo-docgen man-cli FILE       tavilo-cli.1, in French
//   tavilo-docgen man-gui FILE       tavilo.1, the desktop program's short page
//   tavilo-docgen completion FILE    the bash completion of tavilo-cli
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/lexicon.h"

namespace tavilo::cli {
namespace {

// --- Reading the help texts ---------------------------------------------------------------------

std::string GeneralHelp() {
  std::ostringstream out, err;
  RunCli({"--help"}, out, err);
  return out.str();
}

std::string CommandHelp(const Command& command) {
  std::ostringstream out, err;
  Context context({}, out, err, {});
  PrintCommandHelp(context, command);
  return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// What an option takes, as its usage and help lines say.
struct OptionInfo {
  std::string value;                 // the placeholder ("FICHIER", "N"...), empty for a flag
  std::vector<std::string> choices;  // the words it accepts, when the usage lists them (a|b|c)
};

// The options of a command: every "--name" of its usage line and of its help text, with the value
// each takes. In the usage, "[--name a|b|c]" lists the accepted words and "[--name VALUE]" names
// a value; in the help, an option line starts with spaces, "--name" and maybe a placeholder.
std::map<std::string, OptionInfo> CommandOptions(const Command& command) {
  std::map<std::string, OptionInfo> options;
  static const std::regex usageOption(R"((--[a-z0-9-]+)(?:[ =]([^\[\]\s-][^\[\]\s]*))?)");
  const std::string usage = command.usage;
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), usageOption); it != std::sregex_iterator(); ++it) {
    OptionInfo& info = options[(*it)[1]];
    const std::string value = (*it)[2];
    if (value.empty()) continue;
    if (value.find('|') != std::string::npos || (value.front() >= 'a' && value.front() <= 'z')) {
      std::istringstream words(value);
      // A placeholder among the words ("N|toutes") stands for a value to type, not one to offer.
      for (std::string word; std::getline(words, word, '|');) {
        if (!word.empty() && (word.front() < 'A' || word.front() > 'Z')) info.choices.push_back(word);
      }
      info.value = "MOT";
    } else {
      info.value = value;
    }
  }
  static const std::regex helpOption(R"(^\s+(--[a-z0-9-]+)(?:[ =]([A-Z][A-Z0-9_]*))?(?:\s|$))");
  for (const std::string& line : Lines(command.help)) {
    std::smatch match;
    if (!std::regex_search(line, match, helpOption)) continue;
    OptionInfo& info = options[match[1]];
    if (info.value.empty() && match[2].matched) info.value = match[2];
  }
  // Any other option the help names (in a sentence, or a global one) is offered too.
  static const std::regex anyOption(R"(--[a-z][a-z0-9-]*)");
  const std::string text = usage + "\n" + command.help;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), anyOption); it != std::sregex_iterator(); ++it)
    options[it->str()];
  options.erase("--help");
  return options;
}

// The words the command's first argument takes, when its usage line starts with them ("a|b|c"),
// as the listing command's does from its own table; empty otherwise.
std::vector<std::string> ArgumentChoices(const Command& command) {
  const std::string usage = command.usage;
  const std::string first = usage.substr(0, usage.find(' '));
  std::vector<std::string> choices;
  if (first.find('|') == std::string::npos || first.front() == '[' || first.front() == '-') return choices;
  std::istringstream words(first);
  for (std::string word; std::getline(words, word, '|');) choices.push_back(word);
  return choices;
}

// --- The manual pages ---------------------------------------------------------------------------

// Text for roff: backslashes escaped, hyphens as minus signs (options are typed with them), and a
// line that would start with a control character protected.
std::string Roff(const std::string& line) {
  std::string out;
  for (char c : line) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

// A help text as it is printed, kept line for line.
void Preformatted(std::ostream& out, const std::vector<std::string>& lines) {
  out << ".nf\n";
  for (const std::string& line : lines) out << (line.empty() ? std::string() : Roff(line)) << '\n';
  out << ".fi\n";
}

std::string Header(const char* name) {
  return std::string(".TH ") + name + " 1 \"\" \"Tavilo " + Version() + "\" \"Commandes utilisateur\"\n";
}

void WriteCliManual(std::ostream& out) {
  const std::vector<std::string> general = Lines(GeneralHelp());
  out << ".\\\" Generated by tavilo-docgen from the --help texts of tavilo-cli; do not edit.\n"
      << Header("TAVILO-CLI") << ".SH NOM\n"
      << "tavilo\\-cli \\- les jeux de mots de Tavilo en ligne de commande\n"
      << ".SH SYNOPSIS\n"
      << ".B tavilo\\-cli\n"
      << "[\\fB\\-\\-data\\fR \\fIDOSSIER\\fR] \\fICOMMANDE\\fR [\\fIARGUMENTS\\fR] [\\fIOPTIONS\\fR]\n"
      << ".br\n.B tavilo\\-cli\n\\fICOMMANDE\\fR \\fB\\-\\-help\\fR\n"
      << ".SH DESCRIPTION\n"
      << "\\fBtavilo\\-cli\\fR offre en ligne de commande les outils de jeux de mots du programme "
         "\\fBtavilo\\fR, sur le m\\[^e]me dictionnaire fran\\[,c]ais d'environ 90\\~000 mots. Les mots "
         "sont lus et \\['e]crits en UTF\\-8.\n"
      << ".PP\n";
  // The general help without its first line (the program's name and version, in the header).
  std::vector<std::string> body(general.begin() + (general.empty() ? 0 : 1), general.end());
  while (!body.empty() && body.front().empty()) body.erase(body.begin());
  Preformatted(out, body);
  out << ".SH COMMANDES\n";
  for (const Command& command : Commands()) {
    out << ".SS " << Roff(command.name) << "\n";
    std::vector<std::string> lines = Lines(CommandHelp(command));
    Preformatted(out, lines);
  }
  out << ".SH ENVIRONNEMENT\n"
      << ".TP\n.B TAVILO_DATA\n"
      << "Le dossier des six fichiers \\fB.tav\\fR du dictionnaire, quand \\fB\\-\\-data\\fR n'est pas "
         "donn\\['e]. Sans lui, le dossier courant s'il contient \\fBnm.tav\\fR, puis le dossier "
         "\\fIshare/tavilo\\fR de l'installation.\n"
      << ".SH FICHIERS\n"
      << ".TP\n.I share/tavilo/*.tav\n"
      << "Le dictionnaire install\\['e] (noms, adjectifs, verbes, adverbes, mots tabous, locutions), "
         "sous licence CC BY\\-SA 4.0 ; voir \\fIshare/tavilo/NOTICE\\fR.\n"
      << ".SH \"VOIR AUSSI\"\n"
      << ".BR tavilo (1)\n";
}

void WriteGuiManual(std::ostream& out) {
  out << ".\\\" Generated by tavilo-docgen; do not edit.\n"
      << Header("TAVILO") << ".SH NOM\n"
      << "tavilo \\- bo\\[^i]te \\[`a] outils de jeux de mots pour la langue fran\\[,c]aise\n"
      << ".SH SYNOPSIS\n.B tavilo\n"
      << ".SH DESCRIPTION\n"
      << "\\fBtavilo\\fR garde en m\\['e]moire un dictionnaire fran\\[,c]ais d'environ 90\\~000 mots, "
         "chacun avec sa prononciation et son nombre de syllabes, et offre dans sa fen\\[^e]tre "
         "principale des outils de jeux de mots : contrep\\[`e]teries, rimes, anaphones, anagrammes, "
         "lipogrammes, mots filtr\\['e]s par un mod\\[`e]le de mots crois\\['e]s et listages de mots "
         "remarquables (palindromes, ambigrammes, mots 'okapi'...).\n"
      << ".PP\n"
      << "Chaque outil s'ouvre par le menu \\fBOutils\\fR ou la barre d'outils. Son r\\['e]sultat "
         "s'affiche dans la fen\\[^e]tre, peut servir de liste de d\\['e]part \\[`a] la recherche "
         "suivante, s'enregistre en texte brut ou en texte enrichi (RTF), s'imprime et se "
         "copie. L'aide, en fran\\[,c]ais, est dans le menu \\fB?\\fR.\n"
      << ".SH FICHIERS\n"
      << ".TP\n.I Listes/SansTitre.rtf\n"
      << "Le dernier r\\['e]sultat, enregistr\\['e] \\[`a] chaque recherche dans le dossier "
         "\\fIListes\\fR du dossier de travail, o\\[`u] s'ouvrent aussi les fen\\[^e]tres "
         "d'enregistrement.\n"
      << ".TP\n.I ~/.config/Tavilo/Tavilo.conf\n"
      << "La position de la fen\\[^e]tre principale.\n"
      << ".TP\n.I share/tavilo/*.tav\n"
      << "Le dictionnaire install\\['e], sous licence CC BY\\-SA 4.0.\n"
      << ".SH ENVIRONNEMENT\n"
      << ".TP\n.B TAVILO_DATA\n"
      << "Un autre dossier de fichiers \\fB.tav\\fR \\[`a] charger au d\\['e]marrage.\n"
      << ".SH \"VOIR AUSSI\"\n"
      << ".BR tavilo\\-cli (1)\n";
}

// --- The bash completion ------------------------------------------------------------------------

std::string Words(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

// How bash completes the value of an option that takes one.
std::string ValueCompletion(const OptionInfo& info) {
  if (!info.choices.empty()) return "COMPREPLY=($(compgen -W '" + Words(info.choices) + "' -- \"$cur\"))";
  if (info.value == "FICHIER") return "_filedir";
  if (info.value == "DOSSIER") return "_filedir -d";
  return "COMPREPLY=()";  // a number or a word: nothing to propose
}

void WriteCompletion(std::ostream& out) {
  std::vector<std::string> names;
  for (const Command& command : Commands()) names.push_back(command.name);
  out << "# bash completion for tavilo-cli. Generated by tavilo-docgen from the program's command\n"
         "# table and --help texts; do not edit.\n\n"
         "_tavilo_cli() {\n"
         "  local cur prev words cword\n"
         "  _init_completion || return\n\n"
         "  # The command is the first word that is neither an option nor the folder of --data.\n"
         "  local i command=\n"
         "  for ((i = 1; i < cword; i++)); do\n"
         "    case ${words[i]} in\n"
         "      --data) ((i++)) ;;\n"
         "      -*) ;;\n"
         "      *) command=${words[i]}; break ;;\n"
         "    esac\n"
         "  done\n\n"
         "  if [[ -z $command ]]; then\n"
         "    case $prev in\n"
         "      --data) _filedir -d; return ;;\n"
         "    esac\n"
         "    COMPREPLY=($(compgen -W '"
      << Words(names)
      << " --data --help --version' -- \"$cur\"))\n"
         "    return\n"
         "  fi\n\n"
         "  case $command in\n";
  for (const Command& command : Commands()) {
    const std::map<std::string, OptionInfo> options = CommandOptions(command);
    std::vector<std::string> flags{"--help"};
    std::string values;
    for (const auto& [name, info] : options) {
      flags.push_back(name);
      if (!info.value.empty()) values += "        " + name + ") " + ValueCompletion(info) + "; return ;;\n";
    }
    for (const std::string& choice : ArgumentChoices(command)) flags.push_back(choice);
    out << "    " << command.name << ")\n";
    if (!values.empty()) out << "      case $prev in\n" << values << "      esac\n";
    out << "      COMPREPLY=($(compgen -W '" << Words(flags) << "' -- \"$cur\"))\n"
        << "      ;;\n";
  }
  out << "  esac\n"
         "} &&\n"
         "  complete -F _tavilo_cli tavilo-cli\n";
}

int Main(int argc, char** argv) {
  const std::map<std::string, void (*)(std::ostream&)> writers = {
      {"man-cli", WriteCliManual}, {"man-gui", WriteGuiManual}, {"completion", WriteCompletion}};
  const auto writer = argc == 3 ? writers.find(argv[1]) : writers.end();
  if (writer == writers.end()) {
    std::cerr << "Usage : tavilo-docgen man-cli|man-gui|completion FICHIER\n";
    return 2;
  }
  std::ofstream file(argv[2], std::ios::binary);
  writer->second(file);
  file.close();
  if (!file) {
    std::cerr << "tavilo-docgen : impossible d'\xC3\xA9" "crire " << argv[2] << "\n";
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace tavilo::cli

int main(int argc, char** argv) { return tavilo::cli::Main(argc, argv); }
