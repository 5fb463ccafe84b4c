// tavilo-cli filtre: the filtered-words tool from the command line. The pattern goes through the
// dialog's own canonical rewriting, the options are the dialog's check boxes and lists, and the
// block is the window's, with the explicit letters coloured on a terminal.
#include <algorithm>
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "core/session.h"
#include "core/text.h"
#include "engines/filter/filter.h"

namespace tavilo::cli {
namespace {

struct FilterArgs {
  FilterQuery query;
  std::optional<std::string> listFile;  // --liste: the source list
  std::optional<std::string> keepFile;  // --garder: where the current list goes afterwards
  std::optional<std::string> rtfFile;   // --rtf: the block as RTF instead of text on stdout
  ColourMode colour = ColourMode::Auto;
  bool raw = false;                     // --brut: the words alone, one per line
};

// "toutes", or a number from `low` to 99.
std::optional<int> ParseLimit(const std::string& value, int low) {
  if (value == "toutes") return 0;
  if (value.empty() || value.size() > 2 || !std::all_of(value.begin(), value.end(), [](char c) { return IsDigit(c); })) {
    return std::nullopt;
  }
  const int n = std::stoi(value);
  return n >= low ? std::optional<int>(n) : std::nullopt;
}

std::optional<FilterDomain> ParseDomain(const std::string& value) {
  if (value == "tous") return FilterDomain::All;
  if (value == "noms") return FilterDomain::Nouns;
  if (value == "adjectifs") return FilterDomain::Adjectives;
  if (value == "verbes") return FilterDomain::Verbs;
  if (value == "adverbes") return FilterDomain::FunctionWords;
  return std::nullopt;
}

// Reads the arguments into a query; prints what is wrong (usage errors) and returns nullopt.
std::optional<FilterArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  FilterArgs args;
  args.query.onceSingle = options.Flag("--une-fois-simple");
  args.query.onceMulti = options.Flag("--une-fois-multiple");
  args.query.heterogram = options.Flag("--heterogramme");
  args.query.distinguishDiacritics = options.Flag("--diacritiques");
  args.query.reversed = options.Flag("--inverse");
  args.raw = options.Flag("--brut");

  std::string problem;
  const auto value = [&](std::string_view name) {
    bool missing = false;
    auto v = options.Value(name, &missing);
    if (missing && problem.empty()) problem = "L'option " + std::string(name) + " attend une valeur.";
    return v;
  };
  const auto letters = value("--lettres-max");
  const auto syllables = value("--syllabes-max");
  const auto domain = value("--domaine");
  const auto colour = value("--couleur");
  args.listFile = value("--liste");
  args.keepFile = value("--garder");
  args.rtfFile = value("--rtf");
  const auto positionals = options.Positionals();

