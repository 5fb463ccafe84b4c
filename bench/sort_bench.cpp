// The display sort on the shipped dictionary: every spelling of the four word tables (about
// 90 000, in table order, so far from sorted), as strings and as items of a spelling and a mark
// with a tie-breaker, the way the result lists and the filter's buckets are sorted.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "bench/shipped_lexicon.h"
#include "core/text.h"

namespace tavilo {
namespace {

std::vector<std::string> Spellings() {
  std::vector<std::string> spellings;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow row : ShippedLexicon().Table(kind)) spellings.emplace_back(row.spelling);
  }
  return spellings;
}

void BM_SortForDisplay(benchmark::State& state) {
  const std::vector<std::string> spellings = Spellings();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> items = spellings;
    state.ResumeTiming();
    SortForDisplay(items);
    benchmark::DoNotOptimize(items.data());
  }
  state.counters["words"] = static_cast<double>(spellings.size());
}
BENCHMARK(BM_SortForDisplay)->Unit(benchmark::kMillisecond);

void BM_SortForDisplayWithTies(benchmark::State& state) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (std::string& s : Spellings()) entries.emplace_back(std::move(s), "");
  for (auto _ : state) {
    state.PauseTiming();
    auto items = entries;
    state.ResumeTiming();
    SortForDisplay(items, [](const auto& item) -> std::string_view { return item.first; },
                   [](const auto& x, const auto& y) { return x.second < y.second; });
    benchmark::DoNotOptimize(items.data());
  }
  state.counters["words"] = static_cast<double>(entries.size());
}
BENCHMARK(BM_SortForDisplayWithTies)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
