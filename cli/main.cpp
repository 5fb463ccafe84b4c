// tavilo-cli: the program's tools from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/large_pages.h"

int main(int argc, char** argv) {
  // A command runs for milliseconds, and on a virtual machine the first write to each fresh 4 KB
  // page of the heap was a large part of that: the heap grows on large pages instead.
  tavilo::PlaceHeapOnLargePages(std::size_t{64} << 20);
  std::vector<std::string> args(argv + 1, argv + argc);
  return tavilo::cli::RunCli(args, std::cout, std::cerr);
}
