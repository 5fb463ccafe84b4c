// tavilo-cli lipogrammes: the lipogram tool from the command line, with the dialog's options as
// flags, its state at the first opening as defaults (forbidden letters, 3 syllables, nouns), and
// the same result block. Combinations the dialog would not let the user make are refused.
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/session.h"
#include "engines/lipogram/lipogram.h"

namespace tavilo::cli {
namespace {

struct LipogramArgs {
  LipogramQuery query;
  ListChain lists;
  ResultOptions output;
};

std::optional<LipogramArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  LipogramArgs args;
  LipogramQuery& q = args.query;
  q.method = options.Flag("--obligatoires") ? LipogramMethod::Obligatory : LipogramMethod::Forbidden;
  q.forbidAccented = options.Flag("--tous-diacritiques");
  q.exactAccents = options.Flag("--diacritiques");
  q.mono = options.Flag("--mono");
  q.beauPresent = options.Flag("--beau-present");
  q.reducedVocabulary = options.Flag("--vocabulaire-reduit");
  const bool obligatory = q.method == LipogramMethod::Obligatory;
  options.Refuse(q.forbidAccented && obligatory, "L'option --tous-diacritiques ne va qu'avec les lettres interdites.");
  options.Refuse(q.forbidAccented && q.exactAccents, "Choisissez --tous-diacritiques ou --diacritiques, pas les deux.");
  options.Refuse((q.mono || q.beauPresent) && !obligatory,
                 "Les options --mono et --beau-present vont avec --obligatoires.");
  const auto syllables = TakeSyllableOption(options);
  options.Refuse(syllables && q.reducedVocabulary,
                 "Le vocabulaire réduit prend toutes les syllabes : pas de --syllabes avec --vocabulaire-reduit.");
  q.syllables = syllables.value_or(3);
  args.lists = TakeListChain(options);
  q.domain = TakeDomainOption(options, args.lists).value_or(SearchDomain::Nouns);
  args.output = TakeResultOptions(options, false);
  TakeSortOption(options, args.output);
  if (options.Expect(self, 1, 1)) {
    q.typed = Utf8ToCp1252(options.Positionals()[0]);
    options.Refuse(q.mono && q.typed.size() != 1, "L'option --mono demande une seule lettre.");
  }
  if (options.Failed(ctx)) return std::nullopt;
  q.keepAsNewList = args.lists.keepFile.has_value();
  return args;
}

int RunLipograms(Context& ctx) {
  const Command self = LipogramCommand();
  Options options(ctx.Args());
  const std::optional<LipogramArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});  // no index is used
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, args->output);
  if (!order) return kExitDataError;

  // A search that found nothing still leaves the emptied list behind, as the window does.
  return RunListChain(ctx, *lexicon, args->lists, true, [&](Session& session) {
    LipogramResult result = FindLipograms(*lexicon, session, args->query);
    if (*order) SortLipogramsByFrequency(result, **order);
    KeepLipogramResult(result, session);
    if (!result.Accepted()) return RefusalExit(ctx, result.message, result.refusal == LipogramRefusal::NothingFound);
    std::vector<std::string> words;
    for (const auto& [count, list] : result.lists) words.insert(words.end(), list.Items().begin(), list.Items().end());
    return EmitResult(ctx, args->output,
                      {[&] { return WriteLipogramHeader(result); }, [&] { return WriteLipogramBlock(result); },
                       [&] { return words; }});
  });
}

}  // namespace

Command LipogramCommand() {
  return {.name = "lipogrammes",
          .usage = "LETTRES [--obligatoires] [--tous-diacritiques] [--diacritiques] [--mono] [--beau-present] "
              "[--syllabes N|toutes] [--vocabulaire-reduit] [--domaine noms|adjectifs|verbes|adverbes] "
              "[--liste FICHIER] [--garder FICHIER] [--tri alpha|frequence] [--rtf FICHIER] [--brut]",
          .summary = "Cherche les mots sans les LETTRES (ou avec elles), classés par nombre de syllabes.",
          .help = "Par défaut les lettres sont interdites et, sans --diacritiques, chacune interdit aussi ses\n"
              "formes accentuées (e interdit é, è, ê, ë), comme dans la fenêtre "
              "Lipogrammes ouverte pour\nla première fois : noms de 3 syllabes.\n\n"
              "  --obligatoires       les mots doivent contenir chacune des lettres\n"
              "  --tous-diacritiques  interdit en plus toute lettre accentuée (lettres interdites seulement)\n"
              "  --diacritiques       une lettre accentuée n'est que la lettre tapée : e n'est pas é\n"
              "  --mono               avec --obligatoires et une seule lettre : aucune autre voyelle (ou\n"
              "                       consonne) que celle-ci (monovocalisme, monoconsonantisme)\n"
              "  --beau-present       avec --obligatoires : le mot n'est écrit qu'avec les lettres données\n"
              "  --syllabes N         seulement les mots de N syllabes (1 à 9, ou toutes ; 3 par défaut)\n"
              "  --vocabulaire-reduit seulement les mots du vocabulaire réduit, toutes syllabes\n"
              "  --domaine D          noms (par défaut), adjectifs, verbes ou adverbes\n"
              "  --liste FICHIER      cherche dans une liste gardée par --garder au lieu d'un domaine\n"
              "  --garder FICHIER     garde le résultat comme nouvelle liste dans FICHIER\n"
              "  --tri ORDRE          alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                       d'abord dans chaque groupe (voir la commande mot)\n"
              "  --rtf FICHIER        écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut               seulement les mots, un par ligne\n\n"
              "Codes de sortie : 0 mots trouvés, 1 aucun mot, 2 lettres refusées ou erreur d'utilisation,\n"
              "3 fichier ou données illisibles.\n\n"
              "Exemples : tavilo-cli lipogrammes e --syllabes toutes\n"
              "           tavilo-cli lipogrammes a --obligatoires --mono --syllabes 2\n",
          .run = RunLipograms};
}

}  // namespace tavilo::cli
