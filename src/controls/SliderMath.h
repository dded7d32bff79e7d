// The bitmap slider's arithmetic: value <-> pixel mapping, dragging and the navigation keys.
#pragma once

#include <optional>

struct SliderRange {
  int minimum = 0;
  int maximum = 100;
  int page = 20;
};

// Position brought into [minimum, maximum]: first lowered to the maximum, then raised to the
// minimum (so a range given upside down ends at the minimum).
int ClampSliderValue(const SliderRange& range, int value);

// Pixel of `position` on a track `width` pixels wide (truncated toward zero). A range whose
// maximum equals its minimum puts every position at pixel 0.
int SliderValueToPixel(const SliderRange& range, int width, int position);

// Value under pixel `x` (truncated toward zero). A range whose maximum equals its minimum maps
// every pixel to the minimum, as does a track without width.
int SliderPixelToValue(const SliderRange& range, int width, int x);

// One step of a press or drag: the pointer at client x `x` on a track `width` wide. The pointer
// is held to [0, width]; when it is on another pixel than the position's, the new (clamped)
// position is returned and the slider reports it as dragging.
std::optional<int> SliderDragTo(const SliderRange& range, int width, int position, int x);

enum class SliderKey { kPageUp, kPageDown, kEnd, kHome, kLeft, kUp, kRight, kDown };

// The clamped position after a navigation key; the slider reports it as committed even when
// it did not change.
int SliderAfterKey(const SliderRange& range, int position, SliderKey key);
