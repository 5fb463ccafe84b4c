// The word listings on the shipped dictionary. A listing runs on the user-interface thread
// straight from its menu item, so each should take well under 50 ms before its block is shown.
//
// The single-word listings test every entry of five tables once (the 'okapi' and 'phokapi' ones
// four tables, and copy each accepted row for the current list); the anacyclic, anaphone and
// family listings walk an anagram index once, comparing only rows of one key. Then every listing
// sorts what it found in display order, which weighs most where thousands of items are found
// (rotation ambigrams, 'okapi', 'phokapi', families). The block writer is timed apart: it runs
// once more per listing, between the scan and the display.
#include <benchmark/benchmark.h>

#include "bench/shipped_lexicon.h"
#include "engines/listings/listing.h"

namespace tavilo {
namespace {

void BM_Listing(benchmark::State& state) {
  const auto kind = static_cast<ListingKind>(state.range(0));
  state.SetLabel(DescribeListing(kind).commandName);
  const Lexicon& lexicon = ShippedLexicon();
  std::size_t count = 0;
  for (auto _ : state) {
    const ListingResult result = RunWordListing(kind, lexicon);
    count = result.count;
    benchmark::DoNotOptimize(result.groups);
  }
  state.counters["items"] = static_cast<double>(count);
}
BENCHMARK(BM_Listing)->DenseRange(0, static_cast<int>(ListingKind::AnagramFamilies))->Unit(benchmark::kMillisecond);

void BM_ListingBlock(benchmark::State& state) {
  const auto kind = static_cast<ListingKind>(state.range(0));
  state.SetLabel(DescribeListing(kind).commandName);
  const ListingResult result = RunWordListing(kind, ShippedLexicon());
  for (auto _ : state) benchmark::DoNotOptimize(WriteListingBlock(result));
}
BENCHMARK(BM_ListingBlock)->DenseRange(0, static_cast<int>(ListingKind::AnagramFamilies))->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
