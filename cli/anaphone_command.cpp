// tavilo-cli anaphones: the anaphone tool from the command line, with the same result block.
#include <ostream>

#include "cli/commands.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "engines/anaphone/anaphone.h"

namespace tavilo::cli {
namespace {

int RunAnaphones(Context& ctx) {
  const Command self = AnaphoneCommand();
  Options options(ctx.Args());
  ResultOptions output = TakeResultOptions(options, false);
  TakeSortOption(options, output);
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});  // no index is used
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, output);
  if (!order) return kExitDataError;

  AnaphoneResult result = FindAnaphones(*lexicon, {Utf8ToCp1252(options.Positionals()[0])});
  if (*order) SortAnaphonesByFrequency(result, **order);
  if (!result.Accepted()) return RefusalExit(ctx, result.message, result.refusal == AnaphoneRefusal::NothingFound);
  // Block order: the single words, then the pairs from the longest first word down.
  std::vector<std::string> items;
  for (std::size_t n = result.PhonemeCount(); n >= 1; --n) {
    items.insert(items.end(), result.lists[n].Items().begin(), result.lists[n].Items().end());
  }
  return EmitResult(ctx, output,
                    {[&] { return WriteAnaphoneHeader(result); }, [&] { return WriteAnaphoneBlock(result); },
                     [&] { return items; }});
}

}  // namespace

Command AnaphoneCommand() {
  return {.name = "anaphones",
          .usage = "MOT [--tri alpha|frequence] [--rtf FICHIER] [--brut]",
          .summary = "Cherche les mots, et les paires de mots, faits des mêmes sons que MOT dans un autre ordre.",
          .help = "MOT doit être un mot du dictionnaire ; ses accents sont retirés avant la recherche\n"
              "(tapez-le sans accent), et sa prononciation est celle du dictionnaire. Les noms, adjectifs,\n"
              "verbes et adverbes sont parcourus ; les résultats sont groupés par nombre de phonèmes du\n"
              "premier mot, comme dans la fenêtre Anaphones. Un mot de plus de 16 phonèmes est refusé.\n\n"
              "  --tri ORDRE     alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                  d'abord dans chaque groupe (voir la commande mot)\n"
              "  --rtf FICHIER   écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut          seulement les mots et les paires, un par ligne\n\n"
              "Codes de sortie : 0 anaphones trouvés, 1 aucun, 2 mot refusé ou erreur d'utilisation,\n"
              "3 fichier ou données illisibles.\n\n"
              "Exemple : tavilo-cli anaphones rame\n",
          .run = RunAnaphones};
}

}  // namespace tavilo::cli
