// The bitmap slider's mapping between values and pixels, dragging and its navigation keys.
#include <gtest/gtest.h>

#include <climits>

#include "controls/SliderMath.h"

TEST(SliderMapping, PixelToValueAndBack) {
  struct Case {
    SliderRange range;
    int width;
    int pixel;
    int value;  // PixelToValue(pixel)
  };
  const Case cases[] = {
      {{-200, 200, 20}, 201, 0, -200},  {{-200, 200, 20}, 201, 1, -198},  // -198.01 toward zero
      {{-200, 200, 20}, 201, 200, 198}, {{-200, 200, 20}, 201, 201, 200},
      {{-200, 200, 20}, 201, 100, 0},  // -0.995 toward zero
      {{0, 100, 20}, 320, 160, 50},     {{0, 100, 20}, 320, 319, 99},
      {{40, 255, 20}, 320, 0, 40},      {{0, 20000, 20}, 320, 1, 62},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SliderPixelToValue(c.range, c.width, c.pixel), c.value)
        << c.range.minimum << ".." << c.range.maximum << " pixel " << c.pixel;
  }
  const SliderRange wide{-200, 200, 20};
  EXPECT_EQ(SliderValueToPixel(wide, 201, -200), 0);
  EXPECT_EQ(SliderValueToPixel(wide, 201, 0), 100);  // 100.5 toward zero
  EXPECT_EQ(SliderValueToPixel(wide, 201, 200), 201);
  EXPECT_EQ(SliderValueToPixel(wide, 201, -199), 0);  // 0.5025
}

TEST(SliderMapping, RangeWithoutWidthMapsEverythingToTheMinimum) {
  // A failed card reading leaves a setting at 0..0; the slider must still paint and drag.
  const SliderRange flat{0, 0, 20};
  for (int x : {0, 1, 160, 320}) EXPECT_EQ(SliderPixelToValue(flat, 320, x), 0) << x;
  EXPECT_EQ(SliderValueToPixel(flat, 320, 0), 0);
  EXPECT_EQ(SliderValueToPixel(flat, 320, 55), 0);
  const SliderRange raised{7, 7, 20};
  EXPECT_EQ(SliderPixelToValue(raised, 320, 300), 7);
  // Every pixel but 0 differs from the position's pixel; dragging there posts the minimum.
  EXPECT_EQ(SliderDragTo(raised, 320, 7, 300), std::optional<int>(7));
  EXPECT_EQ(SliderDragTo(raised, 320, 7, 0), std::nullopt);
  // A control without width (no pictures yet) maps to the minimum too.
  EXPECT_EQ(SliderPixelToValue({-5, 5, 20}, 0, 3), -5);
}

TEST(SliderMapping, ExtremeRangesDoNotOverflow) {
  const SliderRange all{INT_MIN, INT_MAX, 20};
  EXPECT_EQ(SliderPixelToValue(all, 100, 0), INT_MIN);
  EXPECT_EQ(SliderPixelToValue(all, 100, 100), INT_MAX);
  EXPECT_EQ(SliderValueToPixel(all, 100, INT_MAX), 100);
  EXPECT_EQ(SliderAfterKey(all, INT_MAX, SliderKey::kRight), INT_MAX);
  EXPECT_EQ(SliderAfterKey(all, INT_MIN, SliderKey::kPageUp), INT_MIN);
}

TEST(SliderDrag, FollowsThePointerAndHoldsAtTheEnds) {
  const SliderRange r{0, 100, 20};
  struct Case {
    int position;
    int x;
    std::optional<int> next;
  };
  const Case cases[] = {
      {0, 100, 50},             // a click jumps straight to the pixel
      {50, 100, std::nullopt},  // same pixel: nothing
      {50, -40, 0},             // beyond the left end: the minimum
      {50, 900, 100},           // beyond the right end: the maximum
      {100, 900, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SliderDragTo(r, 200, c.position, c.x), c.next) << c.position << " @" << c.x;
  }
  // A range narrower than the control: a new pixel can map to the same value, and the slider
  // still reports it.
  const SliderRange narrow{0, 10, 20};
  EXPECT_EQ(SliderDragTo(narrow, 200, 5, 101), std::optional<int>(5));
  // A range wider than the control skips values.
  const SliderRange broad{0, 1000, 20};
  EXPECT_EQ(SliderDragTo(broad, 100, 0, 1), std::optional<int>(10));
}

TEST(SliderKeys, StepsAndClamps) {
  const SliderRange r{0, 100, 20};
  struct Case {
    int position;
    SliderKey key;
    int next;
  };
  const Case cases[] = {
      {90, SliderKey::kPageDown, 100}, {50, SliderKey::kPageDown, 70}, {10, SliderKey::kPageUp, 0},
      {50, SliderKey::kPageUp, 30},    {50, SliderKey::kEnd, 100},     {50, SliderKey::kHome, 0},
      {0, SliderKey::kHome, 0},        {50, SliderKey::kLeft, 49},     {50, SliderKey::kUp, 49},
      {50, SliderKey::kRight, 51},     {50, SliderKey::kDown, 51},     {0, SliderKey::kLeft, 0},
      {100, SliderKey::kRight, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SliderAfterKey(r, c.position, c.key), c.next)
        << c.position << " key " << static_cast<int>(c.key);
  }
}

TEST(SliderValue, ClampedIntoTheRange) {
  EXPECT_EQ(ClampSliderValue({-200, 200, 20}, 500), 200);
  EXPECT_EQ(ClampSliderValue({-200, 200, 20}, -500), -200);
  EXPECT_EQ(ClampSliderValue({-200, 200, 20}, 17), 17);
  // A range given upside down ends at its minimum.
  EXPECT_EQ(ClampSliderValue({10, 0, 20}, 5), 10);
}
