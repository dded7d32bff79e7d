// The lighting panel's decisions against the simulated boards: the layouts, the starting looks,
// the buttons and their guards on each path, the colour wheel, the entry fields and the keys.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "TraceQueries.h"
#include "lighting/LedByteEntry.h"
#include "lighting/LedPanel.h"
#include "resource.h"

namespace {

using sim::LedControllerKind;

// What the panel showed, and a picture whose every pixel is given by a function.
class FakeView : public LedPanelView {
 public:
  void ShowPowerLook(bool on) override { powerLooks.push_back(on); }
  void ShowModeLook(int checkedId) override { modeLooks.push_back(checkedId); }
  void ShowReadout(int channel, uint8_t value) override { readouts[channel] = value; }
  void ShowEntry(int channel, uint8_t value) override { entries[channel] = std::to_wstring(value); }
  std::wstring EntryText(int channel) override { return entries[channel]; }
  void FocusEntry(int channel) override { focused.push_back(channel); }
  uint32_t PanelPixel(int x, int y) override { return pixel(x, y); }

  std::vector<bool> powerLooks;
  std::vector<int> modeLooks;
  std::map<int, int> readouts;
  std::wstring entries[3];
  std::vector<int> focused;
  uint32_t (*pixel)(int, int) = [](int x, int y) -> uint32_t {
    return 0x010000u * static_cast<uint32_t>(x & 0xFF) + 0x0100u * static_cast<uint32_t>(y & 0xFF) +
           0x40u;
  };
};

class CountingSink : public MessageSink {
 public:
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    return kOk;
  }
  std::vector<std::wstring> shown;
};

void NoWait(int) {}

sim::GpuModel FramesBoard() {
  sim::GpuModel gpu = Board(0x1E81);
  gpu.lighting.controller = {LedControllerKind::kFrames, 1, kLedBreath, 0, 255, 0, 0};
  return gpu;
}

sim::GpuModel BlocksBoard(uint8_t effect, uint8_t subCode) {
  sim::GpuModel gpu = Board(0x2484);
  gpu.lighting.controller = {LedControllerKind::kBlocks, 1, effect, subCode, 0, 200, 40};
  return gpu;
}

sim::GpuModel CycleBlocksBoard() {
  return BlocksBoard(1, 7);
}

sim::GpuModel IllumBoard() {
  sim::GpuModel gpu = Board(0x2206);
  gpu.lighting.illumDevices = 1;
  sim::IllumZoneModel rgbw;
  rgbw.blue = 255;
  gpu.lighting.zones = {rgbw};
  return gpu;
}

sim::GpuModel NoLights() {
  return Board(0x2882);
}

// A panel started on a simulated board, as the main window and the window leave it.
struct Panel {
  explicit Panel(sim::GpuModel gpu) : driver(ScenarioOf({std::move(gpu)})) {
    const LedStartup startup = StartLighting(driver.table, &NoWait);
    panel.HandOver(&driver.table, startup.kind, startup);
    panel.Start(view, prompts);
    driver.simulator().ClearTrace();
  }
  const sim::LedControllerModel& Controller() {
    return driver.driver.simulator.state().lighting.controllers.at(0).settings;
  }
  size_t Sent() {
    return driver.simulator().CountCalls(kIdI2cWrite) +
           driver.simulator().CountCalls(kIdGpuClientIllumZonesSetControl);
  }
  // A press on the wheel `dx`, `dy` from its centre.
  bool PressWheel(int dx, int dy) {
    const LedWheel& w = panel.layout().wheel;
    return panel.Press(w.centreX + dx, w.centreY + dy);
  }

  EnumeratedDriver driver;
  FakeView view;
  CountingSink prompts;
  LedPanel panel;
};

// --- layout ------------------------------------------------------------------------------------

struct LayoutCase {
  int32_t kind;
  int picture;
  LedWheel wheel;
  int readoutX;
  int redEntryX;
  bool modeLooks;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << "kind " << c.kind;
}

class LedLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(LedLayout, PlacesPictureWheelAndControlsByPath) {
  const LayoutCase& c = GetParam();
  const LedPanelLayout layout = LedLayoutFor(c.kind);
  EXPECT_EQ(layout.backgroundId, c.picture);
  ASSERT_TRUE(layout.hasWheel);
  EXPECT_EQ(layout.wheel.left, c.wheel.left);
  EXPECT_EQ(layout.wheel.top, c.wheel.top);
  EXPECT_EQ(layout.wheel.right, c.wheel.right);
  EXPECT_EQ(layout.wheel.bottom, c.wheel.bottom);
  EXPECT_EQ(layout.wheel.centreX, c.wheel.centreX);
  EXPECT_EQ(layout.wheel.centreY, c.wheel.centreY);
  EXPECT_EQ(layout.modeLooks, c.modeLooks);
  EXPECT_EQ(layout.hideModeButtons, !c.modeLooks);

  std::map<int, LedRect> at;
  for (const LedPlacement& p : layout.placements) at[p.id] = p.rect;
  struct Expected {
    int id, x, y, w, h;
  };
  const Expected fixed[] = {
      {IDC_LED_CLOSE, 595, 15, 18, 16},
      {IDC_LED_STATIC, 50, 85, 24, 20},
      {IDC_LED_STROBE, 50, 152, 24, 20},
      {IDC_LED_BREATH, 50, 217, 24, 20},
      {IDC_LED_CYCLE, 50, 283, 24, 20},
      {IDC_LED_WAVE, 50, 348, 24, 20},
      {IDC_LED_DEF, 100, 410, 64, 22},
      {IDC_LED_OK, 180, 410, 64, 22},
      {IDC_LED_CANCEL, 260, 410, 64, 22},
      {IDC_LED_ON, 340, 410, 64, 22},
      {IDC_LED_OFF, 420, 410, 64, 22},
      {IDC_LED_READ_RED, c.readoutX, 165, 64, 22},
      {IDC_LED_READ_BLUE, c.readoutX, 225, 64, 22},
      {IDC_LED_ENTRY_RED, c.redEntryX, 348, 42, 25},
  };
  for (const Expected& e : fixed) {
    ASSERT_EQ(at.count(e.id), 1u) << e.id;
    EXPECT_EQ(at[e.id].x, e.x) << e.id;
    EXPECT_EQ(at[e.id].y, e.y) << e.id;
    EXPECT_EQ(at[e.id].width, e.w) << e.id;
    EXPECT_EQ(at[e.id].height, e.h) << e.id;
  }
  EXPECT_EQ(layout.placements.size(), 17u);
}

INSTANTIATE_TEST_SUITE_P(
    ByPath, LedLayout,
    testing::Values(
        LayoutCase{
            kLedI2cFrames, IDB_LED_BACKGROUND, {320, 102, 530, 312, 425, 207}, 550, 315, true},
        LayoutCase{
            kLedI2cBlocks, IDB_LED_BACKGROUND, {320, 102, 530, 312, 425, 207}, 550, 315, true},
        LayoutCase{kLedNvIllum,
                   IDB_LED_ILLUM_BACKGROUND,
                   {180, 98, 390, 308, 285, 203},
                   420,
                   200,
                   false}));

TEST(LedLayout, AnUnknownPathPlacesOnlyDefAndHasNoWheel) {
  const LedPanelLayout layout = LedLayoutFor(7);
  EXPECT_EQ(layout.backgroundId, 0);
  EXPECT_FALSE(layout.hasWheel);
  EXPECT_FALSE(layout.modeLooks);
  EXPECT_FALSE(layout.hideModeButtons);
  ASSERT_EQ(layout.placements.size(), 1u);
  EXPECT_EQ(layout.placements[0].id, IDC_LED_DEF);
  EXPECT_FALSE(IsWheelPick(layout, 425, 207, true));
}

// --- the wheel rule ----------------------------------------------------------------------------

struct WheelCase {
  int dx;
  int dy;
  bool pick;
};

void PrintTo(const WheelCase& c, std::ostream* os) {
  *os << c.dx << "," << c.dy;
}

class LedWheelRule : public testing::TestWithParam<WheelCase> {};

