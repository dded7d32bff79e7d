// Per-interface scenario behaviour: forced failures, missing IDs, latency, accepted versions.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <ostream>
#include <string>
#include <tuple>

#include "SimTestSupport.h"
#include "sim/QueryInterface.h"

namespace {

using simtest::ActiveDriver;
using simtest::GatedCall;

class ForcedFailure : public testing::TestWithParam<std::tuple<GatedCall, NvStatus>> {};

TEST_P(ForcedFailure, AnswersTheForcedStatusAndWritesNothing) {
  const auto& [entry, forced] = GetParam();
  ActiveDriver driver(simtest::TwoGpusScenario());
  driver.simulator.scenario().interfaces[entry.id].forcedStatus = forced;
  bool touched = false;
  EXPECT_EQ(entry.call(driver.simulator, touched), forced);
  EXPECT_FALSE(touched);
  EXPECT_EQ(driver.simulator.Trace().back().args.find("forced") != std::string::npos, true);

  // Cleared between calls, the entry works again.
  driver.simulator.scenario().interfaces[entry.id].forcedStatus.reset();
  EXPECT_EQ(entry.call(driver.simulator, touched), kNvOk);
  EXPECT_TRUE(touched);
}

INSTANTIATE_TEST_SUITE_P(GatedEntries, ForcedFailure,
                         testing::Combine(testing::ValuesIn(simtest::GatedCalls()),
                                          testing::Values(kNvError, kNvIncompatibleStructVersion,
                                                          kNvOk)),
                         [](const testing::TestParamInfo<std::tuple<GatedCall, NvStatus>>& info) {
                           const NvStatus status = std::get<1>(info.param);
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  (status < 0 ? "minus" + std::to_string(-status)
                                              : std::to_string(status));
                         });

TEST(ForcedFailure, InitializeAndErrorMessageCanBeForcedToo) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdInitialize].forcedStatus = kNvNvidiaDeviceNotFound;
  scenario.interfaces[kIdGetErrorMessage].forcedStatus = kNvError;
  ActiveDriver driver(scenario, /*initialize=*/false);
  EXPECT_EQ(driver.Get<nvfn::Initialize>(kIdInitialize)(), kNvNvidiaDeviceNotFound);
  char text[kNvShortStringSize] = "untouched";
  EXPECT_EQ(driver.Get<nvfn::GetErrorMessage>(kIdGetErrorMessage)(kNvOk, text), kNvError);
  EXPECT_STREQ(text, "untouched");
}

TEST(ForcedFailure, NotInitializedComesFirst) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdGpuGetPCIIdentifiers].forcedStatus = kNvError;
  ActiveDriver driver(scenario, /*initialize=*/false);
  uint32_t words[4];
  EXPECT_EQ(driver.Get<nvfn::GpuGetPCIIdentifiers>(kIdGpuGetPCIIdentifiers)(
                sim::PhysicalGpuHandle(0), &words[0], &words[1], &words[2], &words[3]),
            kNvApiNotInitialized);
}

TEST(MissingInterface, IsNotResolvableWhileOthersAre) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdEnumTCCPhysicalGPUs].missing = true;
  sim::Simulator simulator(scenario);
  sim::ScopedActiveSimulator active(simulator);
  EXPECT_EQ(simulator.Resolve(kIdEnumTCCPhysicalGPUs), nullptr);
  EXPECT_EQ(sim::QueryInterface(kIdEnumTCCPhysicalGPUs), nullptr);
  EXPECT_NE(sim::QueryInterface(kIdEnumPhysicalGPUs), nullptr);

  simulator.scenario().interfaces[kIdEnumTCCPhysicalGPUs].missing = false;
  EXPECT_NE(sim::QueryInterface(kIdEnumTCCPhysicalGPUs), nullptr);
}

class KnownInterface : public testing::TestWithParam<uint32_t> {};

TEST_P(KnownInterface, ResolvesToADistinctEntry) {
  sim::Simulator simulator(sim::DemoScenario());
  void* address = simulator.Resolve(GetParam());
  ASSERT_NE(address, nullptr);
  for (uint32_t other :
       {kIdInitialize, kIdGetErrorMessage, kIdEnumPhysicalGPUs, kIdEnumTCCPhysicalGPUs,
        kIdEnumNvidiaDisplayHandle, kIdGpuGetPCIIdentifiers, kIdGpuGetVbiosVersionString}) {
    if (other != GetParam()) {
      EXPECT_NE(simulator.Resolve(other), address) << std::hex << other;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Ids, KnownInterface,
                         testing::Values(kIdInitialize, kIdGetErrorMessage, kIdEnumPhysicalGPUs,
                                         kIdEnumTCCPhysicalGPUs, kIdEnumNvidiaDisplayHandle,
                                         kIdGpuGetPCIIdentifiers, kIdGpuGetVbiosVersionString));

TEST(UnknownInterface, ResolvesToNull) {
  sim::Simulator simulator(sim::DemoScenario());
  EXPECT_EQ(simulator.Resolve(0), nullptr);
  EXPECT_EQ(simulator.Resolve(0x12345678), nullptr);
  // Behaviour configured for an ID the driver does not implement does not make it resolvable.
  simulator.scenario().interfaces[0x12345678].forcedStatus = kNvOk;
  EXPECT_EQ(simulator.Resolve(0x12345678), nullptr);
}

TEST(Latency, DelaysTheCall) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdGpuGetVbiosVersionString].latencyMs = 60;
  ActiveDriver driver(scenario);
  char text[kNvShortStringSize];
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(driver.Get<nvfn::GpuGetVbiosVersionString>(kIdGpuGetVbiosVersionString)(
                sim::PhysicalGpuHandle(0), text),
            kNvOk);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(60));
}

struct VersionCase {
  const char* name;
  std::vector<uint32_t> accepted;
  uint32_t word;
  bool expected;
};

void PrintTo(const VersionCase& call, std::ostream* out) {
  *out << call.name;
}

class AcceptedVersions : public testing::TestWithParam<VersionCase> {};

TEST_P(AcceptedVersions, ScenarioListReplacesTheEntrysOwn) {
  constexpr uint32_t kV1 = NvStructVersion(0x28, 1);
  constexpr uint32_t kV2 = NvStructVersion(0x30, 2);
  sim::InterfaceBehaviour behaviour;
  behaviour.acceptedVersions = GetParam().accepted;
  EXPECT_EQ(behaviour.AcceptsVersion(GetParam().word, {kV1, kV2}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, AcceptedVersions,
    testing::Values(
        VersionCase{"OwnFirst", {}, NvStructVersion(0x28, 1), true},
        VersionCase{"OwnSecond", {}, NvStructVersion(0x30, 2), true},
        VersionCase{"NotOwn", {}, NvStructVersion(0x30, 3), false},
        VersionCase{"ZeroWord", {}, 0, false},
        VersionCase{"ListedOnly", {NvStructVersion(0x30, 3)}, NvStructVersion(0x30, 3), true},
        VersionCase{
            "OwnNoLongerAccepted", {NvStructVersion(0x30, 3)}, NvStructVersion(0x28, 1), false}),
    [](const testing::TestParamInfo<VersionCase>& info) { return info.param.name; });

}  // namespace
