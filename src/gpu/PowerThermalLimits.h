// Power limit and temperature limit of a GPU with their bounds, and the thermal priority bit,
// through the driver's client power and thermal policies. Power limits are 1/1000 %, temperature
// limits whole °C in OcInfo and 1/256 °C at the driver. None of these touches the table's status.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"
#include "gpu/OcInfo.h"

// 1/256 °C to whole °C, truncated toward zero (21 855 -> 85).
int32_t TemperatureFromRaw(int32_t raw);
// Whole °C to 1/256 °C, truncated toward zero (83 -> 21 248); saturates at the int32 range.
int32_t TemperatureToRaw(int32_t celsius);

// Bounds from the last power-policy entry, then the current limit from the last status entry, of
// GPU currentIndex. 0 on success; 1 when the info query fails or is not valid, or the status
// query fails (the bounds already read stay), or a reply claims more entries than it holds.
int ReadPowerLimits(GpuTable& table, OcInfo& info);

// Sends powerLimitPcm. 0 on success, 1 when the info query or the set fails.
int WritePowerLimit(int index, GpuTable& table, const OcInfo& info);

// Bounds of thermal controller 1 (the last such entry wins) and its current limit, of GPU
// currentIndex. 1 when the info query fails, is not valid or claims more entries than it holds;
// 0 otherwise, with tempLimitC unchanged when the status query fails.
int ReadThermalLimits(GpuTable& table, OcInfo& info);

// Sends tempLimitC for controller 1 with the priority bit clear. 0 on success, 1 on failure or
// when the info lists no controller 1.
int WriteThermalLimit(int index, GpuTable& table, const OcInfo& info);

// Sets the priority bit of controller 1 to `flag` (0 or 1), keeping its limit and other flags.
// 1 on failure, when the info lists no controller 1, or for any other flag (refused after the
// info query, before any status call).
int WriteThermalPriority(int index, GpuTable& table, int32_t flag);
