#include "overclock/OcUnits.h"

#include <cmath>
#include <limits>

int32_t TruncToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  return static_cast<int32_t>(value);
}

int32_t KHzToMHz(int32_t kHz) {
  return kHz / 1000;
}

int32_t UvToMv(int32_t uv) {
  return TruncToInt32(uv / 1000.0 + 0.5);
}

int32_t LowerUvToMv(int32_t uv) {
  const int32_t q = uv / 1000;
  return q >= 0 ? q : q + 1;
}

int32_t PcmToPercent(uint32_t pcm) {
  return static_cast<int32_t>(pcm / 1000u);
}

int32_t BoostKHzToMHz(uint32_t kHz) {
  return TruncToInt32(kHz / 1000.0 + 0.5);
}

int32_t ThousandfoldInt(int32_t value) {
  const int64_t scaled = static_cast<int64_t>(value) * 1000;
  if (scaled > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (scaled < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(scaled);
}

uint32_t PercentToPcm(int32_t percent) {
  if (percent <= 0) return 0;
  const uint64_t scaled = static_cast<uint64_t>(percent) * 1000u;
  if (scaled > std::numeric_limits<uint32_t>::max()) return std::numeric_limits<uint32_t>::max();
  return static_cast<uint32_t>(scaled);
}