TEST_P(LedWheelRule, PicksWithinTheTruncatedRadiusInsideTheRectangle) {
  const WheelCase& c = GetParam();
  for (int32_t kind : {kLedI2cFrames, kLedNvIllum}) {
    const LedPanelLayout layout = LedLayoutFor(kind);
    const LedWheel& w = layout.wheel;
    EXPECT_EQ(IsWheelPick(layout, w.centreX + c.dx, w.centreY + c.dy, true), c.pick)
        << c.dx << "," << c.dy;
    // With the lights off nothing is a pick.
    EXPECT_FALSE(IsWheelPick(layout, w.centreX + c.dx, w.centreY + c.dy, false));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LedWheelRule,
                         testing::Values(WheelCase{0, 0, true},
                                         WheelCase{104, 15, true},   // 105.08 truncates to 105
                                         WheelCase{104, 22, false},  // 106.3
                                         WheelCase{-105, 0, true},   // left edge of the rectangle
                                         WheelCase{0, -105, true},   // its top edge
                                         WheelCase{105, 0, false},   // right edge is outside
                                         WheelCase{-105, -105, false},  // a corner
                                         WheelCase{104, 104, false},    // the far corner
                                         WheelCase{-74, -74, true},     // 104.65
                                         WheelCase{-75, -75, false}));  // 106.07

// --- start and buttons -------------------------------------------------------------------------

TEST(LedPanelStart, ShowsTheStateReadOnEachPath) {
  Panel frames(FramesBoard());
  EXPECT_EQ(frames.view.powerLooks, std::vector<bool>{true});
  EXPECT_EQ(frames.view.modeLooks, std::vector<int>{IDC_LED_BREATH});
  EXPECT_EQ(frames.view.readouts, (std::map<int, int>{{0, 255}, {1, 0}, {2, 0}}));
  for (const std::wstring& entry : frames.view.entries) EXPECT_EQ(entry, L"0");

  // The illumination path has no modes and keeps onByte 0: the off look, lights on all the same.
  Panel illum(IllumBoard());
  EXPECT_EQ(illum.view.powerLooks, std::vector<bool>{false});
  EXPECT_TRUE(illum.view.modeLooks.empty());
  EXPECT_EQ(illum.view.readouts, (std::map<int, int>{{0, 0}, {1, 0}, {2, 255}}));
  EXPECT_TRUE(illum.panel.state().lightsOn);
  EXPECT_EQ(illum.panel.zoneCount(), 1u);

  // Nothing answered: an all-zero colour is not shown.
  Panel none(NoLights());
  EXPECT_FALSE(none.panel.state().known);
  EXPECT_TRUE(none.view.readouts.empty());
  EXPECT_EQ(none.view.powerLooks, std::vector<bool>{false});
}

struct ReadingCase {
  uint8_t code;
  uint8_t subCode;
  int checkedButton;  // 0: none
  uint8_t sentCode;
  uint8_t sentSub;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
  *os << "effect " << int(c.code) << " sub " << int(c.subCode);
}

class LedReadingTable : public testing::TestWithParam<ReadingCase> {};

TEST_P(LedReadingTable, ChecksTheButtonOfTheModeReadAndOkWritesItBack) {
  const ReadingCase& c = GetParam();
  Panel f(BlocksBoard(c.code, c.subCode));
  EXPECT_EQ(f.view.modeLooks, std::vector<int>{c.checkedButton});
  EXPECT_FALSE(f.panel.Command(IDC_LED_OK));
  EXPECT_EQ(f.Controller().effect, c.sentCode);
  EXPECT_EQ(f.Controller().subCode, c.sentSub);
  EXPECT_EQ(f.Controller().green, 200);
}

INSTANTIATE_TEST_SUITE_P(BlockEffects, LedReadingTable,
                         testing::Values(ReadingCase{1, 3, IDC_LED_STROBE, 3, 0},
                                         ReadingCase{1, 0, IDC_LED_BREATH, 1, 0},
                                         ReadingCase{2, 0, IDC_LED_WAVE, 2, 0},
                                         ReadingCase{4, 0, IDC_LED_CYCLE, 1, 7},
                                         ReadingCase{5, 0, 0, 0, 0}, ReadingCase{9, 2, 0, 0, 0}));

TEST(LedPanelButtons, ModeButtonsSelectAndOnlyOkSends) {
  Panel f(FramesBoard());
  const int modes[][2] = {{IDC_LED_STATIC, kLedStatic},
                          {IDC_LED_STROBE, kLedStrobe},
                          {IDC_LED_WAVE, kLedWave},
                          {IDC_LED_BREATH, kLedBreath},
                          {IDC_LED_CYCLE, kLedCycle}};
  for (const auto& m : modes) {
    EXPECT_FALSE(f.panel.Command(m[0]));
    EXPECT_EQ(f.panel.state().mode, m[1]);
    EXPECT_EQ(f.view.modeLooks.back(), m[0]);
  }
  EXPECT_EQ(f.Sent(), 0u);  // closing now would send nothing
  EXPECT_TRUE(f.panel.Command(IDC_LED_CANCEL));
  EXPECT_EQ(f.Sent(), 0u);
  EXPECT_EQ(f.Controller().effect, kLedBreath);

  f.panel.Command(IDC_LED_OK);
  EXPECT_EQ(f.Controller().effect, kLedCycle);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("data=A0 00 04 FF 00 00 00 04"),
            std::string::npos);
}

