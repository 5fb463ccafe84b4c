// Runs tavilo-cli in-process and captures what it prints.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace tavilo::testing {

struct CliOutcome {
  int code;
  std::string out;
  std::string err;
};

inline CliOutcome RunCliCaptured(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::RunCli(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace tavilo::testing
