// P-state clocks and offsets, the over-voltage, and the VF-point offsets against the simulated
// driver: version order, what is sent, and replies that claim more than they hold.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TraceQueries.h"
#include "gpu/ClockOffsets.h"
#include "sim/PerformanceBoards.h"

namespace {

sim::Scenario PstatesBoard() {
  sim::GpuModel gpu = Board(0x17C8);
  sim::SetPstatesPerformance(gpu);
  return ScenarioOf({gpu});
}

sim::Scenario VfBoard(void (*adjust)(sim::GpuModel&) = nullptr) {
  sim::GpuModel gpu = Board(0x2684);
  sim::SetVfFanCoolerPerformance(gpu);
  if (adjust != nullptr) adjust(gpu);
  return ScenarioOf({gpu});
}

// A record whose every field holds `value`, to see which fields a reader touched.
OcInfo Filled(uint8_t value) {
  OcInfo info;
  std::memset(static_cast<void*>(&info), value, sizeof info);
  return info;
}

bool SameRecord(const OcInfo& a, const OcInfo& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ReadPstateClocks, ReadsP0ClocksVoltagesOffsetsAndTheOverVoltage) {
  EnumeratedDriver d(PstatesBoard());
  OcInfo info = Filled(0x11);
  EXPECT_EQ(ReadPstateClocks(-1, d.table, info), 0);
  EXPECT_EQ(d.table.currentPstate, 0);
  EXPECT_EQ(d.table.status, kNvOk);
  EXPECT_EQ(info.graphicsMinFreqKHz, 135000u);
  EXPECT_EQ(info.graphicsMaxFreqKHz, 1202000u);
  EXPECT_EQ(info.graphicsMinVoltageUv, 850000u);
  EXPECT_EQ(info.graphicsMaxVoltageUv, 1187000u);
  EXPECT_EQ(info.graphicsOffsetKHz, 0);
  EXPECT_EQ(info.graphicsOffsetMinKHz, -135000);
  EXPECT_EQ(info.graphicsOffsetMaxKHz, 300000);
  EXPECT_EQ(info.memoryFreqKHz, 3505000u);
  EXPECT_EQ(info.memoryOffsetMinKHz, -500000);
  EXPECT_EQ(info.memoryOffsetMaxKHz, 1000000);
  EXPECT_EQ(info.processorMinFreqKHz, 270000u);
  EXPECT_EQ(info.processorMaxFreqKHz, 1202000u);
  EXPECT_EQ(info.baseVoltageDeltaUv, 0);
  EXPECT_EQ(info.overVoltageUv, 0);
  EXPECT_EQ(info.overVoltageMinUv, 0);
  EXPECT_EQ(info.overVoltageMaxUv, 87500);
  // Fields no P0 entry fills stay as they were: a single graphics clock, memory range, bases.
  EXPECT_EQ(info.graphicsFreqKHz, 0x11111111u);
  EXPECT_EQ(info.memoryMaxFreqKHz, 0x11111111u);
  EXPECT_EQ(info.graphicsBaseKHz, 0x11111111u);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetPstates20), std::vector<uint32_t>{0x31CF8});
}

TEST(ReadPstateClocks, OverVoltageThatIsNotEditableIsIgnored) {
  EnumeratedDriver d(VfBoard());
  OcInfo info;
  EXPECT_EQ(ReadPstateClocks(0, d.table, info), 0);
  EXPECT_EQ(info.overVoltageMaxUv, 0);
  EXPECT_EQ(info.graphicsMaxFreqKHz, 3105000u);
}

