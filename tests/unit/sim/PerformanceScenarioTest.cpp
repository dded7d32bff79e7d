// Scenario sections of the sensors, fans, clocks and limits: the shipped boards, and the
// mistakes the parser rejects.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "sim/PerformanceBoards.h"
#include "sim/ScenarioParser.h"

namespace {

std::string ReadShipped(const std::string& name) {
  std::ifstream file(std::string(PYRELIX_SIM_SCENARIO_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

struct ShippedBoard {
  const char* file;
  void (*expected)(sim::GpuModel&);
};

class ShippedPerformance : public testing::TestWithParam<ShippedBoard> {};

TEST_P(ShippedPerformance, FileDescribesTheSameHardwareAsTheBuilder) {
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(ReadShipped(GetParam().file), scenario, error)) << error;
  ASSERT_EQ(scenario.gpus.size(), 1u);
  sim::GpuModel expected;
  GetParam().expected(expected);
  const sim::GpuModel& parsed = scenario.gpus[0];
  EXPECT_TRUE(parsed.sensors == expected.sensors);
  EXPECT_TRUE(parsed.coolers == expected.coolers);
  EXPECT_TRUE(parsed.clocks == expected.clocks);
  EXPECT_TRUE(parsed.policies == expected.policies);
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedPerformance,
                         testing::Values(ShippedBoard{"demo.ini", &sim::SetVfFanCoolerPerformance},
                                         ShippedBoard{"vf-only-1b80.ini", &sim::SetVfPerformance},
                                         ShippedBoard{"p-states-17c8.ini",
                                                      &sim::SetPstatesPerformance}),
                         [](const testing::TestParamInfo<ShippedBoard>& info) {
                           std::string name = info.param.file;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(PerformanceSections, ReadEveryKindOfEntry) {
  const std::string text =
      "[gpu]\ndevice = 0x1B80\n"
      "[gpu.pstate]\nid = 0\ngraphics_khz = 100, 200\ngraphics_voltage_uv = 700, 900\n"
      "graphics_offset_khz = -50, 60\nmemory_khz = 300\n"
      "[gpu.pstate]\nid = 8\nprocessor_khz = 40\n"
      "[gpu.vf_domain]\ndomain = 4\ndisabled = yes\noffset_khz = -1, 1\npoints = 3, 9\n"
      "[gpu.clocks]\nreported_clocks = 255\nvf_disabled_points = 3, 4\n"
      "[gpu.thermal_policy]\ncontroller = 2\nlimits = -256, 0, 256\nlimit = 10\npriority = on\n";
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(text, scenario, error)) << error;
  const sim::ClockModel& clocks = scenario.gpus[0].clocks;
  ASSERT_EQ(clocks.pstates.size(), 2u);
  ASSERT_EQ(clocks.pstates[0].clocks.size(), 2u);
  const sim::PstateClockModel& graphics = clocks.pstates[0].clocks[0];
  EXPECT_TRUE(graphics.range);
  EXPECT_EQ(graphics.maxKHz, 200u);
  EXPECT_EQ(graphics.minVoltageUv, 700u);
  EXPECT_EQ(graphics.offsetMinKHz, -50);
  EXPECT_FALSE(clocks.pstates[0].clocks[1].range);
  EXPECT_EQ(clocks.pstates[0].clocks[1].domain, 4u);
  EXPECT_EQ(clocks.pstates[1].clocks[0].domain, 7u);
  ASSERT_EQ(clocks.vfDomains.size(), 1u);
  EXPECT_TRUE(clocks.vfDomains[0].disabled);
  EXPECT_EQ(clocks.vfDomains[0].lastPoint, 9u);
  EXPECT_EQ(clocks.reportedClocks, 255u);
  const sim::ThermalPolicyModel& thermal = scenario.gpus[0].policies.thermal.at(0);
  EXPECT_EQ(thermal.controller, 2);
  EXPECT_EQ(thermal.minRaw, -256);
  EXPECT_TRUE(thermal.priority);
}

struct BadSection {
  const char* name;
  const char* text;
  const char* message;
};

class BadPerformanceSection : public testing::TestWithParam<BadSection> {};

TEST_P(BadPerformanceSection, IsRejectedWithItsLine) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(GetParam().text, scenario, error));
  EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadPerformanceSection,
    testing::Values(
        BadSection{"BeforeAnyGpu", "[gpu.sensors]\nambient_c = 3\n",
                   "line 1: [gpu.sensors] comes before any [gpu]"},
        BadSection{"OnceAreaTwice", "[gpu]\ndevice = 1\n[gpu.coolers]\n[gpu.coolers]\n",
                   "line 4: [gpu.coolers] given twice for one [gpu]"},
        BadSection{"FivePowerPolicies",
                   "[gpu]\ndevice = 1\n[gpu.power_policy]\n[gpu.power_policy]\n"
                   "[gpu.power_policy]\n[gpu.power_policy]\n[gpu.power_policy]\n",
                   "line 7: more than 4 [gpu.power_policy] sections for one [gpu]"},
        BadSection{"RangeBackwards",
                   "[gpu]\ndevice = 1\n[gpu.pstate]\ngraphics_offset_khz = 5, 1\n",
                   "line 4: 'graphics_offset_khz' needs a minimum, then a maximum not below it"},
        BadSection{"PointPastTheTable", "[gpu]\ndevice = 1\n[gpu.vf_domain]\npoints = 0, 256\n",
                   "line 4: 'points' needs 2 to 2 numbers from 0 to 255 separated by commas"},
        BadSection{"LoadAbove100", "[gpu]\ndevice = 1\n[gpu.sensors]\nload_pattern = 50, 101\n",
                   "line 4: 'load_pattern' needs 1 to 256 numbers from 0 to 100 separated by "
                   "commas"},
        BadSection{"UnknownKey", "[gpu]\ndevice = 1\n[gpu.pstate]\ngraphics_colour = 1\n",
                   "line 4: unknown key 'graphics_colour' in [gpu.pstate]"},
        BadSection{"TooManyFans", "[gpu]\ndevice = 1\n[gpu.coolers]\nfan_coolers = 33\n",
                   "line 4: 'fan_coolers' needs a number from 0 to 32"}),
    [](const testing::TestParamInfo<BadSection>& info) { return info.param.name; });

}  // namespace