  const auto unknown = options.Unknown();
  if (!problem.empty()) {
    // A value is missing: that is the first thing to say.
  } else if (unknown) {
    problem = UnknownOptionMessage(*unknown);
  } else if (positionals.size() != 1) {
    problem = "Usage : tavilo-cli " + std::string(self.name) + " " + self.usage;
  } else if (letters && !ParseLimit(*letters, 2)) {
    problem = "L'option --lettres-max attend un nombre de lettres (2 ou plus) ou toutes.";
  } else if (syllables && (!ParseLimit(*syllables, 1) || *ParseLimit(*syllables, 1) > 9)) {
    problem = "L'option --syllabes-max attend un nombre de 1 \xC3\xA0 9 ou toutes.";
  } else if (letters && syllables && *ParseLimit(*letters, 2) != 0 && *ParseLimit(*syllables, 1) != 0) {
    problem = "Choisissez --lettres-max ou --syllabes-max, pas les deux : une seule limite \xC3\xA0 la fois.";
  } else if (domain && !ParseDomain(*domain)) {
    problem = "L'option --domaine attend tous, noms, adjectifs, verbes ou adverbes.";
  } else if (domain && args.listFile) {
    problem = "Choisissez --domaine ou --liste, pas les deux : la liste est elle-m\xC3\xAAme le domaine.";
  } else if (colour && !ParseColourMode(*colour)) {
    problem = "L'option --couleur attend auto, toujours ou jamais.";
  } else if (args.raw && args.rtfFile) {
    problem = "Choisissez --brut ou --rtf, pas les deux.";
  }
  if (!problem.empty()) {
    ctx.Err() << problem << '\n';
    return std::nullopt;
  }
  args.query.pattern = Utf8ToCp1252(positionals[0]);
  args.query.maxLetters = letters ? *ParseLimit(*letters, 2) : 0;
  args.query.maxSyllables = syllables ? *ParseLimit(*syllables, 1) : 0;
  args.query.domain = args.listFile ? FilterDomain::ResultList : domain ? *ParseDomain(*domain) : FilterDomain::All;
  // Keeping the words found of a list is what --garder asks for; otherwise the list stays.
  args.query.keepAsNewList = args.listFile && args.keepFile;
  if (colour) args.colour = *ParseColourMode(*colour);
  return args;
}

// Says on stderr what the search did not take as typed: a rewritten pattern, options the
// pattern leaves no room for.
void ReportAdjustments(Context& ctx, const FilterArgs& args, const FilterResult& result) {
  if (result.analysis.pattern != args.query.pattern && !result.analysis.pattern.empty() &&
      result.refusal != FilterRefusal::TooLong) {
    ctx.PrintError("Mod\xE8le cherch\xE9 : " + result.analysis.pattern);
  }
  if (result.refusal == FilterRefusal::TooShort || result.refusal == FilterRefusal::TooLong) return;
  const struct {
    bool asked, used;
    const char* flag;
  } options[] = {
      {args.query.distinguishDiacritics, result.matchOptions.distinguishDiacritics, "--diacritiques"},
      {args.query.onceSingle, result.matchOptions.onceSingle, "--une-fois-simple"},
      {args.query.onceMulti, result.matchOptions.onceMulti, "--une-fois-multiple"},
      {args.query.heterogram, result.heterogram, "--heterogramme"},
      {args.query.reversed, result.reversed, "--inverse"},
  };
  for (const auto& option : options) {
    if (option.asked && !option.used) {
      ctx.PrintError(std::string("L'option ") + option.flag + " ne s'applique pas \xE0 ce mod\xE8le : elle est ignor\xE9" "e.");
    }
  }
}

int RunFilter(Context& ctx) {
  const Command self = FilterCommand();
  Options options(ctx.Args());
  if (options.HelpAsked()) return PrintCommandHelp(ctx, self), kExitOk;
  const std::optional<FilterArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  // The search reads the word tables only: no index is built.
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;

  Session session;
  if (args->listFile) {
    if (auto error = ReadListFile(*args->listFile, *lexicon, session)) {
      ctx.PrintError(*error);
      return kExitDataError;
    }
  }
  const FilterResult result = FindFilteredWords(*lexicon, session, args->query);
  ReportAdjustments(ctx, *args, result);
  if (!result.Accepted()) {
    ctx.PrintError(result.message);
    return result.refusal == FilterRefusal::NothingFound ? kExitNothingFound : kExitRefused;
  }
  if (result.LimitReached()) ctx.PrintError(kFilterCapMessage);
  KeepFilterResult(result, session);

  if (args->raw) {
    std::string text;
    for (const std::string& word : FilterWordsInBlockOrder(result)) {
      text += Cp1252ToUtf8(word);
      text += '\n';
    }
    ctx.Out() << text;
  } else if (const int code = EmitResult(ctx, WriteFilterHeader(result), WriteFilterBlock(result), args->rtfFile,
                                         args->colour);
             code != kExitOk) {
    return code;
  }
  if (args->keepFile) {
    if (auto error = WriteListFile(*args->keepFile, session)) return ctx.PrintError(*error), kExitDataError;
  }
  return kExitOk;
}

}  // namespace

