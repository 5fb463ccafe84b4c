// The rhyme tool: the words of one domain whose phonetic form ends with, begins with or holds
// the sound of a typed rhyme, grouped by syllable count, and the result block that shows them.
//
// A front end fills a RhymeQuery from its controls, calls FindRhymes, and on success hands the
// result to WriteRhymeBlock (the document to show) and KeepRhymeResult (the current list). A
// refusal comes back as a value holding the French message to show; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Document, which is UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/alignment.h"
#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/search_domain.h"
#include "core/session.h"
#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {

// Where the rhyme's sound must stand in a word.
enum class RhymePosition {
  End,     // "En fin de mot"
  Start,   // "En début de mot"
  Inside,  // "A l'intérieur du mot": neither the first nor the last character may be one of the rhyme's
};

// Syllable counts the tool lists: 1 to kRhymeMaxSyllables.
inline constexpr int kRhymeMaxSyllables = 9;

// What the kept list holds after a rhyme search (Session::resultListKind).
inline constexpr std::string_view kRhymeListKind = " rimes";

struct RhymeQuery {
  std::string typed;  // the rhyme as typed, Windows-1252; trimmed, lower-cased and freed of spaces here
  RhymePosition position = RhymePosition::End;
  bool keepSpelling = false;  // "Conserver la graphie": the letters must stand there too
  int syllables = 0;          // 0 for "Toutes", else only words of exactly that many syllables (1 to 9)
  SearchDomain domain = SearchDomain::Nouns;
};

// Why a query gave no block. Each has its own French message (RhymeResult::message).
enum class RhymeRefusal {
  None,
  Empty,         // nothing typed: the four-line message; the front end clears the box
  Digit,         // a digit in the rhyme
  Sign,          // a character that is neither in A-z nor in à-ü
  LoneE,         // the rhyme "e", which is silent at the end of a word
  UnknownSound,  // no word of the lexicon tells how the rhyme sounds
  NothingFound,  // the sound is known but no word has it with these options
};

struct RhymeResult {
  RhymeRefusal refusal = RhymeRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  std::string rhyme;            // the rhyme searched (R): lower case, trimmed, without spaces
  std::string rhymePhonetic;    // its sound (RP); empty when refused before it was known
  std::string phoneticPattern;  // the pattern every phonetic form was tested against
  std::string spellingPattern;  // the one spellings were tested against with keepSpelling

  // lists[n - 1] holds the words of n syllables, in display order. Words whose syllable count is
  // outside 1 to 9 are not taken at all: the block has no place for them, and leaving them out
  // keeps the count, the block and the kept list in agreement.
  std::array<SortedStringList, kRhymeMaxSyllables> lists;
  // The number of words in the lists (after repeated words were removed from a current list).
  std::size_t count = 0;

  bool fromResultList = false;  // the words came from the current list, which stays as it was
  // The entries taken, in table order, to become the new current list; empty when
  // fromResultList. Never more than kResultListCapacity (the rest is listed but not kept).
  WordTable kept{kResultListCapacity};

  // What the header line shows and the front ends remember.
  std::string domainLabel;   // "Noms", "Adjectifs", "Verbes", "Adverbes", or "Liste" + the list's kind
  std::string syllableItem;  // "Toutes" or "1" to "9"
  std::string listName;      // first three letters of the domain name + "_" + rhyme, e.g. "Nom_ane"

  bool stopped = false;  // the observer asked to stop: the lists hold what was found until then

  bool Accepted() const { return refusal == RhymeRefusal::None; }
  // True once the rhyme's sound is known (the dialog then adds the rhyme to its history).
  bool SoundFound() const { return !rhymePhonetic.empty(); }
};

// Runs the whole search: checks the typed rhyme, learns its sound from the first word of the
// nouns, adjectives, verbs and adverbs (in this order) that ends with a non-vowel followed by the
// rhyme and whose alignment reaches the rhyme's letters at a phoneme boundary, then scans the
// domain (or session.resultList for SearchDomain::ResultList) in table order. The session is only read.
// Reports the live count and yields to the observer after each entry scanned.
RhymeResult FindRhymes(const Lexicon& lexicon, const Session& session, const RhymeQuery& query,
                       SearchObserver& observer = NullObserver());

// Lists the words of each syllable count most common first (ties keep their order), the groups in their
// order, and the rows to keep in that order too: call it before the block is written and the
// result kept, so that block, bare list and current list agree.
void SortRhymesByFrequency(RhymeResult& result, const WordFrequencies& frequencies);

// The result as it goes into the main window's document (call only with an accepted result).
// The header line, at 9 points in red: "   Rimes       Rime : «...R»       Domaine : ...". The
// front end shows it in its header label and puts it on top of the document, followed by two
// line breaks.
Document WriteRhymeHeader(const RhymeResult& result);
// The block, in Arial 10 points black: for each syllable count from 9 down to 1 that has words,
// a heading (" 2 syllabes :"), the words six to a line, each after a tab, and a line of 185 "-".
Document WriteRhymeBlock(const RhymeResult& result);

// Makes an accepted result the current list (kind " rimes"), unless it was read from the
// current list, which then stays as it was. The list is re-created before the scan, so a search
// over a word table that found nothing (NothingFound) leaves it empty, with the kind it had; the
// other refusals leave the session alone.
void KeepRhymeResult(const RhymeResult& result, Session& session);

}  // namespace tavilo
