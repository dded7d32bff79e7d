#include "settings/Transparency.h"

int AlphaForPercent(int percent) {
  return percent * 255 / 100;
}

std::optional<int> OpacityPercentForLevel(int on, int level) {
  if (on == 0 || level < 0 || level > 9) return std::nullopt;
  return level * 10 + 10;
}
