// The filtered-words search on the shipped dictionary, over "Tous" (the four word tables and the
// locutions, about 90 000 rows). A crossword solver types a pattern and expects every word at
// once: a whole search should stay under 10 ms, and faster than `grep -E` as a process on the same
// list (bench/compare-grep.sh times that).
//
// The cost is one pass over every row: lower and fold the spelling into a buffer, match, and for
// each word found keep its row and its marked entry; then the per-length sort of what was found.
// The patterns below stress each part:
//   ?a?e?e   no multi joker: every word of another length is skipped on its length alone;
//   *tion    a leading "*" scans every word to its first "t";
//   b@^e*    the vowel and consonant runs with their give-back, a final "*";
//   *e*e*e*  three "*" stopping at each "e": thousands of words found, so the sort and the
//            kept rows weigh most.
#include <benchmark/benchmark.h>

#include "bench/shipped_lexicon.h"
#include "engines/filter/filter.h"

namespace tavilo {
namespace {

const char* const kPatterns[] = {"?a?e?e", "*tion", "b@^e*", "*e*e*e*"};

FilterResult Search(const char* pattern) {
  static const Session session;
  return FindFilteredWords(ShippedLexicon(), session, {.pattern = pattern});
}

void BM_FilterAll(benchmark::State& state) {
  const char* pattern = kPatterns[state.range(0)];
  state.SetLabel(pattern);
  FilterResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search(pattern));
  state.counters["words"] = static_cast<double>(result.count);
}
BENCHMARK(BM_FilterAll)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What OK costs after the search: the block with its red letters, for the pattern that finds most.
void BM_FilterBlock(benchmark::State& state) {
  const FilterResult result = Search("*e*e*e*");
  for (auto _ : state) benchmark::DoNotOptimize(WriteFilterBlock(result));
  state.counters["words"] = static_cast<double>(result.count);
}
BENCHMARK(BM_FilterBlock)->Unit(benchmark::kMillisecond);

// The matcher alone over every spelling, without the search around it (no fold, no buckets).
void BM_FilterMatcherOnly(benchmark::State& state) {
  const FilterMatcher matcher("b@^e*", {});
  const Lexicon& lexicon = ShippedLexicon();
  std::string marks, word;
  for (auto _ : state) {
    long found = 0;
    for (TableKind kind : kWordTableKinds) {
      for (const WordRow entry : lexicon.Table(kind)) {
        marks.clear();
        word.assign(entry.spelling);  // the matcher reads the terminating 0 past the word
        found += matcher.Matches(word, marks);
      }
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_FilterMatcherOnly)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
