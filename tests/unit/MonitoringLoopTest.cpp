#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MonitoringLoop.h"

namespace {

// Answers fixed readings and records which reads the tick made, in order.
class FakeSensors : public MonitorSensors {
 public:
  int clocksStatus = 0;
  uint32_t graphicsKHz = 0;
  uint32_t memoryKHz = 0;
  int temperatureStatus = 0;
  int32_t celsius = 0;
  int32_t fanLevel = 0;
  int32_t fanCoolerLevel = 0;
  std::vector<std::string> reads;

  int ReadCurrentClocks(uint32_t& graphics, uint32_t& memory) override {
    reads.push_back("clocks");
    if (clocksStatus == 0) {
      graphics = graphicsKHz;
      memory = memoryKHz;
    }
    return clocksStatus;
  }
  int ReadTemperature(int32_t& value) override {
    reads.push_back("temperature");
    if (temperatureStatus == 0) value = celsius;
    return temperatureStatus;
  }
  int32_t ReadFanLevel() override {
    reads.push_back("fan");
    return fanLevel;
  }
  int32_t ReadFanCoolerLevel() override {
    reads.push_back("fan-cooler");
    return fanCoolerLevel;
  }
};

class MonitoringLoopTest : public ::testing::Test {
 protected:
  MonitoringLoopTest() : state(api) {
    state.engine.maximum = 3000;
    state.memory.maximum = 16000;
  }
  MonitorTickResult Tick() { return RunMonitorTick(state, sensors, tickCounter); }
  static const GraphSample& Sample(const MonitorTickResult& r, Gauge g) {
    return r.samples[static_cast<int>(g)];
  }

