#include "overclock/OcSliders.h"

void OcSliders::InitRanges(const OcSettings& settings) {
  for (OcRow row : kOcRows) {
    SliderRange& range = ranges_[Index(row)];
    range.minimum = settings[row].lower;
    range.maximum = settings[row].upper;
  }
  ranges_[Index(OcRow::kFan)].minimum = 0;
  ranges_[Index(OcRow::kFan)].maximum = 100;
  ranges_[Index(OcRow::kFrame)].minimum = kFrameLowest;
  ranges_[Index(OcRow::kFrame)].maximum = kFrameHighest;
  ranges_[Index(OcRow::kDisplay)].minimum = 0;
  ranges_[Index(OcRow::kDisplay)].maximum = 20000;
  for (OcRow row : kOcRows) Place(row, settings[row].value);
}

int OcSliders::Clamp(OcRow row, int value) const {
  return ClampSliderValue(ranges_[Index(row)], value);
}

int OcSliders::Place(OcRow row, int value) {
  positions_[Index(row)] = Clamp(row, value);
  return positions_[Index(row)];
}