// After OFF the mode buttons, Ok, Def and the wheel do nothing until On.
TEST(LedPanelButtons, OffGatesModesOkDefaultsAndTheWheel) {
  Panel f(FramesBoard());
  f.panel.Command(IDC_LED_OFF);
  EXPECT_EQ(f.view.powerLooks.back(), false);
  EXPECT_EQ(f.Controller().on, 0);
  const size_t looks = f.view.modeLooks.size();
  f.panel.Command(IDC_LED_STATIC);
  f.panel.Command(IDC_LED_OK);
  f.panel.Command(IDC_LED_DEF);
  EXPECT_FALSE(f.PressWheel(10, 10));
  EXPECT_EQ(f.view.modeLooks.size(), looks);
  EXPECT_EQ(f.panel.state().mode, kLedBreath);
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);
  EXPECT_EQ(f.Sent(), 1u);  // the power frame only

  f.panel.Command(IDC_LED_ON);
  EXPECT_EQ(f.view.powerLooks.back(), true);
  EXPECT_EQ(f.Controller().on, 1);
  f.panel.Command(IDC_LED_DEF);  // Cycle, shown at once
  EXPECT_EQ(f.view.modeLooks.back(), IDC_LED_CYCLE);
  EXPECT_EQ(f.Controller().effect, kLedCycle);
  EXPECT_TRUE(f.PressWheel(10, 10));
}

TEST(LedPanelButtons, IllumOnAndOffSendNothingButGateTheColour) {
  Panel f(IllumBoard());
  f.panel.Command(IDC_LED_ON);
  f.panel.Command(IDC_LED_OFF);
  EXPECT_EQ(f.view.powerLooks, (std::vector<bool>{false, true, false}));
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  EXPECT_FALSE(f.PressWheel(0, 0));
  f.panel.Command(IDC_LED_OK);
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  EXPECT_EQ(f.panel.state().onByte, 0);

  // Def needs no lights on this path; it does not touch the mode looks.
  f.panel.Command(IDC_LED_DEF);
  EXPECT_EQ(f.driver.simulator().CountCalls(kIdGpuClientIllumZonesSetControl), 1u);
  EXPECT_TRUE(f.view.modeLooks.empty());
}

TEST(LedPanelButtons, WithoutAnyLightingPathNothingIsSent) {
  Panel f(NoLights());
  for (int id : {IDC_LED_ON, IDC_LED_OFF, IDC_LED_STATIC, IDC_LED_OK, IDC_LED_DEF}) {
    EXPECT_FALSE(f.panel.Command(id));
  }
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  EXPECT_EQ(f.view.powerLooks.size(), 1u);  // only the starting look
  EXPECT_TRUE(f.view.modeLooks.size() == 1u);
}

// --- the wheel ----------------------------------------------------------------------------------

// On every path: a press on the wheel takes the panel's pixel, and Ok leaves it in the board.
struct PickCase {
  const char* name;
  sim::GpuModel (*board)();
};

