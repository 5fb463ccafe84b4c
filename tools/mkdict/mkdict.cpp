#include "tools/mkdict/mkdict.h"

#include <fstream>
#include <system_error>
#include <utility>

#include "core/frequency.h"
#include "core/tav_file.h"
#include "core/text.h"

namespace tavilo::mkdict {

std::optional<SourceError> LoadSources(const std::filesystem::path& sourcesDir, const std::filesystem::path& listsDir,
                                       Sources& out) {
  auto read = [](const std::filesystem::path& path, auto reader) -> std::optional<SourceError> {
    const FileBytes file = ReadFileBytes(path);
    if (file.error) return file.error;
    return reader(file.bytes, path.filename().string());
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

std::optional<SourceError> WriteTables(const std::filesystem::path& outDir,
                                       const std::array<WordTable, kTableCount>& tables,
                                       std::string_view frequencies) {
  using Code = SourceError::Code;
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) return SourceError{Code::CannotCreateFolder, Utf8ToCp1252(outDir.string()), 0, {}};
  for (std::size_t t = 0; t < kTableCount; ++t) {
    const auto kind = static_cast<TableKind>(t);
    const char* name = InfoOf(kind).fileName;
    if (auto error = WriteTavFile(outDir / name, tables[t], kind)) {
      return SourceError{Code::TableNotWritten, name, 0, error->Message()};
    }
  }
  if (frequencies.empty()) return std::nullopt;
  std::ofstream out(outDir / kFrequencyFileName, std::ios::binary);
  out.write(frequencies.data(), static_cast<std::streamsize>(frequencies.size()));
  out.close();
  if (!out) return SourceError{Code::CannotWrite, kFrequencyFileName, 0, {}};
  return std::nullopt;
}

}  // namespace tavilo::mkdict
