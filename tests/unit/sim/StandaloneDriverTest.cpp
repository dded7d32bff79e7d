// The simulator as a driver on its own: scenario file in, trace file out, failing closed on a
// scenario that does not parse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "SimTestSupport.h"
#include "sim/QueryInterface.h"
#include "sim/ScenarioFile.h"
#include "sim/ScenarioParser.h"
#include "sim/StandaloneDriver.h"

namespace {

namespace fs = std::filesystem;

// A fresh directory per test, removed afterwards.
class StandaloneDriverTest : public testing::Test {
 protected:
  StandaloneDriverTest() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("pyrelix-sim-") + info->name() + "-" + std::to_string(counter_++));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~StandaloneDriverTest() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
    return PathOf(name);
  }

  std::vector<std::string> TraceLines() const {
    std::ifstream file(PathOf("trace.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  static NvStatus Call(uint32_t id) {
    if (id == kIdInitialize) {
      return reinterpret_cast<nvfn::Initialize*>(sim::QueryInterface(id))();
    }
    uint32_t w[4];
    return reinterpret_cast<nvfn::GpuGetPCIIdentifiers*>(sim::QueryInterface(id))(
        sim::PhysicalGpuHandle(0), &w[0], &w[1], &w[2], &w[3]);
  }

  static inline int counter_ = 0;
  fs::path dir_;
};

TEST_F(StandaloneDriverTest, WithoutScenarioRunsTheDemoBoardAndTracesEachCallToTheFile) {
  const std::string trace = PathOf("trace.txt");
  {
    sim::StandaloneDriver driver(nullptr, trace.c_str());
    EXPECT_EQ(driver.simulator().scenario(), sim::DemoScenario());
    EXPECT_EQ(Call(kIdInitialize), kNvOk);
    // Each line is on disk as soon as the call returns.
    EXPECT_EQ(TraceLines().size(), 3u);
    EXPECT_EQ(Call(kIdGpuGetPCIIdentifiers), kNvOk);
  }
  std::ifstream raw(trace, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.find('\r'), std::string::npos) << "lines must end in LF alone";
  const std::vector<std::string> lines = TraceLines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "# scenario: demo board");
  EXPECT_EQ(lines[1],
            "1 resolve id=0x0150E828 fn=nvapi_QueryInterface gpu=-1 ver=0x00000000 status=0 "
            "args=NvAPI_Initialize");
  EXPECT_EQ(lines[2],
            "2 call id=0x0150E828 fn=NvAPI_Initialize gpu=-1 ver=0x00000000 status=0 args=");
  EXPECT_EQ(lines[4],
            "4 call id=0x2DDFB66E fn=NvAPI_GPU_GetPCIIdentifiers gpu=0 ver=0x00000000 status=0 "
            "args=handle=0x00001000 -> device=0x268410DE subsystem=0x167C10DE "
            "revision=0x000000A1 ext=0x00002684");
}

TEST_F(StandaloneDriverTest, TraceFileIsAppendedTo) {
  const std::string trace = Write("trace.txt", "earlier run\n");
  sim::StandaloneDriver driver(nullptr, trace.c_str());
  EXPECT_EQ(TraceLines().front(), "earlier run");
}

TEST_F(StandaloneDriverTest, UsesTheScenarioFile) {
  const std::string scenario = Write("s.ini", "[gpu]\ndevice = 0x1B80\n");
  const std::string trace = PathOf("trace.txt");
  sim::StandaloneDriver driver(scenario.c_str(), trace.c_str());
  ASSERT_EQ(driver.simulator().scenario().gpus.size(), 1u);
  EXPECT_EQ(driver.simulator().scenario().gpus[0].deviceId, 0x1B80);
  EXPECT_EQ(TraceLines().front(), "# scenario: " + scenario);
}

TEST_F(StandaloneDriverTest, UnreadableScenarioFallsBackToTheDemoBoard) {
  const std::string missing = PathOf("no-such.ini");
  const std::string trace = PathOf("trace.txt");
  sim::StandaloneDriver driver(missing.c_str(), trace.c_str());
  EXPECT_EQ(driver.simulator().scenario(), sim::DemoScenario());
  EXPECT_EQ(Call(kIdInitialize), kNvOk);
  EXPECT_EQ(TraceLines().front(),
            "# cannot open scenario file '" + missing + "'; using the demo board");
}

TEST_F(StandaloneDriverTest, ScenarioThatDoesNotParseMakesInitializeFail) {
  const std::string bad = Write("bad.ini", "[gpu]\ndevice = 0x2684\nfan = loud\n");
  const std::string trace = PathOf("trace.txt");
  sim::StandaloneDriver driver(bad.c_str(), trace.c_str());
  EXPECT_TRUE(driver.simulator().scenario().gpus.empty());
  EXPECT_EQ(Call(kIdInitialize), kNvError);
  EXPECT_EQ(Call(kIdGpuGetPCIIdentifiers), kNvApiNotInitialized);
  EXPECT_EQ(TraceLines().front(), "# scenario file '" + bad +
                                      "' rejected: line 3: unknown key 'fan' in [gpu]; "
                                      "Initialize will fail");
}

TEST_F(StandaloneDriverTest, WorksWithoutATraceFile) {
  const std::string directory = dir_.string();  // cannot be opened as a file
  sim::StandaloneDriver driver(nullptr, directory.c_str());
  EXPECT_EQ(Call(kIdInitialize), kNvOk);
  EXPECT_EQ(driver.simulator().CountCalls(kIdInitialize), 1u);
}

TEST_F(StandaloneDriverTest, ActiveOnlyWhileItLives) {
  {
    sim::StandaloneDriver driver(nullptr, nullptr);
    EXPECT_NE(sim::QueryInterface(kIdInitialize), nullptr);
  }
  EXPECT_EQ(sim::QueryInterface(kIdInitialize), nullptr);
}

TEST_F(StandaloneDriverTest, OversizedScenarioFileIsRejectedNotTruncated) {
  const std::string big =
      Write("big.ini", "[gpu]\ndevice = 1\n" + std::string(sim::kMaxScenarioBytes, '\n'));
  sim::Scenario scenario;
  std::string error;
  EXPECT_EQ(sim::LoadScenarioFile(big, scenario, error), sim::ScenarioFileStatus::kRejected);
  EXPECT_NE(error.find("larger than"), std::string::npos) << error;
  EXPECT_TRUE(scenario.gpus.empty());
}

}  // namespace
