#include "cli/search_options.h"

namespace tavilo::cli {

std::optional<int> ParseSyllableOption(const std::string& value) {
  if (value == "toutes") return 0;
  if (value.size() == 1 && value[0] >= '1' && value[0] <= '9') return value[0] - '0';
  return std::nullopt;
}

}  // namespace tavilo::cli
