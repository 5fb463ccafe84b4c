// What "most common words first" adds to a search on the shipped dictionary: reading the
// frequency file (once per command that sorts), and the sort itself on the largest results of
// each kind, which must stay under 2 ms. Each sort is timed on a fresh copy of the result; the
// copy is outside the timing.
//   filter *e*e*e*        thousands of words, and their kept rows re-laid most common first;
//   rhymes "an"           every noun ending with the sound, the kept rows too;
//   anagram families      the largest listing of items of several words, cut into words;
//   anagram groups        the automatic search's 32 767-group cap, ranked by the mean of each group.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench/shipped_lexicon.h"
#include "core/frequency_order.h"
#include "engines/anagram/anagram.h"
#include "engines/filter/filter.h"
#include "engines/listings/listing.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

const WordFrequencies& ShippedFrequencies() {
  static const FrequencyLoad load = LoadWordFrequencies(FindDataDirectory());
  if (load.error) {
    std::fprintf(stderr, "%s\n", load.error->Message().c_str());
    std::exit(3);
  }
  return load.frequencies;
}

void BM_FrequencyFileLoad(benchmark::State& state) {
  FrequencyLoad load;
  for (auto _ : state) benchmark::DoNotOptimize(load = LoadWordFrequencies(FindDataDirectory()));
  state.counters["spellings"] = static_cast<double>(load.frequencies.Size());
}
BENCHMARK(BM_FrequencyFileLoad)->Unit(benchmark::kMillisecond);

// Times `sort` on copies of `result`; `items` is what the result holds, for the counter.
template <class Result, class Sort>
void TimeSort(benchmark::State& state, const Result& result, Sort sort, std::size_t items) {
  const WordFrequencies& frequencies = ShippedFrequencies();
  for (auto _ : state) {
    state.PauseTiming();
    Result copy = result;
    state.ResumeTiming();
    sort(copy, frequencies);
    benchmark::DoNotOptimize(copy);
  }
  state.counters["items"] = static_cast<double>(items);
}

void BM_SortFilter(benchmark::State& state) {
  static const Session session;
  const FilterResult result = FindFilteredWords(ShippedLexicon(), session, {.pattern = "*e*e*e*"});
  TimeSort(state, result, SortFilteredWordsByFrequency, result.count);
}
BENCHMARK(BM_SortFilter)->Unit(benchmark::kMillisecond);

void BM_SortRhymes(benchmark::State& state) {
  static const Session session;
  const RhymeResult result = FindRhymes(ShippedLexicon(), session, {.typed = "an"});
  TimeSort(state, result, SortRhymesByFrequency, result.count);
}
BENCHMARK(BM_SortRhymes)->Unit(benchmark::kMillisecond);

void BM_SortAnagramFamilies(benchmark::State& state) {
  const ListingResult result = ListAnagramFamilies(ShippedLexicon());
  TimeSort(state, result, SortListingByFrequency, result.count);
}
BENCHMARK(BM_SortAnagramFamilies)->Unit(benchmark::kMillisecond);

void BM_SortAnagramGroups(benchmark::State& state) {
  const AnagramLetters letters = AnalyzeAnagramLetters("anticonstitutionnel");
  const ManualResult manual = ListCandidates(ShippedLexicon().anagramIndex, letters.lettersToSearch, letters);
  AnagramQuery query;
  query.lettersToSearch = letters.lettersToSearch;
  query.settings = DefaultAnagramSettings(letters.letterCount, static_cast<int>(manual.candidates.lengthStart.size()) - 1, 0);
  const AutoResult result = SearchGroups(manual.candidates.View(), query);
  TimeSort(state, result, SortGroupsByFrequency, result.groups.size());
}
BENCHMARK(BM_SortAnagramGroups)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
