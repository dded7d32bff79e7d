// GPU and display enumeration: order, the TCC split, lying counts and end of enumeration.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>

#include "SimTestSupport.h"

namespace {

using sim::PhantomGpuHandle;
using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

constexpr NvPhysicalGpuHandle kCanary = 0xC0FFEE00u;
constexpr size_t kGuard = 16;

// A 64-entry handle array with guard entries behind it, all set to the canary.
struct HandleBuffer {
  HandleBuffer() { slots.fill(kCanary); }
  NvPhysicalGpuHandle* data() { return slots.data(); }
  bool GuardIntact() const {
    for (size_t i = kNvMaxPhysicalGpus; i < slots.size(); ++i) {
      if (slots[i] != kCanary) return false;
    }
    return true;
  }
  std::array<NvPhysicalGpuHandle, kNvMaxPhysicalGpus + kGuard> slots;
};

TEST(GpuEnumeration, ListsDisplayGpusInModelOrderAndTccGpusSeparately) {
  ActiveDriver driver(simtest::TwoGpusScenario());
  HandleBuffer display;
  uint32_t displayCount = 0;
  ASSERT_EQ(driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs)(display.data(), &displayCount),
            kNvOk);
  ASSERT_EQ(displayCount, 2u);
  EXPECT_EQ(display.slots[0], PhysicalGpuHandle(0));
  EXPECT_EQ(display.slots[1], PhysicalGpuHandle(2));
  EXPECT_EQ(display.slots[2], kCanary);

  HandleBuffer tcc;
  uint32_t tccCount = 0;
  ASSERT_EQ(driver.Get<nvfn::EnumTCCPhysicalGPUs>(kIdEnumTCCPhysicalGPUs)(tcc.data(), &tccCount),
            kNvOk);
  ASSERT_EQ(tccCount, 1u);
  EXPECT_EQ(tcc.slots[0], PhysicalGpuHandle(1));
  EXPECT_EQ(tcc.slots[1], kCanary);
}

TEST(GpuEnumeration, HandlesAreNonzeroDistinctAndStable) {
  ActiveDriver driver(simtest::TwoGpusScenario());
  auto enumerate = driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs);
  HandleBuffer first, again;
  uint32_t count = 0;
  ASSERT_EQ(enumerate(first.data(), &count), kNvOk);
  ASSERT_EQ(enumerate(again.data(), &count), kNvOk);
  EXPECT_NE(first.slots[0], 0u);
  EXPECT_NE(first.slots[0], first.slots[1]);
  EXPECT_EQ(first.slots, again.slots);
}

TEST(GpuEnumeration, MachineWithoutDisplayGpusAnswersNoDeviceButListsTcc) {
  sim::Scenario scenario = simtest::TwoGpusScenario();
  scenario.gpus = {scenario.gpus[1]};  // the TCC board only
  ActiveDriver driver(scenario);
  HandleBuffer buffer;
  uint32_t count = 7;
  EXPECT_EQ(driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs)(buffer.data(), &count),
            kNvNvidiaDeviceNotFound);
  EXPECT_EQ(count, 7u);
  ASSERT_EQ(driver.Get<nvfn::EnumTCCPhysicalGPUs>(kIdEnumTCCPhysicalGPUs)(buffer.data(), &count),
            kNvOk);
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(buffer.slots[0], PhysicalGpuHandle(0));
}

TEST(GpuEnumeration, NoTccGpusGivesAnEmptyList) {
  ActiveDriver driver;
  HandleBuffer buffer;
  uint32_t count = 7;
  ASSERT_EQ(driver.Get<nvfn::EnumTCCPhysicalGPUs>(kIdEnumTCCPhysicalGPUs)(buffer.data(), &count),
            kNvOk);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(buffer.slots[0], kCanary);
}

struct NullCase {
  const char* name;
  uint32_t id;
  bool nullHandles;
};

void PrintTo(const NullCase& call, std::ostream* out) {
  *out << call.name;
}

