// A board's static facts: memory size, type, maker and bus width, and its core count.
#pragma once

#include <cstdint>

namespace sim {

struct BoardInfoModel {
  uint32_t memoryKb = 0;
  uint32_t memoryType = 0;   // the driver's memory type code (8 = GDDR5, 12 = HBM2, ...)
  uint32_t memoryMaker = 0;  // the driver's memory maker code (1 = Samsung, 10 = Micron, ...)
  uint32_t busWidthBits = 0;
  uint32_t frameBufferLocation = 0;
  uint32_t coreCount = 0;
};

inline bool operator==(const BoardInfoModel& a, const BoardInfoModel& b) {
  return a.memoryKb == b.memoryKb && a.memoryType == b.memoryType &&
         a.memoryMaker == b.memoryMaker && a.busWidthBits == b.busWidthBits &&
         a.frameBufferLocation == b.frameBufferLocation && a.coreCount == b.coreCount;
}

}  // namespace sim
