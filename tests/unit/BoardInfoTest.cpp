// Board information: unit conversion, the memory tables and codes beyond them, text handling,
// the driver-version handle, and what failures leave.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DriverTrace.h"
#include "SimulatedDriver.h"
#include "gpu/BoardInfo.h"
#include "gpu/GpuEnumeration.h"

namespace {

using drivertrace::ExpectResolvedOnce;
using drivertrace::LastCall;

struct InfoFixture {
  explicit InfoFixture(sim::GpuModel gpu = Board(0x1B80), uint32_t displays = 1)
      : driver(ScenarioOf({std::move(gpu)}, displays)), table(driver.api) {
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    std::strcpy(table.errorText, "kept");
    driver.simulator.ClearTrace();
  }
  void Fail(uint32_t id) { driver.simulator.scenario().interfaces[id].forcedStatus = kNvError; }
  sim::GpuModel& gpu() { return driver.simulator.scenario().gpus[0]; }

  SimulatedDriver driver;
  GpuTable table;
};

struct SizeCase {
  uint32_t kilobytes;
  uint32_t megabytes;
};

class MemorySize : public testing::TestWithParam<SizeCase> {};

TEST_P(MemorySize, IsKilobytesOver1024RoundedHalfUp) {
  InfoFixture f;
  f.gpu().board.memoryKb = GetParam().kilobytes;
  uint32_t megabytes = 12345;
  EXPECT_EQ(ReadMemorySizeMB(-1, f.table, megabytes), 0);
  EXPECT_EQ(megabytes, GetParam().megabytes);
  EXPECT_EQ(f.table.status, kNvOk);
  EXPECT_STREQ(f.table.errorText, "kept");
}

INSTANTIATE_TEST_SUITE_P(Sizes, MemorySize,
                         testing::Values(SizeCase{8388608, 8192},  // 8 GB
                                         SizeCase{1048064, 1024},  // 1023.5 MB
                                         SizeCase{1048063, 1023},  // just below the half
                                         SizeCase{511, 0}, SizeCase{512, 1}, SizeCase{0, 0},
                                         SizeCase{UINT32_MAX, 4194304}));  // no wrap

TEST(MemorySize, AFailedCallGivesZeroAndOne) {
  InfoFixture f;
  f.gpu().board.memoryKb = 8388608;
  f.Fail(kIdGpuGetPhysicalFrameBufferSize);
  uint32_t megabytes = 12345;
  EXPECT_EQ(ReadMemorySizeMB(-1, f.table, megabytes), 1);
  EXPECT_EQ(megabytes, 0u);
  EXPECT_EQ(f.table.status, kNvError);
}

struct CodeCase {
  uint32_t code;
  const char* type;  // nullptr: beyond the table, text left as passed in
  const char* maker;
};

class MemoryCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(MemoryCodes, NameTheTablesEntryOrLeaveTheText) {
  const CodeCase& c = GetParam();
  InfoFixture f;
  f.gpu().board.memoryType = c.code;
  f.gpu().board.memoryMaker = c.code;
  std::string type = "as passed";
  std::string maker = "as passed";
  EXPECT_EQ(ReadMemoryTypeName(-1, f.table, type), 0);
  EXPECT_EQ(ReadMemoryMakerName(-1, f.table, maker), 0);
  EXPECT_EQ(type, c.type != nullptr ? c.type : "as passed");
  EXPECT_EQ(maker, c.maker != nullptr ? c.maker : "as passed");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, MemoryCodes,
    testing::Values(CodeCase{0, "UNKNOWN", "UNKNOWN"}, CodeCase{1, "SDRAM", "Samsung"},
                    CodeCase{2, "DDR1", "Qimonda"}, CodeCase{3, "DDR2", "Elpida"},
                    CodeCase{4, "GDDR2", "Etron"}, CodeCase{5, "GDDR3", "Nanya"},
                    CodeCase{6, "GDDR4", "Hynix"}, CodeCase{7, "DDR3", "Mosel"},
                    CodeCase{8, "GDDR5", "Winbond"}, CodeCase{9, "LPDDR2", "Esmt"},
                    CodeCase{10, "GDDR5X", "Micron"}, CodeCase{11, "HBM1", nullptr},
                    CodeCase{12, "HBM2", nullptr}, CodeCase{13, "SDDR4", nullptr},
                    CodeCase{14, nullptr, nullptr}, CodeCase{0xFFFFFFFF, nullptr, nullptr}));

TEST(MemoryCodes, AFailedQueryStillNamesCodeZero) {
  InfoFixture f;
  f.gpu().board.memoryType = 8;
  f.Fail(kIdGpuGetMemoryType);
  f.Fail(kIdGpuGetMemoryMaker);
  std::string type = "as passed";
  std::string maker = "as passed";
  EXPECT_EQ(ReadMemoryTypeName(-1, f.table, type), 1);
  EXPECT_EQ(f.table.status, kNvError);
  EXPECT_EQ(ReadMemoryMakerName(-1, f.table, maker), 1);
  EXPECT_EQ(type, "UNKNOWN");
  EXPECT_EQ(maker, "UNKNOWN");
}

struct TextCase {
  const char* name;
  const char* driver;
  const char* shown;
};

class VbiosVersion : public testing::TestWithParam<TextCase> {};

TEST_P(VbiosVersion, IsShownWithCapitalLetters) {
  InfoFixture f(Board(0x1E81, false, GetParam().driver));
  std::string version = "old";
  EXPECT_EQ(ReadVbiosVersion(-1, f.table, version), kNvOk);
  EXPECT_EQ(version, GetParam().shown);
  EXPECT_EQ(LastCall(f.driver.simulator, kIdGpuGetVbiosVersionString).gpuIndex, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VbiosVersion,
    testing::Values(TextCase{"HexLetters", "94.02.26.48.d6", "94.02.26.48.D6"},
                    TextCase{"AlreadyUpper", "95.02.18.80.87", "95.02.18.80.87"},
                    TextCase{"Empty", "", ""},
                    TextCase{"Longest",
                             "abcdefghijklmnopqrstuvwxyz.abcdefghijklmnopqrstuvwxyz.0123456789",
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZ.ABCDEFGHIJKLMNOPQRSTUVWXYZ.012345678"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(BoardTexts, FailuresGiveEmptyTextsAndTheStatus) {
  InfoFixture f;
  f.Fail(kIdGpuGetVbiosVersionString);
  f.Fail(kIdGpuGetFullName);
  std::string version = "old";
  std::string name = "old";
  EXPECT_EQ(ReadVbiosVersion(-1, f.table, version), kNvError);
  EXPECT_EQ(ReadBoardName(-1, f.table, name), kNvError);
  EXPECT_EQ(version, "");
  EXPECT_EQ(name, "");
  EXPECT_EQ(f.table.status, kNvError);
  EXPECT_STREQ(f.table.errorText, "kept");
}

TEST(BoardTexts, TheNameComesAsTheDriverGivesIt) {
  sim::GpuModel gpu = Board(0x2684);
  gpu.name = "NVIDIA GeForce RTX 4090 d";
  InfoFixture f(gpu);
  std::string name;
  EXPECT_EQ(ReadBoardName(-1, f.table, name), kNvOk);
  EXPECT_EQ(name, "NVIDIA GeForce RTX 4090 d");
}

TEST(DriverVersion, AsksThroughTheFirstDisplayHandle) {
  InfoFixture f(Board(0x2684), 2);
  f.driver.simulator.scenario().driverVersion.version = 56614;
  EXPECT_EQ(ReadDriverVersion(f.table), 56614u);
  EXPECT_EQ(f.table.status, kNvOk);
  const sim::TraceEntry call = LastCall(f.driver.simulator, kIdGetDisplayDriverVersion);
  EXPECT_EQ(call.version, 0x1008Cu);
  EXPECT_EQ(call.args.rfind("display=0x00002000", 0), 0u) << call.args;
}

TEST(DriverVersion, IsZeroWhenTheDriverFillsNothing) {
  InfoFixture none(Board(0x2684), 0);  // no display handle: null handle passed
  EXPECT_EQ(ReadDriverVersion(none.table), 0u);
  EXPECT_EQ(none.table.status, kNvExpectedDisplayHandle);

  InfoFixture claims(Board(0x2684));
  claims.driver.simulator.scenario().interfaces[kIdGetDisplayDriverVersion].forcedStatus = kNvOk;
  EXPECT_EQ(ReadDriverVersion(claims.table), 0u);
  EXPECT_EQ(claims.table.status, kNvOk);
}

TEST(CoresAndBusWidth, ReadTheBoardAndKeepOutputsOnFailure) {
  sim::GpuModel gpu = Board(0x1B80);
  gpu.board.coreCount = 2560;
  gpu.board.busWidthBits = 256;
  gpu.board.frameBufferLocation = 1;
  InfoFixture f(gpu);
  uint32_t cores = 0;
  uint32_t bits = 0;
  EXPECT_EQ(ReadCoreCount(-1, f.table, cores), kNvOk);
  EXPECT_EQ(ReadMemoryBusWidth(-1, f.table, bits), kNvOk);
  EXPECT_EQ(cores, 2560u);
  EXPECT_EQ(bits, 256u);

  f.Fail(kIdGpuGetGpuCoreCount);
  f.Fail(kIdGpuGetFrameBufferWidthAndLocation);
  cores = 7;
  bits = 9;
  EXPECT_EQ(ReadCoreCount(-1, f.table, cores), kNvError);
  EXPECT_EQ(ReadMemoryBusWidth(-1, f.table, bits), kNvError);
  EXPECT_EQ(cores, 7u);
  EXPECT_EQ(bits, 9u);
}

TEST(BoardInfo, EveryQueryAddressesTheGivenIndex) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684), Board(0x1B80)}));
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  driver.simulator.ClearTrace();
  uint32_t number = 0;
  std::string text;
  table.currentIndex = 1;  // slot 1 = model GPU 0
  ReadMemorySizeMB(-1, table, number);
  ReadMemoryTypeName(-1, table, text);
  ReadMemoryMakerName(-1, table, text);
  ReadBoardName(-1, table, text);
  ReadVbiosVersion(-1, table, text);
  ReadCoreCount(-1, table, number);
  ReadMemoryBusWidth(-1, table, number);
  ReadCoreCount(0, table, number);  // slot 0 = model GPU 1
  const std::vector<sim::TraceEntry>& trace = driver.simulator.Trace();
  ASSERT_EQ(trace.size(), 8u);
  for (size_t i = 0; i + 1 < trace.size(); ++i) EXPECT_EQ(trace[i].gpuIndex, 0) << i;
  EXPECT_EQ(trace.back().gpuIndex, 1);
}