class GpuEnumerationNull : public testing::TestWithParam<NullCase> {};

TEST_P(GpuEnumerationNull, RejectsNullPointers) {
  ActiveDriver driver;
  HandleBuffer buffer;
  uint32_t count = 7;
  auto enumerate = driver.Get<nvfn::EnumPhysicalGPUs>(GetParam().id);
  EXPECT_EQ(GetParam().nullHandles ? enumerate(nullptr, &count) : enumerate(buffer.data(), nullptr),
            kNvInvalidArgument);
  EXPECT_EQ(count, 7u);
  EXPECT_EQ(buffer.slots[0], kCanary);
}

INSTANTIATE_TEST_SUITE_P(BothLists, GpuEnumerationNull,
                         testing::Values(NullCase{"DisplayHandles", kIdEnumPhysicalGPUs, true},
                                         NullCase{"DisplayCount", kIdEnumPhysicalGPUs, false},
                                         NullCase{"TccHandles", kIdEnumTCCPhysicalGPUs, true},
                                         NullCase{"TccCount", kIdEnumTCCPhysicalGPUs, false}),
                         [](const testing::TestParamInfo<NullCase>& info) {
                           return info.param.name;
                         });

// A lying driver: the count reported differs from the GPUs there are.
struct OverrideCase {
  const char* name;
  uint32_t id;
  uint32_t reported;
  uint32_t expectedWritten;
};

void PrintTo(const OverrideCase& call, std::ostream* out) {
  *out << call.name;
}

class GpuEnumerationOverride : public testing::TestWithParam<OverrideCase> {};

TEST_P(GpuEnumerationOverride, ReportsTheOverrideButNeverWritesPast64) {
  const OverrideCase& param = GetParam();
  sim::Scenario scenario = simtest::TwoGpusScenario();
  scenario.interfaces[param.id].reportedCount = param.reported;
  ActiveDriver driver(scenario);
  const std::vector<NvPhysicalGpuHandle> real =
      param.id == kIdEnumPhysicalGPUs
          ? std::vector<NvPhysicalGpuHandle>{PhysicalGpuHandle(0), PhysicalGpuHandle(2)}
          : std::vector<NvPhysicalGpuHandle>{PhysicalGpuHandle(1)};

  HandleBuffer buffer;
  uint32_t count = 0;
  ASSERT_EQ(driver.Get<nvfn::EnumPhysicalGPUs>(param.id)(buffer.data(), &count), kNvOk);
  EXPECT_EQ(count, param.reported);
  EXPECT_TRUE(buffer.GuardIntact());
  for (uint32_t slot = 0; slot < kNvMaxPhysicalGpus; ++slot) {
    SCOPED_TRACE(slot);
    if (slot >= param.expectedWritten) {
      EXPECT_EQ(buffer.slots[slot], kCanary);
    } else if (slot < real.size()) {
      EXPECT_EQ(buffer.slots[slot], real[slot]);
    } else {
      EXPECT_EQ(buffer.slots[slot], PhantomGpuHandle(slot));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GpuEnumerationOverride,
    testing::Values(OverrideCase{"UnderReportsDisplay", kIdEnumPhysicalGPUs, 1, 1},
                    OverrideCase{"OverReportsDisplay", kIdEnumPhysicalGPUs, 5, 5},
                    OverrideCase{"Exactly64", kIdEnumPhysicalGPUs, 64, 64},
                    OverrideCase{"Reports65", kIdEnumPhysicalGPUs, 65, 64},
                    OverrideCase{"Reports70", kIdEnumPhysicalGPUs, 70, 64},
                    OverrideCase{"Reports200", kIdEnumPhysicalGPUs, 200, 64},
                    OverrideCase{"ReportsMaximum", kIdEnumPhysicalGPUs, UINT32_MAX, 64},
                    OverrideCase{"TccReportsZero", kIdEnumTCCPhysicalGPUs, 0, 0},
                    OverrideCase{"TccReports70", kIdEnumTCCPhysicalGPUs, 70, 64},
                    OverrideCase{"TccReports200", kIdEnumTCCPhysicalGPUs, 200, 64}),
    [](const testing::TestParamInfo<OverrideCase>& info) { return info.param.name; });

TEST(GpuEnumeration, MoreThan64RealGpusFillTheArrayAndReportTheTrueCount) {
  sim::Scenario scenario;
  scenario.gpus.resize(80);
  for (sim::GpuModel& gpu : scenario.gpus) gpu.deviceId = 0x2684;
  ActiveDriver driver(scenario);
  HandleBuffer buffer;
  uint32_t count = 0;
  ASSERT_EQ(driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs)(buffer.data(), &count), kNvOk);
  EXPECT_EQ(count, 80u);
  EXPECT_EQ(buffer.slots[63], PhysicalGpuHandle(63));
  EXPECT_TRUE(buffer.GuardIntact());
}

TEST(GpuEnumeration, DisplayListReportedAsZeroAnswersNoDevice) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdEnumPhysicalGPUs].reportedCount = 0;
  ActiveDriver driver(scenario);
  HandleBuffer buffer;
  uint32_t count = 7;
  EXPECT_EQ(driver.Get<nvfn::EnumPhysicalGPUs>(kIdEnumPhysicalGPUs)(buffer.data(), &count),
            kNvNvidiaDeviceNotFound);
  EXPECT_EQ(buffer.slots[0], kCanary);
}

