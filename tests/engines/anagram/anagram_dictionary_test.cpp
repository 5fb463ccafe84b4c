// The group search at level 4 against a reference written from the definition, on the shipped
// dictionary: a group is a multiset of candidate words (the dictionary words that fit, and the
// short forms) whose keys together are exactly the letters, within the bounds, without refused
// words, and passing the elision test. The reference finds them another way: the first letter
// left must belong to some word of the group, so it tries every word holding that letter, and
// gathers the groups in a set. Every level, jokers too, is then checked in order against a plain
// walk that applies the levels' rules as stated. The expectations are computed from the data at
// test time.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/lexicon.h"
#include "core/text.h"
#include "engines/anagram/anagram.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using testing::ShippedWithIndexes;

struct Case {
  const char* letters;
  int minWords, maxWords, minLength, maxLength;
  const char* imposed = "";
  const char* forbidden = "";
  bool noAcronyms = false;
};

// Takes `key` out of `rest` (both sorted); false when it is not there.
bool TakeOut(std::string& rest, std::string_view key) {
  std::string left;
  std::size_t k = 0;
  for (char c : rest) {
    if (k < key.size() && key[k] == c) ++k;
    else left += c;
  }
  if (k != key.size()) return false;
  rest = std::move(left);
  return true;
}

AnagramSettings SettingsOf(const Case& c, int level) {
  return {c.minWords, c.maxWords, c.minLength, c.maxLength, level, c.noAcronyms, ParseForbiddenWords(c.forbidden)};
}

// A word the settings refuse: an acronym when acronyms are refused, or a forbidden word.
bool Refused(std::string_view word, const AnagramSettings& s) {
  return (s.noAcronyms && word == ToUpper(word)) ||
         std::find(s.forbidden.begin(), s.forbidden.end(), FoldStandard(ToLower(word))) != s.forbidden.end();
}

// The group line's words (the imposed ones, then the words of the group, each given with its
// key's length, in display order, a space after each); nullopt when the group fails the elision
// test: a one-letter word other than a, s and y is an elided form, which needs a word opening
// with a vowel, y or h, or an imposed elided form.
std::optional<std::string> GroupWords(std::vector<std::pair<std::string, std::size_t>> words,
                                      const ImposedWords& imposed) {
  bool elided = false, vowel = false;
  for (const auto& [word, keyLength] : words) {
    if (keyLength == 1 && std::string_view("ASYasy").find(word[0]) == std::string_view::npos) elided = true;
    if (std::string_view("AEHIOUYaehiouy\xE2\xE8\xE9\xEA\xEE\xF4").find(word[0]) != std::string_view::npos) vowel = true;
  }
  if (elided && !vowel && !imposed.allowsElision) return std::nullopt;
  std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return DisplayLess{}(a.first, b.first); });
  std::string line = imposed.prefix;
  for (const auto& w : words) line += w.first + " ";
  return line;
}

class Reference {
 public:
  Reference(const AnagramIndex& index, const Case& c, const ImposedWords& imposed)
      : c_(c), imposed_(imposed) {
    const AnagramSettings settings = SettingsOf(c, 4);
    const std::string letters = SortLetters(imposed.lettersToSearch);
    for (std::size_t r = 1; r < index.Size() && !index[r].key.empty(); ++r) {
      const AnagramRow& row = index[r];
      const int length = static_cast<int>(row.key.size());
      std::string rest = letters;
      if (length < c.minLength || length > c.maxLength || !TakeOut(rest, row.key)) continue;
      if (!Refused(row.word, settings)) words_.push_back(row);
    }
    maxFound_ = c.maxWords - imposed.wordCount;
    Find(letters, {});
  }

  const std::set<std::string>& Groups() const { return groups_; }

 private:
  void Find(const std::string& rest, std::vector<std::size_t> chosen) {
    if (rest.empty()) return Keep(chosen);
    if (static_cast<int>(chosen.size()) == maxFound_) return;
    for (std::size_t w = 0; w < words_.size(); ++w) {
      if (words_[w].key.find(rest[0]) == std::string_view::npos) continue;
      std::string left = rest;
      if (!TakeOut(left, words_[w].key)) continue;
      chosen.push_back(w);
      Find(left, chosen);
      chosen.pop_back();
    }
  }

