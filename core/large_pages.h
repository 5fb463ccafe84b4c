// Start-up fills a few large blocks once (each table's rows, the bytes of a data file, the
// anagram index). In a fresh process every 4 KB page of them costs a page fault when first
// written, and those faults were most of the loading time of a short command.
#pragma once

#include <cstddef>

namespace tavilo {

// Asks the system to back [data, data + bytes) with 2 MB pages where it can, and to map the whole
// block at once rather than page by page. Only a hint: where the system does not offer it
// nothing changes, and the memory behaves as before either way.
void PrepareLargeBlock(const void* data, std::size_t bytes);

}  // namespace tavilo
