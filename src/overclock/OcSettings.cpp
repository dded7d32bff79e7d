#include "overclock/OcSettings.h"

OcSettings OcSettings::Initial() {
  OcSettings s;
  s[OcRow::kCore] = {0, 100, 0, 0, 0};
  s[OcRow::kOverVolt] = {0, 100, 0, 0, 0};
  s[OcRow::kMem] = {0, 100, 0, 0, 0};
  s[OcRow::kFrame] = {kFrameLowest, kFrameHighest, kFrameLowest, 0, kFrameLowest};
  s[OcRow::kPower] = {0, 100, 0, 0, 0};
  s[OcRow::kTemp] = {0, 150, 0, 0, 0};
  s[OcRow::kFan] = {0, 100, 0, 0, 0};
  s[OcRow::kDisplay] = {0, 20000, 0, 0, 0};
  return s;
}
