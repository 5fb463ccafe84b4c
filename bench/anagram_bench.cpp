// The anagram tool on the shipped dictionary.
//
// The manual pass walks the whole anagram index once (about 90 000 keys) and runs each time OK
// is pressed, and before an automatic search over new letters: it should stay under 15 ms, even
// for 50 letters, where most keys fit and every fitting word gets its item.
//
// The automatic search is the tool's long part. Its cost grows with the letters (more candidates,
// more ways to split them), with the number of words allowed, and with the level: level 4 walks
// every combination, the lower levels give alternatives up. Each input uses the settings the
// dialog offers for it; 19 letters at level 4 stops at the 32 767-group cap, so there the
// figure to read is groups per second. With jokers, a key letter missing from the letters costs
// a scalar walk instead of the packed borrow test, and the complete index has every word of the
// right lengths as a candidate, not only those built from the letters.
#include <benchmark/benchmark.h>

#include "bench/shipped_lexicon.h"
#include "engines/anagram/anagram.h"

namespace tavilo {
namespace {

const char* const kInputs[] = {"chevaliers", "contrepeterie", "anticonstitutionnel"};

void BM_AnagramManualPass(benchmark::State& state) {
  const AnagramLetters letters =
      AnalyzeAnagramLetters(state.range(0) == 0 ? "contrepeterie" : "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwx");
  ManualResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = ListCandidates(ShippedLexicon().anagramIndex, letters.lettersToSearch, letters));
  state.counters["words"] = static_cast<double>(result.count);
}
BENCHMARK(BM_AnagramManualPass)->Arg(0)->Arg(1)->ArgNames({"fifty"})->Unit(benchmark::kMillisecond);

// range(0): the input (10, 13 or 19 letters); range(1): the level.
void BM_AnagramAutomatic(benchmark::State& state) {
  const AnagramLetters letters = AnalyzeAnagramLetters(kInputs[state.range(0)]);
  const ManualResult manual = ListCandidates(ShippedLexicon().anagramIndex, letters.lettersToSearch, letters);
  AnagramQuery query;
  query.lettersToSearch = letters.lettersToSearch;
  query.settings = DefaultAnagramSettings(letters.letterCount, static_cast<int>(manual.candidates.lengthStart.size()) - 1, 0);
  query.settings.level = static_cast<int>(state.range(1));
  AutoResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = SearchGroups(manual.candidates.View(), query));
  state.SetLabel(std::string(kInputs[state.range(0)]) + " mots " + std::to_string(query.settings.minWords) + "-" +
                 std::to_string(query.settings.maxWords));
  state.counters["groups"] = static_cast<double>(result.groups.size());
  state.counters["groups/s"] =
      benchmark::Counter(static_cast<double>(result.groups.size()) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnagramAutomatic)
    ->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4}})
    ->ArgNames({"input", "level"})
    ->Unit(benchmark::kMillisecond);

// Two "?" with "contrepeter" over the complete index, up to three words.
void BM_AnagramJokersCompleteIndex(benchmark::State& state) {
  const AnagramLetters letters = AnalyzeAnagramLetters("contrepeter??");
  const AnagramIndex& index = ShippedLexicon().anagramIndex;
  AnagramQuery query;
  query.lettersToSearch = letters.lettersToSearch;
  query.jokerAny = letters.jokerAny;
  query.settings = DefaultAnagramSettings(letters.letterCount, static_cast<int>(index.LengthStart().size()) - 1, 0);
  query.settings.maxWords = 3;
  query.settings.minLength = 2;
  AutoResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = SearchGroups({index.Rows(), index.LengthStart()}, query));
  state.counters["groups"] = static_cast<double>(result.groups.size());
  state.counters["groups/s"] =
      benchmark::Counter(static_cast<double>(result.groups.size()) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AnagramJokersCompleteIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