void PrintTo(const PickCase& c, std::ostream* os) {
  *os << c.name;
}

class LedWheelPick : public testing::TestWithParam<PickCase> {};

TEST_P(LedWheelPick, APressTakesThePixelAndOkSendsIt) {
  Panel f(GetParam().board());
  const LedWheel& w = f.panel.layout().wheel;
  EXPECT_TRUE(f.PressWheel(-30, 20));
  const uint8_t red = static_cast<uint8_t>(w.centreX - 30);
  const uint8_t green = static_cast<uint8_t>(w.centreY + 20);
  EXPECT_EQ(f.view.readouts, (std::map<int, int>{{0, red}, {1, green}, {2, 0x40}}));
  for (const std::wstring& entry : f.view.entries) EXPECT_EQ(entry, L"0");  // not changed
  EXPECT_EQ(f.Sent(), 0u);
  f.panel.Command(IDC_LED_OK);
  EXPECT_EQ(f.Sent(), 1u);
  if (f.panel.kind() == kLedNvIllum) {
    const sim::IllumZoneModel& zone = f.driver.driver.simulator.state().lighting.zones.at(0)[0];
    EXPECT_EQ(zone.red, red);
    EXPECT_EQ(zone.green, green);
    EXPECT_EQ(zone.blue, 0x40);
  } else {
    EXPECT_EQ(f.Controller().red, red);
    EXPECT_EQ(f.Controller().green, green);
    EXPECT_EQ(f.Controller().blue, 0x40);
  }
}

INSTANTIATE_TEST_SUITE_P(Paths, LedWheelPick,
                         testing::Values(PickCase{"Frames", &FramesBoard},
                                         PickCase{"Blocks", &CycleBlocksBoard},
                                         PickCase{"Illum", &IllumBoard}),
                         [](const testing::TestParamInfo<PickCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(LedWheel, BlackOrOutsideChangesNothingAndDragFollowsOnlyAPick) {
  Panel f(FramesBoard());
  f.view.pixel = [](int, int) -> uint32_t { return 0; };
  EXPECT_FALSE(f.PressWheel(0, 0));
  EXPECT_FALSE(f.PressWheel(104, 22));
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);
  // No pick yet: moving with the mouse held takes nothing.
  f.view.pixel = [](int, int) -> uint32_t { return 0x102030; };
  f.panel.Drag(425, 207, true);
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);

  EXPECT_TRUE(f.PressWheel(0, 0));
  EXPECT_EQ(f.panel.state().pendingColour.green, 0x20);
  f.view.pixel = [](int, int) -> uint32_t { return 0x405060; };
  f.panel.Drag(500, 500, true);   // outside the wheel
  f.panel.Drag(430, 210, false);  // the window no longer holds the mouse
  EXPECT_EQ(f.panel.state().pendingColour.green, 0x20);
  f.panel.Drag(430, 210, true);
  EXPECT_EQ(f.panel.state().pendingColour.green, 0x50);
  EXPECT_TRUE(f.panel.Release(true));
  EXPECT_FALSE(f.panel.Release(false));
  EXPECT_EQ(f.Sent(), 0u);
}

// --- entry fields -------------------------------------------------------------------------------

TEST(LedByteEntry, TakesOnlyWholeNumbersUpTo255) {
  struct Case {
    const wchar_t* text;
    int value;  // -1: refused
  };
  const Case cases[] = {{L"0", 0},
                        {L"255", 255},
                        {L" 17 ", 17},
                        {L"007", 7},
                        {L"256", -1},
                        {L"300", -1},
                        {L"", -1},
                        {L"  ", -1},
                        {L"-1", -1},
                        {L"+1", -1},
                        {L"1a", -1},
                        {L"1.5", -1},
                        {L"1 2", -1},
                        {L"99999999999999999999", -1},
                        {L"0000000000000000000012", 12}};
  for (const Case& c : cases) {
    const std::optional<uint8_t> parsed = ParseLedByte(c.text);
    if (c.value < 0) {
      EXPECT_FALSE(parsed.has_value()) << "'" << testing::PrintToString(std::wstring(c.text));
    } else {
      ASSERT_TRUE(parsed.has_value()) << testing::PrintToString(std::wstring(c.text));
      EXPECT_EQ(*parsed, c.value);
    }
  }
}

