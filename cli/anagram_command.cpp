// tavilo-cli anagrammes: the anagram tool from the command line. Without --auto, the manual
// block (each word with the letters that remain); with --auto, the manual pass builds the
// candidates as the dialog does, then the group search prints each group line as soon as it is
// found, so that a long search shows its first groups at once. Ctrl-C ends the search: what was
// found is printed and the exit code is 130.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <ostream>

#include "cli/commands.h"
#include "cli/result_output.h"
#include "cli/search_options.h"
#include "core/frequency_order.h"
#include "core/text.h"
#include "engines/anagram/anagram.h"

namespace tavilo::cli {
namespace {

constexpr int kExitStopped = 130;  // interrupted by Ctrl-C

volatile std::sig_atomic_t interrupted = 0;
void OnInterrupt(int) { interrupted = 1; }

// Installs the Ctrl-C handler for the life of the search.
class InterruptGuard {
 public:
  InterruptGuard() : previous_(std::signal(SIGINT, OnInterrupt)) { interrupted = 0; }
  ~InterruptGuard() { std::signal(SIGINT, previous_); }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  void (*previous_)(int);
};

// Prints each group as it is found; stops on Ctrl-C.
class StreamingObserver : public AnagramObserver {
 public:
  StreamingObserver(std::ostream* out, bool raw, bool jokers) : out_(out), raw_(raw), jokers_(jokers) {}

  void OnGroup(const AnagramGroup& group) override {
    if (!out_) return;
    if (raw_) {
      std::string words = group.words;
      if (!words.empty() && words.back() == ' ') words.pop_back();
      *out_ << Cp1252ToUtf8(words) << '\n';
    } else {
      *out_ << Cp1252ToUtf8(GroupLine(group, jokers_)) << '\n';
    }
  }
  bool Yield() override {
    // Lines reach a terminal or a pipe a few times a second, not one write per line.
    if (out_ && std::chrono::steady_clock::now() - lastFlush_ > std::chrono::milliseconds(100)) {
      out_->flush();
      lastFlush_ = std::chrono::steady_clock::now();
    }
    return interrupted == 0;
  }