  void Keep(std::vector<std::size_t> chosen) {
    const int count = static_cast<int>(chosen.size()) + imposed_.wordCount;
    if (count < c_.minWords || count > c_.maxWords) return;
    std::vector<std::pair<std::string, std::size_t>> words;
    for (std::size_t w : chosen) words.emplace_back(words_[w].word, words_[w].key.size());
    if (std::optional<std::string> line = GroupWords(std::move(words), imposed_)) groups_.insert(*line);
  }

  const Case& c_;
  const ImposedWords& imposed_;
  std::vector<AnagramRow> words_;
  int maxFound_ = 0;
  std::set<std::string> groups_;
};

AutoResult EngineGroups(const Lexicon& lexicon, const Case& c, const ImposedWords& imposed, int level) {
  const AnagramLetters letters = AnalyzeAnagramLetters(c.letters);
  const ManualResult manual = ListCandidates(lexicon.anagramIndex, imposed.lettersToSearch, letters);
  AnagramQuery query;
  query.lettersToSearch = imposed.lettersToSearch;
  query.imposed = imposed;
  query.settings = SettingsOf(c, level);
  return SearchGroups(manual.candidates.View(), query);
}

std::set<std::string> AsSet(const AutoResult& result) {
  std::set<std::string> groups;
  for (const AnagramGroup& g : result.groups) EXPECT_TRUE(groups.insert(g.words).second) << "twice: " << g.words;
  return groups;
}

// Among them: acronyms refused, an acronym forbidden in lower case, one-letter forms whose only
// vowel is an h, and an imposed elided form that lets the elided forms in.
const Case kCases[] = {
    {"orange", 1, 3, 1, 6},
    {"soleils", 1, 4, 1, 7},
    {"parisien", 1, 3, 2, 8},
    {"mangerais", 2, 3, 2, 9},
    {"fondateur", 1, 4, 1, 9, "", "", true},
    {"chevaliers", 1, 3, 1, 10, "", "les elles vhs"},
    {"tourdefrance", 2, 3, 3, 12},
    {"contrepeterie", 1, 3, 2, 13},
    {"la vie est belle", 1, 3, 2, 8, "le"},
    {"lesmiserables", 1, 3, 3, 13},
    {"ecoledesfemmes", 1, 3, 2, 14},
    {"voltaire", 1, 5, 1, 8, "l'o"},
};

TEST(AnagramDictionaryTest, LevelFourFindsExactlyTheGroupsOfTheDefinition) {
  const Lexicon& lexicon = ShippedWithIndexes();
  for (const Case& c : kCases) {
    const AnagramLetters letters = AnalyzeAnagramLetters(c.letters);
    const ImposedWords imposed = AnalyzeImposedWords(c.imposed, letters.lettersToSearch);
    const std::set<std::string> expected = Reference(lexicon.anagramIndex, c, imposed).Groups();
    const AutoResult result = EngineGroups(lexicon, c, imposed, 4);
    EXPECT_FALSE(result.capped) << c.letters;
    EXPECT_EQ(AsSet(result), expected) << c.letters;
    EXPECT_FALSE(expected.empty()) << c.letters << ": a case that finds nothing checks little";
  }
}

// The whole index in its order: every key the letters of its word sorted, longest keys first,
// then key and word ascending, each pair once (the groups come out in that order).
TEST(AnagramDictionaryTest, IndexRowsAreInKeyThenWordOrder) {
  const auto& rows = ShippedWithIndexes().anagramIndex.Rows();
  const std::size_t shortForms = 12;
  ASSERT_GT(rows.size(), 10000u);
  for (std::size_t r = 1; r + shortForms + 1 < rows.size(); ++r) {
    ASSERT_EQ(rows[r].key, LetterKey(rows[r].word)) << r;
    if (r == 1 || rows[r].key.size() != rows[r - 1].key.size()) {
      ASSERT_TRUE(r == 1 || rows[r].key.size() < rows[r - 1].key.size()) << r;
    } else {
      ASSERT_LT(std::tie(rows[r - 1].key, rows[r - 1].word), std::tie(rows[r].key, rows[r].word)) << r;
    }
  }
}

