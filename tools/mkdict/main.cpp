// tavilo-mkdict: builds the six dictionary data files from the open lexicon sources.
//
//   tavilo-mkdict [--lists DIR] SOURCES_DIR OUT_DIR
//
// reads prosodylab-fr.dict, grammalecte-fr-allvars.tsv and wordfreq_large_fr.tsv from SOURCES_DIR
// and taboo.txt and locutions.txt from DIR (by default OUT_DIR), writes nm.tav, aj.tav, vr.tav,
// av.tav, tb.tav and po.tav into OUT_DIR and prints its report.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/text.h"
#include "tools/mkdict/mkdict.h"

namespace {

int Fail(const std::string& cp1252Message) {
  std::cerr << tavilo::Cp1252ToUtf8(cp1252Message) << '\n';
  return 1;
}

constexpr const char* kUsage =
    "Usage : tavilo-mkdict [--lists DOSSIER] SOURCES OUT\n"
    "  SOURCES  dossier des sources (prosodylab-fr.dict, grammalecte-fr-allvars.tsv, wordfreq_large_fr.tsv)\n"
    "  OUT      dossier o\xF9 \xE9" "crire nm.tav, aj.tav, vr.tav, av.tav, tb.tav, po.tav et frequences.txt\n"
    "  --lists  dossier de taboo.txt et locutions.txt (par d\xE9" "faut OUT)";

}  // namespace

int main(int argc, char** argv) {
  using namespace tavilo::mkdict;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::string> positional;
  std::filesystem::path listsDir;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << tavilo::Cp1252ToUtf8(kUsage) << '\n';
      return 0;
    }
    if (arg == "--lists") {
      if (++i == argc) return Fail(kUsage);
      listsDir = argv[i];
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return Fail(kUsage);
  const std::filesystem::path sourcesDir = positional[0];
  const std::filesystem::path outDir = positional[1];
  if (listsDir.empty()) listsDir = outDir;

  Sources sources;
  if (auto error = LoadSources(sourcesDir, listsDir, sources)) return Fail(error->Message());
  const BuildResult built = BuildDictionary(sources);
  if (built.error) return Fail(built.error->Message());
  if (auto error = WriteTables(outDir, built.tables, FrequencyFileText(built.tables, sources.frequencies))) {
    return Fail(error->Message());
  }

  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char timing[64];
  std::snprintf(timing, sizeof timing, "Dur\xE9" "e : %.1f s\n", seconds);
  std::cout << tavilo::Cp1252ToUtf8(FormatReport(built.report) + timing);
  return 0;
}
