// The display pixel clock: the refresh arithmetic, collecting display IDs, reading the clock,
// and applying it, including every failure after the custom mode was saved, which must come back
// as a status while the program keeps running.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DriverTrace.h"
#include "SimulatedDriver.h"
#include "gpu/DisplayTiming.h"
#include "sim/DisplayModel.h"

namespace {

using drivertrace::CallsOf;
using drivertrace::ExpectResolvedOnce;
using drivertrace::LastCall;

struct RateCase {
  uint32_t pixelClock;
  uint16_t hTotal;
  uint16_t vTotal;
  bool valid;
  uint32_t rrx1k;
  uint16_t rr;
};

class RefreshArithmetic : public testing::TestWithParam<RateCase> {};

TEST_P(RefreshArithmetic, PixelClockOverTotals) {
  const RateCase& c = GetParam();
  RefreshRate rate;
  rate.rrx1k = 77;
  EXPECT_EQ(ComputeRefreshRate(c.pixelClock, c.hTotal, c.vTotal, rate), c.valid);
  if (!c.valid) {
    EXPECT_EQ(rate.rrx1k, 77u);  // untouched
    return;
  }
  EXPECT_EQ(rate.rrx1k, c.rrx1k);
  EXPECT_EQ(rate.rr, c.rr);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, RefreshArithmetic,
    testing::Values(RateCase{14850, 2200, 1125, true, 60000, 60},  // 148.5 MHz, 1080p60
                    RateCase{15345, 2200, 1125, true, 62000, 62},  // 153.45 MHz
                    RateCase{14835, 2200, 1125, true, 59939, 59},  // truncated, not rounded
                    RateCase{0, 2200, 1125, true, 0, 0},           // the try call refuses it
                    RateCase{14850, 0, 1125, false, 0, 0},         // no totals
                    RateCase{14850, 2200, 0, false, 0, 0},
                    RateCase{4000000000u, 1, 1, false, 0, 0}));  // does not fit 32 bits

sim::ConnectedDisplay Display(uint32_t id, uint16_t width, uint16_t height, uint16_t hTotal,
                              uint16_t vTotal, uint32_t pixelClock) {
  sim::ConnectedDisplay display;
  display.displayId = id;
  display.timing = sim::DisplayTimingModel{width, height, hTotal, vTotal, pixelClock};
  return display;
}

sim::GpuModel BoardWith(std::vector<sim::ConnectedDisplay> displays) {
  sim::GpuModel gpu = Board(0x2684);
  gpu.displays = std::move(displays);
  return gpu;
}

const sim::ConnectedDisplay k1080p = Display(0x80061000, 1920, 1080, 2200, 1125, 14850);
const sim::ConnectedDisplay k1440p = Display(0x80061001, 2560, 1440, 2720, 1481, 24150);

struct DisplayFixture {
  explicit DisplayFixture(std::vector<sim::GpuModel> gpus = {BoardWith({k1080p})})
      : driver(ScenarioOf(std::move(gpus))) {
    EXPECT_EQ(driver.api.Initialize(), kNvOk);
    driver.simulator.ClearTrace();
  }
  sim::InterfaceBehaviour& Interface(uint32_t id) {
    return driver.simulator.scenario().interfaces[id];
  }
  int Apply(uint32_t pixelClock) {
    OcInfo info;
    info.pixelClock10kHz = pixelClock;
    return ApplyPixelClock(driver.api, info, [this](uint32_t ms) { waits.push_back(ms); });
  }
  size_t Calls(uint32_t id) const { return driver.simulator.CountCalls(id); }

