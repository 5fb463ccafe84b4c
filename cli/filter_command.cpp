// tavilo-cli filtre: the filtered-words tool from the command line. The pattern goes through the
// dialog's own canonical rewriting, the options are the dialog's check boxes and lists, and the
// block is the window's, with the explicit letters coloured on a terminal.
#include <iterator>
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/session.h"
#include "core/text.h"
#include "engines/filter/filter.h"

namespace tavilo::cli {
namespace {

struct FilterArgs {
  FilterQuery query;
  ListChain lists;
  ResultOptions output;
};

// "toutes" (0), or a number from `least` to `most`; nullopt when absent. Anything else is refused
// with `message`.
std::optional<int> TakeLimit(Options& options, std::string_view name, int least, int most, std::string_view message) {
  const auto value = options.Value(name);
  if (!value) return std::nullopt;
  const auto limit = *value == "toutes" ? std::optional(0) : ParseNumber(*value, least, most);
  options.Refuse(!limit, message);
  return limit.value_or(0);
}

// Reads the arguments into a query; prints what is wrong (usage errors) and returns nullopt.
std::optional<FilterArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  FilterArgs args;
  FilterQuery& q = args.query;
  q.onceSingle = options.Flag("--une-fois-simple");
  q.onceMulti = options.Flag("--une-fois-multiple");
  q.heterogram = options.Flag("--heterogramme");
  q.distinguishDiacritics = options.Flag("--diacritiques");
  q.reversed = options.Flag("--inverse");
  q.maxLetters = TakeLimit(options, "--lettres-max", 2, 99,
                           "L'option --lettres-max attend un nombre de lettres (2 ou plus) ou toutes.")
                     .value_or(0);
  q.maxSyllables =
      TakeLimit(options, "--syllabes-max", 1, 9, "L'option --syllabes-max attend un nombre de 1 à 9 ou toutes.")
          .value_or(0);
  options.Refuse(q.maxLetters != 0 && q.maxSyllables != 0,
                 "Choisissez --lettres-max ou --syllabes-max, pas les deux : une seule limite à la fois.");
  args.lists = TakeListChain(options);
  q.domain = TakeDomainOption(options, args.lists, DomainExtras::All).value_or(SearchDomain::All);
  args.output = TakeResultOptions(options, true);
  TakeSortOption(options, args.output);
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return std::nullopt;
  q.pattern = Utf8ToCp1252(options.Positionals()[0]);
  // Keeping the words found of a list is what --garder asks for; otherwise the list stays.
  q.keepAsNewList = args.lists.listFile && args.lists.keepFile;
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
  const std::optional<FilterArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  // The search reads the word tables only: no index is built.
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, args->output);
  if (!order) return kExitDataError;

  return RunListChain(ctx, *lexicon, args->lists, false, [&](Session& session) {
    FilterResult result = FindFilteredWords(*lexicon, session, args->query);
    if (*order) SortFilteredWordsByFrequency(result, **order);
    ReportAdjustments(ctx, *args, result);
    if (!result.Accepted()) return RefusalExit(ctx, result.message, result.refusal == FilterRefusal::NothingFound);
    if (result.LimitReached()) ctx.PrintError(kFilterCapMessage);
    KeepFilterResult(result, session);
    return EmitResult(ctx, args->output,
                      {[&] { return WriteFilterHeader(result); }, [&] { return WriteFilterBlock(result); },
                       [&] { return FilterWordsInBlockOrder(result); }});
  });
}

}  // namespace

Command FilterCommand() {
  return {.name = "filtre",
          .usage = "MODELE [--une-fois-simple] [--une-fois-multiple] [--heterogramme] [--diacritiques] [--inverse] "
              "[--lettres-max N] [--syllabes-max N] [--domaine tous|noms|adjectifs|verbes|adverbes] [--liste FICHIER] "
              "[--garder FICHIER] [--tri alpha|frequence] [--rtf FICHIER] [--couleur auto|toujours|jamais] [--brut]",
          .summary = "Cherche les mots qui correspondent à un modèle de mots croisés (b?t*), groupés par longueur.",
          .help = "Le modèle mêle des lettres et des jokers :\n"
              "  ?  une seule lettre       !  une seule consonne       §  une seule voyelle\n"
              "  *  aucune ou plusieurs lettres    ^  ... consonnes    @  ... voyelles\n"
              "Il est d'abord réécrit comme dans la fenêtre Mots filtrés (majuscules en minuscules,\n"
              "chiffres et signes retirés, \"?*\" lu \"*\", \"**\" lu \"*\"...) ; le modèle cherché est dit\n"
              "sur la sortie d'erreur quand il diffère de celui tapé. Mettez-le entre apostrophes.\n\n"
              "  --une-fois-simple    ? ! § ne reprennent aucune lettre écrite dans le modèle\n"
              "  --une-fois-multiple  * ^ @ ne reprennent aucune lettre écrite dans le modèle\n"
              "  --heterogramme       aucune lettre répétée dans le mot\n"
              "  --diacritiques       \"e\" ne trouve plus \"é\" (accents, tréma, cédille distingués)\n"
              "  --inverse            chaque mot est suivi du mot lu à l'envers\n"
              "  --lettres-max N      des mots de N lettres au plus (ou toutes)\n"
              "  --syllabes-max N     des mots de N syllabes au plus (1 à 9, ou toutes)\n"
              "  --domaine D          tous (par défaut), noms, adjectifs, verbes ou adverbes\n"
              "  --liste FICHIER      cherche dans une liste gardée par --garder au lieu d'un domaine\n"
              "  --garder FICHIER     garde ensuite la liste courante dans FICHIER (avec --liste : les mots\n"
              "                       trouvés, comme \"Conserver le résultat comme nouvelle liste\")\n"
              "  --tri ORDRE          alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                       d'abord dans chaque groupe (voir la commande mot)\n"
              "  --rtf FICHIER        écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --couleur QUAND      les lettres du modèle en rouge : auto (sur un terminal), toujours, jamais\n"
              "  --brut               les mots seuls, un par ligne, dans l'ordre du bloc\n\n"
              "Une option que le modèle rend sans objet est ignorée (et dite sur la sortie d'erreur).\n"
              "La recherche s'arrête à 15\u00A0" "000 mots, ce qui est dit sur la sortie d'erreur.\n\n"
              "Codes de sortie : 0 mots trouvés, 1 aucun mot, 2 modèle refusé (trop court, trop long)\n"
              "ou erreur d'utilisation, 3 fichier ou données illisibles.\n\n"
              "Exemples : tavilo-cli filtre 'b?t*' --syllabes-max 2\n"
              "           tavilo-cli filtre '*tion' --domaine noms --brut | wc -l\n",
          .run = RunFilter};
}

}  // namespace tavilo::cli
