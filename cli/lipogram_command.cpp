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
  std::optional<std::string> listFile;
  std::optional<std::string> keepFile;
  std::optional<std::string> rtfFile;
  bool raw = false;
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
  args.raw = options.Flag("--brut");

  std::string problem;
  const auto value = [&](std::string_view name) {
    bool missing = false;
    auto v = options.Value(name, &missing);
    if (missing && problem.empty()) problem = "L'option " + std::string(name) + " attend une valeur.";
    return v;
  };
  const auto syllables = value("--syllabes");
  const auto domain = value("--domaine");
  args.listFile = value("--liste");
  args.keepFile = value("--garder");
  args.rtfFile = value("--rtf");
  const auto positionals = options.Positionals();
  const bool obligatory = q.method == LipogramMethod::Obligatory;

  const auto unknown = options.Unknown();
  if (!problem.empty()) {
    // A value is missing: that is the first thing to say.
  } else if (unknown) {
    problem = UnknownOptionMessage(*unknown);
  } else if (positionals.size() != 1) {
    problem = "Usage : tavilo-cli " + std::string(self.name) + " " + self.usage;
  } else if (q.forbidAccented && obligatory) {
    problem = "L'option --tous-diacritiques ne va qu'avec les lettres interdites.";
  } else if (q.forbidAccented && q.exactAccents) {
    problem = "Choisissez --tous-diacritiques ou --diacritiques, pas les deux.";
  } else if (q.mono && Utf8ToCp1252(positionals[0]).size() != 1) {
    problem = "L'option --mono demande une seule lettre.";
  } else if ((q.mono || q.beauPresent) && !obligatory) {
    problem = "Les options --mono et --beau-present vont avec --obligatoires.";
  } else if (syllables && !ParseSyllableOption(*syllables)) {
    problem = kSyllableOptionError;
  } else if (syllables && q.reducedVocabulary) {
    problem = "Le vocabulaire r\xC3\xA9" "duit prend toutes les syllabes : pas de --syllabes avec --vocabulaire-reduit.";
  } else if (domain && !ParseDomainOption(*domain)) {
    problem = kDomainOptionError;
  } else if (domain && args.listFile) {
    problem = kDomainAndListError;
  }
  if (!problem.empty()) {
    ctx.Err() << problem << '\n';
    return std::nullopt;
  }
  q.typed = Utf8ToCp1252(positionals[0]);
  q.syllables = syllables ? *ParseSyllableOption(*syllables) : 3;
  q.domain = args.listFile ? kDomainResultList : domain ? *ParseDomainOption(*domain) : 1;
  q.keepAsNewList = args.keepFile.has_value();
  return args;
}

int RunLipograms(Context& ctx) {
  const Command self = LipogramCommand();
  Options options(ctx.Args());
  if (options.HelpAsked()) return PrintCommandHelp(ctx, self), kExitOk;
  const std::optional<LipogramArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});  // no index is used
  if (!lexicon) return kExitDataError;

  Session session;
  if (args->listFile) {
    if (auto error = ReadListFile(*args->listFile, *lexicon, session)) {
      ctx.PrintError(*error);
      return kExitDataError;
    }
  }
  const LipogramResult result = FindLipograms(*lexicon, session, args->query);
  KeepLipogramResult(result, session);
  if (!result.Accepted()) {
    ctx.PrintError(result.message);
    if (result.refusal != LipogramRefusal::NothingFound) return kExitRefused;
  } else if (args->raw) {
    for (const auto& [count, words] : result.lists) {
      for (const std::string& word : words.Items()) ctx.Print(word);
    }
  } else if (const int code = EmitResult(ctx, WriteLipogramHeader(result), WriteLipogramBlock(result), args->rtfFile);
             code != kExitOk) {
    return code;
  }
  // A search that found nothing still leaves the emptied list behind, as the window does.
  if (args->keepFile) {
    if (auto error = WriteListFile(*args->keepFile, session)) return ctx.PrintError(*error), kExitDataError;
  }
  return result.Accepted() ? kExitOk : kExitNothingFound;
}

}  // namespace

Command LipogramCommand() {
  return {"lipogrammes",
          "LETTRES [--obligatoires] [--tous-diacritiques] [--diacritiques] [--mono] [--beau-present] "
          "[--syllabes N|toutes] [--vocabulaire-reduit] [--domaine noms|adjectifs|verbes|adverbes] "
          "[--liste FICHIER] [--garder FICHIER] [--rtf FICHIER] [--brut]",
          "Cherche les mots sans les LETTRES (ou avec elles), class\xC3\xA9s par nombre de syllabes.",
          "Par d\xC3\xA9" "faut les lettres sont interdites et, sans --diacritiques, chacune interdit aussi ses\n"
          "formes accentu\xC3\xA9" "es (e interdit \xC3\xA9, \xC3\xA8, \xC3\xAA, \xC3\xAB), comme dans la fen\xC3\xAAtre "
          "Lipogrammes ouverte pour\nla premi\xC3\xA8re fois : noms de 3 syllabes.\n\n"
          "  --obligatoires       les mots doivent contenir chacune des lettres\n"
          "  --tous-diacritiques  interdit en plus toute lettre accentu\xC3\xA9" "e (lettres interdites seulement)\n"
          "  --diacritiques       une lettre accentu\xC3\xA9" "e n'est que la lettre tap\xC3\xA9" "e : e n'est pas \xC3\xA9\n"
          "  --mono               avec --obligatoires et une seule lettre : aucune autre voyelle (ou\n"
          "                       consonne) que celle-ci (monovocalisme, monoconsonantisme)\n"
          "  --beau-present       avec --obligatoires : le mot n'est \xC3\xA9" "crit qu'avec les lettres donn\xC3\xA9" "es\n"
          "  --syllabes N         seulement les mots de N syllabes (1 \xC3\xA0 9, ou toutes ; 3 par d\xC3\xA9" "faut)\n"
          "  --vocabulaire-reduit seulement les mots du vocabulaire r\xC3\xA9" "duit, toutes syllabes\n"
          "  --domaine D          noms (par d\xC3\xA9" "faut), adjectifs, verbes ou adverbes\n"
          "  --liste FICHIER      cherche dans une liste gard\xC3\xA9" "e par --garder au lieu d'un domaine\n"
          "  --garder FICHIER     garde le r\xC3\xA9sultat comme nouvelle liste dans FICHIER\n"
          "  --rtf FICHIER        \xC3\xA9" "crit le r\xC3\xA9sultat en RTF dans FICHIER au lieu de l'afficher\n"
          "  --brut               seulement les mots, un par ligne\n\n"
          "Codes de sortie : 0 mots trouv\xC3\xA9s, 1 aucun mot, 2 lettres refus\xC3\xA9" "es ou usage,\n"
          "3 fichier ou donn\xC3\xA9" "es illisibles.\n\n"
          "Exemple : tavilo-cli lipogrammes e --syllabes toutes\n"
          "          tavilo-cli lipogrammes a --obligatoires --mono --syllabes 2\n",
          RunLipograms};
}

}  // namespace tavilo::cli
