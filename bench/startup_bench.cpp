// Start-up on the shipped dictionary: the whole sequence, each of its steps, and the lookup of a
// typed word. Start-up is what a user waits for before the main window shows; it should stay well
// under 150 ms. A lookup scans up to the whole lexicon (90 000 spellings) and must stay in
// microseconds so typing never lags.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/shipped_lexicon.h"
#include "core/validation.h"

namespace tavilo {
namespace {

const std::filesystem::path& DataDir() {
  static const std::filesystem::path dir = FindDataDirectory();
  return dir;
}

void BM_FullStartup(benchmark::State& state) {
  for (auto _ : state) {
    LexiconLoad load = LoadLexicon(DataDir());
    benchmark::DoNotOptimize(load.lexicon);
  }
}
BENCHMARK(BM_FullStartup)->Unit(benchmark::kMillisecond);

void BM_LoadTable(benchmark::State& state) {
  const auto kind = static_cast<TableKind>(state.range(0));
  state.SetLabel(InfoOf(kind).fileName);
  for (auto _ : state) {
    TableLoad load = LoadWordTable(DataDir() / InfoOf(kind).fileName, kind);
    benchmark::DoNotOptimize(load.table);
  }
}
BENCHMARK(BM_LoadTable)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_BuildAnagramIndex(benchmark::State& state) {
  const Lexicon& l = ShippedLexicon();
  for (auto _ : state) {
    AnagramIndex index = BuildAnagramIndex(l.nouns, l.adjectives, l.verbs, l.functionWords, l.locutions);
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_BuildAnagramIndex)->Unit(benchmark::kMillisecond);

// The index of the words some letters can spell, which the anagram command builds instead.
void BM_BuildAnagramIndexWithin(benchmark::State& state) {
  const Lexicon& l = ShippedLexicon();
  const std::string letters = state.range(0) == 0 ? "cceeeinoprrtt" : "aabbccddeeffgghhiijjkkllmmnnooppqqrrssttuuvvwwxxyz";
  state.SetLabel(std::to_string(letters.size()) + " lettres");
  for (auto _ : state) {
    AnagramIndex index = BuildAnagramIndex(l.nouns, l.adjectives, l.verbs, l.functionWords, l.locutions, {}, letters);
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_BuildAnagramIndexWithin)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildPhoneticIndex(benchmark::State& state) {
  const Lexicon& l = ShippedLexicon();
  for (auto _ : state) {
    auto index = BuildPhoneticAnagramIndex(l.nouns, l.adjectives, l.verbs, l.functionWords, l.locutions);
    benchmark::DoNotOptimize(index);
  }
}
BENCHMARK(BM_BuildPhoneticIndex)->Unit(benchmark::kMillisecond);

// Lookups: a locution (found first), a common noun, a verb form (after the nouns and adjectives),
// and an unknown word (scans every table).
void BM_ValidateInputWord(benchmark::State& state) {
  static const char* const kWords[] = {"pomme de terre", "chat", "mangerions", "zzzzz"};
  const char* word = kWords[state.range(0)];
  state.SetLabel(word);
  const Lexicon& lexicon = ShippedLexicon();
  for (auto _ : state) {
    InputWordState input;
    input.inputWord = word;
    benchmark::DoNotOptimize(ValidateInputWord(lexicon, {}, input));
  }
}
BENCHMARK(BM_ValidateInputWord)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavilo
