// The frame-rate limit: the value encoding, the order of the settings-database calls, and what a
// failure at each step leaves behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DriverTrace.h"
#include "SimulatedDriver.h"
#include "gpu/FrameRateLimit.h"
#include "gpu/structs/DriverSettingsStructs.h"
#include "sim/DemoScenario.h"

namespace {

using drivertrace::CallSequence;
using drivertrace::ExpectResolvedOnce;
using drivertrace::LastCall;

struct ValueCase {
  uint32_t fps;
  int selector;
  uint32_t value;
};

class FrameRateLimiterEncoding : public testing::TestWithParam<ValueCase> {};

TEST_P(FrameRateLimiterEncoding, BaseBySelectorPlusTheRate) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(FrameRateLimiterValue(c.fps, c.selector), c.value);

  SimulatedDriver driver(sim::DemoScenario());
  ASSERT_EQ(driver.api.Initialize(), kNvOk);
  ASSERT_EQ(SetFrameRateLimit(driver.api, c.fps, c.selector), 0);
  const sim::TraceEntry set = LastCall(driver.simulator, kIdDrsSetSetting);
  EXPECT_EQ(set.version, 0x13020u);
  char expected[96];
  std::snprintf(expected, sizeof expected, "id=0x10834FEE type=0 value=0x%08X", c.value);
  EXPECT_NE(set.args.find(expected), std::string::npos) << set.args;
  const auto& saved = driver.simulator.state().driverSettings.baseProfile;
  ASSERT_EQ(saved.count(kNvDrsFrameRateLimiterId), 1u);
  EXPECT_EQ(saved.at(kNvDrsFrameRateLimiterId).value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Values, FrameRateLimiterEncoding,
                         testing::Values(ValueCase{60, 0, 0xB0C02000u + 60},
                                         ValueCase{60, 2, 0xF0000000u + 60},
                                         ValueCase{60, 1, 0xF000003Cu},
                                         ValueCase{40, 0, 0xB0C02028u},
                                         ValueCase{255, -1, 0xF00000FFu}));

TEST(SetFrameRateLimit, CallsTheDatabaseInOrderAndClosesTheSession) {
  SimulatedDriver driver(sim::DemoScenario());
  ASSERT_EQ(driver.api.Initialize(), kNvOk);
  driver.simulator.ClearTrace();
  ASSERT_EQ(SetFrameRateLimit(driver.api, 90, 1), 0);
  EXPECT_EQ(CallSequence(driver.simulator),
            (std::vector<uint32_t>{kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsGetBaseProfile,
                                   kIdDrsSetSetting, kIdDrsSaveSettings, kIdDrsDestroySession}));
  EXPECT_TRUE(driver.simulator.state().driverSettings.sessions.empty());
}

TEST(SetFrameRateLimit, TheSecondWriteOfOneApplyStays) {
  SimulatedDriver driver(sim::DemoScenario());
  ASSERT_EQ(driver.api.Initialize(), kNvOk);
  ASSERT_EQ(SetFrameRateLimit(driver.api, 60, 0), 0);  // all GPUs: GPU 0, then GPU 1
  ASSERT_EQ(SetFrameRateLimit(driver.api, 60, 1), 0);
  EXPECT_EQ(driver.simulator.state().driverSettings.baseProfile.at(kNvDrsFrameRateLimiterId).value,
            0xF000003Cu);
}

struct FailureCase {
  const char* name;
  uint32_t failing;
  std::vector<uint32_t> calls;  // the calls made, in order
  bool saved;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.name;
}

class SetFrameRateLimitFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SetFrameRateLimitFailure, ReturnsOneStopsAndNeverLeavesASessionOpen) {
  const FailureCase& c = GetParam();
  SimulatedDriver driver(sim::DemoScenario());
  ASSERT_EQ(driver.api.Initialize(), kNvOk);
  driver.simulator.scenario().interfaces[c.failing].forcedStatus = kNvError;
  driver.simulator.ClearTrace();
  EXPECT_EQ(SetFrameRateLimit(driver.api, 60, 1), 1);
  EXPECT_EQ(CallSequence(driver.simulator), c.calls);
  const sim::DriverSettingsState& drs = driver.simulator.state().driverSettings;
  EXPECT_EQ(drs.baseProfile.count(kNvDrsFrameRateLimiterId), c.saved ? 1u : 0u);
  // A session the driver refused to destroy stays with it; every other one is closed.
  EXPECT_EQ(drs.sessions.size(), c.failing == kIdDrsDestroySession ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SetFrameRateLimitFailure,
    testing::Values(FailureCase{"Create", kIdDrsCreateSession, {kIdDrsCreateSession}, false},
                    FailureCase{"Load",
                                kIdDrsLoadSettings,
                                {kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsDestroySession},
                                false},
                    FailureCase{"BaseProfile",
                                kIdDrsGetBaseProfile,
                                {kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsGetBaseProfile,
                                 kIdDrsDestroySession},
                                false},
                    FailureCase{"Set",
                                kIdDrsSetSetting,
                                {kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsGetBaseProfile,
                                 kIdDrsSetSetting, kIdDrsDestroySession},
                                false},
                    FailureCase{"Save",
                                kIdDrsSaveSettings,
                                {kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsGetBaseProfile,
                                 kIdDrsSetSetting, kIdDrsSaveSettings, kIdDrsDestroySession},
                                false},
                    FailureCase{"Destroy",
                                kIdDrsDestroySession,
                                {kIdDrsCreateSession, kIdDrsLoadSettings, kIdDrsGetBaseProfile,
                                 kIdDrsSetSetting, kIdDrsSaveSettings, kIdDrsDestroySession},
                                true}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(SetFrameRateLimit, WithoutDriverFailsAtTheFirstCall) {
  const NvApi none;
  EXPECT_EQ(SetFrameRateLimit(none, 60, 0), 1);
}

}  // namespace

namespace {

TEST(SetFrameRateLimit, TheSeamResolvesEveryDatabaseEntry) {
  SimulatedDriver driver(sim::DemoScenario());
  ExpectResolvedOnce(driver.simulator,
                     {kIdDrsCreateSession, kIdDrsDestroySession, kIdDrsLoadSettings,
                      kIdDrsSaveSettings, kIdDrsSetSetting, kIdDrsGetBaseProfile});
}

}  // namespace
