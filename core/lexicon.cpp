#include "core/lexicon.h"

#include <cstdlib>

namespace tavilo {

const WordTable& Lexicon::Table(TableKind kind) const {
  switch (kind) {
    case TableKind::Nouns: return nouns;
    case TableKind::Adjectives: return adjectives;
    case TableKind::Verbs: return verbs;
    case TableKind::FunctionWords: return functionWords;
    case TableKind::Taboo: return taboo;
    case TableKind::Locutions: return locutions;
  }
  return nouns;
}

const WordTable& Lexicon::Domain(SearchDomain domain) const {
  switch (domain) {
    case SearchDomain::Adjectives: return adjectives;
    case SearchDomain::Verbs: return verbs;
    case SearchDomain::FunctionWords: return functionWords;
    case SearchDomain::Locutions: return locutions;
    case SearchDomain::Nouns:
    case SearchDomain::All:  // no single table: the tools that take it list their tables themselves
    case SearchDomain::ResultList: break;
  }
  return nouns;
}

namespace {

using Clock = std::chrono::steady_clock;

class StepTimer {
 public:
  explicit StepTimer(StartupTimings& timings) : timings_(timings), start_(Clock::now()), last_(start_) {}
  void Step(std::string name) {
    const auto now = Clock::now();
    timings_.steps.emplace_back(std::move(name), std::chrono::duration_cast<std::chrono::microseconds>(now - last_));
    timings_.total = std::chrono::duration_cast<std::chrono::microseconds>(now - start_);
    last_ = now;
  }

 private:
  StartupTimings& timings_;
  Clock::time_point start_, last_;
};

}  // namespace

LexiconLoad LoadLexicon(const std::filesystem::path& dir, const std::function<void(int)>& progress,
                        LoadOptions options) {
  LexiconLoad result;
  auto report = [&](int value) {
    if (progress) progress(value);
  };
  StepTimer timer(result.timings);
  auto lexicon = std::make_unique<Lexicon>();
  lexicon->dataDirectory = dir;
  report(3);

  struct Step {
    TableKind kind;
    WordTable Lexicon::*table;
    int progress;  // reported after the step, or 0
  };
  const Step steps[] = {
      {TableKind::Nouns, &Lexicon::nouns, 12},          {TableKind::Adjectives, &Lexicon::adjectives, 25},
      {TableKind::FunctionWords, &Lexicon::functionWords, 0}, {TableKind::Taboo, &Lexicon::taboo, 0},
      {TableKind::Locutions, &Lexicon::locutions, 27},  {TableKind::Verbs, &Lexicon::verbs, 37},
  };
  for (const Step& step : steps) {
    const TableInfo& info = InfoOf(step.kind);
    TableLoad load = LoadWordTable(dir / info.fileName, step.kind);
    if (load.error) {
      if (step.kind == TableKind::Adjectives && load.error->code == LoadError::Code::FileNotFound) {
        lexicon->adjectivesMissing = true;
        load.table.Reset(0);
      } else {
        result.error = std::move(load.error);
        return result;
      }
    }
    (*lexicon).*step.table = std::move(load.table);
    timer.Step(info.fileName);
    if (step.progress) report(step.progress);
  }

  lexicon->tabooSpellings.reserve(lexicon->taboo.Size());
  for (const WordRow entry : lexicon->taboo) lexicon->tabooSpellings.emplace_back(entry.spelling);

  BuildMissingIndexes(*lexicon, options, &result.timings, report);
  report(100);
  result.lexicon = std::move(lexicon);
  return result;
}

void BuildMissingIndexes(Lexicon& lexicon, LoadOptions options, StartupTimings* timings,
                         const std::function<void(int)>& progress) {
  StartupTimings scratch;
  StartupTimings& record = timings ? *timings : scratch;
  // The timer counts from now: the steps before were timed by the caller.
  const auto before = record.total;
  StepTimer timer(record);
  const auto step = [&](std::string name) {
    timer.Step(std::move(name));
    record.total += before;
  };
  auto report = [&](int value) {
    if (progress) progress(value);
  };
  if (options.anagramIndex && lexicon.anagramIndex.Size() == 0) {
    lexicon.anagramIndex = BuildAnagramIndex(lexicon.nouns, lexicon.adjectives, lexicon.verbs,
                                             lexicon.functionWords, lexicon.locutions, report);
    step("index des anagrammes");
  }
  if (options.phoneticIndex && lexicon.phoneticIndex.Size() == 0) {
    lexicon.phoneticIndex = BuildPhoneticAnagramIndex(lexicon.nouns, lexicon.adjectives, lexicon.verbs,
                                                      lexicon.functionWords, lexicon.locutions, report);
    step("index phon\xE9tique");
  }
}

std::filesystem::path FindDataDirectory() {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (const char* env = std::getenv("TAVILO_DATA"); env && *env) return fs::path(env);
  const fs::path cwd = fs::current_path(ec);
  if (!ec && fs::exists(cwd / "nm.tav", ec)) return cwd;
  // An installed program reads the share directory of its own installation, found from where the
  // executable is (so an unpacked package works too), then the one of the configured prefix.
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path beside = (executable.parent_path() / TAVILO_DATA_DIR_FROM_BIN).lexically_normal();
    if (fs::exists(beside / "nm.tav", ec)) return beside;
  }
  const fs::path installed(TAVILO_INSTALL_DATA_DIR);
  if (fs::exists(installed / "nm.tav", ec)) return installed;
  return fs::path(TAVILO_SOURCE_DATA_DIR);
}

const char* Version() { return TAVILO_VERSION; }

}  // namespace tavilo
