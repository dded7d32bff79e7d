// The trace: what is recorded per call, counting, clearing, the line format and the sink.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "SimTestSupport.h"

namespace {

using sim::PhysicalGpuHandle;
using sim::TraceEntry;
using sim::TraceKind;
using simtest::ActiveDriver;

TEST(Trace, RecordsEachCallWithGpuArgumentsAndStatus) {
  ActiveDriver driver(simtest::TwoGpusScenario(), /*initialize=*/false);
  sim::Simulator& simulator = driver.simulator;
  auto pci = driver.Get<nvfn::GpuGetPCIIdentifiers>(kIdGpuGetPCIIdentifiers);
  auto initialize = driver.Get<nvfn::Initialize>(kIdInitialize);
  simulator.ClearTrace();
  uint32_t w[4];

  pci(PhysicalGpuHandle(2), &w[0], &w[1], &w[2], &w[3]);
  initialize();
  pci(PhysicalGpuHandle(2), &w[0], &w[1], &w[2], &w[3]);
  pci(0x4242, &w[0], &w[1], &w[2], &w[3]);

  const std::vector<TraceEntry>& trace = simulator.Trace();
  ASSERT_EQ(trace.size(), 4u);
  for (size_t i = 1; i < trace.size(); ++i) EXPECT_EQ(trace[i].sequence, trace[i - 1].sequence + 1);
  for (const TraceEntry& entry : trace) {
    EXPECT_EQ(entry.kind, TraceKind::kCall);
    EXPECT_EQ(entry.version, 0u);
  }

  EXPECT_EQ(trace[0].function, "NvAPI_GPU_GetPCIIdentifiers");
  EXPECT_EQ(trace[0].gpuIndex, 2);
  EXPECT_EQ(trace[0].args, "handle=0x00001002");
  EXPECT_EQ(trace[0].status, kNvApiNotInitialized);

  EXPECT_EQ(trace[1].id, kIdInitialize);
  EXPECT_EQ(trace[1].function, "NvAPI_Initialize");
  EXPECT_EQ(trace[1].gpuIndex, -1);
  EXPECT_EQ(trace[1].status, kNvOk);

  EXPECT_EQ(trace[2].args,
            "handle=0x00001002 -> device=0x220410DE subsystem=0x56781234 revision=0x000000A1 "
            "ext=0x00002204");
  EXPECT_EQ(trace[2].status, kNvOk);

  EXPECT_EQ(trace[3].gpuIndex, -1);
  EXPECT_EQ(trace[3].args, "handle=0x00004242");
  EXPECT_EQ(trace[3].status, kNvExpectedPhysicalGpuHandle);
}

TEST(Trace, RecordsResolutionsApartFromCalls) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdEnumTCCPhysicalGPUs].missing = true;
  sim::Simulator simulator(scenario);
  simulator.Resolve(kIdInitialize);
  simulator.Resolve(kIdEnumTCCPhysicalGPUs);
  simulator.Resolve(0x12345678);

  const std::vector<TraceEntry>& trace = simulator.Trace();
  ASSERT_EQ(trace.size(), 3u);
  EXPECT_EQ(trace[0].kind, TraceKind::kResolve);
  EXPECT_EQ(trace[0].function, "nvapi_QueryInterface");
  EXPECT_EQ(trace[0].args, "NvAPI_Initialize");
  EXPECT_EQ(trace[0].status, kNvOk);
  EXPECT_EQ(trace[1].args, "NvAPI_EnumTCCPhysicalGPUs -> missing");
  EXPECT_EQ(trace[1].status, kNvNoImplementation);
  EXPECT_EQ(trace[2].id, 0x12345678u);
  EXPECT_EQ(trace[2].args, "unknown");
  EXPECT_EQ(trace[2].status, kNvNoImplementation);

  EXPECT_EQ(simulator.CountResolutions(kIdInitialize), 1u);
  EXPECT_EQ(simulator.CountCalls(kIdInitialize), 0u);
}

TEST(Trace, CountsCallsPerIdAndClearKeepsSequence) {
  ActiveDriver driver;
  auto enumerate = driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs);
  NvPhysicalGpuHandle handles[kNvMaxPhysicalGpus];
  uint32_t count = 0;
  enumerate(handles, &count);
  enumerate(nullptr, &count);  // failed calls count too
  driver.Get<nvfn::Initialize>(kIdInitialize)();

  EXPECT_EQ(driver.simulator.CountCalls(kIdEnumPhysicalGPUs), 2u);
  EXPECT_EQ(driver.simulator.CountCalls(kIdInitialize), 1u);
  EXPECT_EQ(driver.simulator.CountCalls(kIdGpuGetPCIIdentifiers), 0u);
  const uint64_t lastSequence = driver.simulator.Trace().back().sequence;

  driver.simulator.ClearTrace();
  EXPECT_TRUE(driver.simulator.Trace().empty());
  EXPECT_EQ(driver.simulator.CountCalls(kIdEnumPhysicalGPUs), 0u);
  driver.Get<nvfn::Initialize>(kIdInitialize)();
  EXPECT_GT(driver.simulator.Trace().back().sequence, lastSequence);
}

