// tavilo-cli rimes-mot: the rhymes of a word, richest first, from the command line, with the
// window's options as flags and the same block, as text on stdout or as an RTF file.
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/frequency.h"
#include "core/session.h"
#include "core/text.h"
#include "engines/word_rhyme/word_rhyme.h"

namespace tavilo::cli {
namespace {

struct WordRhymeArgs {
  WordRhymeQuery query;
  ListChain lists;
  ResultOptions output;
};

// Reads the arguments into a query; prints what is wrong (usage errors) and returns nullopt.
std::optional<WordRhymeArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  WordRhymeArgs args;
  if (const auto reading = options.Value("--lecture")) {
    const auto number = ParseNumber(*reading, 1, 99);
    options.Refuse(!number, "L'option --lecture attend le numéro d'une lecture du mot (1, 2...).");
    args.query.reading = number.value_or(1);
  }
  args.query.assonances = options.Flag("--assonances");
  args.query.syllables = TakeSyllableOption(options).value_or(0);
  args.lists = TakeListChain(options);
  args.query.domain =
      TakeDomainOption(options, args.lists, DomainExtras::AllAndLocutions).value_or(SearchDomain::All);
  args.output = TakeResultOptions(options, true);
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return std::nullopt;
  args.query.typed = Utf8ToCp1252(options.Positionals()[0]);
  return args;
}

int RunWordRhymes(Context& ctx) {
  const Command self = WordRhymeCommand();
  Options options(ctx.Args());
  const std::optional<WordRhymeArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  // Inside a section the most common words come first: without the frequencies there is no order.
  const WordFrequencies* frequencies = ctx.GetFrequencies();
  if (!frequencies) return kExitDataError;

  return RunListChain(ctx, *lexicon, args->lists, false, [&](Session& session) {
    const WordRhymeResult result = FindWordRhymes(*lexicon, session, *frequencies, args->query);
    if (!result.Accepted()) {
      return RefusalExit(ctx, result.message, result.refusal == WordRhymeRefusal::NothingFound);
    }
    KeepWordRhymeResult(result, session);
    return EmitResult(ctx, args->output,
                      {[&] { return WriteWordRhymeHeader(result); }, [&] { return WriteWordRhymeBlock(result); },
                       [&] {
                         std::vector<std::string> lines;
                         for (const auto& [richness, spelling] : WordRhymeLines(result)) {
                           lines.push_back(std::to_string(richness) + "\t" + spelling);
                         }
                         return lines;
                       }});
  });
}

}  // namespace

Command WordRhymeCommand() {
  return {.name = "rimes-mot",
          .usage = "MOT [--lecture N] [--assonances] [--syllabes N] "
              "[--domaine tous|noms|adjectifs|verbes|adverbes|locutions] [--liste FICHIER] [--garder FICHIER] "
              "[--rtf FICHIER] [--brut] [--couleur auto|toujours|jamais]",
          .summary = "Cherche les rimes d'un MOT, des plus riches aux plus pauvres, les mots courants d'abord.",
          .help = "Le mot est cherché dans le lexique comme dans les autres outils ; sa rime est sa dernière\n"
              "voyelle (le son) et ce qui la suit. Les mots dont la phonétique finit par cette rime sont\n"
              "groupés par le nombre de sons qu'ils partagent avec la fin du mot : rime riche (3 sons\n"
              "et plus), suffisante (2), pauvre (1). Dans chaque groupe, les mots les plus courants viennent\n"
              "d'abord (fichier frequences.txt des données). Les homophones du mot ne sont pas des rimes.\n\n"
              "  --lecture N        la lecture N du mot quand il en a plusieurs (1 par défaut ; l'en-tête\n"
              "                     nomme les autres)\n"
              "  --assonances       ajoute les mots de même dernière voyelle suivie d'autres sons (ton, tombe)\n"
              "  --syllabes N       seulement les mots de N syllabes (1 à 9, ou toutes)\n"
              "  --domaine D        tous (par défaut), noms, adjectifs, verbes, adverbes ou locutions\n"
              "  --liste FICHIER    cherche dans une liste gardée par --garder au lieu d'un domaine\n"
              "  --garder FICHIER   garde ensuite les mots trouvés dans FICHIER, pour un --liste suivant\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut             une ligne par mot : la richesse (0 pour une assonance), une tabulation, le mot\n"
              "  --couleur QUAND    auto (par défaut : couleur sur un terminal), toujours ou jamais\n\n"
              "Codes de sortie : 0 rimes trouvées, 1 aucune rime avec ces options, 2 mot refusé ou\n"
              "inconnu, lecture absente, ou erreur d'utilisation, 3 fichier ou données illisibles (dont frequences.txt).\n\n"
              "Exemples : tavilo-cli rimes-mot chanson\n"
              "           tavilo-cli rimes-mot orange --assonances --brut\n"
              "           tavilo-cli rimes-mot amour --domaine locutions\n",
          .run = RunWordRhymes};
}

}  // namespace tavilo::cli
