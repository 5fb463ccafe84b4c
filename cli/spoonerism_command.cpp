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
  q.domain = TakeDomainOption(options, args.lists);
  args.output = TakeResultOptions(options, true);
  TakeSortOption(options, args.output);
  options.Refuse(q.swapLength > 1 && !q.decadent,
                 "Les contrep\xC3\xA8teries classiques n'\xC3\xA9" "changent qu'un phon\xC3\xA8me : ajoutez --decadentes.");
  options.Refuse(q.swapLength > 1 && q.method == SpoonerismMethod::Child,
                 "La m\xC3\xA9thode enfant n'\xC3\xA9" "change qu'un phon\xC3\xA8me.");
  options.Refuse(q.swapLength > 2 && q.method == SpoonerismMethod::Reversed,
                 "La m\xC3\xA9thode invers\xC3\xA9" "e \xC3\xA9" "change au plus deux phon\xC3\xA8mes.");
  options.Refuse(args.lists.listFile && q.method == SpoonerismMethod::Contrepetophile,
                 "La recherche des mots contrep\xC3\xA9tophiles ne lit pas de liste : choisissez un --domaine.");
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
      ctx.Err() << "Une liste de contrep\xC3\xA8teries ne sert pas de domaine \xC3\xA0 une recherche de contrep\xC3\xA8teries.\n";
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
  return {"contrepeteries",
          "MOT [--decadentes] [--phonemes 1|2|3] [--methode normale|inversee|double|enfant|contrepetophile] "
          "[--distinguer-e] [--domaine noms|adjectifs|verbes|adverbes] [--liste FICHIER] [--garder FICHIER] "
          "[--tri alpha|frequence] [--rtf FICHIER] [--brut] [--couleur auto|toujours|jamais]",
          "Cherche les contrep\xC3\xA8teries d'un mot : \xC3\xA9" "changes de sons qui donnent de vrais mots.",
          "Un fragment A du mot (un \xC3\xA0 trois phon\xC3\xA8mes) est remplac\xC3\xA9 par un fragment B qui donne un mot ;\n"
          "les mots trouv\xC3\xA9s contiennent B, et donnent un mot quand A prend sa place. Chaque bloc montre\n"
          "le mot (lettres de A en couleur) puis les mots trouv\xC3\xA9s (lettres de B en couleur).\n\n"
          "  --decadentes       \xC3\xA9" "change au d\xC3\xA9" "but ou au milieu des mots (sinon : au d\xC3\xA9" "but seulement)\n"
          "  --phonemes N       1 (par d\xC3\xA9" "faut), 2 ou 3 phon\xC3\xA8mes \xC3\xA9" "chang\xC3\xA9s (avec --decadentes)\n"
          "  --methode M        normale (tabou dans le mot entr\xC3\xA9 apr\xC3\xA8s permutation, par d\xC3\xA9" "faut),\n"
          "                     inversee (tabou dans le r\xC3\xA9sultat), double (dans les deux), enfant (aucun\n"
          "                     mot tabou), contrepetophile (les mots qui donnent le mot TABOU entr\xC3\xA9)\n"
          "  --distinguer-e     distingue les sons \xC2\xAB\xC2\xA0\xC3\xA9\xC2\xA0\xC2\xBB et \xC2\xAB\xC2\xA0\xC3\xA8\xC2\xA0\xC2\xBB (confondus par d\xC3\xA9" "faut)\n"
          "  --domaine D        noms (par d\xC3\xA9" "faut), adjectifs, verbes ou adverbes\n"
          "  --liste FICHIER    cherche dans une liste gard\xC3\xA9" "e par --garder au lieu d'un domaine\n"
          "  --garder FICHIER   garde ensuite la liste courante dans FICHIER, pour un --liste suivant\n"
          "  --tri ORDRE        alpha (par d\xC3\xA9" "faut, ordre habituel) ou frequence : les mots les plus courants\n"
          "                     d'abord dans chaque groupe (voir la commande mot)\n"
          "  --rtf FICHIER      \xC3\xA9" "crit le r\xC3\xA9sultat en RTF dans FICHIER au lieu de l'afficher\n"
          "  --brut             une ligne par mot trouv\xC3\xA9 : A, B (en phon\xC3\xA8mes) et le mot, s\xC3\xA9par\xC3\xA9s par\n"
          "                     des tabulations (contrepetophile : le fragment du mot tabou et le mot)\n"
          "  --couleur QUAND    lettres \xC3\xA9" "chang\xC3\xA9" "es en couleur : auto (sur un terminal), toujours, jamais\n\n"
          "Codes de sortie : 0 contrep\xC3\xA8teries trouv\xC3\xA9" "es, 1 aucune, 2 mot refus\xC3\xA9\n"
          "ou erreur d'utilisation, 3 fichier ou donn\xC3\xA9" "es illisibles.\n\n"
          "Exemples : tavilo-cli contrepeteries bateau --methode inversee\n"
          "           tavilo-cli contrepeteries chapeau --decadentes --phonemes 2 --brut\n",
          RunSpoonerisms};
}

}  // namespace tavilo::cli
