#include "lighting/LedPanelLayout.h"

#include "lighting/LedController.h"
#include "resource.h"

namespace {

constexpr LedRect kClose{595, 15, 18, 16};
constexpr LedRect kDef{100, 410, 64, 22};
constexpr int kCommandY = 410;
constexpr int kCommandWidth = 64;
constexpr int kCommandHeight = 22;
constexpr int kModeX = 50;
constexpr int kModeWidth = 24;
constexpr int kModeHeight = 20;
constexpr int kReadoutY[3] = {165, 195, 225};
constexpr int kReadoutWidth = 64;
constexpr int kReadoutHeight = 22;
constexpr int kEntryY = 348;
constexpr int kEntryWidth = 42;
constexpr int kEntryHeight = 25;

struct PathGeometry {
  int backgroundId;
  int wheelLeft;
  int wheelTop;
  int readoutX;
  int entryX[3];
  bool modes;
};

constexpr PathGeometry kBoardPath{IDB_LED_BACKGROUND, 320, 102, 550, {315, 439, 555}, true};
constexpr PathGeometry kIllumPath{IDB_LED_ILLUM_BACKGROUND, 180, 98, 420, {200, 345, 460}, false};

LedPanelLayout Build(const PathGeometry& path) {
  LedPanelLayout layout;
  layout.backgroundId = path.backgroundId;
  layout.hasWheel = true;
  const int side = 2 * kLedWheelRadius;
  layout.wheel = LedWheel{path.wheelLeft,
                          path.wheelTop,
                          path.wheelLeft + side,
                          path.wheelTop + side,
                          path.wheelLeft + kLedWheelRadius,
                          path.wheelTop + kLedWheelRadius};
  layout.modeLooks = path.modes;
  layout.hideModeButtons = !path.modes;
  auto& p = layout.placements;
  p.push_back({IDC_LED_CLOSE, kClose});
  // The mode buttons keep their places on every path; the illumination path hides them.
  const int modeIds[5] = {IDC_LED_STATIC, IDC_LED_STROBE, IDC_LED_BREATH, IDC_LED_CYCLE,
                          IDC_LED_WAVE};
  const int modeY[5] = {85, 152, 217, 283, 348};
  for (int i = 0; i < 5; ++i) {
    p.push_back({modeIds[i], LedRect{kModeX, modeY[i], kModeWidth, kModeHeight}});
  }
  p.push_back({IDC_LED_DEF, kDef});
  const int commandIds[4] = {IDC_LED_OK, IDC_LED_CANCEL, IDC_LED_ON, IDC_LED_OFF};
  for (int i = 0; i < 4; ++i) {
    p.push_back({commandIds[i], LedRect{180 + 80 * i, kCommandY, kCommandWidth, kCommandHeight}});
  }
  const int readoutIds[3] = {IDC_LED_READ_RED, IDC_LED_READ_GREEN, IDC_LED_READ_BLUE};
  const int entryIds[3] = {IDC_LED_ENTRY_RED, IDC_LED_ENTRY_GREEN, IDC_LED_ENTRY_BLUE};
  for (int i = 0; i < 3; ++i) {
    p.push_back(
        {readoutIds[i], LedRect{path.readoutX, kReadoutY[i], kReadoutWidth, kReadoutHeight}});
  }
  for (int i = 0; i < 3; ++i) {
    p.push_back({entryIds[i], LedRect{path.entryX[i], kEntryY, kEntryWidth, kEntryHeight}});
  }
  return layout;
}

}  // namespace

LedPanelLayout LedLayoutFor(int32_t kind) {
  switch (kind) {
    case kLedI2cFrames:
    case kLedI2cBlocks:
      return Build(kBoardPath);
    case kLedNvIllum:
      return Build(kIllumPath);
    default: {
      LedPanelLayout layout;
      layout.placements.push_back({IDC_LED_DEF, kDef});
      return layout;
    }
  }
}

bool IsWithinWheelRadius(int dx, int dy) {
  // floor(sqrt(d²)) <= r exactly when d² < (r + 1)², in whole numbers.
  const int64_t squared = int64_t{dx} * dx + int64_t{dy} * dy;
  const int64_t limit = int64_t{kLedWheelRadius + 1} * (kLedWheelRadius + 1);
  return squared < limit;
}

bool IsWheelPick(const LedPanelLayout& layout, int x, int y, bool lightsOn) {
  if (!layout.hasWheel || !lightsOn) return false;
  const LedWheel& w = layout.wheel;
  if (x < w.left || x >= w.right || y < w.top || y >= w.bottom) return false;
  return IsWithinWheelRadius(x - w.centreX, y - w.centreY);
}
