// The rhyme search on the shipped dictionary. A search runs on the user-interface thread when OK
// is pressed, so it should take a few milliseconds at most.
//
// Its cost has three parts: the probe that learns the rhyme's sound (a pattern test per spelling
// until a word gives the sound: cheap when an early noun does, a scan of all four tables when no
// word does), the scan of the domain (one pattern test per phonetic form), and the sorting of
// what was found (heavy only when the rhyme is common).
#include <benchmark/benchmark.h>

#include "bench/shipped_lexicon.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

RhymeResult Search(const char* rhyme, SearchDomain domain = SearchDomain::Nouns,
                   RhymePosition position = RhymePosition::End) {
  static const Session session;
  return FindRhymes(ShippedLexicon(), session, {.typed = rhyme, .position = position, .domain = domain});
}

void Report(benchmark::State& state, const RhymeResult& result) {
  state.counters["words"] = static_cast<double>(result.count);
  if (!result.Accepted() && result.refusal != RhymeRefusal::NothingFound) state.SkipWithError("rhyme refused");
}

// A typical rhyme over the nouns: "age" (its sound is learnt from an early noun, a few hundred
// words found).
void BM_RhymeNouns(benchmark::State& state) {
  RhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("age"));
  Report(state, result);
}
BENCHMARK(BM_RhymeNouns)->Unit(benchmark::kMillisecond);

// The same rhyme over each of the four tables in turn: what a user trying every domain waits.
void BM_RhymeAllTables(benchmark::State& state) {
  std::size_t words = 0;
  for (auto _ : state) {
    words = 0;
    for (const SearchDomain domain : kWordTableDomains) {
      const RhymeResult result = Search("age", domain);
      words += result.count;
      benchmark::DoNotOptimize(result);
    }
  }
  state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_RhymeAllTables)->Unit(benchmark::kMillisecond);

// A common sound over the nouns: "\xE9" (the sound of été) ends thousands of nouns, so the sort
// and the block weigh most.
void BM_RhymeCommonSound(benchmark::State& state) {
  RhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("\xE9"));
  Report(state, result);
}
BENCHMARK(BM_RhymeCommonSound)->Unit(benchmark::kMillisecond);

void BM_RhymeBlockOfACommonSound(benchmark::State& state) {
  const RhymeResult result = Search("\xE9");
  for (auto _ : state) benchmark::DoNotOptimize(WriteRhymeBlock(result));
  Report(state, result);
}
BENCHMARK(BM_RhymeBlockOfACommonSound)->Unit(benchmark::kMillisecond);

// Inside the word: the pattern has a leading and a trailing class and a "*" on each side, the
// slowest of the three for the matcher.
void BM_RhymeInsideNouns(benchmark::State& state) {
  RhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("on", SearchDomain::Nouns, RhymePosition::Inside));
  Report(state, result);
}
BENCHMARK(BM_RhymeInsideNouns)->Unit(benchmark::kMillisecond);

// A rhyme no word spells: the probe tests every spelling of the four tables before refusing.
void BM_RhymeUnknownSound(benchmark::State& state) {
  RhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("zqx"));
  if (result.refusal != RhymeRefusal::UnknownSound) state.SkipWithError("expected an unknown sound");
}
BENCHMARK(BM_RhymeUnknownSound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
