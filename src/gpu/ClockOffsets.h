// Clock offsets of a GPU: P0 clocks, voltages and offsets through P-states 2.0, the over-voltage,
// and the offset ranges and current offsets through the clock-domain / VF-point interface.
// Offsets and clocks are kHz, voltages µV, as the driver gives them.
#pragma once

#include "gpu/GpuTable.h"
#include "gpu/OcInfo.h"

// P0's clocks, offsets, base-voltage delta and the over-voltage into `info` (currentPstate
// becomes 0). Tries versions 3, 2, 3; each status goes to the table. 0 when a query succeeded,
// 1 when all failed or the answer claims more entries than the structure holds (info unchanged).
int ReadPstateClocks(int index, GpuTable& table, OcInfo& info);

// Sends graphicsOffsetKHz, memoryOffsetKHz and baseVoltageDeltaUv for P0 in one call (version 1),
// always both offsets. 0 on success, 1 on failure; the table's status is not touched.
int WriteClockOffsets(int index, GpuTable& table, const OcInfo& info);

// Sends overVoltageUv on the core voltage domain, trying versions 3, 2, 1. 0 on success, 1 when
// all three failed; the table's status is not touched.
int WriteOverVoltage(int index, GpuTable& table, const OcInfo& info);

// The graphics and memory offset ranges of GPU currentIndex (clock-domain entries 0 and 1) into
// the vf* fields of `info`. The last status is left in the table.
void ReadVfRanges(GpuTable& table, OcInfo& info);

// The current graphics and memory offsets of GPU currentIndex from the first counting VF point of
// each domain. Fields stay as they were when a query fails or a reply is out of range.
void ReadVfOffsets(GpuTable& table, OcInfo& info);
