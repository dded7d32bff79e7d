// Handle values the simulated driver hands out. Nonzero, distinct and stable for a scenario.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

namespace sim {

constexpr NvPhysicalGpuHandle kPhysicalGpuHandleBase = 0x1000;
constexpr NvDisplayHandle kDisplayHandleBase = 0x2000;
// Handles a lying enumeration writes past the real ones; no entry accepts them.
constexpr NvPhysicalGpuHandle kPhantomGpuHandleBase = 0x0BAD1000;
constexpr NvDisplayHandle kPhantomDisplayHandleBase = 0x0BAD0000;

constexpr NvPhysicalGpuHandle PhysicalGpuHandle(uint32_t modelIndex) {
  return kPhysicalGpuHandleBase + modelIndex;
}
constexpr NvDisplayHandle DisplayHandle(uint32_t index) {
  return kDisplayHandleBase + index;
}
constexpr NvPhysicalGpuHandle PhantomGpuHandle(uint32_t slot) {
  return kPhantomGpuHandleBase + slot;
}
constexpr NvDisplayHandle PhantomDisplayHandle(uint32_t index) {
  return kPhantomDisplayHandleBase + (index & 0xFFFFu);
}

// The model index a physical GPU handle stands for, if it names one of gpuCount GPUs.
constexpr bool GpuIndexFromHandle(NvPhysicalGpuHandle handle, size_t gpuCount, size_t& index) {
  if (handle < kPhysicalGpuHandleBase) return false;
  const size_t candidate = handle - kPhysicalGpuHandleBase;
  if (candidate >= gpuCount) return false;
  index = candidate;
  return true;
}

}  // namespace sim
