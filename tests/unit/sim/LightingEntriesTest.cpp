// The simulated lighting: the shipped lighting scenarios, their scenario keys and mistakes, and
// what the I2C, illumination and power entries refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "SimTestSupport.h"
#include "gpu/structs/LightingStructs.h"
#include "sim/ScenarioParser.h"

namespace {

using sim::LedControllerKind;
using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

std::string ReadShipped(const std::string& name) {
  std::ifstream file(std::string(PYRELIX_SIM_SCENARIO_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

sim::Scenario Parsed(const std::string& text) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_TRUE(sim::ParseScenario(text, scenario, error)) << error;
  return scenario;
}

TEST(LightingScenarios, ShippedFilesDescribeEachPath) {
  const sim::Scenario frames = Parsed(ReadShipped("led-frames.ini"));
  ASSERT_EQ(frames.gpus.size(), 1u);
  EXPECT_TRUE(frames.gpus[0].lighting.controller ==
              (sim::LedControllerModel{LedControllerKind::kFrames, 1, 3, 0, 255, 0, 0}));
  EXPECT_TRUE(frames.gpus[0].powerTopology == (sim::PowerTopologyModel{true, 50000}));
  EXPECT_EQ(frames.gpus[0].vbiosVersion, "94.02.26.48.d6");

  const sim::Scenario blocks = Parsed(ReadShipped("led-blocks.ini"));
  EXPECT_TRUE(blocks.gpus[0].lighting.controller ==
              (sim::LedControllerModel{LedControllerKind::kBlocks, 1, 1, 7, 0, 200, 40}));
  EXPECT_FALSE(blocks.gpus[0].powerTopology.present);

  const sim::Scenario illum = Parsed(ReadShipped("led-illum.ini"));
  EXPECT_EQ(illum.gpus[0].lighting.illumDevices, 1u);
  ASSERT_EQ(illum.gpus[0].lighting.zones.size(), 2u);
  EXPECT_TRUE(illum.gpus[0].lighting.zones[0] == (sim::IllumZoneModel{3, 0, 0, 0, 255, 0, 80}));
  EXPECT_EQ(illum.gpus[0].lighting.zones[1].type, 1u);
  EXPECT_EQ(illum.gpus[0].lighting.zones[1].brightness, 100);  // the default

  const sim::Scenario none = Parsed(ReadShipped("led-none.ini"));
  EXPECT_TRUE(none.gpus[0].lighting == sim::LightingModel{});
}

struct BadCase {
  const char* text;
  const char* message;
};

class LightingScenarioMistakes : public testing::TestWithParam<BadCase> {};

TEST_P(LightingScenarioMistakes, AreRefusedWithTheirLine) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(std::string("[gpu]\ndevice = 0x2484\n") + GetParam().text,
                                  scenario, error));
  EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
}

std::string ManyZones(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "[gpu.illum_zone]\n";
  return text;
}

const std::string kThirtyThreeZones = ManyZones(33);

INSTANTIATE_TEST_SUITE_P(
    Cases, LightingScenarioMistakes,
    testing::Values(
        BadCase{"[gpu.lighting]\ncontroller = rgb\n", "line 4: 'controller' needs none, frames"},
        BadCase{"[gpu.lighting]\nred = 256\n", "'red' needs a number from 0 to 255"},
        BadCase{"[gpu.lighting]\nspeed = 1\n", "unknown key 'speed' in [gpu.lighting]"},
        BadCase{"[gpu.lighting]\n[gpu.lighting]\n", "[gpu.lighting] given twice"},
        BadCase{"[gpu.power_topology]\npower = -1\n", "'power' needs a number"},
        BadCase{"[gpu.illum_zone]\nwhite = x\n", "'white' needs a number from 0 to 255"},
        BadCase{kThirtyThreeZones.c_str(), "more than 32 [gpu.illum_zone] sections"}));

TEST(LightingScenarios, ThirtyTwoZonesAreAccepted) {
  const sim::Scenario scenario = Parsed("[gpu]\ndevice = 0x2484\n" + ManyZones(32));
  EXPECT_EQ(scenario.gpus[0].lighting.zones.size(), 32u);
}

sim::Scenario FramesScenario() {
  sim::Scenario scenario;
  sim::GpuModel gpu;
  gpu.deviceId = 0x1E81;
  gpu.lighting.controller = {LedControllerKind::kFrames, 1, 2, 0, 1, 2, 3};
  scenario.gpus = {gpu};
  return scenario;
}

// A transaction record with its register byte and data right behind it, as the driver's
// 64-bit test build decodes the pointer fields.
struct Transfer {
  explicit Transfer(uint32_t size, uint32_t registerSize = 1) {
    info.version = kNvI2cInfoVersion;
    info.deviceAddress = 0x92;
    info.registerAddress = EncodeNvPointer(&info, &reg);
    info.registerAddressSize = registerSize;
    info.data = EncodeNvPointer(&info, data);
    info.dataSize = size;
  }
  NvI2cInfo info;
  uint8_t reg = 0xA0;
  uint8_t data[64] = {};
};

TEST(LightingI2c, FramesControllerAnswersFromWhatWasWritten) {
  ActiveDriver driver(FramesScenario());
  auto read = driver.Get<nvfn::I2cRead>(kIdI2cRead);
  auto write = driver.Get<nvfn::I2cWrite>(kIdI2cWrite);
  Transfer status(32);
  ASSERT_EQ(read(PhysicalGpuHandle(0), &status.info), kNvOk);
  EXPECT_EQ(status.data[0], 2);
  EXPECT_EQ(status.data[3], 3);
  EXPECT_EQ(status.data[12], 1);
  EXPECT_EQ(status.data[28], 1);

  Transfer frame(8, 0);
  const uint8_t effect[8] = {0xA0, 0x00, 4, 9, 8, 7, 0, 4};
  std::copy(effect, effect + 8, frame.data);
  ASSERT_EQ(write(PhysicalGpuHandle(0), &frame.info), kNvOk);
  Transfer after(32);
  ASSERT_EQ(read(PhysicalGpuHandle(0), &after.info), kNvOk);
  EXPECT_EQ(after.data[0], 4);
  EXPECT_EQ(after.data[1], 9);
  EXPECT_EQ(after.data[3], 7);
}

struct RefusalCase {
  const char* name;
  void (*spoil)(Transfer&);
  NvStatus status;
};

class LightingI2cRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(LightingI2cRefuses, ABadTransferAndTouchesNothing) {
  ActiveDriver driver(FramesScenario());
  auto read = driver.Get<nvfn::I2cRead>(kIdI2cRead);
  Transfer transfer(32);
  std::fill(std::begin(transfer.data), std::end(transfer.data), 0xFF);
  GetParam().spoil(transfer);
  EXPECT_EQ(read(PhysicalGpuHandle(0), &transfer.info), GetParam().status);
  for (uint8_t b : transfer.data) ASSERT_EQ(b, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LightingI2cRefuses,
    testing::Values(
        RefusalCase{"Version", [](Transfer& t) { t.info.version = 0x2002C; },
                    kNvIncompatibleStructVersion},
        RefusalCase{"Address", [](Transfer& t) { t.info.deviceAddress = 0x90; }, kNvError},
        RefusalCase{"Register", [](Transfer& t) { t.reg = 0x10; }, kNvError},
        RefusalCase{"NoData", [](Transfer& t) { t.info.data = NvPointer32{}; }, kNvInvalidArgument},
        RefusalCase{"Empty", [](Transfer& t) { t.info.dataSize = 0; }, kNvInvalidArgument},
        RefusalCase{"Oversized", [](Transfer& t) { t.info.dataSize = 65; }, kNvInvalidArgument},
        RefusalCase{"NoRegister", [](Transfer& t) { t.info.registerAddress = NvPointer32{}; },
                    kNvInvalidArgument},
        RefusalCase{"WideRegister", [](Transfer& t) { t.info.registerAddressSize = 2; },
                    kNvInvalidArgument}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(LightingI2c, NothingAnswersWithoutAController) {
  sim::Scenario scenario = FramesScenario();
  scenario.gpus[0].lighting.controller.kind = LedControllerKind::kNone;
  ActiveDriver driver(scenario);
  Transfer transfer(32);
  EXPECT_EQ(driver.Get<nvfn::I2cRead>(kIdI2cRead)(PhysicalGpuHandle(0), &transfer.info), kNvError);
  EXPECT_EQ(driver.Get<nvfn::I2cWrite>(kIdI2cWrite)(PhysicalGpuHandle(0), &transfer.info),
            kNvError);
  EXPECT_EQ(driver.Get<nvfn::I2cRead>(kIdI2cRead)(PhysicalGpuHandle(0), nullptr),
            kNvInvalidArgument);
}

TEST(LightingIllum, ZonesAnswerNotSupportedWithoutDevices) {
  sim::Scenario scenario = FramesScenario();
  ActiveDriver without(scenario);
  NvIllumZoneControl control{};
  control.version = kNvIllumZoneControlVersion;
  auto get = without.Get<nvfn::GpuClientIllumZonesGetControl>(kIdGpuClientIllumZonesGetControl);
  EXPECT_EQ(get(PhysicalGpuHandle(0), &control), kNvNotSupported);
}

TEST(LightingIllum, ASetNamingMoreZonesThanTheBoardHasIsRefused) {
  sim::Scenario scenario = FramesScenario();
  scenario.gpus[0].lighting.illumDevices = 1;
  scenario.gpus[0].lighting.zones.resize(1);
  ActiveDriver driver(scenario);
  NvIllumZoneControl control{};
  control.version = kNvIllumZoneControlVersion;
  control.zoneCount = 2;
  auto set = driver.Get<nvfn::GpuClientIllumZonesSetControl>(kIdGpuClientIllumZonesSetControl);
  EXPECT_EQ(set(PhysicalGpuHandle(0), &control), kNvInvalidArgument);
  control.zoneCount = 40;  // beyond what the structure holds
  EXPECT_EQ(set(PhysicalGpuHandle(0), &control), kNvInvalidArgument);
}

TEST(LightingPower, TopologyAnswersOnlyWhenTheBoardHasOne) {
  sim::Scenario scenario = FramesScenario();
  ActiveDriver without(scenario);
  NvPowerTopologyStatus status{};
  status.version = kNvPowerTopologyStatusVersion;
  auto get = without.Get<nvfn::GpuClientPowerTopologyGetStatus>(kIdGpuClientPowerTopologyGetStatus);
  EXPECT_EQ(get(PhysicalGpuHandle(0), &status), kNvNotSupported);
}

}  // namespace
