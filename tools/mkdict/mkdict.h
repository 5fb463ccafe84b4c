// What tavilo-mkdict does, as functions: read the sources, build, write the six data files.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/word_table.h"
#include "tools/mkdict/builder.h"

namespace tavilo::mkdict {

// Reads the three lexicon sources from `sourcesDir` and the taboo and locution lists from
// `listsDir`. Returns the first fault.
std::optional<SourceError> LoadSources(const std::filesystem::path& sourcesDir, const std::filesystem::path& listsDir,
                                       Sources& out);

// Writes the six tables under their bare file names into `outDir` (created if needed), and the
// frequency file beside them when `frequencies` holds its text.
std::optional<SourceError> WriteTables(const std::filesystem::path& outDir,
                                       const std::array<WordTable, kTableCount>& tables,
                                       std::string_view frequencies = {});

}  // namespace tavilo::mkdict