TEST(BoardInfo, NamesOfTheTablesForCallersThatHoldACode) {
  EXPECT_STREQ(MemoryTypeName(11), "HBM1");
  EXPECT_STREQ(MemoryMakerName(6), "Hynix");
  EXPECT_EQ(MemoryTypeName(14), nullptr);
  EXPECT_EQ(MemoryMakerName(11), nullptr);
}

}  // namespace

namespace {

TEST(BoardInfo, TheSeamResolvesEveryQueryAndFailsWithoutThem) {
  SimulatedDriver driver(ScenarioOf({Board(0x1B80)}));
  ExpectResolvedOnce(driver.simulator,
                     {kIdGpuGetPhysicalFrameBufferSize, kIdGpuGetMemoryType, kIdGpuGetMemoryMaker,
                      kIdGpuGetFrameBufferWidthAndLocation, kIdGpuGetFullName,
                      kIdGetDisplayDriverVersion, kIdGpuGetGpuCoreCount});
  const NvApi none;
  GpuTable table(none);
  uint32_t number = 5;
  std::string text = "kept";
  EXPECT_EQ(ReadMemorySizeMB(-1, table, number), 1);
  EXPECT_EQ(ReadMemoryTypeName(-1, table, text), 1);
  EXPECT_EQ(text, "UNKNOWN");
  EXPECT_EQ(ReadBoardName(-1, table, text), kNvNoImplementation);
  EXPECT_EQ(ReadDriverVersion(table), 0u);
  EXPECT_EQ(table.status, kNvNoImplementation);
}

}  // namespace
