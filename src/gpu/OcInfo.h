// One GPU's overclock reading in driver units: clocks and offsets in kHz, voltages in µV,
// power limits in 1/1000 %, temperature limits in °C, the display pixel clock in 10 kHz.
// A new record is all zero; every reader overwrites only the fields it finds.
#pragma once

#include <cstdint>

struct OcInfo {
  uint32_t graphicsMinVoltageUv = 0;
  uint32_t graphicsMaxVoltageUv = 0;
  uint32_t memoryMinVoltageUv = 0;
  uint32_t memoryMaxVoltageUv = 0;
  uint32_t memoryFreqKHz = 0;
  uint32_t memoryBaseKHz = 0;
  uint32_t memoryBoostKHz = 0;
  uint32_t memoryMinFreqKHz = 0;
  uint32_t memoryMaxFreqKHz = 0;
  uint32_t processorFreqKHz = 0;
  uint32_t processorBaseKHz = 0;
  uint32_t processorBoostKHz = 0;
  uint32_t processorMinFreqKHz = 0;
  uint32_t processorMaxFreqKHz = 0;
  uint32_t graphicsFreqKHz = 0;
  uint32_t graphicsBaseKHz = 0;
  uint32_t graphicsBoostKHz = 0;
  uint32_t graphicsMinFreqKHz = 0;
  uint32_t graphicsMaxFreqKHz = 0;
  int32_t baseVoltageDeltaUv = 0;
  int32_t graphicsOffsetKHz = 0;
  int32_t graphicsOffsetMinKHz = 0;
  int32_t graphicsOffsetMaxKHz = 0;
  int32_t memoryOffsetKHz = 0;
  int32_t memoryOffsetMinKHz = 0;
  int32_t memoryOffsetMaxKHz = 0;
  int32_t tempLimitC = 0;
  int32_t tempLimitMinC = 0;
  int32_t tempLimitMaxC = 0;
  int32_t tempLimitDefaultC = 0;
  int32_t overVoltageUv = 0;
  int32_t overVoltageMinUv = 0;
  int32_t overVoltageMaxUv = 0;
  uint32_t pixelClock10kHz = 0;
  uint32_t powerLimitPcm = 0;
  uint32_t powerLimitMinPcm = 0;
  uint32_t powerLimitMaxPcm = 0;
  uint32_t powerLimitDefaultPcm = 0;
  int32_t vfGraphicsOffsetMaxKHz = 0;
  int32_t vfGraphicsOffsetMinKHz = 0;
  int32_t vfMemoryOffsetMaxKHz = 0;
  int32_t vfMemoryOffsetMinKHz = 0;
};

static_assert(sizeof(OcInfo) == 42 * 4, "OcInfo is 42 32-bit fields");
