// The lipogram search over the nouns, in each method (goal: under 5 ms each). The tests of a word
// are byte tables, so a search is one pass over the spellings; what varies is how many words are
// accepted and must be sorted: forbidding one letter keeps most nouns, the obligatory letters and
// monovocalism keep far fewer, beau présent almost none.
#include <benchmark/benchmark.h>

#include "bench/shipped_lexicon.h"
#include "engines/lipogram/lipogram.h"

namespace tavilo {
namespace {

void Run(benchmark::State& state, LipogramQuery query) {
  static const Session session;
  query.syllables = 0;  // "Toutes": every noun is tested
  LipogramResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindLipograms(ShippedLexicon(), session, query));
  state.counters["words"] = static_cast<double>(result.count);
}

void BM_LipogramForbidden(benchmark::State& state) { Run(state, {.typed = "e"}); }
BENCHMARK(BM_LipogramForbidden)->Unit(benchmark::kMillisecond);

void BM_LipogramForbiddenAllAccents(benchmark::State& state) { Run(state, {.typed = "a", .forbidAccented = true}); }
BENCHMARK(BM_LipogramForbiddenAllAccents)->Unit(benchmark::kMillisecond);

void BM_LipogramForbiddenExact(benchmark::State& state) { Run(state, {.typed = "bdfghijklpqty", .exactAccents = true}); }
BENCHMARK(BM_LipogramForbiddenExact)->Unit(benchmark::kMillisecond);

void BM_LipogramObligatory(benchmark::State& state) {
  Run(state, {.typed = "ae", .method = LipogramMethod::Obligatory});
}
BENCHMARK(BM_LipogramObligatory)->Unit(benchmark::kMillisecond);

void BM_LipogramMono(benchmark::State& state) {
  Run(state, {.typed = "a", .method = LipogramMethod::Obligatory, .mono = true});
}
BENCHMARK(BM_LipogramMono)->Unit(benchmark::kMillisecond);

void BM_LipogramBeauPresent(benchmark::State& state) {
  Run(state, {.typed = "esartinulo", .method = LipogramMethod::Obligatory, .beauPresent = true});
}
BENCHMARK(BM_LipogramBeauPresent)->Unit(benchmark::kMillisecond);

// The block of the largest result (one forbidden letter): the text the window shows.
void BM_LipogramBlockOfAForbiddenLetter(benchmark::State& state) {
  static const Session session;
  const LipogramResult result = FindLipograms(ShippedLexicon(), session, {.typed = "z", .syllables = 0});
  for (auto _ : state) benchmark::DoNotOptimize(WriteLipogramBlock(result));
  state.counters["words"] = static_cast<double>(result.count);
}
BENCHMARK(BM_LipogramBlockOfAForbiddenLetter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
