// Conversions between the driver's units and the panel's.
#pragma once

#include <cstdint>

// kHz to MHz, truncated toward zero (-50 500 gives -50).
int32_t KHzToMHz(int32_t kHz);
// µV to mV rounded half up and then truncated toward zero (25 000 gives 25, 99 600 gives 100).
int32_t UvToMv(int32_t uv);
// A lower bound in µV to mV: truncated to whole mV, then a negative one moves up by one
// (-50 400 gives -49).
int32_t LowerUvToMv(int32_t uv);
// 1/1000 % to whole percent.
int32_t PcmToPercent(uint32_t pcm);
// A boost clock in kHz to MHz, rounded.
int32_t BoostKHzToMHz(uint32_t kHz);

// value × 1000, held to the 32-bit range (panel units to kHz, µV).
int32_t ThousandfoldInt(int32_t value);
// value × 1000 as a power limit in 1/1000 %; a negative percent gives 0.
uint32_t PercentToPcm(int32_t percent);
// A double truncated toward zero, held to the 32-bit range (NaN gives 0).
int32_t TruncToInt32(double value);
