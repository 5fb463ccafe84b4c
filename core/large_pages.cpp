#include "core/large_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tavilo {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

bool IsLarge(std::size_t bytes) { return bytes >= kLargeBlockBytes; }

// Set once the heap itself grows on large pages: a block then needs no pages of its own, and
// packed in the heap with the others it leaves no half-empty 2 MB page behind it.
bool heapOnLargePages = false;

// The heap below the first 2 MB boundary, taken and kept (held here so the block is really taken).
void* volatile belowTheBoundary = nullptr;

}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
  if (!IsLarge(bytes)) return ::operator new(bytes == 0 ? 1 : bytes);
  if (heapOnLargePages) {
    void* block = std::malloc(bytes);
    if (!block) throw std::bad_alloc();
    return block;
  }
  const std::size_t rounded = (bytes + kLargePage - 1) & ~(kLargePage - 1);
  void* block = std::aligned_alloc(kLargePage, rounded);
  if (!block) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  madvise(block, rounded, MADV_HUGEPAGE);  // only a hint: refused, the pages stay 4 KB ones
#endif
  return block;
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
  if (!block) return;
  if (IsLarge(bytes)) {
    std::free(block);
  } else {
    ::operator delete(block);
  }
}

void PlaceHeapOnLargePages(std::size_t bytes) {
#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE) && __GLIBC_PREREQ(2, 33) && \
    !defined(__SANITIZE_ADDRESS__)
  // (A sanitizer's allocator keeps its blocks elsewhere: nothing to do there.)
  const int size = static_cast<int>(std::min<std::size_t>(bytes, std::size_t{1} << 30));
  // Every block in the heap, which grows `size` at a time and keeps what is freed.
  mallopt(M_MMAP_THRESHOLD, size);
  mallopt(M_TOP_PAD, size);
  mallopt(M_TRIM_THRESHOLD, size);
  // The heap grows now, by asking a little more than its free top holds. A page written before
  // the advice stays a small page and keeps its whole 2 MB range on small pages, so the only
  // pages written here lie below the first 2 MB boundary past the old end.
  const auto oldEnd = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* const grown = std::malloc(mallinfo2().keepcost + 4096);
  if (!grown) return;
  const auto start = reinterpret_cast<std::uintptr_t>(grown);
  const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t aligned = (oldEnd + 2 * 4096 + kLargePage - 1) & ~(std::uintptr_t{kLargePage} - 1);
  const bool advised = aligned + kLargePage <= end && start < aligned &&
                       madvise(reinterpret_cast<void*>(aligned), end - aligned, MADV_HUGEPAGE) == 0;
  std::free(grown);
  if (!advised) return;
  heapOnLargePages = true;
  // The heap below the boundary is taken once and never used, so that what the program
  // allocates next lies above it. Never written, it costs no memory.
  if (aligned - start > 2 * 4096) belowTheBoundary = std::malloc(aligned - start - 4096);
#else
  static_cast<void>(bytes);
#endif
}

}  // namespace tavilo
