// Where the lighting panel puts things, by lighting path: its picture, the colour wheel painted
// in it, and the pixel rectangles of its controls. A press on the wheel picks a colour only
// inside the wheel's rectangle, within its radius, and while the lights are on.
#pragma once

#include <cstdint>
#include <vector>

struct LedRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct LedPlacement {
  int id = 0;
  LedRect rect;
};

// The wheel's bounding rectangle (right and bottom exclusive) and its centre.
struct LedWheel {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int centreX = 0;
  int centreY = 0;
};

constexpr int kLedPanelWidth = 627;
constexpr int kLedPanelHeight = 461;
constexpr int kLedWheelRadius = 105;

struct LedPanelLayout {
  int backgroundId = 0;   // 0: no picture
  bool hasWheel = false;  // false: no press picks a colour
  LedWheel wheel;
  bool modeLooks = false;        // the mode buttons show which mode is chosen
  bool hideModeButtons = false;  // the path has no modes: the five buttons are hidden
  std::vector<LedPlacement> placements;
};

// The layout for `kind` (one of LedKindValue); an unknown kind places only Def.
LedPanelLayout LedLayoutFor(int32_t kind);

// A press at client point (x, y) that picks a colour from the wheel.
bool IsWheelPick(const LedPanelLayout& layout, int x, int y, bool lightsOn);
// The same distance rule alone: the offset from the centre, its length truncated to whole
// pixels, is at most the radius.
bool IsWithinWheelRadius(int dx, int dy);
