#include "core/large_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tavilo {

void PrepareLargeBlock(const void* data, std::size_t bytes) {
#if defined(__linux__)
  constexpr std::uintptr_t kPage = 4096;
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  if (bytes < kLargePage / 4) return;  // a small block takes few faults anyway
  const auto start = reinterpret_cast<std::uintptr_t>(data);
#if defined(MADV_HUGEPAGE)
  const std::uintptr_t hugeBegin = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t hugeEnd = (start + bytes) & ~(kLargePage - 1);
  if (hugeEnd > hugeBegin) madvise(reinterpret_cast<void*>(hugeBegin), hugeEnd - hugeBegin, MADV_HUGEPAGE);
#endif
  // Maps every page of the block in one call (Linux 5.14 and later; older systems refuse it and
  // the pages come one fault at a time as before).
  constexpr int kPopulateWrite = 23;  // MADV_POPULATE_WRITE
  const std::uintptr_t begin = start & ~(kPage - 1);
  const std::uintptr_t end = (start + bytes + kPage - 1) & ~(kPage - 1);
  madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace tavilo
