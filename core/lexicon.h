// The lexicon as it stands after start-up: the six tables, the taboo list and the two anagram
// indexes. Read-only once loaded.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/anagram_index.h"
#include "core/search_domain.h"
#include "core/tav_file.h"
#include "core/word_table.h"

namespace tavilo {

struct Lexicon {
  WordTable nouns, adjectives, verbs, functionWords, taboo, locutions;
  // Set when aj.tav was not found: the adjective domain is empty and the commands that need
  // adjectives are disabled; start-up goes on.
  bool adjectivesMissing = false;
  // Every taboo spelling in table order, where the spoonerism tool looks taboo words up.
  std::vector<std::string> tabooSpellings;
  AnagramIndex anagramIndex;
  PhoneticAnagramIndex phoneticIndex;
  std::filesystem::path dataDirectory;

  // The table of a kind.
  const WordTable& Table(TableKind kind) const;
  // The table of a domain; the nouns for the result list, which lives in the session.
  const WordTable& Domain(SearchDomain domain) const;
};

// Time spent in each start-up step, for the `info` command and the benchmarks.
struct StartupTimings {
  std::vector<std::pair<std::string, std::chrono::microseconds>> steps;
  std::chrono::microseconds total{0};
};

// What start-up builds beyond the tables. The tables and the taboo list are always read; each
// index costs about 20 ms, so a caller that never looks at one (a command-line search over the
// tables) leaves it out and finds it empty.
struct LoadOptions {
  bool anagramIndex = true;
  bool phoneticIndex = true;
};

struct LexiconLoad {
  std::unique_ptr<Lexicon> lexicon;  // null on error
  std::optional<LoadError> error;
  StartupTimings timings;
};

// Runs the start-up sequence over `dataDirectory`: nm, aj, av, tb, po, vr in this order, the taboo
// list, the anagram index, the phonetic index (each index only when `options` asks for it).
// `progress` receives 3, 12, 25, 27, 37, 45, 55, 65, 70, 75, 80, 85, 90, 98 and 100 (fewer when an
// index is left out). A missing aj.tav only sets `adjectivesMissing`; any other missing
// or malformed file stops loading with an error naming the file and the line.
LexiconLoad LoadLexicon(const std::filesystem::path& dataDirectory, const std::function<void(int)>& progress = {},
                        LoadOptions options = {});

// Builds the indexes `options` asks for that `lexicon` does not have yet (an index already built
// is kept), so a caller that loaded without one can add it later.
void BuildMissingIndexes(Lexicon& lexicon, LoadOptions options, StartupTimings* timings = nullptr,
                         const std::function<void(int)>& progress = {});

// Where the data files are: $TAVILO_DATA if set, else the working directory if it holds nm.tav,
// else the share directory of the installation the running program belongs to (share/tavilo
// beside its bin/), else the one of the configured install prefix, if they do, else data/ of the
// source tree.
std::filesystem::path FindDataDirectory();

// The program's version, "major.minor.revision".
const char* Version();

}  // namespace tavilo