TEST(PstatesVersions, DriverTakingOnlyVersionTwoIsServedByTheSecondAttempt) {
  EnumeratedDriver d(PstatesBoard());
  d.Interface(kIdGpuGetPstates20).acceptedVersions = {0x21CF8};
  d.Interface(kIdGpuSetPstates20).acceptedVersions = {0x21CF8};
  OcInfo info;
  EXPECT_EQ(ReadPstateClocks(-1, d.table, info), 0);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetPstates20),
            (std::vector<uint32_t>{0x31CF8, 0x21CF8}));
  info.overVoltageUv = 25000;
  EXPECT_EQ(WriteOverVoltage(-1, d.table, info), 0);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuSetPstates20),
            (std::vector<uint32_t>{0x31CF8, 0x21CF8}));
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuSetPstates20)
                .find("pstates=0 clocks=0 base=0 ov=1 "
                      "ov_delta=+25000"),
            std::string::npos);
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(-1, d.table, back), 0);
  EXPECT_EQ(back.overVoltageUv, 25000);
}

TEST(PstatesVersions, ReadTriesThreeThenTwoThenThreeAgainAndKeepsTheLastStatus) {
  EnumeratedDriver d(PstatesBoard());
  d.Interface(kIdGpuGetPstates20).forcedStatus = kNvError;
  OcInfo info = Filled(0x22);
  const OcInfo before = info;
  d.table.currentPstate = 16;
  EXPECT_EQ(ReadPstateClocks(-1, d.table, info), 1);
  EXPECT_TRUE(SameRecord(info, before));
  EXPECT_EQ(d.table.status, kNvError);
  EXPECT_EQ(d.table.currentPstate, 0);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuGetPstates20),
            (std::vector<uint32_t>{0x31CF8, 0x21CF8, 0x31CF8}));
}

TEST(PstatesVersions, OverVoltageFallsBackToVersionOne) {
  EnumeratedDriver d(PstatesBoard());
  d.Interface(kIdGpuSetPstates20).acceptedVersions = {0x11C94};
  d.table.status = 99;
  OcInfo info;
  info.overVoltageUv = 12500;
  EXPECT_EQ(WriteOverVoltage(-1, d.table, info), 0);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuSetPstates20),
            (std::vector<uint32_t>{0x31CF8, 0x21CF8, 0x11C94}));
  EXPECT_EQ(d.table.status, 99);
  d.Interface(kIdGpuSetPstates20).forcedStatus = kNvError;
  EXPECT_EQ(WriteOverVoltage(-1, d.table, info), 1);
}

// A reply that claims more entries than the structure holds is no reading.
struct LyingReply {
  const char* name;
  void (*lie)(sim::Scenario&);
};

void PrintTo(const LyingReply& reply, std::ostream* out) {
  *out << reply.name;
}

class LyingPstatesReply : public testing::TestWithParam<LyingReply> {};

TEST_P(LyingPstatesReply, IsTreatedAsAFailedRead) {
  sim::Scenario scenario = PstatesBoard();
  GetParam().lie(scenario);
  EnumeratedDriver d(std::move(scenario));
  OcInfo info = Filled(0x33);
  const OcInfo before = info;
  EXPECT_EQ(ReadPstateClocks(-1, d.table, info), 1);
  EXPECT_TRUE(SameRecord(info, before));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, LyingPstatesReply,
    testing::Values(
        LyingReply{"Pstates255",
                   [](sim::Scenario& s) { s.interfaces[kIdGpuGetPstates20].reportedCount = 255; }},
        LyingReply{"Pstates17",
                   [](sim::Scenario& s) { s.interfaces[kIdGpuGetPstates20].reportedCount = 17; }},
        LyingReply{"Clocks255", [](sim::Scenario& s) { s.gpus[0].clocks.reportedClocks = 255; }},
        LyingReply{"Clocks9", [](sim::Scenario& s) { s.gpus[0].clocks.reportedClocks = 9; }},
        LyingReply{"BaseVoltages5",
                   [](sim::Scenario& s) { s.gpus[0].clocks.reportedBaseVoltages = 5; }},
        LyingReply{"OverVoltages255",
                   [](sim::Scenario& s) { s.gpus[0].clocks.reportedOverVoltages = 255; }}),
    [](const testing::TestParamInfo<LyingReply>& info) { return info.param.name; });

