#include "overclock/PowerTempLink.h"

#include "overclock/OcUnits.h"

namespace {

// Maps x of [fromLower, fromUpper] (through fromDefault) onto [toLower, toUpper] (through
// toDefault). Above the default it rounds, below it truncates. A side of zero width (a default
// on its bound, or a failed reading with every bound 0) cannot be divided by: a value past the
// default on that side gives the bound it moves toward, the default itself the other default.
int32_t MapThroughDefaults(int32_t x, const OcSetting& from, const OcSetting& to) {
  if (x > from.fallback) {
    if (from.upper == from.fallback) return to.upper;
    const double t = static_cast<double>(x - static_cast<double>(from.fallback)) /
                         (static_cast<double>(from.upper) - from.fallback) *
                         (static_cast<double>(to.upper) - to.fallback) +
                     to.fallback + 0.5;
    const int32_t result = TruncToInt32(t);
    return result > to.upper ? to.upper : result;
  }
  if (x == from.fallback) {
    if (from.fallback == from.lower) return to.fallback;
  } else if (from.fallback == from.lower) {
    return to.lower;
  }
  const double t = to.fallback - (static_cast<double>(from.fallback) - x) /
                                     (static_cast<double>(from.fallback) - from.lower) *
                                     (static_cast<double>(to.fallback) - to.lower);
  const int32_t result = TruncToInt32(t);
  return result < to.lower ? to.lower : result;
}

}  // namespace

int32_t PowerToTemp(const OcSettings& settings, int32_t power) {
  return MapThroughDefaults(power, settings[OcRow::kPower], settings[OcRow::kTemp]);
}

int32_t TempToPower(const OcSettings& settings, int32_t temp) {
  return MapThroughDefaults(temp, settings[OcRow::kTemp], settings[OcRow::kPower]);
}
