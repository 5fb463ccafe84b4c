// What the fuzz targets share: a failed check aborts (libFuzzer then keeps the input), a small
// lexicon in memory for the searches, and the same lexicon written once to a folder for the
// command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/lexicon.h"

namespace tavilo::fuzz {

// Prints what went wrong and aborts.
[[noreturn]] void Fail(const char* what);
inline void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

// A few dozen words in every table, built once, with both indexes.
const Lexicon& SmallLexicon();

// The same words as .tav files in a temporary folder, written once.
const std::filesystem::path& SmallLexiconFolder();

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace tavilo::fuzz
