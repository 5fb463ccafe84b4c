// How common each spelling is: its value on the Zipf scale (log10 of its occurrences per billion
// words: 7 for "de", 5 for "maison", 1 for a rare word), read from the optional data file
// frequences.txt that the dictionary builder writes beside the six tables.
//
// The file holds one line per spelling, `spelling TAB value`, in Windows-1252, the spellings in
// byte order and each once, the value with one decimal and a point ("5.2"). Nothing but a search
// sorted by frequency reads it: when it is missing or malformed, that search says so and every
// other one works as before.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/tav_file.h"

namespace tavilo {

inline constexpr char kFrequencyFileName[] = "frequences.txt";

// The values of a loaded file; copies share it. An empty one knows no spelling.
class WordFrequencies {
 public:
  WordFrequencies() = default;

  // The value of a spelling in tenths (52 stands for 5,2); 0 when the file does not hold it.
  int Tenths(std::string_view spelling) const;
  // How many spellings the file holds.
  std::size_t Size() const;

  struct Table;  // the file's text and a hash index of its lines (frequency.cpp)

 private:
  friend struct FrequencyParser;
  std::shared_ptr<const Table> table_;
};

struct FrequencyLoad {
  WordFrequencies frequencies;  // empty on error
  std::optional<LoadError> error;
};

// Reads frequences.txt from `dataDirectory`; a missing file is the error FileNotFound.
FrequencyLoad LoadWordFrequencies(const std::filesystem::path& dataDirectory);
// The same from bytes already in memory; `fileName` names the file in errors.
FrequencyLoad ParseWordFrequencies(std::string_view bytes, std::string_view fileName);

// A value in tenths as French writes it, with a decimal comma: 52 gives "5,2".
std::string FormatZipfTenths(int tenths);

}  // namespace tavilo