  SimulatedDriver driver;
  std::vector<uint32_t> waits;
};

TEST(CollectDisplayIds, ListsEveryGpusDisplaysInOrder) {
  DisplayFixture f({BoardWith({k1080p, k1440p}), BoardWith({}),
                    BoardWith({Display(0x80061010, 1280, 720, 1650, 750, 7425)})});
  DisplayIdList list;
  ASSERT_EQ(CollectDisplayIds(f.driver.api, list), 0);
  ASSERT_EQ(list.count, 3u);
  EXPECT_EQ(list.ids[0], 0x80061000u);
  EXPECT_EQ(list.ids[1], 0x80061001u);
  EXPECT_EQ(list.ids[2], 0x80061010u);
  // Per GPU with displays: a count query, then the query with 16-byte entries of version 3.
  const std::vector<sim::TraceEntry> queries =
      CallsOf(f.driver.simulator, kIdGpuGetConnectedDisplayIds);
  ASSERT_EQ(queries.size(), 5u);
  EXPECT_NE(queries[0].args.find("ids=null"), std::string::npos);
  EXPECT_EQ(queries[1].version, 0x30010u);
  EXPECT_NE(queries[1].args.find("flags=0x00000000"), std::string::npos);
}

TEST(CollectDisplayIds, KeepsTheFirst128OfAllGpus) {
  std::vector<sim::ConnectedDisplay> many;
  for (uint32_t i = 0; i < 100; ++i) many.push_back(Display(0x1000 + i, 640, 480, 800, 525, 2517));
  DisplayFixture f({BoardWith(many), BoardWith(many)});
  DisplayIdList list;
  ASSERT_EQ(CollectDisplayIds(f.driver.api, list), 0);
  EXPECT_EQ(list.count, 128u);
  EXPECT_EQ(list.ids[127], 0x1000u + 27);
}

struct CollectFailure {
  const char* name;
  std::function<void(DisplayFixture&)> setUp;
  int result;
};

void PrintTo(const CollectFailure& c, std::ostream* out) {
  *out << c.name;
}

class CollectDisplayIdsFailure : public testing::TestWithParam<CollectFailure> {};

TEST_P(CollectDisplayIdsFailure, ReturnsTheResultAndReadsNothingPastTheReply) {
  DisplayFixture f;
  GetParam().setUp(f);
  DisplayIdList list;
  EXPECT_EQ(CollectDisplayIds(f.driver.api, list), GetParam().result);
  OcInfo info;
  info.pixelClock10kHz = 4242;
  EXPECT_EQ(ReadPixelClock(f.driver.api, info), GetParam().result);
  EXPECT_EQ(info.pixelClock10kHz, 4242u);
  EXPECT_EQ(f.Calls(kIdDispGetTiming), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CollectDisplayIdsFailure,
    testing::Values(CollectFailure{"GpuEnumeration",
                                   [](DisplayFixture& f) {
                                     f.Interface(kIdEnumPhysicalGPUs).forcedStatus =
                                         kNvNvidiaDeviceNotFound;
                                   },
                                   kNvNvidiaDeviceNotFound},
                    CollectFailure{"GpuCountBeyond64",
                                   [](DisplayFixture& f) {
                                     f.Interface(kIdEnumPhysicalGPUs).reportedCount = 65;
                                   },
                                   kDisplayQueryFailed},
                    CollectFailure{"DisplayQuery",
                                   [](DisplayFixture& f) {
                                     f.Interface(kIdGpuGetConnectedDisplayIds).forcedStatus =
                                         kNvError;
                                   },
                                   kDisplayQueryFailed},
                    CollectFailure{"DisplayCountBeyond128",
                                   [](DisplayFixture& f) {
                                     f.Interface(kIdGpuGetConnectedDisplayIds).reportedCount = 255;
                                   },
                                   kDisplayQueryFailed},
                    CollectFailure{"DisplayEntryVersionRefused",
                                   [](DisplayFixture& f) {
                                     f.Interface(kIdGpuGetConnectedDisplayIds).acceptedVersions = {
                                         0x20010};
                                   },
                                   kDisplayQueryFailed}),
    [](const testing::TestParamInfo<CollectFailure>& info) { return info.param.name; });

TEST(ReadPixelClock, IsTheFirstDisplaysCurrentTiming) {
  DisplayFixture f({BoardWith({k1440p, k1080p})});
  OcInfo info;
  ASSERT_EQ(ReadPixelClock(f.driver.api, info), 0);
  EXPECT_EQ(info.pixelClock10kHz, 24150u);
  const sim::TraceEntry timing = LastCall(f.driver.simulator, kIdDispGetTiming);
  EXPECT_EQ(timing.version, 0x10020u);
  EXPECT_EQ(timing.args.rfind("display=0x80061001 type=0", 0), 0u) << timing.args;
}

TEST(ReadPixelClock, WithoutDisplaysIsMinusOneAndTimingFailureItsStatus) {
  DisplayFixture none({BoardWith({})});
  OcInfo info;
  EXPECT_EQ(ReadPixelClock(none.driver.api, info), kDisplayQueryFailed);
  EXPECT_EQ(info.pixelClock10kHz, 0u);

  DisplayFixture failing;
  failing.Interface(kIdDispGetTiming).forcedStatus = kNvInvalidArgument;
  EXPECT_EQ(ReadPixelClock(failing.driver.api, info), kNvInvalidArgument);
  EXPECT_EQ(info.pixelClock10kHz, 0u);
}

TEST(ApplyPixelClock, TriesSavesWaitsAndRewritesPathZero) {
  DisplayFixture f;
  ASSERT_EQ(f.Apply(15345), 0);

  const sim::TraceEntry tried = LastCall(f.driver.simulator, kIdDispTryCustomDisplay);
  EXPECT_EQ(tried.version, 0x10090u);
  EXPECT_EQ(tried.args,
            "count=1 display=0x80061000 mode=1920x1080 total=2200x1125 pclk=15345 rrx1k=62000 "
            "rr=62");
  EXPECT_EQ(LastCall(f.driver.simulator, kIdDispSaveCustomDisplay).args,
            "count=1 outputOnly=1 monitorOnly=1 display=0x80061000");
  EXPECT_EQ(f.waits, std::vector<uint32_t>{1000});

  const std::vector<sim::TraceEntry> reads = CallsOf(f.driver.simulator, kIdDispGetDisplayConfig);
  ASSERT_EQ(reads.size(), 3u);
  EXPECT_EQ(reads[0].args, "paths=null -> paths=1");
  EXPECT_EQ(reads[1].version, 0x2001Cu);
  EXPECT_EQ(reads[2].version, 0x2001Cu);

  const sim::TraceEntry set = LastCall(f.driver.simulator, kIdDispSetDisplayConfig);
  EXPECT_EQ(set.version, 0x2001Cu);
  EXPECT_EQ(set.args.substr(0, set.args.find(" ->")),
            "paths=1 flags=0x0000000E path0: source=1920x1080 targets=1 display=0x80061000 "
            "refresh1k=62000");

  // The display now runs the new mode: the next read sees the new pixel clock.
  OcInfo info;
  ASSERT_EQ(ReadPixelClock(f.driver.api, info), 0);
  EXPECT_EQ(info.pixelClock10kHz, 15345u);
}

TEST(ApplyPixelClock, GivesEveryDisplayItsOwnRateButPassesOnlyPathZero) {
  DisplayFixture f({BoardWith({k1080p, k1440p})});
  ASSERT_EQ(f.Apply(15345), 0);
  const sim::TraceEntry tried = LastCall(f.driver.simulator, kIdDispTryCustomDisplay);
  EXPECT_NE(tried.args.find("display=0x80061000 mode=1920x1080 total=2200x1125 pclk=15345 "
                            "rrx1k=62000 rr=62"),
            std::string::npos)
      << tried.args;
  // 153 450 000 Hz / (2720 x 1481) = 38.0928 Hz: truncated
  EXPECT_NE(tried.args.find("display=0x80061001 mode=2560x1440 total=2720x1481 pclk=15345 "
                            "rrx1k=38092 rr=38"),
            std::string::npos)
      << tried.args;
  const sim::TraceEntry set = LastCall(f.driver.simulator, kIdDispSetDisplayConfig);
  EXPECT_EQ(set.args.find("path1"), std::string::npos);
  EXPECT_NE(set.args.find("path0: source=1920x1080 targets=1 display=0x80061000 refresh1k=62000"),
            std::string::npos);
  EXPECT_EQ(f.driver.simulator.state().displays.current.count(0x80061001), 0u);
}

TEST(ApplyPixelClock, PassesBackOnlyTheTargetsTheLastReadFilled) {
  DisplayFixture f;
  sim::ConnectedDisplay& display = f.driver.simulator.scenario().gpus[0].displays[0];
  display.reportedTargets = 2;  // room for two, then only one filled
  display.filledTargets = 1;
  ASSERT_EQ(f.Apply(15345), 0);
  EXPECT_NE(LastCall(f.driver.simulator, kIdDispSetDisplayConfig).args.find("targets=1 "),
            std::string::npos);
}

TEST(ApplyPixelClock, ZeroClockIsRefusedByTheTryAndChangesNothing) {
  DisplayFixture f;
  EXPECT_EQ(f.Apply(0), kNvInvalidArgument);
  EXPECT_EQ(f.Calls(kIdDispSaveCustomDisplay), 0u);
  EXPECT_EQ(f.Calls(kIdDispGetDisplayConfig), 0u);
  EXPECT_TRUE(f.waits.empty());
}

TEST(ApplyPixelClock, WithoutDisplaysTriesAnEmptyListAndStops) {
  DisplayFixture refused({BoardWith({})});
  EXPECT_EQ(refused.Apply(15345), kNvInvalidArgument);
  EXPECT_EQ(LastCall(refused.driver.simulator, kIdDispTryCustomDisplay).args, "count=0");

  // A driver that accepts an empty list: there is no display 0 to configure.
  DisplayFixture accepting({BoardWith({})});
  accepting.Interface(kIdDispTryCustomDisplay).forcedStatus = kNvOk;
  accepting.Interface(kIdDispSaveCustomDisplay).forcedStatus = kNvOk;
  EXPECT_EQ(accepting.Apply(15345), 0);
  EXPECT_EQ(accepting.Calls(kIdDispGetDisplayConfig), 0u);
  EXPECT_EQ(accepting.Calls(kIdDispSetDisplayConfig), 0u);
}

struct ApplyFailure {
  const char* name;
  std::function<void(DisplayFixture&)> setUp;
  int result;
  bool saved;          // the failure comes after the custom mode was saved
  size_t configReads;  // GetDisplayConfig calls made
};

void PrintTo(const ApplyFailure& c, std::ostream* out) {
  *out << c.name;
}

class ApplyPixelClockFailure : public testing::TestWithParam<ApplyFailure> {};

TEST_P(ApplyPixelClockFailure, ReturnsTheStatusAndKeepsRunning) {
  const ApplyFailure& c = GetParam();
  DisplayFixture f;
  c.setUp(f);
  EXPECT_EQ(f.Apply(15345), c.result);
  EXPECT_EQ(f.Calls(kIdDispSaveCustomDisplay), c.saved || c.result == -5 ? 1u : 0u);
  EXPECT_EQ(f.Calls(kIdDispGetDisplayConfig), c.configReads);
  EXPECT_EQ(f.driver.simulator.state().displays.saved.size(), c.saved ? 1u : 0u);
  // The display's mode stays what it was; the program can still read it.
  OcInfo info;
  f.driver.simulator.scenario().interfaces.clear();
  EXPECT_EQ(ReadPixelClock(f.driver.api, info), 0);
  EXPECT_EQ(info.pixelClock10kHz, 14850u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ApplyPixelClockFailure,
    testing::Values(
        ApplyFailure{"Timing",
                     [](DisplayFixture& f) { f.Interface(kIdDispGetTiming).forcedStatus = -170; },
                     -170, false, 0},
        ApplyFailure{"ZeroTotals",
                     [](DisplayFixture& f) {
                       f.driver.simulator.scenario().gpus[0].displays[0].timing.hTotal = 0;
                     },
                     kDisplayReplyRejected, false, 0},
        ApplyFailure{
            "Try",
            [](DisplayFixture& f) { f.Interface(kIdDispTryCustomDisplay).forcedStatus = kNvError; },
            kNvError, false, 0},
        ApplyFailure{
            "Save",
            [](DisplayFixture& f) { f.Interface(kIdDispSaveCustomDisplay).forcedStatus = -5; }, -5,
            false, 0},
        ApplyFailure{
            "ConfigRead",
            [](DisplayFixture& f) { f.Interface(kIdDispGetDisplayConfig).forcedStatus = kNvError; },
            kNvError, true, 1},
        ApplyFailure{"ConfigReadRefusesPathVersion",
                     [](DisplayFixture& f) {
                       f.Interface(kIdDispGetDisplayConfig).acceptedVersions = {0x10018};
                     },
                     kNvIncompatibleStructVersion, true, 2},
        ApplyFailure{
            "NoPath",
            [](DisplayFixture& f) { f.Interface(kIdDispGetDisplayConfig).reportedCount = 0; },
            kDisplayReplyRejected, true, 1},
        ApplyFailure{
            "PathCountBeyond128",
            [](DisplayFixture& f) { f.Interface(kIdDispGetDisplayConfig).reportedCount = 500; },
            kDisplayReplyRejected, true, 1},
        ApplyFailure{"TargetCountBeyond128",
                     [](DisplayFixture& f) {
                       f.driver.simulator.scenario().gpus[0].displays[0].reportedTargets = 200;
                     },
                     kDisplayReplyRejected, true, 2},
        ApplyFailure{"PathWithoutTargets",
                     [](DisplayFixture& f) {
                       f.driver.simulator.scenario().gpus[0].displays[0].reportedTargets = 0;
                     },
                     kDisplayReplyRejected, true, 2},
        ApplyFailure{"ThirdReadClaimsMoreTargets",
                     [](DisplayFixture& f) {
                       f.driver.simulator.scenario().gpus[0].displays[0].filledTargets = 2;
                     },
                     kDisplayReplyRejected, true, 3},
        ApplyFailure{"ThirdReadDropsPathZerosTarget",
                     [](DisplayFixture& f) {
                       f.driver.simulator.scenario().gpus[0].displays[0].filledTargets = 0;
                     },
                     kDisplayReplyRejected, true, 3},
        ApplyFailure{
            "ConfigWrite",
            [](DisplayFixture& f) { f.Interface(kIdDispSetDisplayConfig).forcedStatus = kNvError; },
            kNvError, true, 3}),
    [](const testing::TestParamInfo<ApplyFailure>& info) { return info.param.name; });

TEST(ApplyPixelClock, WithoutDriverReturnsTheEnumerationStatus) {
  const NvApi none;
  OcInfo info;
  info.pixelClock10kHz = 15345;
  EXPECT_EQ(ApplyPixelClock(none, info, [](uint32_t) {}), kNvNoImplementation);
  EXPECT_EQ(ReadPixelClock(none, info), kNvNoImplementation);
}

}  // namespace

namespace {

TEST(ApplyPixelClock, TheSeamResolvesEveryDisplayEntry) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684)}));
  ExpectResolvedOnce(driver.simulator,
                     {kIdGpuGetConnectedDisplayIds, kIdDispGetTiming, kIdDispTryCustomDisplay,
                      kIdDispSaveCustomDisplay, kIdDispGetDisplayConfig, kIdDispSetDisplayConfig});
}

}  // namespace
