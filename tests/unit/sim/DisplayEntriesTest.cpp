// The simulated displays: connected IDs, timings, custom modes and the display configuration,
// whose records point to each other through 4-byte pointer fields.
#include <gtest/gtest.h>

#include <string>

#include "SimTestSupport.h"
#include "gpu/structs/DisplayStructs.h"
#include "sim/DisplayModel.h"
#include "sim/ScenarioParser.h"

namespace {

using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

constexpr uint32_t kFirst = 0x80061000;
constexpr uint32_t kSecond = 0x80061001;

sim::Scenario TwoDisplays() {
  sim::Scenario scenario = simtest::TwoGpusScenario();
  sim::ConnectedDisplay first;
  first.displayId = kFirst;
  sim::ConnectedDisplay second;
  second.displayId = kSecond;
  second.timing = sim::DisplayTimingModel{2560, 1440, 2720, 1481, 24150};
  scenario.gpus[0].displays = {first};
  scenario.gpus[2].displays = {second};
  return scenario;
}

// One path with its source, target and advanced block behind it, as the program lays them out.
struct OnePath {
  OnePath() {
    path.version = kNvDisplayConfigPathInfoVersion;
    path.targetInfoCount = 1;
    path.targetInfo = EncodeNvPointer(&path, &target);
    path.sourceModeInfo = EncodeNvPointer(&path, &source);
    target.details = EncodeNvPointer(&path, &details);
    details.version = kNvDisplayConfigAdvancedTargetInfoVersion;
  }
  NvDisplayConfigPathInfo path;
  NvDisplayConfigSourceModeInfo source;
  NvDisplayConfigPathTargetInfo target;
  NvDisplayConfigAdvancedTargetInfo details;
};

struct Displays {
  explicit Displays(ActiveDriver& d)
      : ids(d.Get<nvfn::GpuGetConnectedDisplayIds>(kIdGpuGetConnectedDisplayIds)),
        timing(d.Get<nvfn::DispGetTiming>(kIdDispGetTiming)),
        tryMode(d.Get<nvfn::DispTryCustomDisplay>(kIdDispTryCustomDisplay)),
        save(d.Get<nvfn::DispSaveCustomDisplay>(kIdDispSaveCustomDisplay)),
        getConfig(d.Get<nvfn::DispGetDisplayConfig>(kIdDispGetDisplayConfig)),
        setConfig(d.Get<nvfn::DispSetDisplayConfig>(kIdDispSetDisplayConfig)) {}

  NvStatus Timing(uint32_t id, NvTiming& out) {
    NvTimingInput input;
    input.version = kNvTimingInputVersion;
    return timing(id, &input, &out);
  }
  // A custom mode for display id at the given clock with rates as the program computes them.
  NvCustomDisplay Mode(uint32_t id, uint32_t pclk, uint32_t rrx1k) {
    NvCustomDisplay mode;
    mode.version = kNvCustomDisplayVersion;
    EXPECT_EQ(Timing(id, mode.timing), kNvOk);
    mode.width = mode.timing.hVisible;
    mode.height = mode.timing.vVisible;
    mode.timing.pclk = pclk;
    mode.timing.etc.rrx1k = rrx1k;
    mode.timing.etc.rr = static_cast<uint16_t>(rrx1k / 1000);
    return mode;
  }