TEST(WriteClockOffsets, AlwaysSendsBothOffsetsInVersionOne) {
  EnumeratedDriver d(PstatesBoard());
  OcInfo info;
  info.graphicsOffsetKHz = 150000;
  info.memoryOffsetKHz = 400000;
  ASSERT_EQ(WriteClockOffsets(-1, d.table, info), 0);
  // Only the graphics offset changes; the memory offset goes out again with its current value.
  info.graphicsOffsetKHz = -50000;
  d.table.status = 42;
  ASSERT_EQ(WriteClockOffsets(-1, d.table, info), 0);
  EXPECT_EQ(d.table.status, 42);
  const std::vector<sim::TraceEntry> calls = CallsOf(d.simulator(), kIdGpuSetPstates20);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].version, 0x11C94u);
  EXPECT_NE(calls[1].args.find("pstates=1 clocks=2 base=1 domain0=-50000 domain4=+400000 "
                               "base_delta=+0"),
            std::string::npos)
      << calls[1].args;
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(-1, d.table, back), 0);
  EXPECT_EQ(back.graphicsOffsetKHz, -50000);
  EXPECT_EQ(back.memoryOffsetKHz, 400000);
}

TEST(WriteClockOffsets, RefusedOffsetReportsFailure) {
  EnumeratedDriver d(PstatesBoard());
  OcInfo info;
  info.graphicsOffsetKHz = 300001;  // above the board's range
  EXPECT_EQ(WriteClockOffsets(0, d.table, info), 1);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuSetPstates20).size(), 1u);
}

TEST(ReadVfRanges, TakesDomainEntriesZeroAndOneAndLeavesTheStatus) {
  EnumeratedDriver d(VfBoard());
  OcInfo info;
  ReadVfRanges(d.table, info);
  EXPECT_EQ(info.vfGraphicsOffsetMinKHz, -1000000);
  EXPECT_EQ(info.vfGraphicsOffsetMaxKHz, 1000000);
  EXPECT_EQ(info.vfMemoryOffsetMinKHz, -1000000);
  EXPECT_EQ(info.vfMemoryOffsetMaxKHz, 3000000);
  EXPECT_EQ(d.table.status, kNvOk);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClockClientClkDomainsGetInfo),
            std::vector<uint32_t>{0x10928});
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClockClientClkVfPointsGetInfo),
            std::vector<uint32_t>{0x1182C});
}

TEST(ReadVfRanges, FailedDomainQuerySkipsThePointQuery) {
  EnumeratedDriver d(PstatesBoard());  // no clock-domain interface
  OcInfo info = Filled(0x44);
  const OcInfo before = info;
  ReadVfRanges(d.table, info);
  EXPECT_TRUE(SameRecord(info, before));
  EXPECT_EQ(d.table.status, kNvNotSupported);
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClockClientClkVfPointsGetInfo).size(), 0u);
}

TEST(ReadVfOffsets, ReadsWhatTheOffsetWriteSent) {
  EnumeratedDriver d(VfBoard());
  OcInfo info;
  info.graphicsOffsetKHz = 120000;
  info.memoryOffsetKHz = 1500000;
  ASSERT_EQ(WriteClockOffsets(-1, d.table, info), 0);
  OcInfo back;
  ReadVfOffsets(d.table, back);
  EXPECT_EQ(back.graphicsOffsetKHz, 120000);
  EXPECT_EQ(back.memoryOffsetKHz, 1500000);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClockClientClkVfPointsGetControl),
            std::vector<uint32_t>{0x12420});
  // The mask of the point info goes out with the control request: 143 points.
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuClockClientClkVfPointsGetControl).find("mask=143"),
            std::string::npos);
}

struct VfCase {
  const char* name;
  void (*adjust)(sim::GpuModel&);
  bool graphicsRead;
  bool memoryRead;
};

void PrintTo(const VfCase& c, std::ostream* out) {
  *out << c.name;
}

