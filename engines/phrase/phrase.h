// Spoonerisms in a whole sentence ("contrepèteries dans une phrase"): the hidden sentences a typed
// sentence holds when two of its words (or three, rotated) exchange a fragment of sounds, best
// first, and the result block that shows them.
//
// A candidate exchanges a fragment A of one to three consecutive phonemes of one word with a
// fragment B of another word (A and B different once é and è are merged, at any place in each
// word, not both the whole word: that only moves the words), such that both new phonetic forms are
// forms of the lexicon (any table, é and è merged).
// Each new word is written with a spelling of its sound, the sentence is rebuilt around it (the
// elisions French requires adjusted), the same new sentence reached twice is kept once, and the
// candidates are ranked by a score whose parts the result keeps (see PhraseScore).
//
// A front end fills a PhraseQuery, calls FindPhraseSpoonerisms with the word frequencies, and on
// success hands the result to WritePhraseHeader / WritePhraseBlock and KeepPhraseResult. A
// refusal comes back as a value holding the French message; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/session.h"
#include "core/word_table.h"

namespace tavilo {

// The most words a sentence may hold (known or not).
inline constexpr std::size_t kPhraseMaxWords = 30;

// What the kept list holds after a search (Session::resultListKind): the new words.
inline constexpr std::string_view kPhraseListKind = " contrep\xE8teries de phrase";

// One word of the sentence as read: where its letters lie in the typed text. Words are runs of
// letters, apostrophes and hyphens; an elided form (l', d', qu', jusqu'...) is a word of its own.
struct SentenceWord {
  std::size_t offset = 0;
  std::size_t length = 0;
};

enum class SentenceRefusal {
  None,
  Empty,         // no word at all
  Sign,          // a character that is neither a letter, an apostrophe, a hyphen nor punctuation
  TooManyWords,  // more than kPhraseMaxWords words
};

struct SentenceReading {
  SentenceRefusal refusal = SentenceRefusal::None;
  std::vector<SentenceWord> words;  // in order; empty on refusal
  char refusedChar = 0;             // the first character refused (Sign)
};

// Reads the words of a typed sentence (Windows-1252). Punctuation is what separates words:
// spaces, tabs, . , ; : ! ? ( ) [ ] " « » … – — and the typographic quotes. A lone apostrophe or
// hyphen at either end of a run is punctuation too ("'Bonjour'").
SentenceReading ReadSentence(std::string_view typed);

struct PhraseQuery {
  std::string typed;     // the sentence as typed, Windows-1252
  int maxSounds = 3;     // each fragment holds 1 to maxSounds phonemes (1 to 3)
  bool three = false;    // also the rotations among three words
  std::size_t first = 0; // keep only the first N candidates; 0 keeps them all
};

// Why a query gave no candidate. Each has its French message (PhraseResult::message).
enum class PhraseRefusal {
  None,
  Empty,         // nothing typed but punctuation
  Sign,          // a digit or a sign in the sentence
  TooManyWords,  // more than kPhraseMaxWords words
  TooFewKnown,   // fewer than two words the lexicon knows
  NothingFound,  // the sentence is fine but hides nothing with these options
};

// The parts of a candidate's score, in points (the help page explains them); `total` is their sum.
struct PhraseScore {
  int taboo = 0;      // a taboo word appears in the new sentence
  int shape = 0;      // both fragments consonants (or both vowels), at the same place in their words
  int content = 0;    // nouns, adjectives, verbs rather than function words, before and after
  int frequency = 0;  // how common the least common new word is
  int table = 0;      // a new word from the table of the word it replaces
  int moved = 0;      // (negative) phonemes moved beyond one per word
  int total = 0;
};

// One word that changes: what it was and what it becomes.
struct PhraseChange {
  std::size_t word = 0;          // index in PhraseResult::words
  std::string oldPhonetic;       // the reading of the typed word that gives its fragment
  std::string given;             // its fragment, as phoneme codes
  std::string givenLetters;      // the letters of the typed word that spell it
  std::string newPhonetic;       // the form of the lexicon it becomes
  std::string newSpelling;       // the dictionary spelling shown for it
  std::vector<std::string> otherSpellings;  // its other spellings, most common first
  std::string received;          // the fragment it receives, as phoneme codes
  int receivedStart = 1;         // where that fragment lies in newPhonetic (1-based)
  bool taboo = false;            // newPhonetic is a taboo word
};

// One hidden sentence.
struct PhraseCandidate {
  std::vector<PhraseChange> changes;  // two (or three), in sentence order
  std::string sentence;               // the new sentence, plain
  std::string shown;                  // the same with any yod bullet or x marker of the new words
  std::vector<std::pair<std::size_t, std::size_t>> highlights;  // received letters in `shown`: start, length
  PhraseScore score;
};

struct PhraseResult {
  PhraseRefusal refusal = PhraseRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  std::string sentence;                 // the sentence as typed, trimmed
  std::vector<SentenceWord> words;      // every word read
  std::vector<bool> known;              // parallel to words: the lexicon knows it
  std::vector<PhraseCandidate> candidates;  // best first, each new sentence once
  std::size_t totalFound = 0;           // before the cut to PhraseQuery::first
  bool stopped = false;                 // the observer asked to stop: what was found until then

  bool Accepted() const { return refusal == PhraseRefusal::None; }
  // Word `w` of the sentence as typed.
  std::string Word(std::size_t w) const { return sentence.substr(words[w].offset, words[w].length); }
  // The typed words the lexicon does not know, in sentence order.
  std::vector<std::string> UnknownWords() const;
};

// Reads the sentence, finds every reading of each word (as input validation looks a word up,
// in every table), then every exchange between two words (and among three with `three`), rebuilds
// and ranks the new sentences. Reports the count found and the progress over the pairs (then the
// triples) of words, yielding after each; a stop keeps what was found.
PhraseResult FindPhraseSpoonerisms(const Lexicon& lexicon, const WordFrequencies& frequencies,
                                   const PhraseQuery& query, SearchObserver& observer = NullObserver());

// The header line, 9 points red: "  Contrepèteries dans une phrase    Phrase : «...»    Phrases
// trouvées : 12" (only the first N are listed with --premiers; the header says so).
Document WritePhraseHeader(const PhraseResult& result);
// The block: per candidate its rank and the new sentence in Arial 12 points, the letters received
// in bold colour, then a line in Arial 9 points grey with the exchange (the letters given, joined
// by a two-headed arrow), the words changed with their other spellings, and the score; a line of
// "-" at the end, and the words the lexicon does not know, when there are.
Document WritePhraseBlock(const PhraseResult& result);

// One line per candidate, in rank order, for scripts: the new sentence, a tab, the changed words
// as `old>new` separated by a space, a tab, the fragments as phoneme codes `A/B` (three with a
// rotation), a tab, the score.
std::vector<std::string> PhraseRawLines(const PhraseResult& result);

// Makes the new words of the listed candidates the current list (kind kPhraseListKind), each
// once, in rank order. A refused search leaves the session alone.
void KeepPhraseResult(const PhraseResult& result, Session& session);

}  // namespace tavilo
