// The ranges and positions of the panel's eight sliders as the panel model keeps them. The
// ranges are given once, when the panel is created; every later clamp uses them, whatever
// bounds a later reading brings.
#pragma once

#include <array>

#include "controls/SliderMath.h"
#include "overclock/OcSettings.h"

class OcSliders {
 public:
  // Ranges from the settings' bounds; the fan slider 0..100, the frame slider 40..255 and the
  // display-clock slider 0..20000 fixed. Positions become the clamped values.
  void InitRanges(const OcSettings& settings);

  // `value` brought into the row's range: at or above the upper end gives the upper end, then
  // at or below the lower end the lower end.
  int Clamp(OcRow row, int value) const;
  // The row's position becomes the clamped value; returns it.
  int Place(OcRow row, int value);

  int Position(OcRow row) const { return positions_[Index(row)]; }
  const SliderRange& Range(OcRow row) const { return ranges_[Index(row)]; }

 private:
  static int Index(OcRow row) { return static_cast<int>(row); }

  std::array<SliderRange, kOcRowCount> ranges_{};
  std::array<int, kOcRowCount> positions_{};
};