 private:
  std::ostream* out_;
  bool raw_;
  bool jokers_;
  std::chrono::steady_clock::time_point lastFlush_ = std::chrono::steady_clock::now();
};

// "MIN-MAX" or "N" (both bounds N), each within [low, high].
std::optional<std::pair<int, int>> ParseRange(const std::string& value, int low, int high) {
  const std::size_t dash = value.find('-');
  const auto first = ParseNumber(std::string_view(value).substr(0, dash), low, high);
  const auto second = dash == std::string::npos ? first : ParseNumber(std::string_view(value).substr(dash + 1), low, high);
  if (!first || !second || *first > *second) return std::nullopt;
  return std::make_pair(*first, *second);
}

struct AnagramArgs {
  std::string typed;  // Windows-1252
  bool automatic = false, completeBase = false, noAcronyms = false;
  std::string imposed, forbidden;
  std::optional<std::pair<int, int>> words, lengths, level;
  ResultOptions output;
};

std::optional<AnagramArgs> ParseArgs(Context& ctx, Options& options, const Command& self) {
  AnagramArgs args;
  args.automatic = options.Flag("--auto");
  args.completeBase = options.Flag("--base-complete");
  args.noAcronyms = options.Flag("--sans-sigles");
  const auto imposed = options.Value("--imposes");
  const auto forbidden = options.Value("--interdits");
  const auto words = options.Value("--mots");
  const auto lengths = options.Value("--longueurs");
  const auto level = options.Value("--niveau");
  args.output = TakeResultOptions(options, false);
  TakeSortOption(options, args.output);
  options.Refuse(!args.automatic && (imposed || forbidden || args.completeBase || args.noAcronyms || words ||
                                     lengths || level),
                 "Les réglages (--imposes, --interdits, --base-complete, --sans-sigles, --mots, --longueurs, "
                 "--niveau) vont avec --auto.");
  if (level) args.level = ParseRange(*level, 1, 4);
  options.Refuse(level && !args.level, "L'option --niveau attend un nombre de 1 à 4.");
  if (words) args.words = ParseRange(*words, 1, 99);
  options.Refuse(words && !args.words, "L'option --mots attend MIN-MAX, par exemple 1-3.");
  if (lengths) args.lengths = ParseRange(*lengths, 1, kMaxWordLength);
  options.Refuse(lengths && !args.lengths, "L'option --longueurs attend MIN-MAX entre 1 et 21, par exemple 2-8.");
  options.Expect(self, 1, SIZE_MAX);
  if (options.Failed(ctx)) return std::nullopt;
  std::string typed;
  for (const std::string& p : options.Positionals()) typed += (typed.empty() ? "" : " ") + p;
  args.typed = Utf8ToCp1252(typed);
  args.imposed = Utf8ToCp1252(imposed.value_or(""));
  args.forbidden = Utf8ToCp1252(forbidden.value_or(""));
  return args;
}

int PrintManual(Context& ctx, const AnagramArgs& args, const AnagramLetters& letters, const ManualResult& manual) {
  std::vector<std::string> words;
  for (int length = kMaxWordLength; length >= 2; --length) {
    for (const std::string& item : manual.byLength[static_cast<std::size_t>(length)])
      words.push_back(item.substr(0, item.rfind(" [")));
  }
  return EmitResult(ctx, args.output,
                    {[&] {
                       return WriteAnagramHeader("Manuel", letters.enteredText, letters.letterCount, false, manual.count,
                                                 manual.elapsed);
                     },
                     [&] { return WriteManualBlock(manual); }, [&] { return words; }});
}

int RunAnagrams(Context& ctx) {
  const Command self = AnagramCommand();
  Options options(ctx.Args());
  const std::optional<AnagramArgs> args = ParseArgs(ctx, options, self);
  if (!args) return kExitRefused;

  const AnagramLetters letters = AnalyzeAnagramLetters(args->typed);
  const ImposedWords imposed = AnalyzeImposedWords(args->imposed, letters.lettersToSearch);
  const int toSearch = static_cast<int>(imposed.lettersToSearch.size());
  if (const std::string refusal = ValidateAnagramInput(toSearch, letters.JokerTotal()); !refusal.empty()) {
    ctx.PrintError(refusal);
    return kExitRefused;
  }
  // Only the joker search over the complete base reads the whole anagram index. Every other
  // search reads the words the letters can spell and nothing else, so it indexes those alone:
  // the same rows in the same order, at a fraction of the cost of the whole index.
  const bool complete = args->completeBase && args->automatic && letters.JokerTotal() > 0;
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{.anagramIndex = complete, .phoneticIndex = false});
  if (!lexicon) return kExitDataError;
  const auto order = FrequencyOrder(ctx, args->output);
  if (!order) return kExitDataError;
  AnagramIndex spellable;
  if (!complete) {
    spellable = BuildAnagramIndex(lexicon->nouns, lexicon->adjectives, lexicon->verbs, lexicon->functionWords,
                                  lexicon->locutions, {}, imposed.lettersToSearch);
  }
  const AnagramIndex& index = complete ? lexicon->anagramIndex : spellable;

  ManualResult manual = ListCandidates(index, imposed.lettersToSearch, letters);
  if (!args->automatic) {
    if (*order) SortManualByFrequency(manual, **order);
    if (manual.count == 0) {
      ctx.PrintError(NothingFoundMessage(letters.enteredText));
      return kExitNothingFound;
    }
    return PrintManual(ctx, *args, letters, manual);
  }

  AnagramQuery query = MakeAnagramQuery(letters, imposed);
  const AnagramRows source = complete ? AllRows(index) : manual.candidates.View();
  const int longestKey = static_cast<int>(source.lengthStart.size()) - 1;
  const int n = toSearch + letters.JokerTotal();
  AnagramSettings& settings = query.settings = DefaultAnagramSettings(n, longestKey, imposed.wordCount);
  if (args->words) std::tie(settings.minWords, settings.maxWords) = *args->words;
  if (args->lengths) std::tie(settings.minLength, settings.maxLength) = *args->lengths;
  if (args->level) settings.level = args->level->first;
  settings.noAcronyms = args->noAcronyms;
  settings.forbidden = ParseForbiddenWords(args->forbidden);