TEST(Trace, EnumerationArgumentsShowReportedAndWrittenCounts) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdEnumPhysicalGPUs].reportedCount = 200;
  ActiveDriver driver(scenario);
  auto enumerateGpus = driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs);
  auto enumerateDisplays = driver.Get<nvfn::EnumNvidiaDisplayHandle>(kIdEnumNvidiaDisplayHandle);
  driver.simulator.ClearTrace();
  NvPhysicalGpuHandle handles[kNvMaxPhysicalGpus];
  uint32_t count = 0;
  enumerateGpus(handles, &count);
  NvDisplayHandle display = 0;
  enumerateDisplays(1, &display);
  ASSERT_EQ(driver.simulator.Trace().size(), 2u);
  EXPECT_EQ(driver.simulator.Trace()[0].args, "-> count=200 written=64");
  EXPECT_EQ(driver.simulator.Trace()[1].args, "index=1");
  EXPECT_EQ(driver.simulator.Trace()[1].status, kNvEndEnumeration);
}

struct LineCase {
  const char* name;
  TraceEntry entry;
  const char* line;
};

void PrintTo(const LineCase& call, std::ostream* out) {
  *out << call.name;
}

class TraceLine : public testing::TestWithParam<LineCase> {};

TEST_P(TraceLine, HasTheStableFormat) {
  EXPECT_EQ(sim::FormatTraceLine(GetParam().entry), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TraceLine,
    testing::Values(
        LineCase{
            "Call",
            {12, TraceKind::kCall, kIdGpuGetVbiosVersionString, "NvAPI_GPU_GetVbiosVersionString",
             0, 0, "handle=0x00001000 -> text=95.02", kNvOk},
            "12 call id=0xA561FD7D fn=NvAPI_GPU_GetVbiosVersionString gpu=0 ver=0x00000000 "
            "status=0 args=handle=0x00001000 -> text=95.02"},
        LineCase{"Resolve",
                 {1, TraceKind::kResolve, 0x12345678, "nvapi_QueryInterface", -1, 0, "unknown",
                  kNvNoImplementation},
                 "1 resolve id=0x12345678 fn=nvapi_QueryInterface gpu=-1 ver=0x00000000 "
                 "status=-3 args=unknown"},
        LineCase{"VersionAndNegativeStatus",
                 {7, TraceKind::kCall, 0xABCDEF01, "NvAPI_Some", 3, NvStructVersion(0x30, 2), "",
                  kNvIncompatibleStructVersion},
                 "7 call id=0xABCDEF01 fn=NvAPI_Some gpu=3 ver=0x00020030 status=-9 args="},
        LineCase{"ControlCharactersStayOnOneLine",
                 {2, TraceKind::kCall, 1, "fn\n", -1, 0, "a\nb\r\tc", kNvOk},
                 "2 call id=0x00000001 fn=fn? gpu=-1 ver=0x00000000 status=0 args=a?b??c"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(Trace, SinkSeesEveryEntryAsRecorded) {
  sim::Simulator simulator(sim::DemoScenario());
  std::vector<std::string> lines;
  simulator.SetTraceSink(
      [&](const TraceEntry& entry) { lines.push_back(sim::FormatTraceLine(entry)); });
  sim::ScopedActiveSimulator active(simulator);
  simtest::Entry<nvfn::Initialize>(simulator, kIdInitialize)();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], sim::FormatTraceLine(simulator.Trace()[0]));
  EXPECT_EQ(lines[1], sim::FormatTraceLine(simulator.Trace()[1]));
}

TEST(Trace, CallsFromSeveralThreadsAreEachRecordedOnce) {
  ActiveDriver driver;
  auto vbios = driver.Get<nvfn::GpuGetVbiosVersionString>(kIdGpuGetVbiosVersionString);
  driver.simulator.ClearTrace();
  constexpr int kThreads = 4;
  constexpr int kCallsEach = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([vbios] {
      for (int i = 0; i < kCallsEach; ++i) {
        char text[kNvShortStringSize];
        vbios(PhysicalGpuHandle(0), text);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();

  EXPECT_EQ(driver.simulator.CountCalls(kIdGpuGetVbiosVersionString),
            static_cast<size_t>(kThreads * kCallsEach));
  std::set<uint64_t> sequences;
  for (const TraceEntry& entry : driver.simulator.Trace()) sequences.insert(entry.sequence);
  EXPECT_EQ(sequences.size(), static_cast<size_t>(kThreads * kCallsEach));
}

}  // namespace
