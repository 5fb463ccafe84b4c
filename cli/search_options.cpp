#include "cli/search_options.h"

namespace tavilo::cli {

std::optional<int> ParseSyllableOption(const std::string& value) {
  if (value == "toutes") return 0;
  if (value.size() == 1 && value[0] >= '1' && value[0] <= '9') return value[0] - '0';
  return std::nullopt;
}

std::optional<int> ParseDomainOption(const std::string& value) {
  static const char* const kNames[] = {"noms", "adjectifs", "verbes", "adverbes"};
  for (int code = 1; code <= 4; ++code) {
    if (value == kNames[code - 1]) return code;
  }
  return std::nullopt;
}

}  // namespace tavilo::cli
