// Rules every window follows: translucency, the executable's directory, the shape cut from a
// picture and the look of an icon button.
#include <gtest/gtest.h>

#include "controls/ButtonLook.h"
#include "controls/ShapeRuns.h"
#include "settings/PathRules.h"
#include "settings/Transparency.h"

TEST(Transparency, AlphaAndStartupOpacity) {
  struct Case {
    int on;
    int level;
    std::optional<int> percent;
    int alpha;  // meaningful when percent is set
  };
  const Case cases[] = {
      {1, 0, 10, 25},           {1, 5, 60, 153},          {1, 9, 100, 255},
      {1, 10, std::nullopt, 0}, {1, 99, std::nullopt, 0}, {1, -1, std::nullopt, 0},
      {0, 5, std::nullopt, 0},
  };
  for (const Case& c : cases) {
    const std::optional<int> percent = OpacityPercentForLevel(c.on, c.level);
    EXPECT_EQ(percent, c.percent) << c.on << "/" << c.level;
    if (percent) {
      EXPECT_EQ(AlphaForPercent(*percent), c.alpha) << c.level;
    }
  }
}

TEST(PathRules, DirectoryAndResourceFolder) {
  EXPECT_EQ(DirectoryOf(L"C:\\Program Files\\Pyrelix\\Pyrelix.exe"), L"C:\\Program Files\\Pyrelix");
  EXPECT_EQ(DirectoryOf(L"Pyrelix.exe"), L"Pyrelix.exe");
  const std::wstring longDir = L"C:\\" + std::wstring(400, L'd');
  EXPECT_EQ(DirectoryOf(longDir + L"\\Pyrelix.exe"), longDir);
  EXPECT_EQ(ResourceDirectoryOf(L"C:\\Pyrelix"), L"C:\\Pyrelix\\Resources\\");
}

namespace {
constexpr uint32_t K = 0x0000FF;  // blue key
constexpr uint32_t W = 0x101214;
}  // namespace

TEST(ShapeRuns, RunsOfNonKeyPixelsPerRow) {
  // Key pixels at both row edges stay outside; a row all in the key colour adds nothing; the
  // top byte of a pixel does not matter.
  const uint32_t pixels[] = {
      K,          W,
      W,          K,
      W,  //
      K,          K,
      K,          K,
      K,  //
      W,          W,
      W,          W,
      W,  //
      0xFF0000FF, W | 0xFF000000,
      K,          W,
      K,
  };
  const std::vector<Rect> runs = ShapeRuns(pixels, 5, 4, 5, K);
  const std::vector<Rect> expected = {
      {1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 5, 3}, {1, 3, 2, 4}, {3, 3, 4, 4},
  };
  EXPECT_EQ(runs, expected);
}

TEST(ShapeRuns, HonoursRowStrideAndRejectsBadInput) {
  const uint32_t pixels[] = {W, K, 0xDEAD, K, W, 0xDEAD};
  EXPECT_EQ(ShapeRuns(pixels, 2, 2, 3, K), (std::vector<Rect>{{0, 0, 1, 1}, {1, 1, 2, 2}}));
  EXPECT_TRUE(ShapeRuns(nullptr, 2, 2, 2, K).empty());
  EXPECT_TRUE(ShapeRuns(pixels, 0, 2, 2, K).empty());
  EXPECT_TRUE(ShapeRuns(pixels, 3, 1, 2, K).empty());  // stride shorter than a row
}

TEST(ButtonLook, StatesOfAnIconButton) {
  struct Case {
    ButtonState state;
    ButtonLook look;
  };
  using B = ButtonBorder;
  using I = ButtonIcon;
  const Case cases[] = {
      {{false, false, false, true}, {B::kNone, I::kNormal, 0, false}},
      {{false, true, false, true}, {B::kRaised, I::kHover, 0, false}},
      {{true, true, false, true}, {B::kSunken, I::kHover, 1, false}},
      {{true, false, false, true}, {B::kSunken, I::kHover, 1, false}},
      {{false, false, false, false}, {B::kNone, I::kHover, 0, false}},  // hover icon stands in
      {{false, false, true, true}, {B::kNone, I::kNormal, 0, true}},
  };
  for (const Case& c : cases) {
    const ButtonLook look = ChooseButtonLook(c.state);
    EXPECT_TRUE(look == c.look) << c.state.pressed << c.state.hovering << c.state.disabled
                                << c.state.hasNormalIcon;
  }
}
