// The anagram tool: the words that can be written with some of the typed letters (the manual
// pass, one word and the letters that remain), and the groups of words that use up the letters
// exactly (the automatic search), with joker letters, imposed and forbidden words.
//
// A front end analyses what the user typed (AnalyzeAnagramLetters, AnalyzeImposedWords), runs the
// manual pass (ListCandidates), which also builds the candidates of the automatic search, and
// then, for the automatic method, SearchGroups over those candidates (or over the whole anagram
// index when joker letters are typed and the complete base is asked for). Block writers turn the
// results into documents; every text is Windows-1252 except the documents, which are UTF-8.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/anagram_index.h"
#include "core/document.h"
#include "core/frequency.h"
#include "core/observer.h"

namespace tavilo {

// At most this many letters and jokers are taken from what is typed.
inline constexpr int kAnagramMaxLetters = 50;
// A group holds at most this many words (imposed words not counted).
inline constexpr int kAnagramMaxDepth = 15;
// The automatic search stops after this many groups.
inline constexpr long kAnagramMaxGroups = 32767;
// Said (on the error output, or in the automatic window) when the search stopped there, so that
// the user knows the list is not complete.
inline constexpr std::string_view kAnagramCapMessage = "La recherche s'arr\xEAte \xE0 32\xA0" "767 groupes maximum !!!";
// Dictionary rows the candidate table holds (the 12 short forms come on top).
inline constexpr std::size_t kCandidateCapacity = 60000;

// ---------------------------------------------------------------------------------------------
// What was typed

// The typed letters as the tool reads them: lower case, "?" any letter, "§" a vowel, "!" a
// consonant; space, "-" and "'" separate words and are not letters.
struct AnagramLetters {
  std::string accepted;         // what the box shows: the text kept (letters, separators, jokers)
  std::string enteredText;      // the letters with their accents and the jokers (EnteredText)
  std::string lettersToSearch;  // the letters, accents folded, in typed order (LettersToSearch)
  int letterCount = 0;          // letters plus jokers (LetterCount)
  int jokerAny = 0, jokerVowel = 0, jokerConsonant = 0;

  int JokerTotal() const { return jokerAny + jokerVowel + jokerConsonant; }
  int ExplicitLetters() const { return letterCount - JokerTotal(); }
};

// Reads typed text: a letter is a-z or à-ü (after lower-casing), folded as in the letter keys; a
// joker counts only after two explicit letters and while there are fewer jokers than explicit
// letters plus 3; the walk stops once letters and jokers together pass 49 (jokers weigh twice,
// as they are counted among the letters too). Anything else is dropped. The analysis of a prefix
// of the text is a prefix of the analysis, so a caret position maps through
// AnalyzeAnagramLetters(text.substr(0, caret)).accepted.size().
AnagramLetters AnalyzeAnagramLetters(std::string_view typed);

// The imposed words ("Mot(s) imposé(s)") against the typed letters.
struct ImposedWords {
  std::string field;           // what the field shows: lower case, folded, only letters that fit,
                               // spaces and apostrophes
  std::string lettersToSearch; // the typed letters less those of the imposed words, typed order
  int wordCount = 0;           // words separated by spaces or apostrophes ("l'" is a word)
  std::string prefix;          // the words as a group line starts with them: one space after each
                               // word (an elided form keeps its apostrophe and no space); empty
                               // when none
  bool allowsElision = false;  // an apostrophe stands before a vowel, y or h
};

// Keeps letters, spaces and apostrophes, folds the accents, takes each letter out of the typed
// letters (first occurrence) and drops from the field the letters they no longer hold.
ImposedWords AnalyzeImposedWords(std::string_view field, std::string_view lettersToSearch);

// The forbidden words ("Mot(s) interdit(s) en sortie"), separated by spaces, lower case and
// folded; a one-letter word other than "a", "y", "z" and "ô", and "qu" and "jusqu", get a final
// "'" so that "l" forbids the elided "l'".
std::vector<std::string> ParseForbiddenWords(std::string_view field);

// ---------------------------------------------------------------------------------------------
// Manual pass

// Rows laid out like the anagram index: row 0 empty, then rows by key length, longest first.
// `lengthStart[L]` is the first row whose key has length L (0 when there is none).
struct AnagramRows {
  std::span<const AnagramRow> rows;
  std::span<const std::int32_t> lengthStart;
};

// The words that fit into the letters of the last manual pass, in index order, then the 12
// short forms: what the automatic search works on.
struct CandidateTable {
  std::vector<AnagramRow> rows;  // row 0 empty
  std::vector<std::int32_t> lengthStart;
  std::string sortedLetters;     // the letters it was built for, sorted
  bool truncated = false;        // more than kCandidateCapacity words fitted: the table kept the first

