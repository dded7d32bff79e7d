// Live sensor readings of a GPU: core temperature, cooler settings and fan level, current,
// base and boost clocks. Each takes a GPU index (-1 = currentIndex) and the GpuTable.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"
#include "gpu/OcInfo.h"

// The cooler-settings buffer of the table, or one of the same size.
using CoolerSettingsBuffer = uint8_t[GpuTable::kCoolerSettingsSize];

// Core temperature, whole °C, through thermal settings version 2, then version 1. Each attempt
// stores its status and text; a failed one zeroes temperature and lastTemperature and prints a
// diagnostic line. 0 on success (lastTemperature = temperature), 1 when both failed.
int ReadTemperature(int index, GpuTable& table, int32_t& temperature);

// One attempt with version 2 for an explicit GPU, printing the reading. 0 on success (also
// lastTemperature), 1 on failure (temperature 0).
int ReadSensorTemperature(int index, GpuTable& table, int32_t& temperature);

// Cooler settings into `buffer`, trying the four layouts from the largest down. After each failed
// attempt cooler 0 reads level 0 within 0..100 and a diagnostic line is printed. 0 on success,
// 1 when every layout failed.
int ReadCoolerSettings(int index, GpuTable& table, CoolerSettingsBuffer& buffer);

// Cooler 0's current level of GPU currentIndex, percent, through the table's cooler-settings
// buffer; also kept in fanLevel. 0 (fanLevel untouched) when the settings could not be read.
int32_t ReadFanLevel(GpuTable& table);

// Cooler 0's level fields as they stand in a cooler-settings buffer.
struct CoolerZero {
  uint32_t defaultMinLevel = 0;
  uint32_t defaultMaxLevel = 0;
  uint32_t currentLevel = 0;
};
CoolerZero CoolerZeroOf(const CoolerSettingsBuffer& buffer);

// Current graphics, memory and processor clocks (kHz) into `info`. The status is not stored.
// 0 on success, 1 when every version failed (info unchanged).
int ReadCurrentClocks(int index, GpuTable& table, OcInfo& info);

// Base and boost clocks (kHz) into `info`; the six fields start at 0. 0 when the boost clocks
// were read, 1 when every boost attempt failed (base values read before stay).
int ReadBaseBoostClocks(int index, GpuTable& table, OcInfo& info);
