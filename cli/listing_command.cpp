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
  return {"liste",
          kUsage.c_str(),
          "Liste les mots remarquables du dictionnaire (palindromes, anagrammes, ambigrammes...).",
          "Parcourt tout le dictionnaire, comme les commandes \xC2\xAB\xC2\xA0Listage\xC2\xA0\xC2\xBB du menu Outils, et \xC3\xA9" "crit la\n"
          "liste group\xC3\xA9" "e par longueur :\n"
          "  palindromes               mots qui se lisent dans les deux sens (radar)\n"
          "  palindromes-phonetiques   mots qui se prononcent dans les deux sens (kayak)\n"
          "  anacycliques              paires de mots qui se lisent l'un \xC3\xA0 l'envers de l'autre (ressac, casser)\n"
          "  ourobores                 mots palindromes une fois la premi\xC3\xA8re ou la derni\xC3\xA8re lettre \xC3\xB4t\xC3\xA9" "e (belle)\n"
          "  anacycles-phonetiques     paires de mots qui se prononcent l'un \xC3\xA0 l'envers de l'autre (laisse, sel)\n"
          "  anaphones                 mots faits des m\xC3\xAA" "mes sons dans un autre ordre (rame, mare, arme)\n"
          "  ambigrammes               mots lisibles une fois tourn\xC3\xA9s de 180\xC2\xB0 (nu)\n"
          "  ambigrammes-horizontaux   mots sym\xC3\xA9triques par rapport \xC3\xA0 un axe horizontal (toi)\n"
          "  okapi                     mots qui alternent consonne et voyelle (okapi)\n"
          "  phokapi                   mots qui alternent consonne et voyelle \xC3\xA0 l'oreille (\xC3\xA9t\xC3\xA9)\n"
          "  familles                  familles de mots \xC3\xA9" "crits avec les m\xC3\xAA" "mes lettres (chien, chine, niche)\n\n"
          "  --tri ORDRE        alpha (par d\xC3\xA9" "faut, ordre habituel) ou frequence : les mots les plus courants\n"
          "                     d'abord dans chaque groupe (voir la commande mot)\n"
          "  --brut             seulement les mots trouv\xC3\xA9s, un par ligne, dans l'ordre de la liste\n"
          "  --rtf FICHIER      \xC3\xA9" "crit le r\xC3\xA9sultat en RTF dans FICHIER au lieu de l'afficher\n"
          "  --garder FICHIER   (okapi et phokapi) garde les mots trouv\xC3\xA9s dans FICHIER, comme liste\n"
          "                     courante qu'une recherche suivante peut reprendre\n"
          "  --couleur QUAND    en-t\xC3\xAAte en rouge : auto (dans un terminal, par d\xC3\xA9" "faut), toujours ou jamais\n\n"
          "Codes de sortie : 0 mots trouv\xC3\xA9s, 1 aucun, 2 erreur d'utilisation, 3 fichier ou\n"
          "donn\xC3\xA9" "es illisibles.\n\n"
          "Exemples : tavilo-cli liste palindromes --brut\n"
          "           tavilo-cli liste okapi --garder okapi.liste\n",
          RunListingCommand};
}

}  // namespace tavilo::cli
