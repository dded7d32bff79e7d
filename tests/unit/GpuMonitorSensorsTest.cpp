// The monitor on the simulated driver: start-up scales from GPU 0 and ticks that follow the
// selected GPU.
#include <gtest/gtest.h>

#include "TraceQueries.h"
#include "app/GpuMonitorSensors.h"
#include "sim/DemoScenario.h"
#include "sim/Handles.h"

namespace {

struct MonitoredDemo {
  explicit MonitoredDemo(sim::Scenario scenario) : driver(std::move(scenario)), state(driver.api) {
    EXPECT_EQ(EnumerateGpus(state.gpus), kEnumerateOk);
    state.VfClockModel = 1;
    state.FanCoolerModel = 1;
  }
  SimulatedDriver driver;
  MainWindowState state;
};

TEST(GpuMonitorSensors, DemoBoardScalesAreTwiceItsP0ClocksAndTicksMoveEveryGauge) {
  MonitoredDemo demo(sim::DemoScenario());
  ApplyInitialGauges(demo.state, ReadInitialGaugeReadings(demo.state.gpus));
  const OcInfo& p0 = demo.state.gpus.ocInfo;
  ASSERT_GT(p0.graphicsMaxFreqKHz, 0u);
  EXPECT_EQ(demo.state.engine.maximum, static_cast<int32_t>(p0.graphicsMaxFreqKHz * 2.0 / 1000));
  EXPECT_EQ(demo.state.memory.maximum, static_cast<int32_t>(p0.memoryMaxFreqKHz * 2.0 / 1000));

  GpuMonitorSensors sensors(demo.state.gpus);
  int32_t ticks = 0;
  const MonitorTickResult r = RunMonitorTick(demo.state, sensors, ticks);
  for (const GraphSample& sample : r.samples) EXPECT_TRUE(sample.fed);
  EXPECT_GT(demo.state.engine.current, 0);
  EXPECT_GT(demo.state.temperature.current, 0);
  EXPECT_LE(demo.state.temperature.current, 100);
  EXPECT_GT(demo.state.fan.current, 0);
  EXPECT_EQ(CallsOf(demo.driver.simulator, kIdGpuClientFanCoolersGetStatus).size(), 1u);
  EXPECT_TRUE(CallsOf(demo.driver.simulator, kIdGpuGetCoolerSettings).size() == 1u)
      << "only the start-up read goes through the cooler settings on a fan-cooler board";
}

TEST(GpuMonitorSensors, FailedClockQueryLeavesOnlyTheFanReading) {
  MonitoredDemo demo(sim::DemoScenario());
  demo.driver.simulator.scenario().interfaces[kIdGpuGetAllClockFrequencies].forcedStatus = kNvError;
  GpuMonitorSensors sensors(demo.state.gpus);
  int32_t ticks = 0;
  demo.driver.simulator.ClearTrace();
  const MonitorTickResult r = RunMonitorTick(demo.state, sensors, ticks);
  EXPECT_TRUE(CallsOf(demo.driver.simulator, kIdGpuGetThermalSettings).empty());
  EXPECT_FALSE(r.samples[static_cast<int>(Gauge::kEngine)].fed);
  EXPECT_TRUE(r.samples[static_cast<int>(Gauge::kFan)].fed);
  EXPECT_GT(demo.state.fan.current, 0);
}

TEST(GpuMonitorSensors, TicksReadTheSelectedGpuWhileTheScalesStayGpuZeros) {
  sim::Scenario two = sim::DemoScenario();
  two.gpus.push_back(two.gpus[0]);
  two.gpus[1].subsystemId ^= 1;
  MonitoredDemo demo(std::move(two));
  ASSERT_EQ(demo.state.gpus.gpuCount, 2u);
  ApplyInitialGauges(demo.state, ReadInitialGaugeReadings(demo.state.gpus));
  const int32_t engineMaximum = demo.state.engine.maximum;

  demo.state.gpus.currentIndex = 1;
  demo.driver.simulator.ClearTrace();
  GpuMonitorSensors sensors(demo.state.gpus);
  int32_t ticks = 0;
  RunMonitorTick(demo.state, sensors, ticks);
  // The table lists the driver's GPUs in reverse: its slot 1 is the driver's first board.
  size_t selected = 99;
  ASSERT_TRUE(sim::GpuIndexFromHandle(demo.state.gpus.physicalHandles[1], 2, selected));
  for (uint32_t id : {uint32_t{kIdGpuGetAllClockFrequencies}, uint32_t{kIdGpuGetThermalSettings},
                      uint32_t{kIdGpuClientFanCoolersGetStatus}}) {
    const std::vector<sim::TraceEntry> calls = CallsOf(demo.driver.simulator, id);
    ASSERT_FALSE(calls.empty()) << std::hex << id;
    for (const sim::TraceEntry& call : calls) EXPECT_EQ(call.gpuIndex, static_cast<int>(selected)) << std::hex << id;
  }
  EXPECT_EQ(demo.state.engine.maximum, engineMaximum);
}

}  // namespace
