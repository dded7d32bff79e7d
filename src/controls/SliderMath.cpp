#include "controls/SliderMath.h"

#include <cmath>
#include <limits>

namespace {
// Truncation toward zero of a double into an int, held to the int range.
int TruncateToInt(double value) {
  if (std::isnan(value)) return 0;
  const double t = std::trunc(value);
  if (t >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (t <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(t);
}
}  // namespace

int ClampSliderValue(const SliderRange& range, int value) {
  if (value > range.maximum) value = range.maximum;
  if (value < range.minimum) value = range.minimum;
  return value;
}

int SliderValueToPixel(const SliderRange& range, int width, int position) {
  const double span = double(range.maximum) - double(range.minimum);
  if (span == 0.0) return 0;
  return TruncateToInt(double(width) * (double(position) - double(range.minimum)) / span);
}

int SliderPixelToValue(const SliderRange& range, int width, int x) {
  const double span = double(range.maximum) - double(range.minimum);
  if (span == 0.0 || width == 0) return range.minimum;
  return TruncateToInt(double(range.minimum) + double(x) / double(width) * span);
}

std::optional<int> SliderDragTo(const SliderRange& range, int width, int position, int x) {
  if (x < 0) x = 0;
  if (x > width) x = width;
  if (x == SliderValueToPixel(range, width, position)) return std::nullopt;
  return ClampSliderValue(range, SliderPixelToValue(range, width, x));
}

int SliderAfterKey(const SliderRange& range, int position, SliderKey key) {
  // Wide arithmetic, so a step past either end of the int range cannot overflow.
  long long next = position;
  switch (key) {
    case SliderKey::kPageUp:
      next -= range.page;
      break;
    case SliderKey::kPageDown:
      next += range.page;
      break;
    case SliderKey::kEnd:
      next = range.maximum;
      break;
    case SliderKey::kHome:
      next = range.minimum;
      break;
    case SliderKey::kLeft:
    case SliderKey::kUp:
      next -= 1;
      break;
    case SliderKey::kRight:
    case SliderKey::kDown:
      next += 1;
      break;
  }
  if (next > range.maximum) next = range.maximum;
  if (next < range.minimum) next = range.minimum;
  return int(next);
}
