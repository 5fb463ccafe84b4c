#include "core/validation.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/text.h"

namespace tavilo {

std::string TabooWordMessage() {
  return "Vous avez entr\xE9 un mot tabou !\nCe n'est pas tr\xE8s correct !!!";
}

std::string UnknownWordMessage(const std::string& typedWord) {
  return "Apparemment le mot " + QuotedInput(typedWord) + " n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme.";
}

namespace {

// The spelling, lower-cased and folded, equals the typed word (compared without copying: this
// runs over the whole lexicon for every lookup).
bool FoldedEquals(std::string_view spelling, std::string_view word) {
  if (spelling.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (FoldValidation(ToLower(spelling[i])) != word[i]) return false;
  }
  return true;
}

std::optional<WordRow> FindFolded(const WordTable& table, const std::string& word) {
  for (const WordRow entry : table) {
    if (FoldedEquals(entry.spelling, word)) return entry;
  }
  return std::nullopt;
}

// The tables a typed word is looked up in, in the order of the lookup.
std::array<const WordTable*, 5> LookupTables(const Lexicon& lexicon) {
  return {&lexicon.locutions, &lexicon.nouns, &lexicon.adjectives, &lexicon.verbs, &lexicon.functionWords};
}

ValidationResult Refuse(InputWordState& state, std::string message, bool clearWordBox = false) {
  state.inputRejected = true;
  return {false, std::move(message), clearWordBox};
}

ValidationResult TabooCheck(const Lexicon& lexicon, const ValidationFlags& flags, InputWordState& state) {
  const std::optional<WordRow> entry = FindFolded(lexicon.taboo, state.inputWord);
  if (!entry) return Refuse(state, UnknownWordMessage(state.inputWord));
  state.inputWord = entry->spelling;
  if (flags.contrepetophile) {
    state.inputPhonetic = entry->phonetic;
    return {true, {}, false};
  }
  return Refuse(state, TabooWordMessage(), true);
}

}  // namespace

ValidationResult ValidateInputWord(const Lexicon& lexicon, const ValidationFlags& flags, InputWordState& state) {
  state.inputRejected = false;
  if (flags.spoonerismTool && flags.contrepetophile) return TabooCheck(lexicon, flags, state);

  for (const WordTable* table : LookupTables(lexicon)) {
    if (const std::optional<WordRow> entry = FindFolded(*table, state.inputWord)) {
      state.inputWord = entry->spelling;
      state.inputPhonetic = entry->phonetic;
      state.inputSyllables = entry->syllables;
      if (!flags.anaphoneTool) CollectHomophones(lexicon, state);
      return {true, {}, false};
    }
  }
  if (flags.spoonerismTool && flags.childMode) return TabooCheck(lexicon, flags, state);
  return Refuse(state, UnknownWordMessage(state.inputWord));
}

std::vector<WordEntry> FindReadings(const Lexicon& lexicon, std::string_view word) {
  std::vector<WordEntry> readings;
  for (const WordTable* table : LookupTables(lexicon)) {
    for (const WordRow entry : *table) {
      if (!FoldedEquals(entry.spelling, word)) continue;
      const bool known = std::any_of(readings.begin(), readings.end(), [&](const WordEntry& reading) {
        return reading.spelling == entry.spelling && reading.phonetic == entry.phonetic;
      });
      if (!known) readings.push_back(entry.ToEntry());
    }
  }
  return readings;
}

void CollectHomophones(const Lexicon& lexicon, InputWordState& state) {
  state.homophones.clear();
  state.homophonesFound = false;
  for (const WordTable* table : {&lexicon.nouns, &lexicon.adjectives, &lexicon.verbs, &lexicon.functionWords,
                                 &lexicon.locutions}) {
    for (const WordRow entry : *table) {
      const int order = entry.phonetic.compare(state.inputPhonetic);
      if (order > 0) break;
      if (order == 0 && entry.spelling != state.inputWord) {
        state.homophones.emplace_back(entry.spelling);
        state.homophonesFound = true;
      }
    }
  }
}

}  // namespace tavilo
