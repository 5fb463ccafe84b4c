// Finding a typed word in the lexicon: its dictionary spelling, phonetic form, syllables and
// homophones, or the French message that refuses it.
//
// The calling dialog has already vetted the raw text (empty, digits, signs); this is the lookup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/lexicon.h"

namespace tavilo {

// Which tool asks, and with which method: these change which tables are searched.
struct ValidationFlags {
  bool spoonerismTool = false;     // the word comes from the spoonerism dialog
  bool contrepetophile = false;    // spoonerism method "Recherche des mots contrepétophiles": taboo words only
  bool childMode = false;          // spoonerism method "Enfant": taboo words refused
  bool anaphoneTool = false;       // the anaphone dialog: the homophone list is left alone
};

// The state shared by the dialogs that start from one typed word.
struct InputWordState {
  std::string inputWord;       // in: typed, lower case, folded as typed; out: the dictionary spelling
  std::string inputPhonetic;   // out; kept from the previous call on rejection
  std::int16_t inputSyllables = 0;
  bool inputRejected = false;
  bool homophonesFound = false;
  std::vector<std::string> homophones;  // spellings of the other words with the same phonetic form
};

// The outcome of one validation. On refusal `message` is the program's French message (lines
// joined by "\n", Windows-1252) and `clearWordBox` says whether the dialog empties its word box.
struct ValidationResult {
  bool accepted = false;
  std::string message;
  bool clearWordBox = false;
};

// Looks state.inputWord up: locutions, then nouns, adjectives, verbs and function words (each
// spelling lower-cased and folded with FoldValidation before the comparison); the taboo table
// when the flags ask for it. On success fills the state and collects the homophones (unless the
// anaphone tool asks). Sets state.inputRejected on refusal, and only then.
ValidationResult ValidateInputWord(const Lexicon& lexicon, const ValidationFlags& flags, InputWordState& state);

// Lists every other spelling of the five tables whose phonetic form equals state.inputPhonetic
// (each table scanned from its start, stopping at the first phonetic form that sorts after it).
void CollectHomophones(const Lexicon& lexicon, InputWordState& state);

// Every reading of a typed word (lower case, folded with FoldValidation, as state.inputWord): the
// rows of the locutions, nouns, adjectives, verbs and function words, in this order and each in
// table order, whose folded spelling equals it, each pair of spelling and phonetic form once. The
// first is the one ValidateInputWord finds; empty when the word is not in these tables.
std::vector<WordEntry> FindReadings(const Lexicon& lexicon, std::string_view word);

// The messages of the lookup.
std::string TabooWordMessage();
std::string UnknownWordMessage(const std::string& typedWord);

}  // namespace tavilo