  NvApi api;
  MainWindowState state;
  FakeSensors sensors;
  int32_t tickCounter = 0;
};

TEST_F(MonitoringLoopTest, TickReadsClocksTemperatureThenFanAndFeedsEveryGraph) {
  sensors.graphicsKHz = 1500999;
  sensors.memoryKHz = 8000000;
  sensors.celsius = 65;
  sensors.fanLevel = 42;
  const MonitorTickResult r = Tick();
  EXPECT_EQ(sensors.reads, (std::vector<std::string>{"clocks", "temperature", "fan"}));
  EXPECT_EQ(state.engine.current, 1500);
  EXPECT_EQ(Sample(r, Gauge::kEngine).percent, 50);
  EXPECT_EQ(Sample(r, Gauge::kEngine).value, 1500);
  EXPECT_EQ(Sample(r, Gauge::kTemperature).value, 65);
  EXPECT_EQ(Sample(r, Gauge::kMemory).value, 8000);
  EXPECT_EQ(Sample(r, Gauge::kMemory).percent, 50);
  EXPECT_EQ(Sample(r, Gauge::kFan).value, 42);
  for (bool changed : r.labelChanged) EXPECT_TRUE(changed);
}

TEST_F(MonitoringLoopTest, FailedClockReadMovesOnlyTheFan) {
  state.engine.current = state.engine.shown = 1200;
  state.temperature.current = state.temperature.shown = 55;
  sensors.clocksStatus = -1;
  sensors.fanLevel = 30;
  const MonitorTickResult r = Tick();
  EXPECT_EQ(sensors.reads, (std::vector<std::string>{"clocks", "fan"}));
  EXPECT_FALSE(Sample(r, Gauge::kEngine).fed);
  EXPECT_FALSE(Sample(r, Gauge::kTemperature).fed);
  EXPECT_FALSE(Sample(r, Gauge::kMemory).fed);
  EXPECT_TRUE(Sample(r, Gauge::kFan).fed);
  EXPECT_EQ(state.engine.current, 1200);
  EXPECT_EQ(state.temperature.current, 55);
  EXPECT_FALSE(r.labelChanged[static_cast<int>(Gauge::kEngine)]);
  EXPECT_TRUE(r.labelChanged[static_cast<int>(Gauge::kFan)]);
}

TEST_F(MonitoringLoopTest, TemperatureRules) {
  struct Case {
    int status;
    int32_t reading;
    int32_t expected;
  } cases[] = {
      {0, 100, 100},  // the top of the scale is shown
      {0, 101, 0},    // above the scale shows 0
      {0, -5, 0},     // compared unsigned: below zero is above the scale
      {-1, 77, 48},   // a failed read keeps the previous value
  };
  for (const Case& c : cases) {
    state.temperature.current = 48;
    sensors.temperatureStatus = c.status;
    sensors.celsius = c.reading;
    const MonitorTickResult r = Tick();
    EXPECT_EQ(state.temperature.current, c.expected) << c.reading;
    EXPECT_TRUE(Sample(r, Gauge::kTemperature).fed);
    EXPECT_EQ(Sample(r, Gauge::kTemperature).percent, c.expected);
  }
}

TEST_F(MonitoringLoopTest, FanFollowsTheCoolerModel) {
  sensors.fanLevel = 11;
  sensors.fanCoolerLevel = 22;
  struct Case {
    int32_t model;
    int32_t expected;
    const char* read;
  } cases[] = {{0, 11, "fan"}, {1, 22, "fan-cooler"}, {2, 5, nullptr}};
  for (const Case& c : cases) {
    state.FanCoolerModel = c.model;
    state.fan.current = 5;
    sensors.reads.clear();
    Tick();
    EXPECT_EQ(state.fan.current, c.expected);
    EXPECT_EQ(sensors.reads.back(), c.read ? c.read : "temperature");
  }
}

TEST_F(MonitoringLoopTest, LabelsRepaintOnlyWhenTheValueChanges) {
  sensors.graphicsKHz = 1000000;
  Tick();
  const MonitorTickResult same = Tick();
  for (bool changed : same.labelChanged) EXPECT_FALSE(changed);
  sensors.graphicsKHz = 1001000;
  const MonitorTickResult moved = Tick();
  EXPECT_TRUE(moved.labelChanged[static_cast<int>(Gauge::kEngine)]);
  EXPECT_FALSE(moved.labelChanged[static_cast<int>(Gauge::kMemory)]);
}

TEST_F(MonitoringLoopTest, GraphEdgesRefreshEverySixthTick) {
  for (int round = 0; round < 2; ++round) {
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(Tick().refreshGraphEdges) << i;
    EXPECT_TRUE(Tick().refreshGraphEdges);
    EXPECT_EQ(tickCounter, 0);
  }
}

TEST(GaugePercentTest, RangeRules) {
  struct Case {
    int32_t current, minimum, maximum, expected;
  } cases[] = {
      {1500, 0, 3000, 50}, {2999, 0, 3000, 99},
      {0, 0, 0, 0},        {250, 0, 0, 0},  // a single-frequency board has an empty engine range
      {150, 0, 100, 150},
  };
  for (const Case& c : cases) {
    GaugeChannel channel;
    channel.current = c.current;
    channel.minimum = c.minimum;
    channel.maximum = c.maximum;
    EXPECT_EQ(GaugePercent(channel), c.expected) << c.current << "/" << c.maximum;
  }
}

TEST(InitialGaugesTest, ScalesAreTwiceTheP0ClockInMhz) {
  struct Case {
    int32_t vfModel;
    bool read;
    uint32_t graphicsMax, memoryMax, memoryFreq;
    int32_t engineMax, memoryMax2, engineCurrent;
  } cases[] = {
      {1, true, 1995000, 10501000, 9000000, 3990, 21002, -100},
      {0, true, 1995000, 10501000, 9000999, 3990, 18001, -100},
      {0, true, 0, 0, 0, 0, 0, -100},  // single-frequency P0 entry
      {1, false, 1995000, 10501000, 9000000, 100, 100, 0},
  };
  for (const Case& c : cases) {
    NvApi api;
    MainWindowState state(api);
    state.VfClockModel = c.vfModel;
    InitialGaugeReadings readings;
    readings.coolerLevel = 37;
    readings.pstateClocksRead = c.read;
    readings.pstateClocks.graphicsMaxFreqKHz = c.graphicsMax;
    readings.pstateClocks.memoryMaxFreqKHz = c.memoryMax;
    readings.pstateClocks.memoryFreqKHz = c.memoryFreq;
    readings.pstateClocks.graphicsOffsetKHz = -100;
    readings.pstateClocks.memoryOffsetKHz = 250;
    ApplyInitialGauges(state, readings);
    EXPECT_EQ(state.fan.current, 37);
    EXPECT_EQ(state.engine.maximum, c.engineMax);
    EXPECT_EQ(state.memory.maximum, c.memoryMax2);
    EXPECT_EQ(state.engine.current, c.engineCurrent);
    EXPECT_EQ(state.temperature.maximum, 100);
    EXPECT_EQ(state.fan.maximum, 100);
  }
}

}  // namespace
