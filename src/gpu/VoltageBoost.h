// The core voltage boost of VF-model boards, in percent (0..100), through the driver's
// voltage-rail control. Boards of the other model use the P-states over-voltage instead.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"

// Reads the boost of GPU `currentIndex` into `boostPercent`. Returns the driver's status (also
// stored in the table); on failure `boostPercent` keeps its value.
NvStatus ReadVoltageBoost(GpuTable& table, uint8_t& boostPercent);

// Sets the boost of GPU `index` (-1 = currentIndex) to the low byte of `boostPercent`. Returns 0
// on success, 1 on failure; the status is stored in the table.
int WriteVoltageBoost(int index, GpuTable& table, int boostPercent);
