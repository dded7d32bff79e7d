// The fan curve step on the simulated driver: the selected GPU's temperature is read and its
// fans are set through the cooler interface of the board, and only in fan mode 2.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TraceQueries.h"
#include "fan/FanControlTable.h"
#include "fan/GpuFanControl.h"
#include "gpu/Coolers.h"
#include "gpu/Sensors.h"
#include "sim/PerformanceBoards.h"

namespace {

constexpr int32_t kOlderInterface = 0;
constexpr int32_t kPerFanInterface = 1;

// A board whose temperature stays at `celsius` whatever its fans do.
sim::GpuModel SteadyBoard(bool perFanCoolers, int32_t celsius) {
  sim::GpuModel gpu = Board(perFanCoolers ? 0x2684 : 0x17C8);
  if (perFanCoolers) {
    sim::SetVfFanCoolerPerformance(gpu);
  } else {
    sim::SetPstatesPerformance(gpu);
  }
  gpu.sensors.loadPattern = {0};
  gpu.sensors.ambientC = gpu.sensors.startC = celsius;
  gpu.sensors.loadRiseC = 0;
  gpu.sensors.fanCoolingC = 0;
  return gpu;
}

std::vector<std::string> ArgsOf(const sim::Simulator& simulator, uint32_t id) {
  std::vector<std::string> args;
  for (const sim::TraceEntry& call : CallsOf(simulator, id)) {
    args.push_back(call.args.substr(0, call.args.find(" ->")));
  }
  return args;
}

struct CurveOnDriver : EnumeratedDriver {
  using EnumeratedDriver::EnumeratedDriver;
  FanStepResult Tick(int32_t fanCoolerModel, int32_t mode = kCurveStepFanMode) {
    GpuFanControl fans(table);
    return RunFanCurveStep(fanTable, mode, fanCoolerModel, fans);
  }
  FanControlTable fanTable;
};

}  // namespace

TEST(FanCurveOnDriver, PerFanBoardGetsBothFansSetOnceForItsRow) {
  CurveOnDriver d(ScenarioOf({SteadyBoard(true, 45)}));
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  EXPECT_TRUE(d.Tick(kPerFanInterface).sent);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuGetThermalSettings).size(), 1u);
  EXPECT_EQ(ArgsOf(d.simulator(), kIdGpuClientFanCoolersSetControl),
            (std::vector<std::string>{
                "handle=0x00001000 flags=0x00000000 count=1 id=1 level=50 mode=1",
                "handle=0x00001000 flags=0x00000000 count=1 id=2 level=50 mode=1"}));
  EXPECT_TRUE(CallsOf(d.simulator(), kIdGpuSetCoolerLevels).empty());
  EXPECT_FALSE(d.Tick(kPerFanInterface).sent);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClientFanCoolersSetControl).size(), 2u);
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 50);
}

TEST(FanCurveOnDriver, OlderBoardGetsEveryFanSetInManualMode) {
  CurveOnDriver d(ScenarioOf({SteadyBoard(false, 62)}));
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  EXPECT_TRUE(d.Tick(kOlderInterface).sent);
  const std::vector<sim::TraceEntry> sets = CallsOf(d.simulator(), kIdGpuSetCoolerLevels);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].version, 0x100A4u);
  EXPECT_NE(sets[0].args.find("cooler=7 level=70 policy=1"), std::string::npos);
  EXPECT_TRUE(CallsOf(d.simulator(), kIdGpuClientFanCoolersSetControl).empty());
  EXPECT_EQ(d.table.fanLevel, 70);
  EXPECT_EQ(ReadFanLevel(d.table), 70);
}

TEST(FanCurveOnDriver, TheSelectedGpuIsReadAndSet) {
  // The enumeration lists the boards in reverse: table slot 1 is the driver's board 0.
  CurveOnDriver d(ScenarioOf({SteadyBoard(true, 75), SteadyBoard(true, 35)}));
  d.table.currentIndex = 1;
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  ASSERT_TRUE(d.Tick(kPerFanInterface).sent);
  EXPECT_EQ(d.fanTable.lastTemperature, 75u);
  for (uint32_t id : {kIdGpuGetThermalSettings, kIdGpuClientFanCoolersSetControl}) {
    for (const sim::TraceEntry& call : CallsOf(d.simulator(), id)) {
      EXPECT_EQ(call.gpuIndex, 0) << call.function;
    }
  }
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuClientFanCoolersSetControl).find("level=80"),
            std::string::npos);
}

TEST(FanCurveOnDriver, OutsideFanModeTwoTheDriverIsNotAsked) {
  CurveOnDriver d(ScenarioOf({SteadyBoard(true, 45)}));
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  ASSERT_TRUE(d.Tick(kPerFanInterface).sent);
  d.simulator().ClearTrace();
  for (int32_t mode : {0, 1}) d.Tick(kPerFanInterface, mode);
  EXPECT_TRUE(d.simulator().Trace().empty());
}

TEST(FanCurveOnDriver, AFailedReadingLeavesTheFansAlone) {
  CurveOnDriver d(ScenarioOf({SteadyBoard(true, 45)}));
  d.Interface(kIdGpuGetThermalSettings).forcedStatus = kNvError;
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  EXPECT_FALSE(d.Tick(kPerFanInterface).sent);
  EXPECT_EQ(d.fanTable.lastTemperature, 0u);
  EXPECT_TRUE(CallsOf(d.simulator(), kIdGpuClientFanCoolersSetControl).empty());
}

TEST(FanCurveOnDriver, FansFollowAWarmingBoardRowByRow) {
  sim::GpuModel gpu = SteadyBoard(true, 32);
  gpu.sensors.loadPattern = {100};
  gpu.sensors.loadRiseC = 60;
  gpu.sensors.fanCoolingC = 10;
  CurveOnDriver d(ScenarioOf({gpu}));
  ApplyFanCurve(d.fanTable, DefaultFanCurve());
  std::set<int32_t> levels;
  for (int tick = 0; tick < 40; ++tick) {
    const FanStepResult step = d.Tick(kPerFanInterface);
    if (!step.sent) continue;
    // The level of the row (T rounded up to the next ten) the reading fell in.
    const int32_t expected = static_cast<int32_t>((d.fanTable.lastTemperature + 9) / 10 * 10);
    EXPECT_EQ(step.level, expected) << d.fanTable.lastTemperature << " °C";
    EXPECT_EQ(ReadFanCoolerLevel(d.table), step.level);
    levels.insert(step.level);
  }
  // The first reading is already in the 40s; the board settles in (80, 90]. Every row on the
  // way was sent.
  EXPECT_EQ(levels, (std::set<int32_t>{50, 60, 70, 80, 90}));
}
