// The lighting paths against the simulated driver: detection in its order, the state read of
// each path, the panel commands with their guards, and what the controllers end up holding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TraceQueries.h"
#include "lighting/I2cTransaction.h"
#include "lighting/LedController.h"

namespace {

using sim::LedControllerKind;

int g_waits = 0;
int g_waitedMs = 0;
void RecordWait(int milliseconds) {
  ++g_waits;
  g_waitedMs += milliseconds;
}

sim::GpuModel FramesBoard() {
  sim::GpuModel gpu = Board(0x1E81);
  gpu.lighting.controller = {LedControllerKind::kFrames, 1, kLedBreath, 0, 255, 0, 0};
  return gpu;
}

sim::GpuModel BlocksBoard(uint8_t effect = 1, uint8_t subCode = 7) {
  sim::GpuModel gpu = Board(0x2484);
  gpu.lighting.controller = {LedControllerKind::kBlocks, 1, effect, subCode, 0, 200, 40};
  return gpu;
}

sim::GpuModel IllumBoard() {
  sim::GpuModel gpu = Board(0x2206);
  gpu.lighting.illumDevices = 1;
  sim::IllumZoneModel other;
  other.type = 1;
  other.red = 10;
  sim::IllumZoneModel rgbw;
  rgbw.blue = 255;
  rgbw.brightness = 80;
  gpu.lighting.zones = {rgbw, other};
  return gpu;
}

struct Lighting {
  explicit Lighting(sim::GpuModel gpu) : driver(ScenarioOf({std::move(gpu)})) {
    g_waits = 0;
    g_waitedMs = 0;
  }
  // Detection and the start-up state read, then an empty trace.
  void Start() {
    kind = DetectLedController(driver.table, reply, &RecordWait);
    zones = ReadLedState(driver.table, kind, reply, state);
    driver.simulator().ClearTrace();
  }
  const sim::LedControllerState& Controller() const {
    return driver.driver.simulator.state().lighting.controllers.at(0);
  }
  size_t Writes() { return driver.simulator().CountCalls(kIdI2cWrite); }

