// The heap of a short command on large pages: the Linux and GNU C library code, and a portable
// fallback (other systems, the WebAssembly page, sanitizer builds) that leaves the heap alone.
#include "core/large_pages.h"

#if defined(__linux__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// A sanitizer's allocator keeps its blocks elsewhere: there is nothing to place then.
#if defined(__SANITIZE_ADDRESS__)
#define TAVILO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVILO_SANITIZED 1
#endif
#endif

#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE) && !defined(TAVILO_SANITIZED)
#if __GLIBC_PREREQ(2, 33)
#define TAVILO_HEAP_ON_LARGE_PAGES 1
#endif
#endif

namespace tavilo {

#if defined(TAVILO_HEAP_ON_LARGE_PAGES)

namespace {

constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
constexpr std::uintptr_t kSmallPage = 4096;

// Keeps a block that is never read from being dropped by the compiler: it is taken only so that
// what the program allocates next lies past it.
void Keep(void* block) { __asm__ __volatile__("" : : "r"(block) : "memory"); }

}  // namespace

bool PlaceShortProcessHeapOnLargePages(std::size_t growth) {
  const int size = static_cast<int>(std::min<std::size_t>(growth, std::size_t{1} << 30));
  // Every block in the heap, which grows `size` at a time and keeps what is freed.
  mallopt(M_MMAP_THRESHOLD, size);
  mallopt(M_TOP_PAD, size);
  mallopt(M_TRIM_THRESHOLD, size);
  // The heap grows now, by asking a little more than its free top holds. A page written before
  // the advice stays a small page and keeps its whole 2 MB range on small pages, so the only
  // pages written here lie below the first 2 MB boundary past the old end.
  const auto oldEnd = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* const grown = std::malloc(mallinfo2().keepcost + kSmallPage);
  if (!grown) return false;
  const auto start = reinterpret_cast<std::uintptr_t>(grown);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t aligned = (oldEnd + 2 * kSmallPage + kLargePage - 1) & ~(kLargePage - 1);
  const bool advised = aligned + kLargePage <= end && start < aligned &&
                       madvise(reinterpret_cast<void*>(aligned), end - aligned, MADV_HUGEPAGE) == 0;
  std::free(grown);
  if (!advised) return false;
  // The heap below the boundary is taken once and never used, so that what the program
  // allocates next lies above it. Never written, it costs no memory.
  if (aligned - start > 2 * kSmallPage) Keep(std::malloc(aligned - start - kSmallPage));
  return true;
}

#else

bool PlaceShortProcessHeapOnLargePages(std::size_t) { return false; }

#endif

}  // namespace tavilo
