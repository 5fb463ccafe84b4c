// tavilo-cli rimes: the rhyme tool from the command line, with the dialog's options as flags and
// the same result block, as text on stdout or as an RTF file.
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/session.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo::cli {
namespace {

struct RhymeArgs {
  RhymeQuery query;
  ListChain lists;
  ResultOptions output;
};

// Reads the arguments into a query; prints what is wrong (usage errors) and returns nullopt.
std::optional<RhymeArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  RhymeArgs args;
  const bool start = options.Flag("--debut");
  const bool inside = options.Flag("--interieur");
  args.query.position = start ? RhymePosition::Start : inside ? RhymePosition::Inside : RhymePosition::End;
  args.query.keepSpelling = options.Flag("--graphie");
  args.query.syllables = TakeSyllableOption(options).value_or(0);
  args.lists = TakeListChain(options);
  args.query.domain = TakeDomainOption(options, args.lists).value_or(SearchDomain::Nouns);
  args.output = TakeResultOptions(options, true);
  TakeSortOption(options, args.output);
  options.Refuse(start && inside, "Choisissez --debut ou --interieur, pas les deux.");
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return std::nullopt;
  args.query.typed = Utf8ToCp1252(options.Positionals()[0]);
  return args;
}

int RunRhymes(Context& ctx) {
  const Command self = RhymeCommand();
  Options options(ctx.Args());
  const std::optional<RhymeArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, args->output);
  if (!order) return kExitDataError;

  return RunListChain(ctx, *lexicon, args->lists, false, [&](Session& session) {
    RhymeResult result = FindRhymes(*lexicon, session, args->query);
    if (*order) SortRhymesByFrequency(result, **order);
    if (!result.Accepted()) return RefusalExit(ctx, result.message, result.refusal == RhymeRefusal::NothingFound);
    KeepRhymeResult(result, session);
    // The words only, in the block's order: most syllables first, each list as sorted.
    std::vector<std::string> words;
    for (auto list = result.lists.rbegin(); list != result.lists.rend(); ++list) {
      words.insert(words.end(), list->Items().begin(), list->Items().end());
    }
    return EmitResult(ctx, args->output,
                      {[&] { return WriteRhymeHeader(result); }, [&] { return WriteRhymeBlock(result); },
                       [&] { return words; }});
  });
}

}  // namespace

Command RhymeCommand() {
  return {.name = "rimes",
          .usage = "RIME [--debut|--interieur] [--graphie] [--syllabes N] [--domaine noms|adjectifs|verbes|adverbes] "
              "[--liste FICHIER] [--garder FICHIER] [--tri alpha|frequence] [--rtf FICHIER] [--brut] [--couleur auto|toujours|jamais]",
          .summary = "Cherche les mots qui riment avec RIME, classés par nombre de syllabes.",
          .help = "Le son de la rime est pris à un mot du dictionnaire qui finit par ses lettres ; les mots dont\n"
              "la phonétique finit par ce son sont listés, comme dans la fenêtre Rimes.\n\n"
              "  --debut            le son en début de mot (au lieu de la fin)\n"
              "  --interieur        le son à l'intérieur du mot, ni au début ni à la fin\n"
              "  --graphie          les lettres de la rime doivent aussi s'y trouver (Conserver la graphie)\n"
              "  --syllabes N       seulement les mots de N syllabes (1 à 9, ou toutes)\n"
              "  --domaine D        noms (par défaut), adjectifs, verbes ou adverbes\n"
              "  --liste FICHIER    cherche dans une liste gardée par --garder (ou enregistrée en texte\n"
              "                     depuis la fenêtre) au lieu d'un domaine ; les mots répétés n'y sont\n"
              "                     listés qu'une fois\n"
              "  --garder FICHIER   garde ensuite la liste courante dans FICHIER, pour un --liste suivant\n"
              "  --tri ORDRE        alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                     d'abord dans chaque groupe (voir la commande mot)\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut             seulement les mots trouvés, un par ligne, pour les scripts\n"
              "  --couleur QUAND    auto (par défaut : couleur sur un terminal), toujours ou jamais\n\n"
              "Codes de sortie : 0 rimes trouvées, 1 aucune rime avec ces options, 2 rime refusée\n"
              "(chiffres, signes, «\u00A0" "e\u00A0» seul, son inconnu) ou erreur d'utilisation, 3 fichier\n"
              "ou données illisibles.\n\n"
              "Exemples : tavilo-cli rimes age --syllabes 2 --garder age.liste\n"
              "           tavilo-cli rimes on --interieur --liste age.liste\n",
          .run = RunRhymes};
}

}  // namespace tavilo::cli