  EnumeratedDriver driver;
  LedReply reply{};
  int32_t kind = -1;
  uint32_t zones = 0;
  LedState state;
};

struct DetectCase {
  const char* name;
  sim::GpuModel (*board)();
  int32_t kind;
  std::vector<uint32_t> calls;
  int waits;
};

class DetectLed : public testing::TestWithParam<DetectCase> {};

TEST_P(DetectLed, FindsThePathInOrderWithOneWaitBeforeTheIdentity) {
  Lighting f(GetParam().board());
  f.driver.simulator().ClearTrace();
  EXPECT_EQ(DetectLedController(f.driver.table, f.reply, &RecordWait), GetParam().kind);
  std::vector<uint32_t> calls;
  for (const sim::TraceEntry& entry : f.driver.simulator().Trace()) {
    if (entry.kind == sim::TraceKind::kCall) calls.push_back(entry.id);
  }
  EXPECT_EQ(calls, GetParam().calls);
  EXPECT_EQ(g_waits, GetParam().waits);
  EXPECT_EQ(g_waitedMs, 100 * GetParam().waits);
}

sim::GpuModel NoLights() {
  return Board(0x2882);
}
sim::GpuModel Blocks() {
  return BlocksBoard();
}

const std::vector<uint32_t> kFullDetection = {kIdI2cRead, kIdGpuClientIllumDevicesGetInfo,
                                              kIdI2cWrite, kIdI2cRead};

INSTANTIATE_TEST_SUITE_P(
    Paths, DetectLed,
    testing::Values(
        DetectCase{"frames", &FramesBoard, kLedI2cFrames, {kIdI2cRead}, 0},
        DetectCase{
            "illum", &IllumBoard, kLedNvIllum, {kIdI2cRead, kIdGpuClientIllumDevicesGetInfo}, 0},
        // its plain status read answers (byte 0 not 0xFF) without the marker
        DetectCase{"blocks", &Blocks, kLedI2cBlocks, kFullDetection, 1},
        DetectCase{"none", &NoLights, kLedI2cFrames, kFullDetection, 1}),
    [](const testing::TestParamInfo<DetectCase>& info) { return std::string(info.param.name); });

TEST(LedTransaction, EveryTransferUsesTheControllerRecord) {
  Lighting f(FramesBoard());
  f.Start();
  SetLedPower(f.driver.table, f.kind, f.state, true);
  LedReply reply;
  I2cReadStatus(f.driver.table, reply);
  const sim::TraceEntry read = CallsOf(f.driver.simulator(), kIdI2cRead).back();
  EXPECT_EQ(read.version, 0x3002Cu);
  EXPECT_EQ(read.args.rfind("handle=0x00001000 addr=0x92 reg=0xA0 regsize=1 size=32 speed=0xFFFF "
                            "khz=4 port=1 portset=1 ddc=1 mask=1 ->",
                            0),
            0u)
      << read.args;
  const sim::TraceEntry write = CallsOf(f.driver.simulator(), kIdI2cWrite).back();
  EXPECT_EQ(write.version, 0x3002Cu);
  EXPECT_EQ(write.args.rfind("handle=0x00001000 addr=0x92 reg=0xA0 regsize=0 size=8 speed=0xFFFF "
                             "khz=4 port=1 portset=1 ddc=1 mask=1 data=A0 FC 01 00 00 00 00 00",
                             0),
            0u)
      << write.args;
}

TEST(LedFramesPath, ReadsTheDetectionReplyAndOkSendsTheEffectFrame) {
  Lighting f(FramesBoard());
  f.Start();
  EXPECT_EQ(f.kind, kLedI2cFrames);
  EXPECT_TRUE(f.state.known);
  EXPECT_TRUE(f.state.lightsOn);
  EXPECT_EQ(f.state.onByte, 1);
  EXPECT_EQ(f.state.mode, kLedBreath);
  EXPECT_EQ(f.state.pendingColour.red, 255);

  ASSERT_TRUE(SelectLedMode(f.state, kLedWave));
  f.state.pendingColour = LedColour{1, 2, 3};
  ApplyLedState(f.driver.table, f.kind, f.state);
  EXPECT_EQ(f.state.colour.blue, 3);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("data=A0 00 02 01 02 03 00 04"),
            std::string::npos);
  const sim::LedControllerModel& held = f.Controller().settings;
  EXPECT_EQ(held.effect, kLedWave);
  EXPECT_EQ(held.red, 1);
  EXPECT_EQ(held.green, 2);
  EXPECT_EQ(held.blue, 3);

  // A fresh start reads back what the controller now holds.
  LedReply again;
  EXPECT_EQ(DetectLedController(f.driver.table, again, &RecordWait), kLedI2cFrames);
  LedState reread;
  ReadLedState(f.driver.table, kLedI2cFrames, again, reread);
  EXPECT_EQ(reread.mode, kLedWave);
  EXPECT_EQ(reread.colour.green, 2);
}

TEST(LedFramesPath, OffGatesEffectColourAndDefaultsUntilOn) {
  Lighting f(FramesBoard());
  f.Start();
  SetLedPower(f.driver.table, f.kind, f.state, false);
  EXPECT_FALSE(f.state.lightsOn);
  EXPECT_EQ(f.state.onByte, 0);
  EXPECT_EQ(f.Controller().settings.on, 0);
  ASSERT_EQ(f.Writes(), 1u);

  f.state.pendingColour = LedColour{9, 9, 9};
  EXPECT_FALSE(SelectLedMode(f.state, kLedStatic));
  ApplyLedState(f.driver.table, f.kind, f.state);
  EXPECT_FALSE(RestoreLedDefaults(f.driver.table, f.kind, f.state));
  EXPECT_EQ(f.Writes(), 1u);
  EXPECT_EQ(f.state.mode, kLedBreath);
  EXPECT_EQ(f.state.colour.red, 255);

  SetLedPower(f.driver.table, f.kind, f.state, true);
  EXPECT_TRUE(RestoreLedDefaults(f.driver.table, f.kind, f.state));
  EXPECT_EQ(f.state.mode, kLedCycle);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("data=A0 FA 00 00 00 00 00 00"),
            std::string::npos);
  EXPECT_EQ(f.Writes(), 3u);
}

