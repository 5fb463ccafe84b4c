// The spoonerism tool ("contrepèteries"): the words that exchange a fragment of sounds with a
// typed word so that both become real words, and the result blocks that show them.
//
// The entered word W holds a fragment A of one to three phonemes; putting a fragment B in its place
// gives a real word W'. A found word Y holds B; putting A in its place gives a real word Y'. The
// four methods differ by which of W', Y' and Y must be taboo words. The search works on phonetic
// forms only, in two phases: phase 1 finds the replacements B of every fragment A (the swap
// table), phase 2 finds, for every B, the words Y of the lookup table. The fifth method lists the
// words that become a typed taboo word when one fragment is exchanged.
//
// A front end fills a SpoonerismQuery, calls FindSpoonerisms, and on success hands the result to
// WriteSpoonerismBlocks and WriteSpoonerismHeader, and to KeepSpoonerismResult for the current
// list. A refusal comes back as a value holding the French message; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/search_domain.h"
#include "core/session.h"
#include "core/word_table.h"

namespace tavilo {

enum class SpoonerismMethod {
  Normal,           // "Normale": W' is taboo; Y and Y' are words of the domain (Y' may be taboo)
  Reversed,         // "Inversée": W' is an ordinary word, Y' is taboo
  Double,           // "Double": W' and Y' are taboo
  Child,            // "Enfant": no taboo word, W' taken from the child's vocabulary
  Contrepetophile,  // "Recherche des mots contrepétophiles": the words that become the taboo word typed
};

// What the kept list holds after a spoonerism search (Session::resultListKind).
inline constexpr std::string_view kSpoonerismListKind = " contrep\xE8teries";

// The caps of one search: places per row, work items per replacement, found words per block.
inline constexpr std::size_t kMaxPlaces = 30000;
inline constexpr std::size_t kMaxWorkItems = 32736;
inline constexpr std::size_t kMaxBlockWords = 3000;

struct SpoonerismQuery {
  std::string typed;      // the word as typed; trimmed, lower-cased and freed of spaces here
  int swapLength = 1;     // 1 to 3 phonemes; Classiques and Enfant use 1, Inversée at most 2
  bool decadent = false;  // "Décadentes": the fragment anywhere; else "Classiques": word starts only
  SpoonerismMethod method = SpoonerismMethod::Normal;
  bool mergeEe = true;    // "Confondre les sons «é» et «è»"
  SearchDomain domain = SearchDomain::Nouns;
  bool keepAsNewList = false;  // "Conserver le résultat comme nouvelle liste" (the current list only)
};

// Why a query gave no block. Each has its French message (SpoonerismResult::message).
enum class SpoonerismRefusal {
  None,
  Empty,          // nothing typed: the front end clears its word box
  Digit,          // a digit in the word
  Sign,           // a character neither in A-z nor in à-ü
  NotValidated,   // unknown word, or a taboo word where none is allowed (the lookup's message)
  TooShort,       // a word of one phoneme
  NoReplacement,  // phase 1 (or the contrepétophile search) found nothing
  NothingFound,   // phase 2 found no word
};

// One word of a block: its spelling as shown (with any yod bullet or x marker the alignment put
// in), the letters that carry the exchanged sounds (0-based start and length in `spelling`), and
// whether its partner Y' is a taboo word (shown "#").
struct SpoonerismWord {
  std::string spelling;
  std::string dictionarySpelling;  // the spelling as the table holds it, without marks
  std::size_t letterStart = 0;
  std::size_t letterLength = 0;
  bool tabooPartner = false;
};

// One block: a replacement B of a fragment A of the entered word (for the contrepétophile search,
// one fragment A of the taboo word, B being each found word's own fragment).
struct SpoonerismBlock {
  int fragmentStart = 1;    // where A starts in the entered word's phonetic form (1-based)
  std::string fragment;     // A, as phoneme codes of the entered word (never merged)
  std::string replacement;  // B, as phoneme codes; empty for the contrepétophile search
  SpoonerismWord heading;   // the entered word, its letters carrying A
  std::vector<SpoonerismWord> words;  // in display order, each spelling once (case aside)
  // For the contrepétophile search, the exchanged phonemes of each word (parallel to `words`).
  std::vector<std::string> wordFragments;
};

struct SpoonerismResult {
  SpoonerismRefusal refusal = SpoonerismRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  SpoonerismMethod method = SpoonerismMethod::Normal;
  SearchDomain domain = SearchDomain::Nouns;
  std::string word;      // prepared as typed, then the dictionary spelling once validated
  bool validated = false;      // the lookup accepted the word (the word box then shows it)
  bool clearWordBox = false;   // the refusal asks the front end to empty its word box
  bool rememberWord = false;   // the word goes into the word box's history
  std::string phonetic;        // P
  std::vector<std::string> homophones;

