// The web link's limits, what it shows and opens, and its pointer-over state.
#include <gtest/gtest.h>

#include <string>

#include "controls/HyperLinkState.h"

TEST(HyperLink, RefusesTextsAndTargetsThatDoNotFit) {
  const struct {
    size_t textLength;
    size_t targetLength;
    bool taken;
  } cases[] = {
      {31, 1023, true},
      {32, 10, false},
      {10, 1024, false},
      {0, 0, true},
  };
  for (const auto& c : cases) {
    HyperLinkState link;
    ASSERT_TRUE(link.SetLink(L"old", L"http://old"));
    EXPECT_EQ(link.SetLink(std::wstring(c.textLength, L't'), std::wstring(c.targetLength, L'u')),
              c.taken)
        << c.textLength << "/" << c.targetLength;
    // A refused link changes nothing.
    EXPECT_EQ(link.text(), c.taken ? std::wstring(c.textLength, L't') : L"old");
    EXPECT_EQ(link.target(), c.taken ? std::wstring(c.targetLength, L'u') : L"http://old");
  }
}

// Without a text or target of its own the link falls back to the control's text, whole.
TEST(HyperLink, ShowsAndOpensItsOwnTextOrTheControls) {
  HyperLinkState link;
  const std::wstring own = L"https://example.invalid/" + std::wstring(40, L'p');
  EXPECT_EQ(link.ShownText(own), own);
  EXPECT_EQ(link.OpenTarget(own), own);
  EXPECT_EQ(link.OpenTarget(L""), L"");  // nothing to open
  ASSERT_TRUE(link.SetLink(L"Web page", L"https://example.invalid/"));
  EXPECT_EQ(link.ShownText(own), L"Web page");
  EXPECT_EQ(link.OpenTarget(own), L"https://example.invalid/");
}

TEST(HyperLink, PointerOverCapturesAndLeavingReleases) {
  HyperLinkState link;
  EXPECT_EQ(link.TextColour(), 0xFFFFFFu);
  EXPECT_EQ(link.MouseMoved(true), HyperLinkState::MoveAction::kCaptureAndRepaint);
  EXPECT_TRUE(link.hovering());
  EXPECT_EQ(link.TextColour(), 0x00ABF6u);
  EXPECT_EQ(link.MouseMoved(true), HyperLinkState::MoveAction::kNothing);
  EXPECT_EQ(link.MouseMoved(false), HyperLinkState::MoveAction::kReleaseAndRepaint);
  EXPECT_FALSE(link.hovering());

  link.MouseMoved(true);
  EXPECT_TRUE(link.CaptureLost());
  EXPECT_FALSE(link.hovering());
  EXPECT_FALSE(link.CaptureLost());

  link.MouseMoved(true);
  link.Clear();
  EXPECT_FALSE(link.hovering());
}

TEST(HyperLink, EdgesCountAsInside) {
  const Rect area{10, 20, 110, 40};
  const struct {
    int x, y;
    bool inside;
  } points[] = {
      {10, 20, true},   {110, 40, true}, {60, 30, true},  {9, 30, false},
      {111, 30, false}, {60, 19, false}, {60, 41, false},
  };
  for (const auto& p : points)
    EXPECT_EQ(InsideWithEdges(area, p.x, p.y), p.inside) << p.x << "," << p.y;
}
