// The heap of a short command on large pages. A command of tavilo-cli runs for a few
// milliseconds, and the first write to each fresh 4 KB page of its heap costs a page fault and a
// clearing: several hundred of them were a tenth of a command's time. A heap that grows on
// 2 MB pages pays a handful instead.
#pragma once

#include <cstddef>

namespace tavilo {

// For a process that does one piece of work and exits: makes the heap grow `growth` bytes at a
// time on 2 MB pages, large blocks included, and keeps what is freed instead of giving it back
// to the system. Such a process holds its peak memory until it ends, as it would anyway; one that
// lives on after its work (the window) should not call it. Returns whether the heap now grows
// on large pages: where the system or the C library cannot, it changes nothing and says false.
bool PlaceShortProcessHeapOnLargePages(std::size_t growth);

}  // namespace tavilo