Command FilterCommand() {
  return {"filtre",
          "MODELE [--une-fois-simple] [--une-fois-multiple] [--heterogramme] [--diacritiques] [--inverse] "
          "[--lettres-max N] [--syllabes-max N] [--domaine tous|noms|adjectifs|verbes|adverbes] [--liste FICHIER] "
          "[--garder FICHIER] [--rtf FICHIER] [--couleur auto|toujours|jamais] [--brut]",
          "Cherche les mots qui correspondent \xC3\xA0 un mod\xC3\xA8le de mots crois\xC3\xA9s (b?t*), group\xC3\xA9s par longueur.",
          "Le mod\xC3\xA8le m\xC3\xAAle des lettres et des jokers :\n"
          "  ?  une seule lettre       !  une seule consonne       \xC2\xA7  une seule voyelle\n"
          "  *  aucune ou plusieurs lettres    ^  ... consonnes    @  ... voyelles\n"
          "Il est d'abord r\xC3\xA9\xC3\xA9" "crit comme dans la fen\xC3\xAAtre Mots filtr\xC3\xA9s (majuscules en minuscules,\n"
          "chiffres et signes retir\xC3\xA9s, \"?*\" lu \"*\", \"**\" lu \"*\"...) ; le mod\xC3\xA8le cherch\xC3\xA9 est dit\n"
          "sur la sortie d'erreur quand il diff\xC3\xA8re de celui tap\xC3\xA9. Mettez-le entre apostrophes.\n\n"
          "  --une-fois-simple    ? ! \xC2\xA7 ne reprennent aucune lettre \xC3\xA9" "crite dans le mod\xC3\xA8le\n"
          "  --une-fois-multiple  * ^ @ ne reprennent aucune lettre \xC3\xA9" "crite dans le mod\xC3\xA8le\n"
          "  --heterogramme       aucune lettre r\xC3\xA9p\xC3\xA9t\xC3\xA9" "e dans le mot\n"
          "  --diacritiques       \"e\" ne trouve plus \"\xC3\xA9\" (accents, tr\xC3\xA9ma, c\xC3\xA9" "dille distingu\xC3\xA9s)\n"
          "  --inverse            chaque mot est suivi du mot lu \xC3\xA0 l'envers\n"
          "  --lettres-max N      des mots de N lettres au plus (ou toutes)\n"
          "  --syllabes-max N     des mots de N syllabes au plus (1 \xC3\xA0 9, ou toutes)\n"
          "  --domaine D          tous (par d\xC3\xA9" "faut), noms, adjectifs, verbes ou adverbes\n"
          "  --liste FICHIER      cherche dans une liste gard\xC3\xA9" "e par --garder au lieu d'un domaine\n"
          "  --garder FICHIER     garde ensuite la liste courante dans FICHIER (avec --liste : les mots\n"
          "                       trouv\xC3\xA9s, comme \"Conserver le r\xC3\xA9sultat comme nouvelle liste\")\n"
          "  --rtf FICHIER        \xC3\xA9" "crit le r\xC3\xA9sultat en RTF dans FICHIER au lieu de l'afficher\n"
          "  --couleur QUAND      les lettres du mod\xC3\xA8le en rouge : auto (sur un terminal), toujours, jamais\n"
          "  --brut               les mots seuls, un par ligne, dans l'ordre du bloc\n\n"
          "Une option que le mod\xC3\xA8le rend sans objet est ignor\xC3\xA9" "e (et dite sur la sortie d'erreur).\n"
          "La recherche s'arr\xC3\xAAte \xC3\xA0 15000 mots, ce qui est dit sur la sortie d'erreur.\n\n"
          "Codes de sortie : 0 mots trouv\xC3\xA9s, 1 aucun mot, 2 mod\xC3\xA8le refus\xC3\xA9 (trop court, trop long)\n"
          "ou usage, 3 fichier ou donn\xC3\xA9" "es illisibles.\n\n"
          "Exemple : tavilo-cli filtre 'b?t*' --syllabes-max 2\n"
          "          tavilo-cli filtre '*tion' --domaine noms --brut | wc -l\n",
          RunFilter};
}

}  // namespace tavilo::cli