TEST(LedEntryCommit, AValidFieldBecomesItsChannelAndAnInvalidOnePrompts) {
  Panel f(FramesBoard());
  f.view.entries[1] = L"12";
  f.panel.CommitEntry(IDC_LED_ENTRY_GREEN);
  EXPECT_EQ(f.panel.state().pendingColour.green, 12);
  EXPECT_EQ(f.view.readouts[1], 12);
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);  // only the field that was left
  EXPECT_TRUE(f.prompts.shown.empty());

  // 300 in red: the range prompt, the focus back to red, the readout unchanged.
  f.view.entries[0] = L"300";
  f.panel.CommitEntry(IDC_LED_ENTRY_RED);
  ASSERT_EQ(f.prompts.shown.size(), 1u);
  EXPECT_EQ(f.prompts.shown[0], kLedByteRangePrompt);
  EXPECT_EQ(f.view.focused, std::vector<int>{0});
  EXPECT_EQ(f.view.readouts[0], 255);
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);

  // While red is invalid, leaving blue takes nothing either, and Close keeps the panel open.
  f.view.entries[2] = L"5";
  f.panel.CommitEntry(IDC_LED_ENTRY_BLUE);
  EXPECT_EQ(f.panel.state().pendingColour.blue, 0);
  EXPECT_FALSE(f.panel.Command(IDC_LED_CLOSE));
  EXPECT_EQ(f.prompts.shown.size(), 3u);

  f.view.entries[0] = L"40";
  EXPECT_TRUE(f.panel.Command(IDC_LED_CLOSE));
  EXPECT_EQ(f.panel.state().pendingColour.red, 255);  // Close validates, it commits nothing
  f.panel.CommitEntry(IDC_LED_ENTRY_BLUE);
  EXPECT_EQ(f.panel.state().pendingColour.blue, 5);
  EXPECT_EQ(f.Sent(), 0u);
  f.panel.Command(IDC_LED_OK);
  EXPECT_EQ(f.Controller().blue, 5);
  EXPECT_EQ(f.Controller().green, 12);
}

// The prompt itself moves the focus; a field's commit set off meanwhile must not prompt again.
TEST(LedEntryCommit, APromptDoesNotPromptAgainWhileItIsShown) {
  struct Reentering : MessageSink {
    LedPanel* panel = nullptr;
    int shown = 0;
    int ShowMessage(const std::wstring&) override {
      ++shown;
      panel->CommitEntry(IDC_LED_ENTRY_GREEN);
      panel->CommitEntry(IDC_LED_ENTRY_RED);
      return kOk;
    }
  };
  EnumeratedDriver driver(ScenarioOf({FramesBoard()}));
  const LedStartup startup = StartLighting(driver.table, &NoWait);
  LedPanel panel;
  panel.HandOver(&driver.table, startup.kind, startup);
  FakeView view;
  Reentering sink;
  sink.panel = &panel;
  panel.Start(view, sink);
  view.entries[0] = L"x";
  panel.CommitEntry(IDC_LED_ENTRY_RED);
  EXPECT_EQ(sink.shown, 1);
}

TEST(LedKeys, EnterCommitsAFieldAndNoKeyClosesThePanel) {
  struct Case {
    bool down;
    unsigned key;
    bool inField;
    LedKeyAction action;
  };
  const Case cases[] = {
      {true, kLedKeyEnter, true, LedKeyAction::kCommitEntry},
      {true, kLedKeyEnter, false, LedKeyAction::kSwallow},
      {true, kLedKeyEscape, true, LedKeyAction::kSwallow},
      {true, kLedKeyEscape, false, LedKeyAction::kSwallow},
      {true, '7', true, LedKeyAction::kPass},
      {true, 0x09, false, LedKeyAction::kPass},  // Tab moves between controls as usual
      {false, kLedKeyEnter, true, LedKeyAction::kPass},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LedKeyActionFor(c.down, c.key, c.inField), c.action) << c.key << " " << c.inField;
  }
}

}  // namespace
