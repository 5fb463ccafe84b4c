// The filtered-words search: check the pattern, settle the options, scan the tables in order.
#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>
#include <utility>

#include "core/text.h"
#include "core/frequency_order.h"
#include "engines/filter/filter.h"

namespace tavilo {
namespace {

// One table to scan; locution rows are kept with a marker of 0.
struct Source {
  const WordTable* table;
  bool zeroMarkers;
};

std::vector<Source> SourcesOf(SearchDomain domain, const Lexicon& lexicon, const Session& session) {
  if (domain == SearchDomain::ResultList) return {{&session.resultList, false}};
  std::vector<Source> sources;
  const bool all = domain == SearchDomain::All;
  if (all || domain == SearchDomain::Nouns) {
    sources.push_back({&lexicon.nouns, false});
    sources.push_back({&lexicon.locutions, true});
  }
  if (all || domain == SearchDomain::Adjectives) sources.push_back({&lexicon.adjectives, false});
  if (all || domain == SearchDomain::Verbs) sources.push_back({&lexicon.verbs, false});
  if (all || domain == SearchDomain::FunctionWords) sources.push_back({&lexicon.functionWords, false});
  return sources;
}

FilterResult Refuse(FilterResult result, FilterRefusal refusal) {
  result.refusal = refusal;
  switch (refusal) {
    case FilterRefusal::None:
      break;
    case FilterRefusal::TooShort:
      result.message = "C'est un peu court !!!\nEntrez au moins 2 caract\xE8res !!!";
      break;
    case FilterRefusal::TooLong:
      result.message = "Trop de lettres !!!\nLes mots du r\xE9sultat ne pourront pas d\xE9passer " +
                       std::to_string(result.longestWord) + " lettres.";
      break;
    case FilterRefusal::NothingFound:
      result.message = "D\xE9sol\xE9, avec le mod\xE8le " + QuotedInput(result.pattern) +
                       " il n'y a aucun mot possible !!!\nChoisissez d'autres lettres ou d'autres options.";
      break;
  }
  return result;
}

// Settles what the search uses from the query: the options the pattern allows, the pattern as
// searched, the effective length limit. Returns the refusal of the pattern, if any.
FilterRefusal Prepare(const FilterQuery& query, FilterResult& result) {
  result.analysis = CanonicalisePattern(query.pattern, result.longestWord);
  const PatternAnalysis& a = result.analysis;
  if (a.pattern.empty() || (a.pattern.size() == 1 && !a.HasMultiJoker())) return FilterRefusal::TooShort;
  if (a.truncated || a.MinimumLength() > result.longestWord) return FilterRefusal::TooLong;

  const PatternOptions allowed = AvailableOptions(a, query.heterogram);
  result.heterogram = allowed.heterogram && query.heterogram;
  result.reversed = allowed.reversed && query.reversed;
  result.matchOptions.distinguishDiacritics = allowed.distinguishDiacritics && query.distinguishDiacritics;
  result.matchOptions.onceSingle = allowed.onceSingle && query.onceSingle;
  result.matchOptions.onceMulti = allowed.onceMulti && query.onceMulti;
  result.pattern = result.matchOptions.distinguishDiacritics ? a.pattern : FoldStandard(a.pattern);

  // A pattern without multi joker fits words of its own length only; a limit below the
  // pattern's length would find nothing, so the length is used instead.
  const int minimum = a.MinimumLength();
  result.maxLetters = std::max(query.maxLetters, 0);
  if (!a.HasMultiJoker() || (result.maxLetters != 0 && result.maxLetters < minimum)) result.maxLetters = minimum;
  return FilterRefusal::None;
}

}  // namespace

int LongestWordLength(const Lexicon& lexicon) {
  std::size_t longest = 0;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) longest = std::max(longest, entry.spelling.size());
  }
  return static_cast<int>(longest);
}