struct DisplayCase {
  const char* name;
  uint32_t displays;
  std::optional<uint32_t> reported;
  uint32_t index;
  NvStatus status;
  NvDisplayHandle handle;  // when status is kNvOk
};

void PrintTo(const DisplayCase& call, std::ostream* out) {
  *out << call.name;
}

class DisplayEnumeration : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayEnumeration, AnswersHandleOrEndOfEnumeration) {
  const DisplayCase& param = GetParam();
  sim::Scenario scenario = sim::DemoScenario();
  scenario.displayCount = param.displays;
  if (param.reported)
    scenario.interfaces[kIdEnumNvidiaDisplayHandle].reportedCount = *param.reported;
  ActiveDriver driver(scenario);
  NvDisplayHandle handle = kCanary;
  EXPECT_EQ(
      driver.Get<nvfn::EnumNvidiaDisplayHandle>(kIdEnumNvidiaDisplayHandle)(param.index, &handle),
      param.status);
  EXPECT_EQ(handle, param.status == kNvOk ? param.handle : kCanary);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, DisplayEnumeration,
    testing::Values(DisplayCase{"FirstDisplay", 1, std::nullopt, 0, kNvOk, sim::DisplayHandle(0)},
                    DisplayCase{"PastTheOnlyDisplay", 1, std::nullopt, 1, kNvEndEnumeration, 0},
                    DisplayCase{"LastOfThree", 3, std::nullopt, 2, kNvOk, sim::DisplayHandle(2)},
                    DisplayCase{"NoDisplays", 0, std::nullopt, 0, kNvEndEnumeration, 0},
                    DisplayCase{"HugeIndex", 1, std::nullopt, UINT32_MAX, kNvEndEnumeration, 0},
                    DisplayCase{"LyingDriverPastRealDisplays", 1, 200u, 150, kNvOk,
                                sim::PhantomDisplayHandle(150)},
                    DisplayCase{"LyingDriverEnd", 1, 200u, 200, kNvEndEnumeration, 0},
                    DisplayCase{"UnderReported", 3, 1u, 1, kNvEndEnumeration, 0}),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

TEST(DisplayEnumeration, RejectsNullHandlePointer) {
  ActiveDriver driver;
  EXPECT_EQ(driver.Get<nvfn::EnumNvidiaDisplayHandle>(kIdEnumNvidiaDisplayHandle)(0, nullptr),
            kNvInvalidArgument);
}

}  // namespace
