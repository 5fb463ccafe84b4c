#include "core/large_pages.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tavilo {
namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;

bool IsLarge(std::size_t bytes) { return bytes >= kLargeBlockBytes; }

}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
  if (!IsLarge(bytes)) return ::operator new(bytes == 0 ? 1 : bytes);
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

}  // namespace tavilo
