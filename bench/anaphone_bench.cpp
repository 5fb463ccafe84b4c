// The anaphone search for words of 4, 8, 12 and 16 phonemes (goal: under 50 ms for 12). One pass
// over the four tables tests each row as a first word; each first word that leaves phonemes over
// looks its second words up among the rows of the remaining length, indexed by sorted phonemes
// the first time that length is needed. Short words have many first words and many pairs; long
// words few, but the index for each remaining length still costs one pass.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench/shipped_lexicon.h"
#include "engines/anaphone/anaphone.h"

namespace tavilo {
namespace {

// The first word of the four tables (in table order) spelled with plain letters whose phonetic
// form has `phonemes` phonemes: whatever the data holds.
std::string WordOfLength(std::size_t phonemes) {
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : ShippedLexicon().Table(kind)) {
      if (entry.phonetic.size() == phonemes &&
          std::all_of(entry.spelling.begin(), entry.spelling.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
        return std::string(entry.spelling);
      }
    }
  }
  return {};
}

void BM_Anaphones(benchmark::State& state) {
  const std::string word = WordOfLength(static_cast<std::size_t>(state.range(0)));
  if (word.empty()) return state.SkipWithError("no word of that many phonemes");
  AnaphoneResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindAnaphones(ShippedLexicon(), {word}));
  if (!result.Accepted() && result.refusal != AnaphoneRefusal::NothingFound) state.SkipWithError("word refused");
  state.SetLabel(word);
  state.counters["found"] = static_cast<double>(result.count);
}
BENCHMARK(BM_Anaphones)->Arg(4)->Arg(8)->Arg(12)->Arg(16)->Unit(benchmark::kMillisecond);

// A short word rich in anaphones: many first words, many pairs, a large sort.
void BM_AnaphonesOfACommonWord(benchmark::State& state) {
  AnaphoneResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindAnaphones(ShippedLexicon(), {"amour"}));
  state.counters["found"] = static_cast<double>(result.count);
}
BENCHMARK(BM_AnaphonesOfACommonWord)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
