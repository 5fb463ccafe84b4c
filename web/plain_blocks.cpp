// The large blocks of the tables and indexes, for the WebAssembly build: a browser gives a
// page's memory in one linear block and has no large pages, so a large block is ordinary heap
// memory and the heap needs no placing.
#include <cstdlib>
#include <new>

#include "core/large_pages.h"

namespace tavilo {

void* AllocateLargeBlock(std::size_t bytes) {
  void* block = std::malloc(bytes == 0 ? 1 : bytes);
  if (!block) throw std::bad_alloc();
  return block;
}

void FreeLargeBlock(void* block, std::size_t) noexcept { std::free(block); }

void PlaceHeapOnLargePages(std::size_t) {}

}  // namespace tavilo
