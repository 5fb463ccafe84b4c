// The sentence-spoonerism search on the shipped dictionary. It runs when OK is pressed, so a
// sentence of a dozen words should be searched in under 100 ms; the rotations among three words,
// which try every triple of words, in under 2 s.
//
// Its cost: building the index of every phonetic form (one hash per row of the six tables, then a
// sort), one pass over the tables to read the typed words, then for every pair of words every
// pair of fragments (a dozen per word with three sounds) looked up twice; a triple multiplies the
// fragments again. Spelling, rebuilding and scoring the candidates comes last, per candidate.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "bench/shipped_lexicon.h"
#include "engines/phrase/phrase.h"

namespace tavilo {
namespace {

const WordFrequencies& ShippedFrequencies() {
  static const FrequencyLoad load = [] {
    FrequencyLoad l = LoadWordFrequencies(FindDataDirectory());
    if (l.error) {
      std::fprintf(stderr, "%s\n", l.error->Message().c_str());
      std::exit(3);
    }
    return l;
  }();
  return load.frequencies;
}

// Twelve words, most of them in the lexicon with several readings ("est", "la", "de").
constexpr const char* kTwelveWords = "La cuvette du cur\xE9 est pleine de bouillon et de pommes cuites";

void Run(benchmark::State& state, const char* sentence, int sounds, bool three) {
  PhraseResult result;
  for (auto _ : state) {
    result = FindPhraseSpoonerisms(ShippedLexicon(), ShippedFrequencies(),
                                   {.typed = sentence, .maxSounds = sounds, .three = three});
    benchmark::DoNotOptimize(result);
  }
  state.counters["words"] = static_cast<double>(result.words.size());
  state.counters["found"] = static_cast<double>(result.totalFound);
  if (!result.Accepted()) state.SkipWithError("sentence refused");
}

// The goal: a dozen words, fragments of up to three sounds, under 100 ms.
void BM_PhraseTwelveWords(benchmark::State& state) { Run(state, kTwelveWords, 3, false); }
BENCHMARK(BM_PhraseTwelveWords)->Unit(benchmark::kMillisecond);

// One sound per word: the index and the reading of the words dominate.
void BM_PhraseTwelveWordsOneSound(benchmark::State& state) { Run(state, kTwelveWords, 1, false); }
BENCHMARK(BM_PhraseTwelveWordsOneSound)->Unit(benchmark::kMillisecond);

// The goal for the rotations: the same sentence with every triple of words, under 2 s.
void BM_PhraseTwelveWordsThree(benchmark::State& state) { Run(state, kTwelveWords, 3, true); }
BENCHMARK(BM_PhraseTwelveWordsThree)->Unit(benchmark::kMillisecond);

// The longest sentence allowed: thirty words, 435 pairs.
void BM_PhraseThirtyWords(benchmark::State& state) {
  Run(state,
      "Le petit lapin ne supporte pas ces horribles chasseurs qui courent dans les bois avec leurs "
      "chiens et leurs fusils quand le soleil se l\xE8ve sur la grande plaine verte",
      3, false);
}
BENCHMARK(BM_PhraseThirtyWords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