FilterResult FindFilteredWords(const Lexicon& lexicon, const Session& session, const FilterQuery& query,
                               SearchObserver& observer) {
  FilterResult result;
  result.longestWord = LongestWordLength(lexicon);
  result.fromResultList = query.domain == SearchDomain::ResultList;
  result.keep = !result.fromResultList || query.keepAsNewList;
  result.domainLabel = DomainLabel(query.domain, session);
  result.syllableItem = query.maxSyllables > 0 ? std::to_string(query.maxSyllables) : "Toutes";
  if (const FilterRefusal refusal = Prepare(query, result); refusal != FilterRefusal::None) {
    result.pattern = result.analysis.pattern;
    return Refuse(std::move(result), refusal);
  }

  const FilterMatcher matcher(result.pattern, result.matchOptions);
  // Lowering and folding a character, once for each of the 256.
  std::array<char, 256> lowered{};
  for (std::size_t c = 0; c < lowered.size(); ++c) {
    const char lower = ToLower(static_cast<char>(c));
    lowered[c] = result.matchOptions.distinguishDiacritics ? lower : FoldStandard(lower);
  }
  const std::size_t maxLetters = static_cast<std::size_t>(result.maxLetters);
  result.byLength.resize(static_cast<std::size_t>(result.longestWord) + 1);

  std::string word;   // the row's spelling, lowered and folded
  std::string marks;  // the positions the explicit letters matched
  bool capped = false;
  // A word of several tables (or repeated in the current list) is listed and kept once.
  std::unordered_set<std::string_view> listed;
  // The progress: rows read out of the rows of every table searched.
  const auto sources = SourcesOf(query.domain, lexicon, session);
  double rows = 0, read = 0;
  for (const Source& source : sources) rows += static_cast<double>(source.table->Size());
  for (const Source& source : sources) {
    if (capped || !observer.Yield()) {
      result.stopped = !capped;
      break;
    }
    for (const WordRow entry : *source.table) {
      const std::string_view spelling = entry.spelling;
      const bool candidate = (maxLetters == 0 || spelling.size() <= maxLetters) &&
                             (query.maxSyllables <= 0 || entry.syllables <= query.maxSyllables);
      if (candidate) {
        word.resize(spelling.size());
        for (std::size_t k = 0; k < spelling.size(); ++k) word[k] = lowered[static_cast<unsigned char>(spelling[k])];
        marks.clear();
        if (!(result.heterogram && HasRepeatedLetter(word)) && matcher.Matches(word, marks) &&
            !listed.contains(spelling)) {
          // The word after the last one a search may hold ends the search, unlisted.
          if (result.count == kFilterMatchCap) {
            capped = true;
            break;
          }
          if (result.byLength.size() <= spelling.size()) result.byLength.resize(spelling.size() + 1);
          listed.insert(spelling);
          result.byLength[spelling.size()].push_back({std::string(spelling), marks});
          if (result.keep) {
            WordRow row = entry;
            if (source.zeroMarkers) row.marker = 0;
            result.kept.Append(row);
          }
          observer.SetCount(static_cast<long>(++result.count));
        }
      }
      observer.SetProgress(++read, rows);
      if (!observer.Yield()) {
        result.stopped = true;
        break;
      }
    }
    if (result.stopped) break;
  }

  for (std::vector<FilterEntry>& words : result.byLength) {
    SortForDisplay(words, [](const FilterEntry& e) -> std::string_view { return e.spelling; },
                   [](const FilterEntry& x, const FilterEntry& y) { return x.marks < y.marks; });
  }
  if (result.count == 0) return Refuse(std::move(result), FilterRefusal::NothingFound);
  return result;
}

std::vector<std::string> FilterWordsInBlockOrder(const FilterResult& result) {
  std::vector<std::string> words;
  words.reserve(result.count);
  for (const std::vector<FilterEntry>& group : result.byLength) {
    for (const FilterEntry& entry : group) words.push_back(entry.spelling);
  }
  return words;
}

void SortFilteredWordsByFrequency(FilterResult& result, const WordFrequencies& frequencies) {
  for (std::vector<FilterEntry>& words : result.byLength) {
    MostCommonFirst(words, [&](const FilterEntry& entry) { return frequencies.Tenths(entry.spelling); });
  }
  result.kept = MostCommonRowsFirst(result.kept, frequencies);
}

void KeepFilterResult(const FilterResult& result, Session& session) {
  if (!result.keep) return;
  if (!result.Accepted() && result.refusal != FilterRefusal::NothingFound) return;
  WordTable list(kResultListCapacity);
  for (const WordRow entry : result.kept) list.Append(entry);
  session.resultList = std::move(list);
  if (result.Accepted()) session.resultListKind = std::string(kFilterListKind);
}

}  // namespace tavilo
