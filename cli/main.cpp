// tavilo-cli: the program's tools from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/large_pages.h"

int main(int argc, char** argv) {
  // Each run does one command and exits, so its heap grows on large pages (core/large_pages.h).
  // Even the longest automatic anagram search, which stops at 32767 groups, ends within a second
  // and holds no more memory that way: nothing here lives on after its work.
  tavilo::PlaceShortProcessHeapOnLargePages(std::size_t{64} << 20);
  std::vector<std::string> args(argv + 1, argv + argc);
  return tavilo::cli::RunCli(args, std::cout, std::cerr);
}