  const bool streaming = !args->output.rtfFile;
  if (streaming && !args->output.raw) {
    ctx.Print(AutoWindowHeader(imposed.field, imposed.lettersToSearch, settings.level, letters.enteredText,
                               letters.letterCount));
    if (letters.JokerTotal() > 0) ctx.Print(JokerNotice());
    ctx.Out() << '\n';
  }
  // Sorted by frequency, the groups can only be ranked once all are found: they are printed then.
  StreamingObserver observer(streaming ? &ctx.Out() : nullptr, args->output.raw, letters.JokerTotal() > 0);
  StreamingObserver silent(nullptr, false, false);
  AutoResult result;
  {
    InterruptGuard guard;
    result = SearchGroups(source, query, *order ? silent : observer);
  }
  if (*order) {
    SortGroupsByFrequency(result, **order);
    for (const AnagramGroup& group : result.groups) observer.OnGroup(group);
  }
  ctx.Out().flush();
  Document header = WriteAnagramHeader(std::to_string(settings.level), letters.enteredText, letters.letterCount, true,
                                       static_cast<long>(result.groups.size()), result.elapsed);
  if (*order) AddFrequencyOrderLine(header);
  if (args->output.rtfFile) {
    if (const int code = EmitResult(ctx, header, WriteGroupLines(result), args->output.rtfFile); code != kExitOk) return code;
  } else if (!args->output.raw) {
    ctx.Out() << '\n' << WritePlainText(header) << '\n';
  }
  if (result.capped) ctx.PrintError(kAnagramCapMessage);
  if (result.stopped) return kExitStopped;
  if (result.groups.empty()) {
    ctx.PrintError(NothingFoundMessage(letters.enteredText));
    return kExitNothingFound;
  }
  return kExitOk;
}

}  // namespace

Command AnagramCommand() {
  return {.name = "anagrammes",
          .usage = "LETTRES [--auto] [--base-complete] [--imposes \"MOTS\"] [--interdits \"MOTS\"] [--sans-sigles] "
              "[--mots MIN-MAX] [--longueurs MIN-MAX] [--niveau 1-4] [--tri alpha|frequence] [--rtf FICHIER] [--brut]",
          .summary = "Cherche les mots (ou les groupes de mots) écrits avec les LETTRES.",
          .help = "De 3 à 50 lettres ; les accents sont ignorés, espaces, tirets et apostrophes séparent les mots.\n"
              "Jokers : ? = toute lettre, § = voyelle, ! = consonne (après deux lettres au moins).\n\n"
              "Sans --auto (méthode manuelle), chaque mot qu'on peut écrire avec une partie des lettres,\n"
              "suivi des lettres qui restent et des jokers entre crochets, classé par longueur.\n"
              "Avec --auto (méthode automatique), les groupes de mots qui utilisent toutes les lettres,\n"
              "une ligne par groupe, affichés dès qu'ils sont trouvés ; avec des jokers, chaque ligne\n"
              "commence par le nombre de lettres et de mots, et les lettres des jokers sont en majuscules.\n"
              "La recherche s'arrête à 32\u00A0" "767 groupes, ce qui est dit sur la sortie d'erreur.\n\n"
              "  --auto             méthode automatique (groupes de plusieurs mots)\n"
              "  --base-complete    avec des jokers, cherche dans tout le dictionnaire (plus long)\n"
              "  --imposes \"MOTS\"   mots présents dans chaque groupe ; leurs lettres sont retirées\n"
              "  --interdits \"MOTS\" mots qu'aucun groupe ne doit contenir\n"
              "  --sans-sigles      sigles et acronymes interdits\n"
              "  --mots MIN-MAX     nombre de mots d'un groupe, mots imposés compris\n"
              "  --longueurs MIN-MAX  longueur de chaque mot\n"
              "  --niveau N         niveau de recherche, 1 (mini, rapide) à 4 (maxi, complet)\n"
              "                     (par défaut, celui que propose la fenêtre pour ces lettres)\n"
              "  --tri ORDRE        alpha (par défaut, ordre habituel) ou frequence : les mots les plus\n"
              "                     courants d'abord dans chaque longueur ; avec --auto, les groupes classés par\n"
              "                     la fréquence moyenne de leurs mots, les meilleurs en tête, et affichés\n"
              "                     à la fin de la recherche plutôt qu'au fur et à mesure\n"
              "  --rtf FICHIER      écrit le résultat en RTF dans FICHIER au lieu de l'afficher\n"
              "  --brut             seulement les mots (ou les groupes), un par ligne\n\n"
              "Codes de sortie : 0 résultat, 1 aucune anagramme, 2 lettres refusées ou erreur d'utilisation,\n"
              "3 données illisibles, 130 recherche interrompue par Ctrl-C (ce qui a été trouvé est affiché).\n\n"
              "Exemples : tavilo-cli anagrammes chien\n"
              "           tavilo-cli anagrammes contrepeterie --auto --mots 1-3 --longueurs 2-13\n"
              "           tavilo-cli anagrammes \"la vie\" --auto --imposes \"il\"\n",
          .run = RunAnagrams};
}

}  // namespace tavilo::cli
