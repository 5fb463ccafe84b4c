// tavilo-cli liste: the word listings of the Tools menu from the command line, with the same
// block as text on stdout, as an RTF file, or as bare items for scripts.
#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "core/session.h"
#include "engines/listings/listing.h"

namespace tavilo::cli {
namespace {

std::string ListingNames() {
  std::string names;
  for (const ListingDescription& d : AllListingDescriptions()) (names += names.empty() ? "" : ", ") += d.commandName;
  return names;
}

int RunListingCommand(Context& ctx) {
  const Command self = ListingCommand();
  Options options(ctx.Args());
  if (options.HelpAsked()) return PrintCommandHelp(ctx, self), kExitOk;

  std::string problem;
  const auto value = [&](std::string_view name) {
    bool missing = false;
    auto v = options.Value(name, &missing);
    if (missing && problem.empty()) problem = "L'option " + std::string(name) + " attend une valeur.";
    return v;
  };
  const bool bare = options.Flag("--brut");
  const auto rtfFile = value("--rtf");
  const auto keepFile = value("--garder");
  const auto colour = value("--couleur");
  const auto positionals = options.Positionals();
  const auto unknown = options.Unknown();
  std::optional<ListingKind> kind;
  if (!problem.empty()) {
    // A value is missing: that is the first thing to say.
  } else if (unknown) {
    problem = UnknownOptionMessage(*unknown);
  } else if (positionals.size() != 1) {
    problem = "Usage : tavilo-cli " + std::string(self.name) + " " + self.usage;
  } else if (!(kind = ListingByCommandName(positionals[0]))) {
    problem = "Listage inconnu. Listages : " + ListingNames() + ".";
  } else if (keepFile && DescribeListing(*kind).listKind.empty()) {
    problem = "L'option --garder ne sert qu'aux listages okapi et phokapi, qui remplissent la liste courante.";
  } else if (bare && rtfFile) {
    problem = "Choisissez --brut ou --rtf, pas les deux.";
  } else if (colour && !ParseColourMode(*colour)) {
    problem = "L'option --couleur attend auto, toujours ou jamais.";
  }
  if (!problem.empty()) {
    ctx.Err() << problem << '\n';
    return kExitRefused;
  }

  const ListingDescription& d = DescribeListing(*kind);
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{d.needsAnagramIndex, d.needsPhoneticIndex});
  if (!lexicon) return kExitDataError;
  const ListingResult result = RunWordListing(*kind, *lexicon);
  Session session;
  KeepListingResult(result, session);

  if (bare) {
    for (const std::string& item : ListingItems(result)) ctx.Print(item);
  } else if (const int code = EmitResult(ctx, WriteListingHeader(result), WriteListingBlock(result), rtfFile,
                                         colour ? *ParseColourMode(*colour) : ColourMode::Auto);
             code != kExitOk) {
    return code;
  }
  if (keepFile) {
    if (auto error = WriteListFile(*keepFile, session)) return ctx.PrintError(*error), kExitDataError;
  }
  return result.count == 0 ? kExitNothingFound : kExitOk;
}

}  // namespace

Command ListingCommand() {
  return {"liste",
          "palindromes|palindromes-phonetiques|anacycliques|ourobores|anacycles-phonetiques|anaphones|ambigrammes|"
          "ambigrammes-horizontaux|okapi|phokapi|familles [--brut] [--rtf FICHIER] [--garder FICHIER] "
          "[--couleur auto|toujours|jamais]",
          "Liste les mots remarquables du dictionnaire (palindromes, anagrammes, ambigrammes...).",
          "Parcourt tout le dictionnaire, comme les commandes \xC2\xAB Listage \xC2\xBB du menu Outils, et \xC3\xA9" "crit la\n"
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
          "  --brut             seulement les mots trouv\xC3\xA9s, un par ligne, dans l'ordre de la liste\n"
          "  --rtf FICHIER      \xC3\xA9" "crit le r\xC3\xA9sultat en RTF dans FICHIER au lieu de l'afficher\n"
          "  --garder FICHIER   (okapi et phokapi) garde les mots trouv\xC3\xA9s comme liste courante dans\n"
          "                     FICHIER, pour le --liste d'une recherche suivante\n"
          "  --couleur MODE     en-t\xC3\xAAte en rouge : auto (dans un terminal, par d\xC3\xA9" "faut), toujours ou jamais\n\n"
          "Codes de sortie : 0 mots trouv\xC3\xA9s, 1 aucun, 2 usage, 3 fichier ou donn\xC3\xA9" "es illisibles.\n\n"
          "Exemple : tavilo-cli liste palindromes --brut\n"
          "          tavilo-cli liste okapi --garder okapi.liste\n",
          RunListingCommand};
}

}  // namespace tavilo::cli
