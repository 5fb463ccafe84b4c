// Runs tavilo-cli in-process and captures what it prints.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/fixture_lexicon.h"

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

// A test of one command on its own tiny lexicon: SetUp fills fixture_, then calls Use with the
// command's name (empty when each run names its command); files the test writes or reads sit
// beside the lexicon.
class CliCommandTest : public ::testing::Test {
 protected:
  void Use(std::string command) {
    command_ = std::move(command);
    dir_ = fixture_.Write();
  }
  // Runs "tavilo-cli --data <lexicon> <command> args...".
  CliOutcome Cli(std::vector<std::string> args) const {
    if (!command_.empty()) args.insert(args.begin(), command_);
    args.insert(args.begin(), {"--data", dir_.string()});
    return RunCliCaptured(args);
  }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  FixtureLexicon fixture_;
  std::filesystem::path dir_;
  std::string command_;
};

}  // namespace tavilo::testing
