// tavilo-cli contrepeteries: the spoonerism tool from the command line, with the dialog's options
// as flags (and its defaults), the same blocks and header, or one line per found word (--brut).
#include <chrono>
#include <ostream>

#include "cli/commands.h"
#include "cli/list_file.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/session.h"
#include "core/text.h"
#include "engines/spoonerism/spoonerism.h"

namespace tavilo::cli {
namespace {

struct SpoonerismArgs {
  SpoonerismQuery query;
  ListChain lists;
  ResultOptions output;
};

std::optional<SpoonerismMethod> ParseMethod(const std::string& value) {
  if (value == "normale") return SpoonerismMethod::Normal;
  if (value == "inversee") return SpoonerismMethod::Reversed;
  if (value == "double") return SpoonerismMethod::Double;
  if (value == "enfant") return SpoonerismMethod::Child;
  if (value == "contrepetophile") return SpoonerismMethod::Contrepetophile;
  return std::nullopt;
}

// Reads the arguments into a query; prints what is wrong (usage errors) and returns nullopt. The
// options the dialog disables together are refused together.
std::optional<SpoonerismArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  SpoonerismArgs args;
  SpoonerismQuery& q = args.query;
  q.decadent = options.Flag("--decadentes");
  q.mergeEe = !options.Flag("--distinguer-e");
  const auto phonemes = options.Value("--phonemes");
  const auto swap = phonemes ? ParseNumber(*phonemes, 1, 3) : std::optional(1);
  options.Refuse(!swap, "L'option --phonemes attend 1, 2 ou 3.");
  q.swapLength = swap.value_or(1);
  const auto method = options.Value("--methode");
  const auto parsedMethod = method ? ParseMethod(*method) : std::optional(SpoonerismMethod::Normal);
  options.Refuse(!parsedMethod, "L'option --methode attend normale, inversee, double, enfant ou contrepetophile.");
  q.method = parsedMethod.value_or(SpoonerismMethod::Normal);
  args.lists = TakeListChain(options);
  q.domain = TakeDomainOption(options, args.lists).value_or(SearchDomain::Nouns);
  args.output = TakeResultOptions(options, true);
  TakeSortOption(options, args.output);
  options.Refuse(q.swapLength > 1 && !q.decadent,
                 "Les contrepèteries classiques n'échangent qu'un phonème : ajoutez --decadentes.");
  options.Refuse(q.swapLength > 1 && q.method == SpoonerismMethod::Child,
                 "La méthode enfant n'échange qu'un phonème.");
  options.Refuse(q.swapLength > 2 && q.method == SpoonerismMethod::Reversed,
                 "La méthode inversée échange au plus deux phonèmes.");
  options.Refuse(args.lists.listFile && q.method == SpoonerismMethod::Contrepetophile,
                 "La recherche des mots contrepétophiles ne lit pas de liste : choisissez un --domaine.");
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return std::nullopt;
  q.typed = Utf8ToCp1252(options.Positionals()[0]);
  // Keeping the result of a search over a list is "Conserver le résultat comme nouvelle liste".
  q.keepAsNewList = args.lists.listFile && args.lists.keepFile;
  return args;
}

// One line per found word, for scripts: A, B and the word (with its "#"), or, for the
// contrepétophile search, the fragment of the taboo word and the word.
std::vector<std::string> RawLines(const SpoonerismResult& result) {
  std::vector<std::string> lines;
  for (const SpoonerismBlock& block : result.blocks) {
    for (const SpoonerismWord& word : block.words) {
      std::string line = block.fragment + '\t';
      if (result.method != SpoonerismMethod::Contrepetophile) line += block.replacement + '\t';
      lines.push_back(line + word.dictionarySpelling + (word.tabooPartner ? "#" : ""));
    }
  }
  return lines;
}

int RunSpoonerisms(Context& ctx) {
  const Command self = SpoonerismCommand();
  Options options(ctx.Args());
  const std::optional<SpoonerismArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, args->output);
  if (!order) return kExitDataError;

