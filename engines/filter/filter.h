// The filtered-words tool ("Mots filtrés"): every word of the chosen tables that fits a
// crossword pattern (engines/filter/pattern.h), grouped by length, and the block that shows them
// with the pattern's explicit letters in red.
//
// A front end canonicalises what was typed (CanonicalisePattern), fills a FilterQuery from its
// controls, calls FindFilteredWords, and on success hands the result to WriteFilterHeader and
// WriteFilterBlock (the document to show) and KeepFilterResult (the current list). A refusal
// comes back as a value holding the French message to show; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/session.h"
#include "engines/filter/pattern.h"

namespace tavilo {

// No search ever holds more words than this: the search ends at the next word found.
inline constexpr std::size_t kFilterMatchCap = 15000;

// What the kept list holds after a filtered-words search (Session::resultListKind).
inline constexpr std::string_view kFilterListKind = " mots filtr\xE9s";

// The status lines a front end shows.
inline constexpr std::string_view kFilterCapMessage = "La recherche s'arr\xEAte \xE0 15\xA0" "000 mots maximum !!!";
inline constexpr std::string_view kFilterWaitingMessage = "            Tri et chargement de la liste\x85 Patientez\x85";

// Where the words are looked for: the four word tables one after the other, one of them, or the
// current list.

struct FilterQuery {
  // The pattern, canonical or not (it is canonicalised again here, which changes nothing in a
  // canonical pattern). Unless diacritics are distinguished, its accents are folded.
  std::string pattern;
  int maxLetters = 0;    // 0 for "Toutes"; with no multi joker the pattern's length is used
  int maxSyllables = 0;  // 0 for "Toutes"
  // The options as checked. Each counts only where the pattern allows it (AvailableOptions).
  bool distinguishDiacritics = false;
  bool onceSingle = false;
  bool onceMulti = false;
  bool heterogram = false;
  bool reversed = false;  // "Afficher en plus chaque mot inversé" (read by the block writer)
  SearchDomain domain = SearchDomain::All;  // All, one of the four tables, or ResultList
  // "Conserver le résultat comme nouvelle liste": only read when the source is the current
  // list; a search over the word tables always keeps its result.
  bool keepAsNewList = false;
};

enum class FilterRefusal {
  None,
  TooShort,      // empty, or one character that is not a multi joker
  TooLong,       // more letters and single jokers than the longest word
  NothingFound,  // no word fits
};

// One found word: its spelling as in the table, and the two-digit positions ("01", "02", ...)
// of the characters the pattern's explicit letters matched, in pattern order.
struct FilterEntry {
  std::string spelling;
  std::string marks;
};

struct FilterResult {
  FilterRefusal refusal = FilterRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  std::string pattern;  // the pattern searched: canonical, folded unless diacritics count
  PatternAnalysis analysis;
  MatchOptions matchOptions;  // the options in force
  bool heterogram = false;    // in force
  bool reversed = false;      // in force
  int maxLetters = 0;         // in force (0: no limit)
  int longestWord = 0;        // the longest spelling of the four word tables

  // byLength[n] holds the words of n characters in display order (byLength[0] stays empty).
  std::vector<std::vector<FilterEntry>> byLength;
  std::size_t count = 0;

  bool stopped = false;       // the observer asked to stop: the lists hold what was found
  bool fromResultList = false;
  bool keep = false;          // the words found become the current list
  WordTable kept{kResultListCapacity};  // their rows, in search order (when `keep`)

  std::string domainLabel;   // "Tous", "Noms", "Adjectifs", "Verbes", "Adverbes", or "Liste" + kind
  std::string syllableItem;  // "Toutes" or the number

  bool Accepted() const { return refusal == FilterRefusal::None; }
  // The search found the most words a search may hold (the front ends then say so).
  bool LimitReached() const { return count == kFilterMatchCap; }
};

// The longest spelling of the nouns, adjectives, verbs and adverbs: the most letters a pattern
// may ask for, and the last item of the length list.
int LongestWordLength(const Lexicon& lexicon);

// Runs the whole search: canonicalises and checks the pattern, reduces the options to those it
// allows, then scans the nouns and the locutions, the adjectives, the verbs and the adverbs (the
// ones the domain names, in this order) or the current list, row by row. Each word is lowered,
// skipped when longer than the limit or of more syllables than allowed, folded unless diacritics
// count, skipped when the heterogram option is on and it repeats a character, then matched.
// Reports the live count and yields to the observer after every row; the session is only read.
FilterResult FindFilteredWords(const Lexicon& lexicon, const Session& session, const FilterQuery& query,
                               SearchObserver& observer = NullObserver());

// Lists the words of each length most common first (ties keep their order), the groups in their
// order, and the rows to keep in that order too: call it before the block is written and the
// result kept, so that block, bare list and current list agree.
void SortFilteredWordsByFrequency(FilterResult& result, const WordFrequencies& frequencies);

// The header line, in Courier New 9 points red: "  Mots filtrés      Modèle cherché : ...
// Domaine : ...      Nb maxi de syllabes : ...      Mots : n      Hétérogrammes".
Document WriteFilterHeader(const FilterResult& result);
// The block, in Courier New 10 points: for each length from the shortest, " n lettres :" then
// the words in tab columns (fewer columns for longer words), each word black with its explicit
// letters in red (220, 0, 0) and, when reversed words are asked for, followed by a space and the
// word reversed, lower case and accent-folded; a line of "-" ends the block.
Document WriteFilterBlock(const FilterResult& result);
// The words of the block alone, one per element, in block order.
std::vector<std::string> FilterWordsInBlockOrder(const FilterResult& result);

// Makes the words found the current list (kind " mots filtrés") when the result keeps them;
// a search of the current list without "keep" leaves it as it was. A refusal before the scan
// leaves the session alone; a search that found nothing empties a list it would have replaced.
void KeepFilterResult(const FilterResult& result, Session& session);

}  // namespace tavilo