  // Phase 1: the number of replacements B stored; phase 2: the counts of the header.
  std::size_t replacementCount = 0;
  std::size_t possibilities = 0;
  std::size_t foundCount = 0;
  bool found = false;
  bool tabooMark = false;  // a "#" was written
  bool yodMark = false;    // a "•" was written
  // The work phase 2 was expected to take, in the progress display's units.
  double expectedWork = 0;

  std::vector<SpoonerismBlock> blocks;

  // The current list afterwards: when `replacesList`, `kept` becomes it (kind " contrepèteries").
  bool replacesList = false;
  WordTable kept{kResultListCapacity};

  std::string domainName;  // "Noms", "Adjectifs", "Verbes", "Adverbes" or "Liste"
  std::string listName;    // first three letters of the domain name + "_" + word

  bool stopped = false;  // the observer asked to stop: the blocks hold what was found until then

  bool Accepted() const { return refusal == SpoonerismRefusal::None; }
};

// The steps of a search a front end shows: the status label reads "Phase 1" from the lookup on,
// "Phase 2" while the partners are looked for (the waiting text is shown then); Done comes after
// phase 2 has run.
enum class SpoonerismStage { Phase1, Phase2, Done };

// The typed text as searched: trimmed, lower case, all spaces removed; and the refusal of an
// empty word, a digit or a sign (None when the word may be looked up).
SpoonerismRefusal PrepareSpoonerismWord(std::string_view typed, std::string& word);

// The two keys by which a dialog recognises a search repeated unchanged, and the fold the word is
// compared with (î ï -> i, à â -> a, ô -> o, ù û ü -> u, lower case).
std::pair<int, int> SpoonerismSearchKeys(const SpoonerismQuery& query);
std::string FoldForRepeat(std::string_view word);
std::string RepeatedSearchMessage();

// Runs the whole search: prepares and looks the word up (ValidateInputWord, as the spoonerism
// dialog does), refuses a one-phoneme word, runs phase 1 over the method's tables, then phase 2
// (or the contrepétophile search). `stage` (when set) is told when each phase starts. The session
// is only read. Reports the live count of found words and the progress of each stage (phase 1:
// 200 units, each further table it falls back to starting again from 0; the contrepétophile
// search: 50; phase 2: `expectedWork`, shared among the replacements in proportion to the items
// the matcher walks for each, reached with the last one), and yields to the observer every few
// table entries and after each replacement; a stop keeps what was found.
SpoonerismResult FindSpoonerisms(const Lexicon& lexicon, const Session& session, const SpoonerismQuery& query,
                                 SearchObserver& observer = NullObserver(),
                                 const std::function<void(SpoonerismStage)>& stage = {});

// Lists the words of each block (each replacement) most common first (ties keep their order), the groups in their
// order, and the rows to keep in that order too: call it before the block is written and the
// result kept, so that block, bare list and current list agree.
void SortSpoonerismsByFrequency(SpoonerismResult& result, const WordFrequencies& frequencies);

// The blocks of an accepted result, as they go into the result document: per block a heading in
// Arial 12 points (the entered word, then its homophones in parentheses), the found words in
// Arial 10 points six per line (one tab before the first of a line, two before the others, "#"
// after a word whose partner is taboo), and a line of 180 "-". The letters carrying A in the
// heading and B in each word are in bold and colour.
Document WriteSpoonerismBlocks(const SpoonerismResult& result);

// The header line, 9 points, green for Enfant and red otherwise:
// "  Contrepèteries    Mot : ...    Domaine : ...    Possibilités : ...    Mots trouvés : ...
//  Temps : 0 min 3 s"
Document WriteSpoonerismHeader(const SpoonerismResult& result, long elapsedSeconds);

// The note lines of the result (the "#" note, the yod note), in this order, for the flags raised.
std::vector<std::string> SpoonerismNotes(const SpoonerismResult& result);

// The waiting text shown while phase 2 runs (itself a spoonerism with its exchanged letters
// coloured): the Enfant one, else the one of the swap length.
Document SpoonerismWaitingText(SpoonerismMethod method, int swapLength);

// Makes the result the current list when it replaces it (any search over a word table that
// reached phase 2, and a search over the current list with "Conserver le résultat comme nouvelle
// liste"); otherwise leaves the session alone.
void KeepSpoonerismResult(const SpoonerismResult& result, Session& session);

}  // namespace tavilo
