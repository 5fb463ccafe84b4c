// tavilo-cli's commands with the dictionary already loaded: the search alone, as a command runs
// it after start-up (options read, search, block written as text), over the queries the web
// page's checks run. It is the figure the page's own search time is compared with: the page runs
// the same commands, compiled to WebAssembly, over a lexicon it loaded once.
#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/lexicon.h"

namespace tavilo {
namespace {

const std::vector<std::vector<std::string>> kQueries = {
    {"contrepeteries", "bateau", "--methode", "enfant"},
    {"contrepeteries", "mou", "--methode", "inversee", "--decadentes", "--phonemes", "2"},
    {"rimes", "age", "--syllabes", "2"},
    {"rimes", "on", "--interieur", "--syllabes", "2", "--domaine", "verbes"},
    {"anagrammes", "ironique"},
    {"anagrammes", "contrepeterie", "--auto", "--mots", "1-3"},
    {"anaphones", "marin"},
    {"lipogrammes", "e"},
    {"lipogrammes", "o", "--obligatoires", "--mono", "--vocabulaire-reduit"},
    {"filtre", "b?t*"},
    {"filtre", "*tion", "--domaine", "noms", "--syllabes-max", "2"},
    {"liste", "palindromes"},
    {"liste", "familles"},
};

std::shared_ptr<Lexicon> LoadedLexicon() {
  static const std::shared_ptr<Lexicon> lexicon = [] {
    LexiconLoad load = LoadLexicon(FindDataDirectory());
    return std::shared_ptr<Lexicon>(std::move(load.lexicon));
  }();
  return lexicon;
}

// range(0): the query.
void BM_CliCommand(benchmark::State& state) {
  const std::vector<std::string>& query = kQueries[static_cast<std::size_t>(state.range(0))];
  const std::shared_ptr<Lexicon> lexicon = LoadedLexicon();
  if (!lexicon) return state.SkipWithError("the dictionary cannot be read");
  const cli::Command* command = nullptr;
  for (const cli::Command& c : cli::Commands()) {
    if (query.front() == c.name) command = &c;
  }
  std::string label;
  for (const std::string& word : query) label += word + ' ';
  state.SetLabel(label);
  std::size_t written = 0;
  for (auto _ : state) {
    std::ostringstream out, err;
    cli::Context ctx(std::vector<std::string>(query.begin() + 1, query.end()), out, err, lexicon->dataDirectory);
    ctx.ShareLexicon(lexicon);
    benchmark::DoNotOptimize(command->run(ctx));
    written = out.str().size();
  }
  state.counters["bytes"] = static_cast<double>(written);
}
BENCHMARK(BM_CliCommand)->DenseRange(0, 12)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavilo
