// What the anagram tool reads from its boxes, the manual pass that lists the words fitting into
// the letters (and builds the candidates of the automatic search), and the settings it offers.
#include "core/frequency_order.h"
#include "engines/anagram/anagram.h"

#include <algorithm>

#include "core/text.h"

namespace tavilo {
namespace {

bool IsAnagramLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFC); }
bool IsSeparator(char c) { return c == ' ' || c == '-' || c == '\''; }
bool ByteLess(char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); }

// Before these an elided form can stand (a vowel, y or h).
bool OpensElision(char c) { return std::string_view("AEHIOUYaehiouy\xE2\xE8\xE9\xEA\xEE\xF4").find(c) != std::string_view::npos; }

}  // namespace

AnagramLetters AnalyzeAnagramLetters(std::string_view typed) {
  AnagramLetters out;
  for (char raw : typed) {
    if (out.letterCount + out.JokerTotal() > kAnagramMaxLetters - 1) break;
    const char c = ToLower(raw);
    if (IsSeparator(c)) {
      out.accepted += c;
    } else if (IsAnagramLetter(static_cast<unsigned char>(c))) {
      ++out.letterCount;
      out.accepted += c;
      out.enteredText += c;
      out.lettersToSearch += FoldStandard(c);
    } else if (c == '?' || c == '\xA7' || c == '!') {
      const int explicitSoFar = out.ExplicitLetters();
      if (explicitSoFar < 2 || out.JokerTotal() >= explicitSoFar + 3) continue;
      (c == '?' ? out.jokerAny : c == '!' ? out.jokerConsonant : out.jokerVowel)++;
      ++out.letterCount;
      out.accepted += c;
      out.enteredText += c;
    }
  }
  return out;
}

ImposedWords AnalyzeImposedWords(std::string_view field, std::string_view lettersToSearch) {
  ImposedWords out;
  std::string left(lettersToSearch);
  for (char raw : field) {
    const char c = FoldStandard(ToLower(raw));
    if (c == ' ' || c == '\'') {
      out.field += c;
    } else if (IsAnagramLetter(static_cast<unsigned char>(c))) {
      const std::size_t at = left.find(c);
      if (at == std::string::npos) continue;  // the typed letters no longer hold it
      left.erase(at, 1);
      out.field += c;
    }
  }
  out.lettersToSearch = std::move(left);

  // Words and the prefix: spaces collapse, an apostrophe ends a word and keeps its place.
  std::string word;
  const auto endWord = [&](bool elided) {
    if (word.empty() && !elided) return;
    ++out.wordCount;
    out.prefix += word;
    out.prefix += elided ? "'" : " ";
    word.clear();
  };
  for (std::size_t i = 0; i < out.field.size(); ++i) {
    const char c = out.field[i];
    if (c == '\'') {
      if (!word.empty()) endWord(true);
      if (i + 1 < out.field.size() && OpensElision(out.field[i + 1])) out.allowsElision = true;
    } else if (c == ' ') {
      endWord(false);
    } else {
      word += c;
    }
  }
  endWord(false);
  // An elided form left last is followed by the group's words: one space after it.
  if (!out.prefix.empty() && out.prefix.back() == '\'') out.prefix += ' ';
  return out;
}

std::vector<std::string> ParseForbiddenWords(std::string_view field) {
  std::vector<std::string> words;
  std::string word;
  const auto flush = [&] {
    if (word.empty()) return;
    // The elided forms are written with their apostrophe; "ô" is folded to "o" by now.
    if ((word.size() == 1 && std::string_view("ayzo").find(word[0]) == std::string_view::npos) || word == "qu" ||
        word == "jusqu")
      word += '\'';
    words.push_back(std::move(word));
    word.clear();
  };
  for (char raw : field) {
    const char c = FoldStandard(ToLower(raw));
    if (c == ' ' || c == '\t') flush();
    else word += c;
  }
  flush();
  return words;
}

bool CandidateTable::Covers(std::string_view letters) const {
  if (rows.size() <= 1) return false;
  return std::includes(sortedLetters.begin(), sortedLetters.end(), letters.begin(), letters.end(), ByteLess);
}

