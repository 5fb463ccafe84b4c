// The lexicon's own commands: look a word up, align a fragment, show a letter key, describe the
// loaded dictionary.
#include <algorithm>
#include <cstdio>
#include <ostream>

#include "cli/commands.h"
#include "core/alignment.h"
#include "core/anagram_index.h"
#include "core/graphemes.h"
#include "core/text.h"
#include "core/validation.h"

namespace tavilo::cli {
namespace {

// The typed word as the lookup wants it: Windows-1252, trimmed, lower case, validation fold.
std::string PrepareTypedWord(const std::string& utf8) { return FoldValidation(ToLower(Trim(Utf8ToCp1252(utf8)))); }

std::string Utf8(std::string_view cp1252) { return Cp1252ToUtf8(cp1252); }

const char* TableName(TableKind kind) {
  switch (kind) {
    case TableKind::Nouns: return "Noms";
    case TableKind::Adjectives: return "Adjectifs";
    case TableKind::Verbs: return "Verbes";
    case TableKind::FunctionWords: return "Adverbes, pronoms, prépositions...";
    case TableKind::Taboo: return "Mots tabous";
    case TableKind::Locutions: return "Locutions";
  }
  return "";
}

constexpr TableKind kLookupOrder[] = {TableKind::Locutions, TableKind::Nouns, TableKind::Adjectives,
                                      TableKind::Verbs, TableKind::FunctionWords, TableKind::Taboo};

// Looks a typed word up as the dialogs do; prints the refusal and returns false when refused.
bool Lookup(Context& ctx, const Lexicon& lexicon, const ValidationFlags& flags, const std::string& typed,
            InputWordState& state) {
  state.inputWord = PrepareTypedWord(typed);
  // The word dialogs' own messages (those of the spoonerism dialog).
  if (state.inputWord.empty()) {
    ctx.PrintError("Essayez quand m\xEAme d'entrer un mot !!!");
    return false;
  }
  const auto has = [&](auto test) { return std::any_of(state.inputWord.begin(), state.inputWord.end(), test); };
  if (has([](char c) { return IsDigit(static_cast<unsigned char>(c)); })) {
    ctx.PrintError("D\xE9sol\xE9, il n'y a pas de chiFFres dans cette Base !\nUtilisez seulement l'alphabet.");
    return false;
  }
  // The lexicon holds letters, spaces, hyphens and apostrophes only: anything else (a sign, a
  // character with no Windows-1252 code) is refused before the lookup, so no message ever shows
  // an invisible character.
  if (has([](char c) { return !IsLetter(static_cast<unsigned char>(c)) && c != ' ' && c != '-' && c != '\''; })) {
    ctx.PrintError("Difficile de trouVer, cach\xE9 derri\xE8re les Signes.\nUtilisez seulement l'alphabet.");
    return false;
  }
  const ValidationResult result = ValidateInputWord(lexicon, flags, state);
  if (!result.accepted) ctx.PrintError(result.message);
  return result.accepted;
}

int RunWord(Context& ctx);
int RunAlign(Context& ctx);
int RunKey(Context& ctx);
int RunInfo(Context& ctx);

int RunWord(Context& ctx) {
  const Command self = WordCommand();
  Options options(ctx.Args());
  ValidationFlags flags;
  flags.childMode = options.Flag("--enfant");
  flags.contrepetophile = options.Flag("--contrepetophile");
  flags.anaphoneTool = options.Flag("--anaphone");
  flags.spoonerismTool = flags.childMode || flags.contrepetophile;
  options.Refuse(flags.childMode + flags.contrepetophile + flags.anaphoneTool > 1,
                 "Choisissez une seule des options --enfant, --contrepetophile et --anaphone.");
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return kExitRefused;
  const auto positionals = options.Positionals();
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;

  InputWordState state;
  if (!Lookup(ctx, *lexicon, flags, positionals[0], state)) return kExitRefused;

  std::ostream& out = ctx.Out();
  out << "Mot : " << Utf8(state.inputWord) << '\n';
  out << "Phonétique : " << Utf8(state.inputPhonetic) << "  (" << TranscribePhonetic(state.inputPhonetic) << ")\n";
  std::string tables;
  std::optional<WordRow> first;
  for (TableKind kind : kLookupOrder) {
    for (const WordRow entry : lexicon->Table(kind)) {
      if (entry.spelling != state.inputWord) continue;
      if (!first) first = entry;
      tables += tables.empty() ? "" : ", ";
      tables += TableName(kind);
      break;
    }
  }
  if (!flags.contrepetophile) out << "Syllabes : " << state.inputSyllables << '\n';
  if (first && !flags.contrepetophile) {
    out << "Marqueur : " << first->marker << (first->marker == 1 ? " (vocabulaire réduit)" : "") << '\n';
  }
  out << "Tables : " << tables << '\n';
  // The frequency file is optional: without it (or with a faulty one) the line is left out.
  if (const FrequencyLoad load = LoadWordFrequencies(ctx.DataDirectory()); !load.error) {
    const int tenths = load.frequencies.Tenths(state.inputWord);
    out << "Fréquence : "
        << (tenths > 0 ? FormatZipfTenths(tenths) + " (échelle Zipf)" : "0 (aucun de ses mots n'est dans la liste)")
        << '\n';
  }
  if (!flags.anaphoneTool && !flags.contrepetophile) {
    out << "Homophones : ";
    if (state.homophones.empty()) out << "(aucun)";
    for (std::size_t i = 0; i < state.homophones.size(); ++i) out << (i ? ", " : "") << Utf8(state.homophones[i]);
    out << '\n';
  }
  return kExitOk;
}

int RunAlign(Context& ctx) {
  const Command self = AlignCommand();
  Options options(ctx.Args());
  std::optional<int> start, length;
  if (options.Expect(self, 3, 3)) {
    start = ParseNumber(options.Positionals()[1], 1, 999999999);
    length = ParseNumber(options.Positionals()[2], 1, 999999999);
    options.Refuse(!start || !length, "DÉBUT et LONGUEUR sont des nombres entiers positifs.");
  }
  if (options.Failed(ctx)) return kExitRefused;
  const auto positionals = options.Positionals();
  const Lexicon* lexicon = ctx.GetLexicon(LoadOptions{false, false});
  if (!lexicon) return kExitDataError;
  InputWordState state;
  if (!Lookup(ctx, *lexicon, ValidationFlags{.anaphoneTool = true}, positionals[0], state)) return kExitRefused;
  const int phonemes = static_cast<int>(state.inputPhonetic.size());
  if (*start > phonemes) {
    if (phonemes == 1) ctx.Err() << "Le mot n'a qu'un phonème.\n";
    else ctx.Err() << "Le mot n'a que " << phonemes << " phonèmes.\n";
    return kExitRefused;
  }

  const int fragmentLength = std::min(*length, phonemes - *start + 1);
  const Alignment alignment = AlignFragment(state.inputWord, state.inputPhonetic, *start, fragmentLength);

  const std::string& s = alignment.spelling;
  const auto from = static_cast<std::size_t>(std::clamp(alignment.letterStart - 1, 0, static_cast<int>(s.size())));
  const auto to = static_cast<std::size_t>(std::clamp(alignment.letterEnd - 1, static_cast<int>(from), static_cast<int>(s.size())));
  const std::string fragment = state.inputPhonetic.substr(static_cast<std::size_t>(*start - 1),
                                                          static_cast<std::size_t>(fragmentLength));
  std::ostream& out = ctx.Out();
  out << "Mot : " << Utf8(state.inputWord) << '\n';
  out << "Phonétique : " << Utf8(state.inputPhonetic) << "  (" << TranscribePhonetic(state.inputPhonetic) << ")\n";
  const int last = *start + fragmentLength - 1;
  out << "Fragment : ";
  if (last == *start) out << "phonème " << *start;
  else out << "phonèmes " << *start << " à " << last;
  out << ", " << Utf8(fragment) << "  (" << TranscribePhonetic(fragment) << ")\n";
  out << "Graphie alignée : " << Utf8(s) << '\n';
  out << "Lettres : " << Utf8(s.substr(0, from)) << '[' << Utf8(s.substr(from, to - from)) << ']' << Utf8(s.substr(to))
      << "  (positions " << alignment.letterStart << " à " << (alignment.letterEnd - 1) << ")\n";
  if (alignment.bulletCount > 0) out << "Yods sans lettre : " << alignment.bulletCount << '\n';
  return kExitOk;
}

int RunKey(Context& ctx) {
  const Command self = KeyCommand();
  Options options(ctx.Args());
  options.Expect(self, 1, 1);
  if (options.Failed(ctx)) return kExitRefused;
  ctx.Print(LetterKey(Utf8ToCp1252(options.Positionals()[0])));
  return kExitOk;
}

int RunInfo(Context& ctx) {
  const Command self = InfoCommand();
  Options options(ctx.Args());
  options.Expect(self, 0, 0);
  if (options.Failed(ctx)) return kExitRefused;
  const Lexicon* lexicon = ctx.GetLexicon();
  if (!lexicon) return kExitDataError;
  std::ostream& out = ctx.Out();
  out << "Tavilo " << Version() << '\n';
  out << "Dossier des données : " << lexicon->dataDirectory.string() << '\n';
  for (TableKind kind : kLookupOrder) {
    const TableInfo& info = InfoOf(kind);
    out << "  " << info.fileName << "  " << TableName(kind) << " : " << Utf8(FrenchNumber(lexicon->Table(kind).Size()))
        << " / " << Utf8(FrenchNumber(info.capacity)) << " lignes\n";
  }
  if (lexicon->adjectivesMissing) out << "  (aj.tav absent : pas d'adjectifs)\n";
  std::size_t rows = 0, unaligned = 0;
  for (TableKind kind : kLookupOrder) {
    rows += lexicon->Table(kind).Size();
    unaligned += CountRowsNotFullyAligned(lexicon->Table(kind));
  }
  const double percent = rows ? 100.0 * static_cast<double>(unaligned) / static_cast<double>(rows) : 0.0;
  out << "Lignes dont un phonème reste sans lettres : " << Utf8(FrenchNumber(unaligned)) << " sur "
      << Utf8(FrenchNumber(rows)) << " (" << Utf8(FrenchDecimal(percent, 2)) << "\u00A0%)\n";
  out << "Index des anagrammes : " << Utf8(FrenchNumber(lexicon->anagramIndex.Size())) << " lignes\n";
  out << "Index phonétique : " << Utf8(FrenchNumber(lexicon->phoneticIndex.Size())) << " lignes\n";
  out << "Chargement : " << Utf8(FrenchDecimal(ctx.Timings().total.count() / 1000.0, 3)) << "\u00A0ms\n";
  for (const auto& [step, time] : ctx.Timings().steps) {
    out << "  " << Utf8(step) << " : " << Utf8(FrenchDecimal(time.count() / 1000.0, 3)) << "\u00A0ms\n";
  }
  return kExitOk;
}

}  // namespace

Command WordCommand() {
  return {.name = "mot",
          .usage = "MOT [--enfant|--contrepetophile|--anaphone]",
          .summary = "Cherche un mot dans le lexique : graphie, phonétique, syllabes, fréquence, homophones.",
          .help = "Le mot est cherché comme le font les outils : d'abord parmi les locutions, puis les noms,\n"
              "adjectifs, verbes et adverbes. Les accents à â î ï ô ù û "
              "ü peuvent être omis ; é è ê ë et ç doivent être tapés.\n\n"
              "La fréquence est sur l'échelle Zipf : le logarithme décimal du nombre d'occurrences\n"
              "par milliard de mots (7 pour « de », 5 pour « maison », 1 pour un mot rare). Un mot composé\n"
              "ou une locution absents de la liste valent la plus petite valeur de leurs mots, moins 1.\n\n"
              "  --enfant           comme la méthode Enfant des contrepèteries : mots tabous refusés\n"
              "  --contrepetophile  le mot doit être un mot tabou\n"
              "  --anaphone         comme l'outil Anaphones : sans la liste des homophones\n\n"
              "Exemple : tavilo-cli mot ane\n",
          .run = RunWord};
}

Command AlignCommand() {
  return {.name = "aligner",
          .usage = "MOT DÉBUT LONGUEUR",
          .summary = "Montre les lettres d'un fragment de la phonétique d'un mot.",
          .help = "DÉBUT est le rang du premier phonème du fragment (à partir de 1), LONGUEUR son nombre\n"
              "de phonèmes. Les lettres du fragment sont montrées entre crochets ; un yod sans lettre\n"
              "est marqué «\u00A0•\u00A0», un x partagé par la limite du fragment est suivi de (k), (s), (g) ou (z).\n\n"
              "Exemple : tavilo-cli aligner taxi 3 1\n",
          .run = RunAlign};
}

Command KeyCommand() {
  return {.name = "cle",
          .usage = "MOT",
          .summary = "Donne la clé de lettres d'un mot (lettres sans accents, triées).",
          .help = "La clé sert à la recherche des anagrammes : deux mots anagrammes ont la même clé.\n\n"
              "Exemple : tavilo-cli cle garçon   (donne acgnor)\n",
          .run = RunKey};
}

Command InfoCommand() {
  return {.name = "info",
          .usage = "",
          .summary = "Décrit le dictionnaire chargé : tables, index, dossier, temps de chargement.",
          .help = "Exemple : tavilo-cli info\n",
          .run = RunInfo};
}

}  // namespace tavilo::cli
