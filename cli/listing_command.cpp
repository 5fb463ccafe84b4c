// tavilo-cli liste: the word listings of the Tools menu from the command line, with the same
// block as text on stdout, as an RTF file, or as bare items for scripts.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/session.h"
#include "engines/listings/listing.h"

namespace tavilo::cli {
namespace {

// The listings' command names, from the listing table, joined by `separator`.
std::string ListingNames(const char* separator) {
  std::string names;
  for (const ListingDescription& d : AllListingDescriptions()) (names += names.empty() ? "" : separator) += d.commandName;
  return names;
}

int RunListingCommand(Context& ctx) {
  const Command self = ListingCommand();
  Options options(ctx.Args());

  ResultOptions output = TakeResultOptions(options, true);
  TakeSortOption(options, output);
  const ListChain lists = TakeListChain(options, false);
  std::optional<ListingKind> kind;
  if (options.Expect(self, 1, 1)) {
    kind = ListingByCommandName(options.Positionals()[0]);
    options.Refuse(!kind, "Listage inconnu. Listages : " + ListingNames(", ") + ".");
    options.Refuse(kind && lists.keepFile && DescribeListing(*kind).listKind.empty(),
                   "L'option --garder ne sert qu'aux listages okapi et phokapi, qui remplissent la liste courante.");
  }
  if (options.Failed(ctx)) return kExitRefused;

  const ListingDescription& d = DescribeListing(*kind);
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{d.needsAnagramIndex, d.needsPhoneticIndex});
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, output);
  if (!order) return kExitDataError;
  // An empty listing still leaves its emptied list behind.
  return RunListChain(ctx, *lexicon, lists, true, [&](Session& session) {
    ListingResult result = RunWordListing(*kind, *lexicon);
    if (*order) SortListingByFrequency(result, **order);
    KeepListingResult(result, session);
    const int code = EmitResult(ctx, output,
                                {[&] { return WriteListingHeader(result); }, [&] { return WriteListingBlock(result); },
                                 [&] { return ListingItems(result); }});
    return code == kExitOk && result.count == 0 ? kExitNothingFound : code;
  });
}

}  // namespace

Command ListingCommand() {
  // The usage names every listing, as the listing table has them (the completion reads them here).
  static const std::string kUsage =
      ListingNames("|") + " [--tri alpha|frequence] [--brut] [--rtf FICHIER] [--garder FICHIER] [--couleur auto|toujours|jamais]";
  return {.name = "liste",
          .usage = kUsage.c_str(),
          .summary = "Liste les mots remarquables du dictionnaire (palindromes, anagrammes, ambigrammes...).",
          .help = "Parcourt tout le dictionnaire, comme les commandes «\u00A0Listage\u00A0» du menu Outils, et écrit la\n"
              "liste groupée par longueur :\n"
              "  palindromes               mots qui se lisent dans les deux sens (radar)\n"
              "  palindromes-phonetiques   mots qui se prononcent dans les deux sens (kayak)\n"
              "  anacycliques              paires de mots qui se lisent l'un à l'envers de l'autre (ressac, casser)\n"
              "  ourobores                 mots palindromes une fois la première ou la dernière lettre ôtée (belle)\n"
              "  anacycles-phonetiques     paires de mots qui se prononcent l'un à l'envers de l'autre (laisse, sel)\n"
              "  anaphones                 mots faits des mêmes sons dans un autre ordre (rame, mare, arme)\n"
              "  ambigrammes               mots lisibles une fois tournés de 180° (nu)\n"
              "  ambigrammes-horizontaux   mots symétriques par rapport à un axe horizontal (toi)\n"
              "  okapi                     mots qui alternent consonne et voyelle (okapi)\n"
              "  phokapi                   mots qui alternent consonne et voyelle à l'oreille (été)\n"
              "  familles                  familles de mots écrits avec les mêmes lettres (chien, chine, niche)\n\n"
              "  --tri ORDRE        alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                     d'abord dans chaque groupe (voir la commande mot)\n"
              "  --brut             seulement les mots trouvés, un par ligne, dans l'ordre de la liste\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --garder FICHIER   (okapi et phokapi) garde les mots trouvés dans FICHIER, comme liste\n"
              "                     courante qu'une recherche suivante peut reprendre\n"
              "  --couleur QUAND    en-tête en rouge : auto (dans un terminal, par défaut), toujours ou jamais\n\n"
              "Codes de sortie : 0 mots trouvés, 1 aucun, 2 erreur d'utilisation, 3 fichier ou\n"
              "données illisibles.\n\n"
              "Exemples : tavilo-cli liste palindromes --brut\n"
              "           tavilo-cli liste okapi --garder okapi.liste\n",
          .run = RunListingCommand};
}

}  // namespace tavilo::cli
