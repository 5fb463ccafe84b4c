#include "tools/mkdict/mkdict.h"

#include <fstream>
#include <system_error>

#include "core/frequency.h"
#include "core/tav_file.h"
#include "core/text.h"

namespace tavilo::mkdict {

std::optional<std::string> LoadSources(const std::filesystem::path& sourcesDir, const std::filesystem::path& listsDir,
                                       Sources& out) {
  auto read = [](const std::filesystem::path& path, auto reader) -> std::optional<std::string> {
    std::string error;
    const auto bytes = ReadFileBytes(path, &error);
    if (!bytes) return error;
    if (auto fault = reader(*bytes, path.filename().string())) return fault->message;
    return std::nullopt;
  };
  using std::string_view;
  // The project's lists first: they are small and the likeliest to hold a fault.
  if (auto e = read(listsDir / kTabooListFile, [&](string_view b, string_view n) { return ReadWordList(b, n, out.taboo); }))
    return e;
  if (auto e = read(listsDir / kLocutionListFile,
                    [&](string_view b, string_view n) { return ReadWordList(b, n, out.locutions); }))
    return e;
  if (auto e = read(listsDir / kCorrectionListFile,
                    [&](string_view b, string_view n) { return ReadWordList(b, n, out.corrections); }))
    return e;
  if (auto e = read(listsDir / kChildListFile,
                    [&](string_view b, string_view n) { return ReadWordList(b, n, out.childWords); }))
    return e;
  if (auto e = read(sourcesDir / kPronunciationFile,
                    [&](string_view b, string_view n) { return ReadPronunciations(b, n, out.pronunciations); }))
    return e;
  if (auto e = read(sourcesDir / kMorphologyFile,
                    [&](string_view b, string_view n) { return ReadMorphology(b, n, out.morphology); }))
    return e;
  if (auto e = read(sourcesDir / kFrequencyFile,
                    [&](string_view b, string_view n) { return ReadFrequencies(b, n, out.frequencies); }))
    return e;
  return std::nullopt;
}

std::optional<std::string> WriteTables(const std::filesystem::path& outDir,
                                       const std::array<WordTable, kTableCount>& tables,
                                       std::string_view frequencies) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) return "Impossible de cr\xE9" "er le dossier \xAB " + Utf8ToCp1252(outDir.string()) + " \xBB.";
  for (std::size_t t = 0; t < kTableCount; ++t) {
    const auto kind = static_cast<TableKind>(t);
    if (auto error = WriteTavFile(outDir / InfoOf(kind).fileName, tables[t], kind)) return error;
  }
  if (frequencies.empty()) return std::nullopt;
  std::ofstream out(outDir / kFrequencyFileName, std::ios::binary);
  out.write(frequencies.data(), static_cast<std::streamsize>(frequencies.size()));
  out.close();
  if (!out) return std::string("Impossible d'\xE9" "crire le fichier \xAB ") + kFrequencyFileName + " \xBB.";
  return std::nullopt;
}

}  // namespace tavilo::mkdict
