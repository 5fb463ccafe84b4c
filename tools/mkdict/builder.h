// The dictionary builder: joins the pronunciation list, the morphological list and the frequency
// list into the four word tables, adds the taboo and locution tables from the project's lists,
// and reports what it left out and why. The same sources always give the same tables.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/word_table.h"
#include "tools/mkdict/lexique.h"
#include "tools/mkdict/sources.h"

namespace tavilo::mkdict {

inline constexpr std::size_t kTableCount = 6;
inline constexpr std::size_t kMaxSpellingLength = 21;
inline constexpr int kMaxWordSyllables = 9;  // one digit in the word files
inline constexpr int kMinWordSyllables = 1;
// A word of one or two syllables at least this frequent (Zipf value: log10 of occurrences per
// 10^9 words) belongs to the reduced vocabulary (marker 1).
inline constexpr double kChildVocabularyZipf = 4.0;
// The coverage figure of the report looks at this many of the most frequent forms.
inline constexpr std::size_t kCoverageSample = 20000;

// Everything the builder reads.
struct Sources {
  PronunciationList pronunciations;
  MorphologyList morphology;
  FrequencyList frequencies;
  std::vector<ListedWord> taboo;
  std::vector<ListedWord> locutions;
};

struct BuildOptions {
  std::array<std::size_t, kTableCount> capacities = DefaultCapacities();
  double childVocabularyZipf = kChildVocabularyZipf;

  static std::array<std::size_t, kTableCount> DefaultCapacities();
};

// Why a form of the morphological list is in no table (the first reason that applies).
enum class LeftOutReason {
  Capital,          // proper names, abbreviations and symbols in capitals
  ReformOnly,       // spelled so only by the 1990 reform
  NoCategory,       // pieces of locutions, prefixes, punctuation
  Elided,           // l', qu'... : not words on their own
  Characters,       // digits, spaces, letters the format cannot store
  TooLong,          // more than 21 characters
  NoPronunciation,  // not in the pronunciation list
  Syllables,        // no vowel sound (pff, the letter c read "s"), or more than one digit holds
};
inline constexpr std::size_t kLeftOutReasonCount = 8;

// A count and the most frequent few of the words counted.
struct WordCount {
  std::size_t count = 0;
  std::vector<std::string> examples;
};

struct TableReport {
  std::size_t rows = 0;
  std::size_t candidates = 0;  // rows that qualified before the capacity cut
  WordCount overCapacity;      // rows left out because the table was full
  double lastKeptZipf = 0;     // the frequency of the least frequent row kept (0: none known)
  std::size_t marked = 0;      // rows with marker 1
};

struct BuildReport {
  std::array<TableReport, kTableCount> tables;
  std::array<WordCount, kLeftOutReasonCount> leftOut;  // by LeftOutReason
  WordCount unusedPronunciations;                       // spellings no table took
  std::vector<std::string> refusedTranscriptions;       // "SPELLING : why"
  std::size_t childSpellings = 0;                       // distinct spellings with marker 1
  double childVocabularyZipf = 0;
  std::size_t coverageSample = 0;  // most frequent forms known to the morphological list
  std::size_t coverageHits = 0;    // of which in some word table
  std::vector<std::string> coverageMisses;  // the most frequent of those missing
};

struct BuildResult {
  std::array<WordTable, kTableCount> tables;
  BuildReport report;
  std::optional<std::string> error;  // a project list holds a word that cannot be transcribed
};

BuildResult BuildDictionary(const Sources& sources, const BuildOptions& options = {});

// The report printed by tavilo-mkdict (Windows-1252).
std::string FormatReport(const BuildReport& report);

// --- Building blocks, public for the tests ---

// The readings of a homograph that fit the given table, from the analyses of the form in that
// table: a third-person-plural verb form in -ent takes the reading without the final nasal and
// every other analysis the one with it (content, couvent); a verb form in -ions takes "tjon", the
// noun "sjon" (actions); a verb in -er ends in é, the noun in r (boxer); otherwise a verb takes
// the reading that drops a final consonant and other words the full one (est, as, sens). Where
// nothing tells the readings apart every one is kept (fils).
std::vector<Transcription> ReadingsFor(std::string_view spelling, TableKind table, const std::vector<Analysis>& analyses,
                                       const std::vector<Transcription>& readings);

// A row that qualifies for a table, with what ranks it.
struct Candidate {
  WordEntry entry;
  double frequency = 0;       // of the form; 0 when the frequency list lacks it
  double lemmaFrequency = 0;  // of its most frequent lemma, to rank forms the list lacks
};

// Keeps the `capacity` highest-ranked candidates (frequency, then lemma frequency, then spelling
// and phonetic form in byte order) and returns them sorted by phonetic form, then spelling, in
// byte order. The candidates left out go to `dropped`, best first.
std::vector<WordEntry> SelectForTable(std::vector<Candidate> candidates, std::size_t capacity,
                                      std::vector<Candidate>* dropped = nullptr);

// True when the spelling can be stored in a word table: lower-case letters, hyphen, apostrophe.
bool IsStorableSpelling(std::string_view spelling);

// The phonetic form of a locution, from the first reading of each of its words (a word with an
// elided article, "l'heure", is looked up whole, then as its two parts). nullopt with `missing`
// set to the first word the list lacks.
std::optional<Transcription> ComposeLocution(std::string_view text, const PronunciationList& list,
                                             std::string* missing = nullptr);

// Zipf value of a relative frequency (0 for an unknown form).
double Zipf(double frequency);

}  // namespace tavilo::mkdict
