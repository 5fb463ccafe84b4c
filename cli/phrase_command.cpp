// tavilo-cli phrase: the hidden sentences of a typed sentence, best first, as the window's
// "Contrepèteries dans une phrase" shows them, or one line per candidate (--brut).
#include <ostream>

#include "cli/commands.h"
#include "cli/result_output.h"
#include "core/frequency.h"
#include "core/text.h"
#include "engines/phrase/phrase.h"

namespace tavilo::cli {
namespace {

struct PhraseArgs {
  PhraseQuery query;
  ResultOptions output;
};

std::optional<PhraseArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  PhraseArgs args;
  const auto sounds = options.Value("--sons");
  const auto parsedSounds = sounds ? ParseNumber(*sounds, 1, 3) : std::optional(3);
  options.Refuse(!parsedSounds, "L'option --sons attend 1, 2 ou 3.");
  args.query.maxSounds = parsedSounds.value_or(3);
  args.query.three = options.Flag("--trois");
  const auto first = options.Value("--premiers");
  const auto parsedFirst = first ? ParseNumber(*first, 1, 100000) : std::optional(0);
  options.Refuse(!parsedFirst, "L'option --premiers attend un nombre de 1 à 100000.");
  args.query.first = static_cast<std::size_t>(parsedFirst.value_or(0));
  args.output = TakeResultOptions(options, true);
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return std::nullopt;
  args.query.typed = Utf8ToCp1252(options.Positionals()[0]);
  return args;
}

int RunPhrase(Context& ctx) {
  const Command self = PhraseCommand();
  Options options(ctx.Args());
  const std::optional<PhraseArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  // The ranking needs the word frequencies: without them there is no order to give.
  const WordFrequencies* frequencies = ctx.GetFrequencies();
  if (!frequencies) return kExitDataError;
  const PhraseResult result = FindPhraseSpoonerisms(*lexicon, *frequencies, args->query);
  if (!result.Accepted()) return RefusalExit(ctx, result.message, result.refusal == PhraseRefusal::NothingFound);
  return EmitResult(ctx, args->output,
                    {[&] { return WritePhraseHeader(result); }, [&] { return WritePhraseBlock(result); },
                     [&] { return PhraseRawLines(result); }});
}

}  // namespace

Command PhraseCommand() {
  return {.name = "phrase",
          .usage = "PHRASE [--sons 1|2|3] [--trois] [--premiers N] [--rtf FICHIER] [--brut] [--couleur auto|toujours|jamais]",
          .summary = "Cherche les contrepèteries cachées dans une phrase, les meilleures d'abord.",
          .help = "Deux mots de la phrase échangent un fragment d'un à trois sons («\u00A0" "ch\u00A0» contre\n"
              "«\u00A0t\u00A0», ou deux sons contre un), à n'importe quelle place de chaque mot, quand les deux\n"
              "nouveaux sons sont des mots du dictionnaire. Chaque phrase cachée est écrite avec les lettres\n"
              "reçues en couleur, puis échange, mots changés (et leurs autres graphies) et score. Le score\n"
              "favorise un mot tabou, la forme classique (deux consonnes ou deux voyelles, à la même place),\n"
              "les noms, adjectifs et verbes, les mots courants (fichier frequences.txt), la même catégorie de\n"
              "mots, et le moins de sons déplacés.\n"
              "Les mots inconnus du dictionnaire restent tels quels. 30 mots au plus.\n\n"
              "  --sons N           chaque fragment a au plus N sons (1, 2 ou 3 : par défaut)\n"
              "  --trois            aussi les rotations entre trois mots\n"
              "  --premiers N       seulement les N meilleures phrases\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut             une ligne par phrase : la phrase, les mots changés (ancien>nouveau), les\n"
              "                     fragments en phonèmes (A/B) et le score, séparés par des tabulations\n"
              "  --couleur QUAND    lettres reçues en couleur : auto (sur un terminal), toujours, jamais\n\n"
              "Codes de sortie : 0 phrases trouvées, 1 aucune, 2 phrase refusée (vide, moins de deux mots\n"
              "connus, plus de 30 mots, chiffres ou signes) ou erreur d'utilisation, 3 fichier ou données illisibles.\n\n"
              "Exemples : tavilo-cli phrase \"Quel champ de coton !\" --premiers 5\n"
              "           tavilo-cli phrase \"La cuvette est pleine de bouillon\" --sons 1 --brut\n",
          .run = RunPhrase};
}

}  // namespace tavilo::cli
