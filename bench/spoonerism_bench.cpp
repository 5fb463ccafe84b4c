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
// The words are common nouns of 3 to 10 phonemes (pomme is "pom", bibliothèque "bibli7ot3k"); the
// contrepétophile search starts from the first taboo word of the length.
#include <benchmark/benchmark.h>

#include <map>

#include "bench/shipped_lexicon.h"
#include "engines/spoonerism/spoonerism.h"

namespace tavilo {
namespace {

const std::map<int, std::string> kWords = {
    {3, "pomme"},    {4, "bateau"},     {5, "tomate"},     {6, "chocolat"},
    {7, "confiture"}, {8, "crocodile"}, {9, "ordinateur"}, {10, "biblioth\xE8que"},
};

std::string TabooOfLength(long phonemes) {
  for (const WordRow e : ShippedLexicon().taboo) {
    if (static_cast<long>(e.phonetic.size()) == phonemes && e.spelling.find_first_of(" -'") == std::string::npos) {
      return std::string(e.spelling);
    }
  }
  return {};
}

// Arguments: method (0 Normale, 1 Inversée, 2 Double, 3 Enfant, 4 contrepétophile), Décadentes
// (0 or 1), number of phonemes of the word. Décadentes swaps as many phonemes as the method allows.
void BM_Spoonerism(benchmark::State& state) {
  const auto method = static_cast<SpoonerismMethod>(state.range(0));
  const bool decadent = state.range(1) != 0;
  static const Session session;
  SpoonerismQuery query{.typed = kWords.at(static_cast<int>(state.range(2))), .swapLength = decadent ? 3 : 1,
                        .decadent = decadent, .method = method};
  if (method == SpoonerismMethod::Reversed) query.swapLength = std::min(query.swapLength, 2);
  if (method == SpoonerismMethod::Child) query.swapLength = 1;
  if (method == SpoonerismMethod::Contrepetophile) query.typed = TabooOfLength(state.range(2));
  if (query.typed.empty()) {
    state.SkipWithError("no taboo word of that length");
    return;
  }
  const Lexicon& lexicon = ShippedLexicon();  // loaded before the clock starts
  SpoonerismResult result;
  for (auto _ : state) benchmark::DoNotOptimize(result = FindSpoonerisms(lexicon, session, query));
  state.SetLabel(query.typed);
  state.counters["words"] = static_cast<double>(result.foundCount);
  state.counters["replacements"] = static_cast<double>(result.replacementCount);
}

void Arguments(benchmark::internal::Benchmark* b) {
  for (int method = 0; method <= 4; ++method) {
    for (int decadent = 0; decadent <= 1; ++decadent) {
      for (int phonemes = 3; phonemes <= 10; ++phonemes) b->Args({method, decadent, phonemes});
    }
  }
}
BENCHMARK(BM_Spoonerism)->Apply(Arguments)->ArgNames({"method", "decadent", "phonemes"})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