// An index of the words some letters can spell (what the command line builds) gives the manual
// pass and the candidate table of the whole index, row for row.
TEST(AnagramDictionaryTest, IndexOfTheSpellableWordsGivesTheSameManualPass) {
  const Lexicon& l = ShippedWithIndexes();
  const auto rows = [](const ManualResult& m) {
    std::vector<std::string> out;
    for (const AnagramRow& r : m.candidates.rows) out.push_back(std::string(r.word) + "/" + std::string(r.key) + "/" + std::to_string(r.code));
    return out;
  };
  for (const char* typed : {"contrepeterie", "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx", "qwerty sncf", "\xE9t\xE9??"}) {
    const AnagramLetters letters = AnalyzeAnagramLetters(typed);
    const AnagramIndex within =
        BuildAnagramIndex(l.nouns, l.adjectives, l.verbs, l.functionWords, l.locutions, {}, letters.lettersToSearch);
    const ManualResult whole = ListCandidates(l.anagramIndex, letters.lettersToSearch, letters);
    const ManualResult part = ListCandidates(within, letters.lettersToSearch, letters);
    EXPECT_LT(within.Size(), l.anagramIndex.Size()) << typed;
    EXPECT_EQ(part.byLength, whole.byLength) << typed;
    EXPECT_EQ(rows(part), rows(whole)) << typed;
    EXPECT_EQ(part.candidates.lengthStart, whole.candidates.lengthStart) << typed;
  }
}

// The walk of the group search written plainly, against which every level is checked group for
// group and in order (below level 4 what is found depends on the order of the walk, so the
// reference must walk the same way). The letters left are a sorted string and three joker counts;
// a length's rows are all tried, in row order. The rules of the levels, as stated:
//   - below level 4, depth d starts each length no earlier than the row it last placed in that
//     length; those start rows are cleared only when depth d - 2 places a word;
//   - at levels 1 and 2, when a depth that could only close a group has run out, the walk goes
//     back to depth d - J (J = words - 1 at level 1, half of it at level 2, at least 1; never
//     above depth 1), which resumes with its next word.
class Walk {
 public:
  Walk(AnagramRows source, const AnagramQuery& query) : source_(source), query_(query), s_(query.settings) {
    for (std::size_t r = 1; r < source.rows.size() && !source.rows[r].key.empty(); ++r)
      if (source.rows[r].key.size() <= kMaxWordLength) byLength_[source.rows[r].key.size()].push_back(r);
    maxWords_ = std::min(kAnagramMaxDepth, s_.maxWords - query.imposed.wordCount);
    jump_ = std::max(1, s_.level == 1 ? maxWords_ - 1 : (maxWords_ - 1) / 2);
    Left all{SortLetters(query.lettersToSearch), query.jokerAny, query.jokerVowel, query.jokerConsonant};
    if (all.Size() > 0) Descend(1, kMaxWordLength, 0, all);
  }

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct Left {
    std::string letters;
    int any = 0, vowel = 0, consonant = 0;
    int Size() const { return static_cast<int>(letters.size()) + any + vowel + consonant; }
  };

  // Takes the row's key from `left`, a joker standing for each letter missing (a vowel joker for
  // a vowel, a consonant joker for a consonant, else an any-letter joker); `shown` is the word
  // with the letters the jokers stood for in upper case.
  bool Take(Left& left, const AnagramRow& row, std::string& shown) const {
    std::string fromLetters;
    for (char c : row.key) {
      const std::size_t at = left.letters.find(c);
      const bool vowel = std::string_view("aeiou").find(c) != std::string_view::npos;
      if (at != std::string::npos) {
        left.letters.erase(at, 1);
        fromLetters += c;
      } else if (vowel && left.vowel > 0) {
        --left.vowel;
      } else if (!vowel && c >= 'b' && c <= 'z' && left.consonant > 0) {
        --left.consonant;
      } else if (IsLetter(static_cast<unsigned char>(c)) && left.any > 0) {
        --left.any;
      } else {
        return false;
      }
    }
    shown = row.word;
    for (char& c : shown) {
      const char folded = FoldStandard(ToLower(c));
      if (!IsLetter(static_cast<unsigned char>(folded))) continue;
      const std::size_t at = fromLetters.find(folded);
      if (at != std::string::npos) fromLetters.erase(at, 1);
      else c = ToUpper(c);
    }
    return true;
  }

  // The words of depths 1 to d make a group: kept within the bounds and when it passes the
  // elision test.
  void Keep(int d) {
    const int count = d + query_.imposed.wordCount;
    if (count < s_.minWords || count > s_.maxWords) return;
    std::vector<std::pair<std::string, std::size_t>> words(chosen_.begin(), chosen_.begin() + d);
    std::optional<std::string> line = GroupWords(words, query_.imposed);
    if (!line) return;
    AnagramGroup group{std::move(*line), 0, count};
    for (char c : query_.imposed.prefix) group.letters += c != ' ' && c != '\'';
    for (const auto& w : words) group.letters += static_cast<int>(w.second);
    lines_.push_back(GroupLine(group, query_.JokerTotal() > 0));
  }