ManualResult ListCandidates(const AnagramIndex& index, std::string_view lettersToSearch, const AnagramLetters& letters,
                            SearchObserver& observer) {
  const auto start = std::chrono::steady_clock::now();
  ManualResult result;
  result.sortedLetters = SortLetters(lettersToSearch);
  const std::string jokers = std::string(static_cast<std::size_t>(letters.jokerAny), '?') +
                             std::string(static_cast<std::size_t>(letters.jokerVowel), '\xA7') +
                             std::string(static_cast<std::size_t>(letters.jokerConsonant), '!');
  std::array<int, 256> have{};
  for (char c : result.sortedLetters) ++have[static_cast<unsigned char>(c)];

  CandidateTable& table = result.candidates;
  table.sortedLetters = result.sortedLetters;
  const auto& rows = index.Rows();
  table.rows.reserve(std::min(rows.size(), kCandidateCapacity + 1) + 16);  // room for the short forms too
  table.rows.emplace_back();
  observer.SetCount(0);
  std::size_t r = 1;
  for (; r < rows.size() && rows[r].key.size() >= 2; ++r) {
    if ((r & 0x1FFF) == 0 && !observer.Yield()) break;
    const std::string_view key = rows[r].key;
    if (key.size() > result.sortedLetters.size()) continue;
    std::size_t taken = 0;
    while (taken < key.size() && --have[static_cast<unsigned char>(key[taken])] >= 0) ++taken;
    const bool fits = taken == key.size();
    for (std::size_t i = 0; i <= std::min(taken, key.size() - 1); ++i) ++have[static_cast<unsigned char>(key[i])];
    if (!fits) continue;

    // The letters left: both strings are sorted, so one walk takes the key's letters out.
    // Sized once and written in place: a long input gives tens of thousands of items.
    const std::string_view word = rows[r].word;
    std::string item(word.size() + 2 + result.sortedLetters.size() - key.size() + jokers.size() + 1, ']');
    char* out = std::copy(word.begin(), word.end(), item.data());
    *out++ = ' ';
    *out++ = '[';
    std::size_t k = 0;
    for (char c : result.sortedLetters) {
      if (k < key.size() && key[k] == c) ++k;
      else *out++ = c;
    }
    std::copy(jokers.begin(), jokers.end(), out);
    result.byLength[key.size()].push_back(std::move(item));
    observer.SetCount(++result.count);
    if (table.rows.size() <= kCandidateCapacity) table.rows.push_back(rows[r]);
    else table.truncated = true;
  }
  // The one-letter words and elided forms close the index (before its empty last row).
  if (const auto& starts = index.LengthStart(); starts.size() > 1 && starts[1] > 0) {
    for (auto s = static_cast<std::size_t>(starts[1]); s < rows.size() && !rows[s].key.empty(); ++s)
      table.rows.push_back(rows[s]);
  }

  table.lengthStart.assign(table.rows.size() > 1 ? table.rows[1].key.size() + 1 : 1, 0);
  for (std::size_t i = 1; i < table.rows.size(); ++i) {
    const std::size_t length = table.rows[i].key.size();
    if (length != table.rows[i - 1].key.size() && length < table.lengthStart.size())
      table.lengthStart[length] = static_cast<std::int32_t>(i);
  }
  // A word of several tables is in the index once per table: it is listed once, and counted once.
  for (auto& items : result.byLength) {
    SortForDisplay(items);
    const auto repeated = std::unique(items.begin(), items.end());
    result.count -= static_cast<long>(items.end() - repeated);
    items.erase(repeated, items.end());
  }
  observer.SetCount(result.count);
  result.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  return result;
}

int LevelForLetters(int n) {
  if (n <= 13) return 4;
  if (n <= 20) return 3;
  if (n <= 28) return 2;
  return 1;
}

void CoupleMaxLength(AnagramSettings& settings, int letters, int longestKey, int imposedWords) {
  settings.maxLength = std::max(1, std::min({settings.maxLength, letters, longestKey}));
  const int needed = imposedWords + (letters + settings.maxLength - 1) / settings.maxLength;
  if (settings.minWords < needed) settings.minWords = needed;
}

AnagramSettings DefaultAnagramSettings(int letters, int longestKey, int imposedWords) {
  AnagramSettings settings;
  const int most = std::min(kAnagramMaxDepth, std::max(1, letters));
  settings.minWords = imposedWords + 1;
  settings.maxWords = imposedWords + std::min(most, std::max(2, (letters + 3) / 4));
  settings.minLength = 1;
  settings.maxLength = std::max(1, std::min(letters, longestKey));
  settings.level = LevelForLetters(letters);
  CoupleMaxLength(settings, letters, longestKey, imposedWords);
  settings.maxWords = std::max(settings.maxWords, settings.minWords);
  return settings;
}

AnagramQuery MakeAnagramQuery(const AnagramLetters& letters, const ImposedWords& imposed) {
  AnagramQuery query;
  query.lettersToSearch = imposed.lettersToSearch;
  query.jokerAny = letters.jokerAny;
  query.jokerVowel = letters.jokerVowel;
  query.jokerConsonant = letters.jokerConsonant;
  query.imposed = imposed;
  return query;
}

void SortManualByFrequency(ManualResult& result, const WordFrequencies& frequencies) {
  // An item is "word [rest and jokers]".
  const auto tenths = [&](const std::string& item) { return frequencies.Tenths(std::string_view(item).substr(0, item.rfind(" ["))); };
  for (std::vector<std::string>& items : result.byLength) MostCommonFirst(items, tenths);
}

void SortGroupsByFrequency(AutoResult& result, const WordFrequencies& frequencies) {
  MostCommonFirst(result.groups, [&](const AnagramGroup& group) { return MeanWordTenths(frequencies, group.words); });
}

}  // namespace tavilo