TEST(LedNoPath, EndsUnknownAndEveryCommandDoesNothing) {
  Lighting f(NoLights());
  f.Start();
  EXPECT_EQ(f.kind, kLedI2cFrames);
  EXPECT_FALSE(f.state.known);
  for (uint8_t b : f.reply) EXPECT_EQ(b, 0xFF);  // failed reads leave the fill
  SetLedPower(f.driver.table, f.kind, f.state, false);
  ApplyLedState(f.driver.table, f.kind, f.state);
  EXPECT_FALSE(RestoreLedDefaults(f.driver.table, f.kind, f.state));
  EXPECT_FALSE(SelectLedMode(f.state, kLedWave));
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  EXPECT_TRUE(f.state.lightsOn);
}

struct BlocksCase {
  uint8_t code;
  uint8_t subCode;
  uint8_t mode;
  uint8_t sentCode;
  uint8_t sentSub;
};

class LedBlocksPath : public testing::TestWithParam<BlocksCase> {};

TEST_P(LedBlocksPath, ReadsTheQueriedStateAndOkWritesItsEffectBlock) {
  const BlocksCase& c = GetParam();
  Lighting f(BlocksBoard(c.code, c.subCode));
  f.driver.simulator().ClearTrace();
  f.kind = DetectLedController(f.driver.table, f.reply, &RecordWait);
  ReadLedState(f.driver.table, f.kind, f.reply, f.state);
  ASSERT_EQ(f.kind, kLedI2cBlocks);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("data=A0 F0 00"), std::string::npos);
  EXPECT_TRUE(f.state.known);
  EXPECT_EQ(f.state.mode, c.mode);
  EXPECT_EQ(f.state.onByte, 1);
  EXPECT_EQ(f.state.colour.green, 200);

  f.state.pendingColour = LedColour{7, 8, 9};
  ApplyLedState(f.driver.table, f.kind, f.state);
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdI2cWrite).find("reg=0xA0 regsize=1 size=30"),
            std::string::npos);
  const sim::LedControllerModel& held = f.Controller().settings;
  EXPECT_EQ(held.effect, c.sentCode);
  EXPECT_EQ(held.subCode, c.sentSub);
  EXPECT_EQ(held.red, 7);
  EXPECT_EQ(held.blue, 9);
  EXPECT_EQ(held.on, 1);
}

INSTANTIATE_TEST_SUITE_P(ReadingTable, LedBlocksPath,
                         testing::Values(BlocksCase{1, 3, kLedStrobe, 3, 0},
                                         BlocksCase{1, 7, kLedCycle, 1, 7},
                                         BlocksCase{4, 0, kLedCycle, 1, 7},
                                         BlocksCase{5, 0, 5, 0, 0}));

TEST(LedBlocksPower, OffAndDefaultsGoAsSettingsBlocks) {
  Lighting f(BlocksBoard(2, 0));
  f.Start();
  SetLedPower(f.driver.table, f.kind, f.state, false);
  EXPECT_EQ(f.Controller().settings.on, 0);
  EXPECT_EQ(f.state.onByte, 0);
  EXPECT_FALSE(f.state.lightsOn);
  // Def needs neither known nor lights on for this path; it sets Cycle.
  EXPECT_TRUE(RestoreLedDefaults(f.driver.table, f.kind, f.state));
  EXPECT_EQ(f.state.mode, kLedCycle);
  EXPECT_EQ(f.Controller().settings.on, 1);
  EXPECT_EQ(f.Controller().settings.subCode, 7);
}