  // Depth d after a word of `prevLength` letters from row `prevRow`.
  void Descend(int d, int prevLength, std::size_t prevRow, const Left& left) {
    const int wordsLeft = maxWords_ - d + 1;
    if (wordsLeft <= 0) return;
    const int minLength = std::max(s_.minLength, (left.Size() + wordsLeft - 1) / wordsLeft);
    const int maxLength = std::min({prevLength, s_.maxLength, left.Size()});
    for (int length = maxLength; length >= std::max(1, minLength); --length) {
      for (std::size_t row : byLength_[length]) {
        if ((length == prevLength && row < prevRow) || (s_.level < 4 && row < start_[d][length])) continue;
        Left after = left;
        const AnagramRow& r = source_.rows[row];
        if (Refused(r.word, s_) || !Take(after, r, chosen_[d - 1].first)) continue;
        chosen_[d - 1].second = static_cast<std::size_t>(length);
        if (s_.level < 4) start_[d][length] = row;
        if (length == left.Size()) {
          Keep(d);
          continue;
        }
        if (d + 2 <= kAnagramMaxDepth) start_[d + 2].fill(0);
        Descend(d + 1, length, row, after);
        if (backTo_ == d) backTo_ = 0;
        if (backTo_ != 0) return;
      }
    }
    if (minLength >= left.Size() && s_.level <= 2) backTo_ = std::max(1, d - jump_);
    if (backTo_ == d) backTo_ = 0;
  }

  AnagramRows source_;
  const AnagramQuery& query_;
  const AnagramSettings& s_;
  int maxWords_ = 0, jump_ = 1;
  int backTo_ = 0;  // the depth the walk goes back to, 0 when none
  std::array<std::vector<std::size_t>, kMaxWordLength + 1> byLength_;
  std::array<std::array<std::size_t, kMaxWordLength + 1>, kAnagramMaxDepth + 2> start_{};
  std::array<std::pair<std::string, std::size_t>, kAnagramMaxDepth> chosen_;  // the word as shown, its key's length
  std::vector<std::string> lines_;
};

// Long letter sets whose groups run deep, so that the levels' start rows and jumps matter, with
// jokers (over the candidates and over the whole index) and refused words.
TEST(AnagramDictionaryTest, EveryLevelWalksAsItsRuleSays) {
  const Lexicon& lexicon = ShippedWithIndexes();
  struct LevelCase {
    Case c;
    bool wholeIndex = false;
    std::vector<int> levels{1, 2, 3};
  };
  const LevelCase cases[] = {
      {{"tourdefrance", 1, 5, 1, 12}},
      {{"contrepeterie", 2, 6, 2, 13, "", "", true}},
      {{"ecoledesfemmes", 3, 7, 1, 14, "", "les de"}, false, {1, 2}},
      {{"la vie est belle", 1, 5, 1, 13, "l'"}},
      {{"parisi\xA7n!", 1, 4, 1, 9}, false, {1, 2, 3, 4}},
      {{"chev?liers", 1, 3, 2, 10}, true, {1, 2, 3, 4}},
  };
  for (const LevelCase& lc : cases) {
    const Case& c = lc.c;
    const AnagramLetters letters = AnalyzeAnagramLetters(c.letters);
    const ImposedWords imposed = AnalyzeImposedWords(c.imposed, letters.lettersToSearch);
    const ManualResult manual = ListCandidates(lexicon.anagramIndex, imposed.lettersToSearch, letters);
    AnagramQuery query = MakeAnagramQuery(letters, imposed);
    const AnagramRows source = lc.wholeIndex ? AllRows(lexicon.anagramIndex) : manual.candidates.View();
    for (int level : lc.levels) {
      query.settings = SettingsOf(c, level);
      const AutoResult result = SearchGroups(source, query);
      std::vector<std::string> lines;
      for (const AnagramGroup& g : result.groups) lines.push_back(GroupLine(g, result.jokers));
      const std::vector<std::string> expected = Walk(source, query).Lines();
      ASSERT_FALSE(result.capped) << c.letters << " level " << level;
      EXPECT_EQ(lines, expected) << c.letters << " level " << level;
      EXPECT_GT(expected.size(), 20u) << c.letters << " level " << level << ": a walk that finds little checks little";
    }
  }
}

}  // namespace
}  // namespace tavilo