  nvfn::GpuGetConnectedDisplayIds* ids;
  nvfn::DispGetTiming* timing;
  nvfn::DispTryCustomDisplay* tryMode;
  nvfn::DispSaveCustomDisplay* save;
  nvfn::DispGetDisplayConfig* getConfig;
  nvfn::DispSetDisplayConfig* setConfig;
};

TEST(ConnectedDisplayIds, CountFirstThenTheEntries) {
  ActiveDriver driver(TwoDisplays());
  Displays d(driver);
  uint32_t count = 0;
  ASSERT_EQ(d.ids(PhysicalGpuHandle(2), nullptr, &count, 0), kNvOk);
  EXPECT_EQ(count, 1u);
  NvGpuDisplayIds entries[2];
  for (NvGpuDisplayIds& entry : entries) entry.version = kNvGpuDisplayIdsVersion;
  count = 2;
  ASSERT_EQ(d.ids(PhysicalGpuHandle(2), entries, &count, 0), kNvOk);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(entries[0].displayId, kSecond);
  EXPECT_EQ(entries[1].displayId, 0u);  // beyond the count: untouched

  ASSERT_EQ(d.ids(PhysicalGpuHandle(1), nullptr, &count, 0), kNvOk);  // the TCC board
  EXPECT_EQ(count, 0u);
  entries[0].version = 0x20010;
  count = 1;
  EXPECT_EQ(d.ids(PhysicalGpuHandle(0), entries, &count, 0), kNvIncompatibleStructVersion);
  EXPECT_EQ(d.ids(PhysicalGpuHandle(0), entries, nullptr, 0), kNvInvalidArgument);
  EXPECT_EQ(d.ids(PhysicalGpuHandle(5), nullptr, &count, 0), kNvExpectedPhysicalGpuHandle);
}

TEST(DisplayTiming, AnswersTheCurrentTimingOfAKnownDisplay) {
  ActiveDriver driver(TwoDisplays());
  Displays d(driver);
  NvTiming timing;
  ASSERT_EQ(d.Timing(kSecond, timing), kNvOk);
  EXPECT_EQ(timing.hVisible, 2560);
  EXPECT_EQ(timing.vTotal, 1481);
  EXPECT_EQ(timing.pclk, 24150u);
  EXPECT_EQ(timing.etc.rrx1k, 59950u);  // 241.5 MHz / (2720 x 1481) = 59.9505 Hz
  EXPECT_EQ(timing.etc.rr, 59);
  EXPECT_EQ(d.Timing(0x12345678, timing), kNvInvalidArgument);
  NvTimingInput old;
  old.version = 0x00020020;
  EXPECT_EQ(d.timing(kFirst, &old, &timing), kNvIncompatibleStructVersion);
}

TEST(CustomModes, MustBeTriedBeforeSavedAndAValidModeToBeTried) {
  ActiveDriver driver(TwoDisplays());
  Displays d(driver);
  uint32_t ids[] = {kFirst, kSecond};
  EXPECT_EQ(d.save(ids, 1, 1, 1), kNvError);  // nothing tried

  NvCustomDisplay modes[] = {d.Mode(kFirst, 0, 0), d.Mode(kSecond, 15345, 38092)};
  EXPECT_EQ(d.tryMode(ids, 2, modes), kNvInvalidArgument);  // a zero clock
  EXPECT_EQ(d.tryMode(ids, 0, modes), kNvInvalidArgument);
  uint32_t unknown[] = {0x42};
  EXPECT_EQ(d.tryMode(unknown, 1, &modes[1]), kNvInvalidArgument);
  EXPECT_TRUE(driver.simulator.state().displays.tried.empty());

  modes[0] = d.Mode(kFirst, 15345, 62000);
  ASSERT_EQ(d.tryMode(ids, 2, modes), kNvOk);
  ASSERT_EQ(d.save(ids, 2, 1, 1), kNvOk);
  EXPECT_EQ(driver.simulator.state().displays.saved.at(kSecond).rrx1k, 38092u);
  EXPECT_EQ(driver.simulator.Trace().back().args,
            "count=2 outputOnly=1 monitorOnly=1 display=0x80061000 display=0x80061001");
}

TEST(DisplayConfig, FillsPathsThroughTheirPointerFields) {
  ActiveDriver driver(TwoDisplays());
  Displays d(driver);
  uint32_t count = 0;
  ASSERT_EQ(d.getConfig(&count, nullptr), kNvOk);
  EXPECT_EQ(count, 2u);  // one path per connected display

  OnePath bare;  // second call: counts only
  bare.path.targetInfo = NvPointer32{};
  bare.path.sourceModeInfo = NvPointer32{};
  bare.path.targetInfoCount = 0;
  count = 1;
  ASSERT_EQ(d.getConfig(&count, &bare.path), kNvOk);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(bare.path.targetInfoCount, 1u);

  OnePath full;
  count = 1;
  ASSERT_EQ(d.getConfig(&count, &full.path), kNvOk);
  EXPECT_EQ(full.source.width, 1920u);
  EXPECT_EQ(full.source.height, 1080u);
  EXPECT_EQ(full.target.displayId, kFirst);
  EXPECT_EQ(full.details.refreshRate1K, 60000u);
  EXPECT_EQ(full.details.timing.hTotal, 2200);

  full.details.version = 0x20080;
  EXPECT_EQ(d.getConfig(&count, &full.path), kNvIncompatibleStructVersion);
  EXPECT_EQ(d.getConfig(nullptr, nullptr), kNvInvalidArgument);
}

TEST(DisplayConfig, ASavedModeBecomesCurrentWhenATargetAsksForItsRate) {
  ActiveDriver driver(TwoDisplays());
  Displays d(driver);
  OnePath config;
  uint32_t count = 1;
  ASSERT_EQ(d.getConfig(&count, &config.path), kNvOk);

  config.details.refreshRate1K = 62000;  // no such mode yet
  EXPECT_EQ(d.setConfig(1, &config.path, 0xE), kNvError);

  uint32_t ids[] = {kFirst};
  NvCustomDisplay mode = d.Mode(kFirst, 15345, 62000);
  ASSERT_EQ(d.tryMode(ids, 1, &mode), kNvOk);
  ASSERT_EQ(d.save(ids, 1, 1, 1), kNvOk);
  ASSERT_EQ(d.setConfig(1, &config.path, 0xE), kNvOk);
  EXPECT_EQ(driver.simulator.Trace().back().args,
            "paths=1 flags=0x0000000E path0: source=1920x1080 targets=1 display=0x80061000 "
            "refresh1k=62000 -> display=0x80061000 mode=1920x1080 total=2200x1125 pclk=15345 "
            "rrx1k=62000 rr=62");
  NvTiming timing;
  ASSERT_EQ(d.Timing(kFirst, timing), kNvOk);
  EXPECT_EQ(timing.pclk, 15345u);
  EXPECT_EQ(timing.etc.rr, 62);

  // The unchanged rate of the current mode is accepted and changes nothing.
  ASSERT_EQ(d.setConfig(1, &config.path, 0xE), kNvOk);
  config.path.targetInfo = NvPointer32{};
  EXPECT_EQ(d.setConfig(1, &config.path, 0xE), kNvInvalidArgument);
  EXPECT_EQ(d.setConfig(0, &config.path, 0xE), kNvInvalidArgument);
}

TEST(DisplayScenario, EachDisplaySectionAddsADisplayWithDefaults) {
  const std::string text =
      "[gpu]\ndevice = 0x2684\n"
      "[gpu.display]\n"
      "[gpu.display]\nid = 0x1234\nwidth = 2560\nheight = 1440\nh_total = 2720\n"
      "v_total = 1481\npclk = 24150\nconnector = 6\nreported_targets = 3\nfilled_targets = 2\n"
      "[gpu]\ndevice = 0x1B80\n[gpu.display]\n";
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(text, scenario, error)) << error;
  ASSERT_EQ(scenario.gpus[0].displays.size(), 2u);
  const sim::ConnectedDisplay& first = scenario.gpus[0].displays[0];
  EXPECT_EQ(first.displayId, sim::DefaultDisplayId(0, 0));
  EXPECT_EQ(first.timing, sim::DisplayTimingModel{});
  EXPECT_FALSE(first.reportedTargets.has_value());
  const sim::ConnectedDisplay& second = scenario.gpus[0].displays[1];
  EXPECT_EQ(second.displayId, 0x1234u);
  EXPECT_EQ(second.connectorType, 6u);
  EXPECT_EQ(second.timing, (sim::DisplayTimingModel{2560, 1440, 2720, 1481, 24150}));
  EXPECT_EQ(second.reportedTargets, 3u);
  EXPECT_EQ(second.filledTargets, 2u);
  ASSERT_EQ(scenario.gpus[1].displays.size(), 1u);
  EXPECT_EQ(scenario.gpus[1].displays[0].displayId, sim::DefaultDisplayId(1, 0));
}

}  // namespace
