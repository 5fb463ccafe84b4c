// Start-up fills a few large blocks once (each table's rows, the bytes of a data file, the
// anagram index). In a fresh process every 4 KB page of them costs a page fault and a clearing
// when first written, and on a virtual machine those first writes were most of the loading time
// of a short command. Blocks of 2 MB pages cost a small fraction of that.
#pragma once

#include <cstddef>
#include <new>

namespace tavilo {

// Blocks at least this large are placed on 2 MB boundaries and rounded up to whole 2 MB pages,
// so that the system can back all of them with large pages; smaller ones come from the heap.
inline constexpr std::size_t kLargeBlockBytes = std::size_t{512} << 10;

// Allocates `bytes` as said above (throws std::bad_alloc on failure). Where the system offers no
// large pages the block simply behaves as ordinary memory.
void* AllocateLargeBlock(std::size_t bytes);
// Frees a block of AllocateLargeBlock; `bytes` is the size it was asked with.
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

// For a short process: makes the heap grow `bytes` at a time on large pages, so that the many
// small blocks a command allocates do not each fault in a 4 KB page of their own. It asks the C
// library to keep big blocks in the heap too and not to give freed memory back; a process that
// runs long should not call it. Does nothing where the C library or the system cannot do it.
void PlaceHeapOnLargePages(std::size_t bytes);

// A standard allocator over AllocateLargeBlock, for the vectors loading fills once.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(AllocateLargeBlock(n * sizeof(T))); }
  void deallocate(T* block, std::size_t n) noexcept { FreeLargeBlock(block, n * sizeof(T)); }
  template <typename U>
  bool operator==(const LargeBlockAllocator<U>&) const noexcept { return true; }
};

}  // namespace tavilo
