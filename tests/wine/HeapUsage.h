// Bytes in use in every heap of the process: what a long run checks for growth.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

inline size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  size_t total = 0;
  for (HANDLE heap : heaps) {
    if (!::HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heap, &entry)) {
      if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) total += entry.cbData;
    }
    ::HeapUnlock(heap);
  }
  return total;
}
