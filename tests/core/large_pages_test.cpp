// The heap placement of a short command: where it says the heap now grows on large pages, the
// fresh blocks allocated next lie in the heap under the large-page advice, large ones included.
#include "core/large_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavilo {
namespace {

// The placement is compiled in for the GNU C library on Linux, except under a sanitizer.
#if defined(__linux__) && defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
constexpr bool kPlacementBuilt = true;
#else
constexpr bool kPlacementBuilt = false;
#endif

// The mapping of /proc/self/smaps that holds `address`: its name and its flags ("" when none).
struct Mapping {
  std::string name;
  std::string flags;
};

Mapping MappingOf(const void* address) {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  std::ifstream smaps("/proc/self/smaps");
  Mapping found;
  bool inside = false;
  for (std::string line; std::getline(smaps, line);) {
    unsigned long long from = 0, to = 0;
    int nameAt = 0;
    if (std::sscanf(line.c_str(), "%llx-%llx %*s %*s %*s %*s %n", &from, &to, &nameAt) == 2 && nameAt > 0) {
      if (inside) break;
      inside = from <= at && at < to;
      if (inside) found.name = line.substr(static_cast<std::size_t>(nameAt));
    } else if (inside && line.starts_with("VmFlags:")) {
      found.flags = line.substr(8) + " ";
    }
  }
  return found;
}

TEST(LargePagesTest, TheHeapGrowsOnLargePagesWhereTheSystemHasThem) {
  const bool systemHasThem = std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled");
  const bool placed = PlaceShortProcessHeapOnLargePages(std::size_t{64} << 20);
  ASSERT_EQ(placed, kPlacementBuilt && systemHasThem);
  if (!placed) GTEST_SKIP() << "the heap stays as it is here";

  // Fresh blocks come from the heap's new top, past the part left on small pages (the first one
  // may start on the last small page below the first 2 MB boundary), and from the heap even where
  // the top has no room left (a second 40 MB block): not from mappings of their own, as blocks
  // above 128 KB otherwise do.
  std::vector<char*> blocks;
  for (const std::size_t bytes : {std::size_t{256} << 10, std::size_t{40} << 20, std::size_t{40} << 20}) {
    char* const block = blocks.emplace_back(static_cast<char*>(std::malloc(bytes)));
    ASSERT_NE(block, nullptr);
    char* const thirdPage = block + 2 * 4096;
    *thirdPage = 1;
    const Mapping mapping = MappingOf(thirdPage);
    EXPECT_EQ(mapping.name, "[heap]") << bytes << " bytes";
    EXPECT_NE(mapping.flags.find(" hg "), std::string::npos) << bytes << " bytes: " << mapping.flags;
  }
  for (char* block : blocks) std::free(block);
}

}  // namespace
}  // namespace tavilo
