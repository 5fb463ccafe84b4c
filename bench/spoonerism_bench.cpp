// Spoonerism searches on the shipped dictionary. A search runs on the user-interface thread when
// OK is pressed; the goals are a Classiques search under 20 ms and a Décadentes search of a word
// of up to 8 phonemes under 150 ms.
//
// What makes a search costly: phase 1 scans its table once per fragment A and replacement length
// (the taboo table for Normale and Double is small; the word tables for Inversée and Enfant are
// large, and each table is tried in turn while nothing is found); phase 2 scans the candidate
// table once per fragment, and looks every permuted candidate up once per replacement B. A
// Décadentes fragment of one common phoneme occurs in tens of thousands of words, so a row can
// fill the place buffer, and Inversée and Enfant rows can hold dozens of replacements.
//
// The words are taken from the dictionary as it is: for each length, the first noun of the
// child's vocabulary with that many phonemes (a common word, which has many partners).
#include <benchmark/benchmark.h>

#include <map>

#include "bench/shipped_lexicon.h"
#include "engines/spoonerism/spoonerism.h"

namespace tavilo {
namespace {

const std::string& WordOfLength(int phonemes) {
  static std::map<int, std::string> words;
  if (!words.contains(phonemes)) {
    words[phonemes] = "";
    for (const WordEntry& e : ShippedLexicon().nouns) {
      if (e.marker == 1 && static_cast<int>(e.phonetic.size()) == phonemes &&
          e.spelling.find_first_of(" -'") == std::string::npos) {
        words[phonemes] = e.spelling;
        break;
      }
    }
  }
  return words[phonemes];
}

// Arguments: method (0 Normale, 1 Inversée, 2 Double, 3 Enfant, 4 contrepétophile), Décadentes
// (0 or 1), number of phonemes of the word. Décadentes swaps as many phonemes as the method allows.
void BM_Spoonerism(benchmark::State& state) {
  const auto method = static_cast<SpoonerismMethod>(state.range(0));
  const bool decadent = state.range(1) != 0;
  static const Session session;
  SpoonerismQuery query{.typed = WordOfLength(static_cast<int>(state.range(2))), .swapLength = decadent ? 3 : 1,
                        .decadent = decadent, .method = method};
  if (method == SpoonerismMethod::Reversed) query.swapLength = std::min(query.swapLength, 2);
  if (method == SpoonerismMethod::Child) query.swapLength = 1;
  if (method == SpoonerismMethod::Contrepetophile) {
    // The contrepétophile search starts from a taboo word: the first one of that length.
    query.typed.clear();
    for (const WordEntry& e : ShippedLexicon().taboo) {
      if (static_cast<long>(e.phonetic.size()) == state.range(2) && e.spelling.find_first_of(" -'") == std::string::npos) {
        query.typed = e.spelling;
        break;
      }
    }
  }
  if (query.typed.empty()) {
    state.SkipWithError("no word of that length");
    return;
  }
  SpoonerismResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindSpoonerisms(ShippedLexicon(), session, query));
  state.SetLabel(query.typed);
  state.counters["words"] = static_cast<double>(result.foundCount);
  state.counters["replacements"] = static_cast<double>(result.replacementCount);
}

void Arguments(benchmark::internal::Benchmark* b) {
  for (int method = 0; method <= 4; ++method) {
    for (int decadent = 0; decadent <= 1; ++decadent) {
      for (int phonemes : {3, 4, 5, 6, 8, 10}) b->Args({method, decadent, phonemes});
    }
  }
}
BENCHMARK(BM_Spoonerism)->Apply(Arguments)->ArgNames({"method", "decadent", "phonemes"})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