class VfOffsetCases : public testing::TestWithParam<VfCase> {};

TEST_P(VfOffsetCases, TakeOnlyWhatTheRepliesSupport) {
  EnumeratedDriver d(VfBoard(GetParam().adjust));
  OcInfo info;
  info.graphicsOffsetKHz = 90000;
  info.memoryOffsetKHz = 200000;
  ASSERT_EQ(WriteClockOffsets(-1, d.table, info), 0);
  OcInfo back;
  back.graphicsOffsetKHz = 7;
  back.memoryOffsetKHz = 7;
  ReadVfOffsets(d.table, back);
  EXPECT_EQ(back.graphicsOffsetKHz, GetParam().graphicsRead ? 90000 : 7);
  EXPECT_EQ(back.memoryOffsetKHz, GetParam().memoryRead ? 200000 : 7);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, VfOffsetCases,
    testing::Values(VfCase{"Board", nullptr, true, true},
                    VfCase{"FirstAboveLast",
                           [](sim::GpuModel& g) {
                             g.clocks.vfDomains[0].firstPoint = 10;
                             g.clocks.vfDomains[0].lastPoint = 9;
                           },
                           false, true},
                    VfCase{"LastPointPastThePoints",
                           [](sim::GpuModel& g) { g.clocks.vfDomains[1].lastPoint = 255; }, true,
                           false},
                    VfCase{"DisabledDomain",
                           [](sim::GpuModel& g) { g.clocks.vfDomains[0].disabled = true; }, false,
                           true},
                    VfCase{"NoCountingPoint",
                           [](sim::GpuModel& g) {
                             g.clocks.vfDomains[1].firstPoint = 127;
                             g.clocks.vfDomains[1].lastPoint = 129;
                             g.clocks.vfDisabledPoints = {127, 128, 129};
                           },
                           true, false},
                    VfCase{"FirstPointsNotCounting",
                           [](sim::GpuModel& g) {
                             g.clocks.vfDisabledPoints = {0, 1, 2};
                           },
                           true, true}),
    [](const testing::TestParamInfo<VfCase>& info) { return info.param.name; });

TEST(ReadVfOffsets, RepliesThatDoNotAnswerLeaveTheOffsets) {
  for (uint32_t failing : {kIdGpuClockClientClkDomainsGetInfo, kIdGpuClockClientClkVfPointsGetInfo,
                           kIdGpuClockClientClkVfPointsGetControl}) {
    EnumeratedDriver d(VfBoard());
    OcInfo info;
    info.graphicsOffsetKHz = 90000;
    ASSERT_EQ(WriteClockOffsets(-1, d.table, info), 0);
    d.Interface(failing).forcedStatus = kNvError;
    OcInfo back;
    back.graphicsOffsetKHz = 7;
    back.memoryOffsetKHz = 7;
    ReadVfOffsets(d.table, back);
    EXPECT_EQ(back.graphicsOffsetKHz, 7) << std::hex << failing;
    EXPECT_EQ(back.memoryOffsetKHz, 7) << std::hex << failing;
    EXPECT_EQ(d.table.status, failing == kIdGpuClockClientClkVfPointsGetControl ? kNvError : kNvOk)
        << std::hex << failing;
    EXPECT_EQ(CallsOf(d.simulator(), kIdGpuClockClientClkVfPointsGetControl).size(), 1u);
  }
}

TEST(ReadVfOffsets, DomainCountPastTheEntriesIsNoReading) {
  sim::Scenario scenario = VfBoard();
  scenario.interfaces[kIdGpuClockClientClkDomainsGetInfo].reportedCount = 33;
  EnumeratedDriver d(std::move(scenario));
  OcInfo info = Filled(0x55);
  const OcInfo before = info;
  ReadVfRanges(d.table, info);
  ReadVfOffsets(d.table, info);
  EXPECT_TRUE(SameRecord(info, before));
}

}  // namespace
