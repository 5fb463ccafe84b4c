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

// A hyphenated form the frequency list lacks ranks as its rarest part made this much rarer
// (Zipf values).
inline constexpr double kCompoundZipfPenalty = 1.5;
// A form is mostly a proper name when it is at least this much more frequent (Zipf) than every
// other form of its lemmas.
inline constexpr double kProperNameZipfLead = 1.0;

// The rhyme-ending check: where the rhyme tool would learn the sound of an ending shared by at
// least kEndingMinRows rows of a table (whatever letter comes before it), of which at least kEndingMajority sound it alike, from a
// row that sounds it as less than kEndingOutlierShare of them do, with other vowels, that row is
// left out when its word is rarer than kEndingOutlierZipf...
inline constexpr std::size_t kEndingMinRows = 30;
inline constexpr double kEndingMajority = 0.9;
inline constexpr double kEndingOutlierShare = 0.05;
inline constexpr double kEndingOutlierZipf = 4.0;
// ...or rarer than kWalkFaultZipf when the walk of its spelling leaves a phoneme without letters
// (the reading may be right, but the ending's sound is learned wrong).
inline constexpr double kWalkFaultZipf = 3.0;
inline constexpr std::size_t kEndingMaxLetters = 6;
// An ending of at most this many letters that the row's table has on fewer than kEndingMinRows
// rows is judged on every word table together (-ez: a few nouns, thousands of verbs).
inline constexpr std::size_t kEndingShortLetters = 2;

// Everything the builder reads.
struct Sources {
  PronunciationList pronunciations;
  MorphologyList morphology;
  FrequencyList frequencies;
  std::vector<ListedWord> taboo;
  std::vector<ListedWord> locutions;
  std::vector<ListedWord> corrections;  // readings that replace the pronunciation list's
  std::vector<ListedWord> childWords;   // words every child knows
};

// What changed a reading (bits of Transcription::changes).
enum ReadingChange : unsigned {
  kMuteE = 1u << 0,         // a "1" spelled by a lone e became the mute e
  kFinalMuteE = 1u << 1,    // a spurious final mute e was dropped (blanche)
  kCorrected = 1u << 2,     // given by the corrections list
  kVerbTions = 1u << 3,     // verb -tions read t78 beside the noun's s78
  kVerbEnt = 1u << 4,       // third person plural -ent without the final nasal
  kNounEnt = 1u << 5,       // noun or adjective -ent with the nasal the verb reading lacks
  kVerbEr = 1u << 6,        // infinitive -er read é beside a reading in r
  kLiaison = 1u << 7,       // a locution with the liaison of a silent final consonant
  kVerbAi = 1u << 8,        // verb form in -ai read é (je chanterai, j'allai), unlike -ais
  kPlural = 1u << 9,        // a plural read as its singular (oies, cookies)
};
inline constexpr std::size_t kReadingChangeCount = 10;

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
  Syllables,        // no vowel sound (the letter c read "s"), or more than one digit holds
  NoVowelLetter,    // unit symbols and the like (km, mm): no vowel letter and more than one letter
  Corrected,        // left out by the corrections list
};
inline constexpr std::size_t kLeftOutReasonCount = 10;

// A count and the most frequent few of the words counted.
struct WordCount {
  std::size_t count = 0;
  std::vector<std::string> examples;
};

struct TableReport {
  std::size_t rows = 0;
  std::array<std::size_t, kReadingChangeCount> changed{};  // rows kept, by ReadingChange bit
  std::size_t compounds = 0;  // hyphenated rows kept that ranked by their parts
  std::size_t infinitives = 0, participles = 0;  // verb rows kept of each kind
  std::size_t participleAdjectives = 0;  // adjective rows kept only as a verb's participle
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
  WordCount childTaboo;        // spellings frequent enough but taboo: never marked
  WordCount childProperNames;  // spellings frequent enough but mostly proper names: not marked
  WordCount childListed;       // spellings marked only because the child list holds them
  WordCount endingOutliers;    // rows left out because they read a common ending unlike the rest
  std::vector<std::string> pluralsReadApart;  // PluralsReadApart on the tables written
  double childVocabularyZipf = 0;
  std::size_t coverageSample = 0;  // most frequent forms known to the morphological list
  std::size_t coverageHits = 0;    // of which in some word table
  std::vector<std::string> coverageMisses;  // the most frequent of those missing
};

struct BuildResult {
  std::array<WordTable, kTableCount> tables;
  BuildReport report;
  std::optional<SourceError> error;  // a project list holds a word that cannot be transcribed, or lacks one
};

BuildResult BuildDictionary(const Sources& sources, const BuildOptions& options = {});