TEST(LedIllumPath, ReadsTheRgbwZoneAndOkSetsZoneZero) {
  Lighting f(IllumBoard());
  f.Start();
  EXPECT_EQ(f.kind, kLedNvIllum);
  EXPECT_EQ(f.zones, 2u);
  EXPECT_TRUE(f.state.known);
  EXPECT_EQ(f.state.mode, kLedWave);
  EXPECT_EQ(f.state.colour.blue, 255);
  EXPECT_EQ(f.state.colour.red, 0);  // the other zone is not RGBW
  EXPECT_EQ(f.state.onByte, 0);

  // On and OFF send nothing and keep onByte, but gate the colour.
  SetLedPower(f.driver.table, f.kind, f.state, false);
  EXPECT_FALSE(f.state.lightsOn);
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  ApplyLedState(f.driver.table, f.kind, f.state);
  EXPECT_TRUE(f.driver.simulator().Trace().empty());
  SetLedPower(f.driver.table, f.kind, f.state, true);
  EXPECT_EQ(f.state.onByte, 0);
  EXPECT_TRUE(f.driver.simulator().Trace().empty());

  f.state.pendingColour = LedColour{40, 50, 60};
  ApplyLedState(f.driver.table, f.kind, f.state);
  const std::vector<sim::IllumZoneModel>& zones =
      f.driver.driver.simulator.state().lighting.zones.at(0);
  EXPECT_EQ(zones[0].red, 40);
  EXPECT_EQ(zones[0].blue, 60);
  EXPECT_EQ(zones[0].white, 255);
  EXPECT_EQ(zones[0].brightness, 100);
  EXPECT_EQ(zones[1].red, 10);
  EXPECT_EQ(CallsOf(f.driver.simulator(), kIdGpuClientIllumZonesSetControl).back().version,
            0x1194Cu);

  // Def asks for the defaults and sends them back as the driver filled them.
  EXPECT_FALSE(RestoreLedDefaults(f.driver.table, f.kind, f.state));
  EXPECT_NE(LastArgs(f.driver.simulator(), kIdGpuClientIllumZonesGetControl).find("default=1"),
            std::string::npos);
  EXPECT_EQ(zones[0].blue, 255);
  EXPECT_EQ(zones[0].brightness, 80);
  EXPECT_EQ(f.state.colour.red, 40);  // the state is not changed
}

TEST(LedIllumPath, AFailedGetLeavesAZeroedBuffer) {
  Lighting f(IllumBoard());
  f.Start();
  f.driver.Interface(kIdGpuClientIllumZonesGetControl).forcedStatus = kNvError;
  EXPECT_TRUE(IllumGetControl(f.driver.table, false));
  EXPECT_EQ(f.driver.table.status, kNvError);
  for (uint8_t b : f.driver.table.illumZones) ASSERT_EQ(b, 0);
  LedState state;
  EXPECT_EQ(ReadLedState(f.driver.table, kLedNvIllum, f.reply, state), 0u);
  EXPECT_TRUE(state.known);
  EXPECT_EQ(state.colour.blue, 0);
}

}  // namespace

namespace {

TEST(LedStartup, DetectsThenReadsWhatThePanelWillKeep) {
  Lighting f(BlocksBoard(1, 3));
  const LedStartup startup = StartLighting(f.driver.table, &RecordWait);
  EXPECT_EQ(startup.kind, kLedI2cBlocks);
  EXPECT_EQ(startup.reply[0], 'N');
  EXPECT_TRUE(startup.state.known);
  EXPECT_EQ(startup.state.mode, kLedStrobe);
  EXPECT_EQ(startup.zoneCount, 0u);
  EXPECT_EQ(g_waits, 1);
}

}  // namespace
