// Window translucency rules shared by every window.
#pragma once

#include <optional>

// The layered window's constant alpha for an opacity in percent (integer arithmetic).
int AlphaForPercent(int percent);

// The opacity in percent a window opens with for the stored "on" flag and level: level × 10 + 10
// when on and the level is 0..9. Anything else — off, 10 or more, or a negative level from a
// hand-edited file — leaves the window opaque (no value).
std::optional<int> OpacityPercentForLevel(int on, int level);
