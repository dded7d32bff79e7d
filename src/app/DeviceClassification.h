// Board kinds decided once at start-up from GPU 0's PCI device ID.
#pragma once

#include <cstdint>

// Boards read through the clock-domain / VF-point interface (and whose voltage is a boost percent).
bool ClassifyVfModel(uint16_t deviceId);
// Boards whose fans are read and driven through the per-fan cooler interface.
bool ClassifyFanCoolerModel(uint16_t deviceId);