  AnagramRows View() const { return {rows, lengthStart}; }
  // True when the table can serve a search over `sortedLetters`: it was built for the same
  // letters or for more (a word that fits the fewer letters fits the more).
  bool Covers(std::string_view sortedLetters) const;
};

struct ManualResult {
  std::string sortedLetters;  // SortedLetters
  // byLength[L]: the items "word [rest and jokers]" of the words of L letters, in display order.
  std::array<std::vector<std::string>, kMaxWordLength + 1> byLength;
  long count = 0;
  CandidateTable candidates;
  std::chrono::milliseconds elapsed{0};
};

// Walks the index from its longest keys down to the two-letter ones, keeping each word whose key
// can be taken from `lettersToSearch`. Jokers never help a word fit: they are shown after the
// remaining letters. Reports the count as it grows.
ManualResult ListCandidates(const AnagramIndex& index, std::string_view lettersToSearch, const AnagramLetters& letters,
                            SearchObserver& observer = NullObserver());

// ---------------------------------------------------------------------------------------------
// Automatic search

// The settings of the frame "Automatique - Réglages".
struct AnagramSettings {
  int minWords = 1, maxWords = 3;    // MotMin, MotMax: imposed words counted
  int minLength = 1, maxLength = 21; // LongMin, LongMax: each word's letters
  int level = 4;                     // ProfRech, 1 (Mini) to 4 (Maxi)
  bool noAcronyms = false;           // Check1 "Sigles et acronymes interdits"
  std::vector<std::string> forbidden;  // ParseForbiddenWords
};

// What the dialog offers for `letters` letters and jokers to search (after imposed words), when
// the longest candidate has `longestKey` letters: 1 to 15 words (at most one per letter), lengths
// 1 to the smaller of both, the level of LevelForLetters; by default at least 1 and at most a
// word per four letters (at least 2) words, every length.
AnagramSettings DefaultAnagramSettings(int letters, int longestKey, int imposedWords);
// The level a double-click sets for n letters (explicit and "?"): 4 up to 13, 3 up to 20, 2 up to
// 28, 1 beyond.
int LevelForLetters(int n);
// The coupling of a new maximum length: lowered to `letters` and to `longestKey`, and the minimum
// number of words raised to what that length needs (imposed words counted).
void CoupleMaxLength(AnagramSettings& settings, int letters, int longestKey, int imposedWords);

struct AnagramQuery {
  std::string lettersToSearch;  // explicit letters (imposed letters removed), any order
  int jokerAny = 0, jokerVowel = 0, jokerConsonant = 0;
  ImposedWords imposed;         // only wordCount, prefix and allowsElision are read
  AnagramSettings settings;

  int JokerTotal() const { return jokerAny + jokerVowel + jokerConsonant; }
};

// The query for the typed letters less the imposed words, with their jokers; the settings are
// the caller's.
AnagramQuery MakeAnagramQuery(const AnagramLetters& letters, const ImposedWords& imposed);

// The whole anagram index, laid out as the group search reads it.
inline AnagramRows AllRows(const AnagramIndex& index) { return {index.Rows(), index.LengthStart()}; }

struct AnagramGroup {
  std::string words;  // the imposed words then the group's words in display order, one space after each
  int letters = 0;    // letters of the whole group, imposed words counted
  int wordCount = 0;  // words of the whole group, imposed words counted
};

// A group line as the automatic window shows it: Tab and the words; with jokers, the prefix
// "NNL NNM " (letters, words) before the Tab.
std::string GroupLine(const AnagramGroup& group, bool jokers);

// What the automatic search tells whoever runs it, beside the count and Yield().
class AnagramObserver : public SearchObserver {
 public:
  // A group, as soon as it is found (before the search goes on).
  virtual void OnGroup(const AnagramGroup& group) { (void)group; }
  // Asked after each Yield(): the settings as they stand after a pause, when the user may have
  // changed them; nullopt when the search was not paused since the last call.
  virtual std::optional<AnagramSettings> ResumedSettings() { return std::nullopt; }
  // The time spent paused since the search started, left out of its elapsed time.
  virtual std::chrono::steady_clock::duration PausedTime() const { return {}; }
};

struct AutoResult {
  std::vector<AnagramGroup> groups;  // in the order found
  bool jokers = false;               // the joker variant ran (lines carry the prefix)
  bool stopped = false;              // Yield() said stop: the groups are those found until then
  bool capped = false;               // the search stopped at kAnagramMaxGroups
  std::chrono::milliseconds elapsed{0};
};

// The group search over `source` (the candidate table, or the anagram index for the joker
// variant over the complete base). Words of a group come in non-increasing length and, within a
// length, in row order (a word may repeat); at levels below 4 the search gives up alternatives
// on purpose to finish sooner (see anagram_search.cpp). Groups whose only one-letter words are
// elided forms before a consonant are left out.
AutoResult SearchGroups(AnagramRows source, const AnagramQuery& query, AnagramObserver& observer);
AutoResult SearchGroups(AnagramRows source, const AnagramQuery& query);

// Most common first. The manual items of each length by their word (ties keep their order, the
// lengths keep theirs); the automatic groups by the mean value of their words, the best first,
// ties in the order found. Call it before the block or the group lines are written.
void SortManualByFrequency(ManualResult& result, const WordFrequencies& frequencies);
void SortGroupsByFrequency(AutoResult& result, const WordFrequencies& frequencies);

// ---------------------------------------------------------------------------------------------
// Messages and blocks

// Refusals of the OK button, in the order checked; empty when the search may run.
std::string ValidateAnagramInput(int lettersToSearch, int jokers);
// "Apparemment il n'y a pas d'anagrammes possibles avec les lettres «...»..."
std::string NothingFoundMessage(std::string_view enteredText);
// "Les caractères en majuscule correspondent aux lettres 'joker'"
std::string_view JokerNotice();
// The note under a manual result.
std::string_view DoubleClickNote();

// The manual block: the title " Anagrammes", then each length from the longest down, " N
// lettres :" and its items, one per line, in Courier New.
Document WriteManualBlock(const ManualResult& result);
// The header line of a block: "    Niveau : " level "    Lettres : " ... "    Temps : m min s s";
// `level` is "Manuel" or the level, `automatic` chooses "Groupe(s) de mots" over "Mot(s) trouvé(s)".
Document WriteAnagramHeader(std::string_view level, std::string_view enteredText, int letterCount, bool automatic,
                            long count, std::chrono::milliseconds elapsed);
// The automatic window's header label.
std::string AutoWindowHeader(std::string_view imposed, std::string_view lettersToSearch, int level,
                             std::string_view enteredText, int letterCount);
// The automatic window's text: one group line per paragraph, in Courier New.
Document WriteGroupLines(const AutoResult& result);

}  // namespace tavilo