// The text of the frequency file (core/frequency.h) for the spellings of every table: each
// spelling's Zipf value from the frequency list, with one decimal. A spelling the list lacks (a
// compound, a locution) is estimated from its words (split at spaces, hyphens and apostrophes):
// the lowest value among those the list holds, less one, and never under 0.1; a spelling none of
// whose words is in the list has 0.
std::string FrequencyFileText(const std::array<WordTable, kTableCount>& tables, const FrequencyList& freq);

// The report printed by tavilo-mkdict (Windows-1252).
std::string FormatReport(const BuildReport& report);

// --- Building blocks, public for the tests ---

// The readings of a homograph that fit the given table, from the analyses of the form in that
// table. Where the list gives only the other category's reading, the missing one is derived
// first: a verb form in -tions reads t78 beside s78; a third-person-plural verb form in -ent
// drops the final nasal; an infinitive in -er ends in é beside a reading in r; a noun or
// adjective in -ent takes the nasal the verb reading lacks. Then: a third-person-plural verb form in -ent takes the reading without the final nasal and
// every other analysis the one with it (content, couvent); a verb form in -ions takes "tjon", the
// noun "sjon" (actions); a verb in -er ends in é, the noun in r (boxer); otherwise a verb takes
// the reading that drops a final consonant and other words the full one (est, as, sens). Where
// nothing tells the readings apart every one is kept (fils).
std::vector<Transcription> ReadingsFor(std::string_view spelling, TableKind table, const std::vector<Analysis>& analyses,
                                       const std::vector<Transcription>& readings);

// A row that qualifies for a table, with what ranks it.
struct Candidate {
  WordEntry entry;
  double frequency = 0;       // of the form (estimated for compounds); 0 when unknown
  double lemmaFrequency = 0;  // of its most frequent lemma, to rank forms the list lacks
  int rankClass = 0;          // lower classes first: verbs put infinitives, then participles first
  unsigned changes = 0;       // ReadingChange bits of its reading
  bool compound = false;      // ranked by the frequencies of its parts
};

// Keeps the `capacity` highest-ranked candidates (rank class, then frequency, then lemma
// frequency, then spelling and phonetic form in byte order) and returns them sorted by phonetic
// form, then spelling, in byte order. The candidates left out go to `dropped`, best first.
std::vector<WordEntry> SelectForTable(std::vector<Candidate> candidates, std::size_t capacity,
                                      std::vector<Candidate>* dropped = nullptr,
                                      std::vector<Candidate>* keptCandidates = nullptr);

// True when the spelling can be stored in a word table: lower-case letters, hyphen, apostrophe.
bool IsStorableSpelling(std::string_view spelling);

// The phonetic form of a locution, from the first reading of each of its words (a word with an
// elided article, "l'heure", is looked up whole, then as its two parts). A final d or t that the
// word does not sound is heard as t before a word that starts with a vowel sound, s, x or z as z
// and n as n (de haut en bas, sans arrêt, bon appétit); never after "et", nor before a word
// written with an h but those of kMuteH (the exceptions are listed in builder.cpp). No reading
// when a word is missing from the list (`missingWord` names the first) or the text has no word.
struct ComposedLocution {
  std::optional<Transcription> reading;
  std::string missingWord;
};
ComposedLocution ComposeLocution(std::string_view text, const PronunciationList& list);

// Zipf value of a relative frequency (0 for an unknown form).
double Zipf(double frequency);

// The corrections the builder makes to a reading of the pronunciation list, by the spelling:
// a "1" spelled by a lone letter e (as the walk of AlignFragment pairs them) becomes the mute e,
// unless it is the last vowel and a consonant follows it (hunter); and a final mute e after a
// consonant, in a word that has another vowel, is dropped (blanche, érable). `spelling` is
// lower case.
Transcription NormaliseReading(std::string_view spelling, Transcription reading);

// The singular of a plural noun or adjective in a table: the form spelled as it without its
// final s or x that the morphological list gives as the singular of the same lemma and gender.
// None unless every analysis of the form that fits the table is such a plural: lis, sens and
// fils are words of their own too, and chevaux is not its singular plus an ending.
std::optional<std::string> SingularOf(const std::string& form, TableKind table, const MorphologyList& morphology);

// Plurals whose reading, in French, is not their singular's (the final consonant of oeuf and
// boeuf is silent in the plural).
bool IsPluralSaidOtherwise(std::string_view form);

// The check of the plurals: every row of the noun and adjective tables whose singular (SingularOf)
// is in the same table with other readings, as "TABLE : PLURAL /readings/ SINGULAR /readings/",
// in table and spelling order; the plurals of IsPluralSaidOtherwise are not reported.
std::vector<std::string> PluralsReadApart(const std::array<WordTable, kTableCount>& tables,
                                          const MorphologyList& morphology);

// The frequency a hyphenated form ranks by: its rarest part, kCompoundZipfPenalty rarer; 0 when a
// part is unknown or the form has no hyphen.
double CompoundFrequency(std::string_view spelling, const FrequencyList& freq);

}  // namespace tavilo::mkdict