  return RunListChain(ctx, *lexicon, args->lists, false, [&](Session& session) {
    // As in the window, where "Liste de recherche précédente" is then disabled.
    if (args->lists.listFile && session.resultListKind == kSpoonerismListKind) {
      ctx.Err() << "Une liste de contrepèteries ne sert pas de domaine à une recherche de contrepèteries.\n";
      return kExitRefused;
    }
    const auto start = std::chrono::steady_clock::now();
    SpoonerismResult result = FindSpoonerisms(*lexicon, session, args->query);
    if (*order) SortSpoonerismsByFrequency(result, **order);
    const long elapsed = static_cast<long>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count());
    KeepSpoonerismResult(result, session);
    if (!result.Accepted()) {
      return RefusalExit(ctx, result.message,
                         result.refusal == SpoonerismRefusal::NoReplacement ||
                             result.refusal == SpoonerismRefusal::NothingFound);
    }
    const auto block = [&] {
      Document written = WriteSpoonerismBlocks(result);
      for (const std::string& note : SpoonerismNotes(result)) written.Append(Cp1252ToUtf8("\n" + note), CharFormat{});
      return written;
    };
    return EmitResult(ctx, args->output,
                      {[&] { return WriteSpoonerismHeader(result, elapsed); }, block, [&] { return RawLines(result); }});
  });
}

}  // namespace

Command SpoonerismCommand() {
  return {.name = "contrepeteries",
          .usage = "MOT [--decadentes] [--phonemes 1|2|3] [--methode normale|inversee|double|enfant|contrepetophile] "
              "[--distinguer-e] [--domaine noms|adjectifs|verbes|adverbes] [--liste FICHIER] [--garder FICHIER] "
              "[--tri alpha|frequence] [--rtf FICHIER] [--brut] [--couleur auto|toujours|jamais]",
          .summary = "Cherche les contrepèteries d'un mot : échanges de sons qui donnent de vrais mots.",
          .help = "Un fragment A du mot (un à trois phonèmes) est remplacé par un fragment B qui donne un mot ;\n"
              "les mots trouvés contiennent B, et donnent un mot quand A prend sa place. Chaque bloc montre\n"
              "le mot (lettres de A en couleur) puis les mots trouvés (lettres de B en couleur).\n\n"
              "  --decadentes       échange au début ou au milieu des mots (sinon : au début seulement)\n"
              "  --phonemes N       1 (par défaut), 2 ou 3 phonèmes échangés (avec --decadentes)\n"
              "  --methode M        normale (tabou dans le mot entré après permutation, par défaut),\n"
              "                     inversee (tabou dans le résultat), double (dans les deux), enfant (aucun\n"
              "                     mot tabou), contrepetophile (les mots qui donnent le mot TABOU entré)\n"
              "  --distinguer-e     distingue les sons «\u00A0é\u00A0» et «\u00A0è\u00A0» (confondus par défaut)\n"
              "  --domaine D        noms (par défaut), adjectifs, verbes ou adverbes\n"
              "  --liste FICHIER    cherche dans une liste gardée par --garder au lieu d'un domaine\n"
              "  --garder FICHIER   garde ensuite la liste courante dans FICHIER, pour un --liste suivant\n"
              "  --tri ORDRE        alpha (par défaut, ordre habituel) ou frequence : les mots les plus courants\n"
              "                     d'abord dans chaque groupe (voir la commande mot)\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut             une ligne par mot trouvé : A, B (en phonèmes) et le mot, séparés par\n"
              "                     des tabulations (contrepetophile : le fragment du mot tabou et le mot)\n"
              "  --couleur QUAND    lettres échangées en couleur : auto (sur un terminal), toujours, jamais\n\n"
              "Codes de sortie : 0 contrepèteries trouvées, 1 aucune, 2 mot refusé\n"
              "ou erreur d'utilisation, 3 fichier ou données illisibles.\n\n"
              "Exemples : tavilo-cli contrepeteries bateau --methode inversee\n"
              "           tavilo-cli contrepeteries chapeau --decadentes --phonemes 2 --brut\n",
          .run = RunSpoonerisms};
}

}  // namespace tavilo::cli
