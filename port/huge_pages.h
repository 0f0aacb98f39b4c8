// Asks the kernel to back a large, not yet touched buffer with transparent
// huge pages. A playlist of 100,000 songs is a UTF-16 subject of some 40 MB,
// which the allocator maps afresh on every fetch; filling it page by page
// costs as much as matching it, and huge pages take most of that away.
// Only a hint: nothing changes where the kernel declines.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace lirvane::port {

inline void adviseHugePages(const void* data, std::size_t bytes) {
  constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
  if (bytes < 2 * kHugePage) return;
  auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHugePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace lirvane::port
