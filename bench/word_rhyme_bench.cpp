// The rhymes of a word on the shipped dictionary, with its frequency file. The search runs on
// the user-interface thread when OK is pressed: the goal is under 10 ms for any word.
//
// Its cost has three parts: the lookup of the word's readings (a folded comparison per entry of
// the five tables), the scan of the domain (a suffix test per entry), and the ranking of what was
// found (a frequency lookup and a sort key per word): heavy when the rime is a common sound.
// The block, with one alignment per word for the highlighted letters, is measured apart.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench/shipped_lexicon.h"
#include "engines/word_rhyme/word_rhyme.h"

namespace tavilo {
namespace {

const WordFrequencies& ShippedFrequencies() {
  static const FrequencyLoad load = [] {
    FrequencyLoad loaded = LoadWordFrequencies(ShippedLexicon().dataDirectory);
    if (loaded.error) {
      std::fprintf(stderr, "%s\n", loaded.error->Message().c_str());
      std::exit(3);
    }
    return loaded;
  }();
  return load.frequencies;
}

WordRhymeResult Search(const char* word, bool assonances = false) {
  static const Session session;
  return FindWordRhymes(ShippedLexicon(), session, ShippedFrequencies(), {.typed = word, .assonances = assonances});
}

void Report(benchmark::State& state, const WordRhymeResult& result) {
  state.counters["words"] = static_cast<double>(result.count);
  if (!result.Accepted()) state.SkipWithError("refused");
}

// A typical word: "chanson", a few thousand rhymes in "on".
void BM_WordRhymesChanson(benchmark::State& state) {
  WordRhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("chanson"));
  Report(state, result);
}
BENCHMARK(BM_WordRhymesChanson)->Unit(benchmark::kMillisecond);

// The worst rime: "é" ends the infinitives and past participles, about a fifth of the lexicon.
void BM_WordRhymesCommonSound(benchmark::State& state) {
  WordRhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("parler"));
  Report(state, result);
}
BENCHMARK(BM_WordRhymesCommonSound)->Unit(benchmark::kMillisecond);

// With the assonances of "a" (patte): nearly every word whose last vowel is "a" is ranked.
void BM_WordRhymesWithAssonances(benchmark::State& state) {
  WordRhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("chat", true));
  Report(state, result);
}
BENCHMARK(BM_WordRhymesWithAssonances)->Unit(benchmark::kMillisecond);

// A rare rime: "orange", a few dozen rhymes; the scan dominates.
void BM_WordRhymesRare(benchmark::State& state) {
  WordRhymeResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = Search("orange"));
  Report(state, result);
}
BENCHMARK(BM_WordRhymesRare)->Unit(benchmark::kMillisecond);

// The block of the worst rime: one alignment per word for its highlighted letters.
void BM_WordRhymeBlockOfACommonSound(benchmark::State& state) {
  const WordRhymeResult result = Search("parler");
  for (auto _ : state) benchmark::DoNotOptimize(WriteWordRhymeBlock(result));
  Report(state, result);
}
BENCHMARK(BM_WordRhymeBlockOfACommonSound)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
