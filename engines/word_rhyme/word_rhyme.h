// The rhymes of a word: type "chanson", get échanson, rançon, leçon, façon... in sections from the
// richest rhyme down, the most common words first in each, and optionally the assonances.
//
// The typed word is looked up as the word tools look a word up (core/validation.h). Its rime is
// its last vowel sound and every sound after it. A rhyme is an entry whose phonetic form ends with
// that rime, other than the word's own phonetic form (homophones are not rhymes) and other than
// the word itself; its richness is the number of final sounds the two phonetic forms share, é and
// è distinct. A spelling is listed once, with its richest reading.
//
// A front end fills a WordRhymeQuery, calls FindWordRhymes with the word frequencies (which it
// loads and whose absence it reports itself), then hands an accepted result to the writers below
// and to KeepWordRhymeResult. A refusal comes back as a value holding the French message.
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
#include "core/word_table.h"

namespace tavilo {

// What the kept list holds after a search (Session::resultListKind): rhymes, as the rhyme tool's.
inline constexpr std::string_view kWordRhymeListKind = " rimes";

// The usual names of the richness: 1 "rime pauvre", 2 "rime suffisante", 3 and more "rime riche".
inline constexpr int kRichRhyme = 3;

struct WordRhymeQuery {
  std::string typed;     // the word as typed; trimmed, lower-cased and folded here
  int reading = 1;       // which reading of the word, from 1 (the one the lookup finds first)
  bool assonances = false;  // also the entries with the same last vowel and other sounds after it
  int syllables = 0;     // 0 for all, else only entries of exactly that many syllables
  // Where the rhymes are looked for: All (the four word tables and the locutions), one table, the
  // Locutions, or the ResultList, which stays as it was.
  SearchDomain domain = SearchDomain::All;
};

// Why a query gave no block. Each has its own French message (WordRhymeResult::message).
enum class WordRhymeRefusal {
  None,
  Empty,         // nothing typed
  Digit,         // a digit in the word
  Sign,          // a character that is not a letter, a space, a hyphen or an apostrophe
  UnknownWord,   // not in the nouns, adjectives, verbs, function words or locutions
  NoSuchReading, // the reading asked for is past the word's last
  NoVowel,       // the chosen reading has no vowel sound to rhyme on
  NothingFound,  // no rhyme (nor assonance, when asked) with these options
};

// One word found: its entry (the reading that gave its richness) and how common it is.
struct WordRhymeEntry {
  WordEntry entry;
  int frequencyTenths = 0;  // WordFrequencies::Tenths of its spelling
};

// The words sharing the same final sounds with the typed word, or its assonances.
struct WordRhymeSection {
  int richness = 0;   // the number of final sounds shared; 0 for the assonances
  std::string sound;  // those sounds (phoneme codes); for the assonances, the last vowel alone
  // The most common words first, then in display order.
  std::vector<WordRhymeEntry> words;
};

struct WordRhymeResult {
  WordRhymeRefusal refusal = WordRhymeRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  // The readings of the typed word (core FindReadings) and the one searched (index in it).
  std::vector<WordEntry> readings;
  std::size_t readingIndex = 0;
  std::string word;      // the dictionary spelling of the reading searched
  std::string phonetic;  // its phonetic form
  std::string rime;      // its last vowel sound and what follows

  // The richest first, the assonances (when asked and found) last. Only sections with words.
  std::vector<WordRhymeSection> sections;
  std::size_t count = 0;  // the words of every section

  bool fromResultList = false;  // searched in the current list, which stays as it was
  // What the header line shows.
  std::string domainLabel;   // "Tous", "Noms", ..., "Locutions", or "Liste" + the list's kind
  std::string syllableItem;  // "Toutes" or the number

  bool stopped = false;  // the observer asked to stop: the sections hold what was found until then

  bool Accepted() const { return refusal == WordRhymeRefusal::None; }
  // True once the word was found (the window then adds it to its history).
  bool WordFound() const { return !readings.empty(); }
};

// The last vowel sound of a phonetic form and what follows it; empty when it has no vowel.
std::string_view RimeOf(std::string_view phonetic);

// Runs the whole search: checks and looks up the word, takes its reading, scans the domain's
// tables (or session.resultList) in table order, reporting the live count and yielding to the
// observer after each entry. The session is only read; `frequencies` orders each section.
WordRhymeResult FindWordRhymes(const Lexicon& lexicon, const Session& session, const WordFrequencies& frequencies,
                               const WordRhymeQuery& query, SearchObserver& observer = NullObserver());

// The header (call only with an accepted result), at 9 points in red: "   Rimes d'un mot       Mot :
// « chanson »       Phonétique : ch-an-s-on       Rime : « on »       Domaine : ...", and when
// the word has other readings, a second line naming them.
Document WriteWordRhymeHeader(const WordRhymeResult& result);
// The block, in Arial 10 points: each section under its heading (the usual name and the shared
// sounds), its words six to a line after tabs, the letters of the shared sounds (of the vowel, for
// an assonance) in bold colour, and a line of dashes.
Document WriteWordRhymeBlock(const WordRhymeResult& result);

// Every word in block order with its section's richness (0 for an assonance): what --brut prints.
std::vector<std::pair<int, std::string>> WordRhymeLines(const WordRhymeResult& result);

// Makes the words of an accepted result the current list (kind " rimes"), in block order, unless
// they were read from the current list, which then stays as it was. Refusals leave the session alone.
void KeepWordRhymeResult(const WordRhymeResult& result, Session& session);

}  // namespace tavilo
