// The scenario text format: a full file, the shipped files, each kind of error and the bounds.
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "sim/DemoScenario.h"
#include "sim/ScenarioParser.h"

namespace {

using sim::ParseScenario;
using sim::Scenario;

std::string ReadShipped(const std::string& name) {
  std::ifstream file(std::string(PYRELIX_SIM_SCENARIO_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// n [gpu] sections, one line each after the header.
std::string Gpus(size_t n) {
  std::string text;
  for (size_t i = 0; i < n; ++i) text += "[gpu]\ndevice = 0x2684\n";
  return text;
}

TEST(ScenarioParser, ReadsEveryKey) {
  const std::string text =
      "\xEF\xBB\xBF# comment\r\n"
      "; another comment\n"
      "[driver]\n"
      "displays = 3\n"
      "\n"
      "[gpu]\n"
      "  name =  NVIDIA GeForce RTX 4090  \n"
      "vendor = 0x10de\n"
      "device = 9860\n"
      "subsystem_vendor = 0x1234\n"
      "subsystem = 0xABCD\n"
      "revision = 0xA1\n"
      "vbios = 95.02.18.80.87\n"
      "tcc = yes\n"
      "[gpu]\n"
      "device = 0x1B80\n"
      "[interface 0x0150E828]\n"
      "fail = -1\n"
      "[interface NvAPI_EnumPhysicalGPUs]\n"
      "count = 200\n"
      "latency_ms = 25\n"
      "missing = true\n"
      "versions = 0x00010028, 0x20030 ,5\n";
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(text, scenario, error)) << error;

  EXPECT_EQ(scenario.displayCount, 3u);
  ASSERT_EQ(scenario.gpus.size(), 2u);
  const sim::GpuModel& gpu = scenario.gpus[0];
  EXPECT_EQ(gpu.name, "NVIDIA GeForce RTX 4090");
  EXPECT_EQ(gpu.vendorId, 0x10DE);
  EXPECT_EQ(gpu.deviceId, 0x2684);
  EXPECT_EQ(gpu.subsystemVendorId, 0x1234);
  EXPECT_EQ(gpu.subsystemId, 0xABCD);
  EXPECT_EQ(gpu.revision, 0xA1u);
  EXPECT_EQ(gpu.vbiosVersion, "95.02.18.80.87");
  EXPECT_TRUE(gpu.tcc);
  EXPECT_EQ(scenario.gpus[1], [] {  // unset keys keep the model's defaults
    sim::GpuModel defaults;
    defaults.deviceId = 0x1B80;
    return defaults;
  }());

  ASSERT_EQ(scenario.interfaces.size(), 2u);
  EXPECT_EQ(scenario.interfaces.at(kIdInitialize).forcedStatus, kNvError);
  const sim::InterfaceBehaviour& enumeration = scenario.interfaces.at(kIdEnumPhysicalGPUs);
  EXPECT_EQ(enumeration.reportedCount, 200u);
  EXPECT_EQ(enumeration.latencyMs, 25u);
  EXPECT_TRUE(enumeration.missing);
  EXPECT_EQ(enumeration.acceptedVersions, (std::vector<uint32_t>{0x00010028, 0x00020030, 5}));
  EXPECT_FALSE(enumeration.forcedStatus.has_value());
}

TEST(ScenarioParser, EmptyTextIsAMachineWithoutGpus) {
  Scenario scenario = sim::DemoScenario();
  std::string error;
  ASSERT_TRUE(ParseScenario("", scenario, error)) << error;
  EXPECT_EQ(scenario, Scenario{});
}

TEST(ScenarioParser, ShippedDemoFileIsTheDemoBoard) {
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(ReadShipped("demo.ini"), scenario, error)) << error;
  EXPECT_EQ(scenario, sim::DemoScenario());
}

struct ShippedCase {
  const char* file;
  size_t gpus;
  size_t tccIndex;  // gpus when none
  uint16_t firstDevice;
  const char* firstVbios;
};

void PrintTo(const ShippedCase& call, std::ostream* out) {
  *out << call.file;
}

class ShippedScenario : public testing::TestWithParam<ShippedCase> {};

TEST_P(ShippedScenario, ParsesToTheBoardsItDescribes) {
  const ShippedCase& param = GetParam();
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(ReadShipped(param.file), scenario, error)) << error;
  ASSERT_EQ(scenario.gpus.size(), param.gpus);
  for (size_t i = 0; i < scenario.gpus.size(); ++i) {
    EXPECT_EQ(scenario.gpus[i].tcc, i == param.tccIndex) << i;
    EXPECT_EQ(scenario.gpus[i].vendorId, 0x10DE) << i;
    EXPECT_FALSE(scenario.gpus[i].name.empty()) << i;
  }
  EXPECT_EQ(scenario.gpus[0].deviceId, param.firstDevice);
  EXPECT_EQ(scenario.gpus[0].vbiosVersion, param.firstVbios);
  EXPECT_GE(scenario.displayCount, 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShippedScenario,
    testing::Values(ShippedCase{"demo.ini", 1, 1, 0x2684, "95.02.18.80.87"},
                    ShippedCase{"two-gpus.ini", 3, 1, 0x2684, "95.02.18.80.87"},
                    ShippedCase{"p-states-17c8.ini", 1, 1, 0x17C8, "84.00.41.00.90"},
                    ShippedCase{"vf-only-1b80.ini", 1, 1, 0x1B80, "86.04.17.00.01"},
                    ShippedCase{"report-vbios.ini", 1, 1, 0x1E81, "94.02.26.48.d6"}),
    [](const testing::TestParamInfo<ShippedCase>& info) {
      std::string name = info.param.file;
      for (char& c : name) {
        if (c == '-' || c == '.') c = '_';
      }
      return name;
    });

struct ErrorCase {
  const char* name;
  std::string text;
  std::string error;
};

void PrintTo(const ErrorCase& call, std::ostream* out) {
  *out << call.name;
}

class ScenarioError : public testing::TestWithParam<ErrorCase> {};

TEST_P(ScenarioError, IsRejectedWithTheLineAndLeavesTheOutputAlone) {
  Scenario scenario = sim::DemoScenario();
  std::string error;
  EXPECT_FALSE(ParseScenario(GetParam().text, scenario, error));
  EXPECT_EQ(error, GetParam().error);
  EXPECT_EQ(scenario, sim::DemoScenario());
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ScenarioError,
    testing::Values(
        ErrorCase{"Garbage", "\x01\x02garbage", "line 1: expected a [section] or 'key = value'"},
        ErrorCase{"UnclosedSection", "[gpu\n", "line 1: section header without a closing ']'"},
        ErrorCase{"UnknownSection", "[gpus]\n", "line 1: unknown section [gpus]"},
        ErrorCase{"KeyOutsideSection", "# x\ndevice = 1\n",
                  "line 2: 'device' comes before any section"},
        ErrorCase{"EmptyKey", "[driver]\n= 1\n", "line 2: '= value' without a key"},
        ErrorCase{"UnknownKey", "[gpu]\ndevice = 1\ncolour = red\n",
                  "line 3: unknown key 'colour' in [gpu]"},
        ErrorCase{"KeyOfAnotherSection", "[driver]\ndevice = 1\n",
                  "line 2: unknown key 'device' in [driver]"},
        ErrorCase{"DuplicateKey", "[gpu]\ndevice = 1\ndevice = 2\n",
                  "line 3: 'device' given twice in [gpu]"},
        ErrorCase{"GpuWithoutDevice", "[gpu]\nname = x\n[driver]\n",
                  "line 1: [gpu] has no 'device'"},
        ErrorCase{"LastGpuWithoutDevice", "[gpu]\ndevice = 1\n\n[gpu]\n",
                  "line 4: [gpu] has no 'device'"},
        ErrorCase{"DriverTwice", "[driver]\n[driver]\n", "line 2: [driver] given twice"},
        ErrorCase{"InterfaceWithoutTarget", "[interface]\n",
                  "line 1: [interface] needs an interface ID or entry name"},
        ErrorCase{"InterfaceUnknownName", "[interface NvAPI_Nothing]\n",
                  "line 1: [interface] names unknown entry 'NvAPI_Nothing'"},
        ErrorCase{"InterfaceTwice", "[interface NvAPI_Initialize]\n[interface 0x0150E828]\n",
                  "line 2: [interface 0x0150E828] given twice"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Values, ScenarioError,
    testing::Values(
        ErrorCase{"DeviceNotANumber", "[gpu]\ndevice = 0x26G4\n",
                  "line 2: 'device' needs a number from 0 to 65535"},
        ErrorCase{"DeviceTooBig", "[gpu]\ndevice = 0x10000\n",
                  "line 2: 'device' needs a number from 0 to 65535"},
        ErrorCase{"DeviceNegative", "[gpu]\ndevice = -1\n",
                  "line 2: 'device' needs a number from 0 to 65535"},
        ErrorCase{"DeviceEmpty", "[gpu]\ndevice =\n",
                  "line 2: 'device' needs a number from 0 to 65535"},
        ErrorCase{"BareHexPrefix", "[gpu]\ndevice = 0x\n",
                  "line 2: 'device' needs a number from 0 to 65535"},
        ErrorCase{"RevisionOver32Bits", "[gpu]\ndevice = 1\nrevision = 4294967296\n",
                  "line 3: 'revision' needs a number from 0 to 4294967295"},
        ErrorCase{"TccNotBoolean", "[gpu]\ndevice = 1\ntcc = maybe\n",
                  "line 3: 'tcc' needs true or false"},
        ErrorCase{"NameWithControlCharacter", "[gpu]\ndevice = 1\nname = a\tb\n",
                  "line 3: 'name' contains a control character"},
        ErrorCase{"FailNotANumber", "[interface NvAPI_Initialize]\nfail = error\n",
                  "line 2: 'fail' needs a status code (a signed 32-bit number)"},
        ErrorCase{"FailOutOfRange", "[interface NvAPI_Initialize]\nfail = -2147483649\n",
                  "line 2: 'fail' needs a status code (a signed 32-bit number)"},
        ErrorCase{"MissingNotBoolean", "[interface NvAPI_Initialize]\nmissing = 2\n",
                  "line 2: 'missing' needs true or false"},
        ErrorCase{"VersionsEmptyItem", "[interface NvAPI_Initialize]\nversions = 1,,2\n",
                  "line 2: 'versions' needs 1 to 16 32-bit numbers separated by commas"},
        ErrorCase{"CountOver32Bits", "[interface NvAPI_EnumPhysicalGPUs]\ncount = 0x100000000\n",
                  "line 2: 'count' needs a number from 0 to 4294967295"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

// Each bound: the largest allowed value parses, one more is rejected with its line.
INSTANTIATE_TEST_SUITE_P(
    Bounds, ScenarioError,
    testing::Values(
        ErrorCase{"Gpus65", Gpus(65), "line 129: more than 64 [gpu] sections"},
        ErrorCase{"Name64", "[gpu]\ndevice = 1\nname = " + std::string(64, 'n') + "\n",
                  "line 3: 'name' is longer than 63 characters"},
        ErrorCase{"Vbios64", "[gpu]\ndevice = 1\nvbios = " + std::string(64, '9') + "\n",
                  "line 3: 'vbios' is longer than 63 characters"},
        ErrorCase{"Displays129", "[driver]\ndisplays = 129\n",
                  "line 2: 'displays' needs a number from 0 to 128"},
        ErrorCase{"Latency10001", "[interface NvAPI_Initialize]\nlatency_ms = 10001\n",
                  "line 2: 'latency_ms' needs a number from 0 to 10000"},
        ErrorCase{"Versions17",
                  "[interface NvAPI_Initialize]\nversions = 1,2,3,4,5,6,7,8,9,10,11,"
                  "12,13,14,15,16,17\n",
                  "line 2: 'versions' needs 1 to 16 32-bit numbers separated by commas"},
        ErrorCase{"Line513", "# " + std::string(511, 'x') + "\n",
                  "line 1: line is longer than 512 characters"},
        ErrorCase{"OverOneMebibyte", std::string(1024 * 1024 + 1, '\n'),
                  "scenario is larger than 1048576 bytes"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(ScenarioParser, TooManyInterfaceSectionsAreRejected) {
  std::string text;
  for (uint32_t id = 1; id <= 257; ++id) text += "[interface " + std::to_string(id) + "]\n";
  Scenario scenario;
  std::string error;
  EXPECT_FALSE(ParseScenario(text, scenario, error));
  EXPECT_EQ(error, "line 257: more than 256 [interface] sections");
}

TEST(ScenarioParser, LargestAllowedValuesParse) {
  // 63 plain GPUs; the 64th carries the longest strings and largest numbers.
  const std::string text =
      Gpus(63) + "[gpu]\ndevice = 0xFFFF\nname = " + std::string(63, 'n') +
      "\nvbios = " + std::string(63, '9') + "\nrevision = 0xFFFFFFFF\n" +
      "[driver]\ndisplays = 128\n" +
      "[interface 0xFFFFFFFF]\nlatency_ms = 10000\ncount = 4294967295\nfail = -2147483648\n" +
      "versions = 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0xFFFFFFFF\n" + "# " + std::string(510, 'x') +
      "\n";
  Scenario scenario;
  std::string error;
  ASSERT_TRUE(ParseScenario(text, scenario, error)) << error;
  EXPECT_EQ(scenario.gpus.size(), 64u);
  EXPECT_EQ(scenario.gpus.back().name.size(), 63u);
  EXPECT_EQ(scenario.gpus.back().revision, 0xFFFFFFFFu);
  EXPECT_EQ(scenario.displayCount, 128u);
  const sim::InterfaceBehaviour& behaviour = scenario.interfaces.at(0xFFFFFFFF);
  EXPECT_EQ(behaviour.forcedStatus, INT32_MIN);
  EXPECT_EQ(behaviour.reportedCount, UINT32_MAX);
  EXPECT_EQ(behaviour.acceptedVersions.size(), 16u);
}

}  // namespace
