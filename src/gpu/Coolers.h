// Fan control of a GPU: the older cooler-level interface (all fans to a level, or back to
// automatic) and the per-fan cooler interface (one fan manual, all fans automatic, the first
// fan's level). Levels are whole percent.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"
#include "gpu/structs/CoolerStructs.h"

// Older interface: every fan to `level` with policy 1 (manual) or back to automatic with policy
// 32, the 20-entry layout first, then the 3-entry one. Each attempt stores its status and text;
// success sets fanLevel. 0 on success, 1 when both layouts failed (callers may ignore it).
int SetCoolerLevel(uint32_t policy, int32_t level, int index, GpuTable& table);

// Newer interface: fan `coolerId` (1 or 2) to `level` in manual mode; a level of 0 is sent in
// automatic mode. Stores the status; true when the call succeeded.
bool SetFanCoolerManual(int index, uint32_t coolerId, int32_t level, GpuTable& table);

// Newer interface: every fan back to automatic control. Stores the status; true on success.
bool SetFanCoolersAuto(int index, GpuTable& table);

// Newer interface: the first fan's current level of GPU currentIndex, read into the table's
// fan-cooler status buffer. The status is stored but not examined: a call that does not answer
// leaves the buffer's previous level.
int32_t ReadFanCoolerLevel(GpuTable& table);
