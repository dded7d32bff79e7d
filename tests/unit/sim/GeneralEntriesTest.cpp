// Initialize gating every other entry, and the error-message entry.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ostream>
#include <string>

#include "SimTestSupport.h"

namespace {

using simtest::ActiveDriver;
using simtest::Entry;
using simtest::GatedCall;

class BeforeInitialize : public testing::TestWithParam<GatedCall> {};

TEST_P(BeforeInitialize, AnswersNotInitializedAndWritesNothing) {
  ActiveDriver driver(simtest::TwoGpusScenario(), /*initialize=*/false);
  bool touched = false;
  EXPECT_EQ(GetParam().call(driver.simulator, touched), kNvApiNotInitialized);
  EXPECT_FALSE(touched);
}

TEST_P(BeforeInitialize, WorksOnceInitializeSucceeded) {
  ActiveDriver driver(simtest::TwoGpusScenario(), /*initialize=*/false);
  ASSERT_EQ(driver.Get<nvfn::Initialize>(kIdInitialize)(), kNvOk);
  bool touched = false;
  EXPECT_EQ(GetParam().call(driver.simulator, touched), kNvOk);
  EXPECT_TRUE(touched);
}

TEST_P(BeforeInitialize, StaysGatedWhileInitializeFails) {
  sim::Scenario scenario = simtest::TwoGpusScenario();
  scenario.interfaces[kIdInitialize].forcedStatus = kNvError;
  ActiveDriver driver(scenario, /*initialize=*/false);
  ASSERT_EQ(driver.Get<nvfn::Initialize>(kIdInitialize)(), kNvError);
  bool touched = false;
  EXPECT_EQ(GetParam().call(driver.simulator, touched), kNvApiNotInitialized);
  EXPECT_FALSE(driver.simulator.state().initialized);

  driver.simulator.scenario().interfaces.erase(kIdInitialize);  // the driver recovers
  ASSERT_EQ(driver.Get<nvfn::Initialize>(kIdInitialize)(), kNvOk);
  EXPECT_EQ(GetParam().call(driver.simulator, touched), kNvOk);
}

INSTANTIATE_TEST_SUITE_P(GatedEntries, BeforeInitialize, testing::ValuesIn(simtest::GatedCalls()),
                         simtest::GatedCallName);

TEST(Initialize, CanBeCalledAgain) {
  ActiveDriver driver;
  EXPECT_EQ(driver.Get<nvfn::Initialize>(kIdInitialize)(), kNvOk);
  EXPECT_TRUE(driver.simulator.state().initialized);
}

struct MessageCase {
  NvStatus status;
  const char* text;
};

void PrintTo(const MessageCase& call, std::ostream* out) {
  *out << call.status;
}

class ErrorMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ErrorMessage, AnswersTextBeforeInitialize) {
  ActiveDriver driver(sim::DemoScenario(), /*initialize=*/false);
  char text[kNvShortStringSize];
  std::memset(text, 'X', sizeof text);
  ASSERT_EQ(driver.Get<nvfn::GetErrorMessage>(kIdGetErrorMessage)(GetParam().status, text), kNvOk);
  ASSERT_NE(std::memchr(text, '\0', sizeof text), nullptr) << "not NUL-terminated";
  EXPECT_STREQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ErrorMessage,
    testing::Values(MessageCase{kNvOk, "Success"}, MessageCase{kNvError, "Generic error"},
                    MessageCase{kNvNoImplementation, "Function not implemented"},
                    MessageCase{kNvApiNotInitialized, "Interface not initialized"},
                    MessageCase{kNvInvalidArgument, "Invalid argument"},
                    MessageCase{kNvNvidiaDeviceNotFound, "No NVIDIA device found"},
                    MessageCase{kNvEndEnumeration, "End of enumeration"},
                    MessageCase{kNvIncompatibleStructVersion, "Incompatible structure version"},
                    MessageCase{kNvExpectedPhysicalGpuHandle, "Expected a physical GPU handle"},
                    MessageCase{kNvExpectedDisplayHandle, "Expected a display handle"},
                    MessageCase{-12345, "Unknown status -12345"},
                    MessageCase{INT32_MIN, "Unknown status -2147483648"}));

TEST(ErrorMessage, EveryStatusFitsTheBuffer) {
  ActiveDriver driver;
  auto message = driver.Get<nvfn::GetErrorMessage>(kIdGetErrorMessage);
  for (NvStatus status = -300; status <= 10; ++status) {
    char text[kNvShortStringSize];
    std::memset(text, 'X', sizeof text);
    ASSERT_EQ(message(status, text), kNvOk);
    ASSERT_NE(std::memchr(text, '\0', sizeof text), nullptr) << status;
    EXPECT_GT(std::strlen(text), 0u) << status;
  }
}

TEST(ErrorMessage, RejectsNullBuffer) {
  ActiveDriver driver;
  EXPECT_EQ(driver.Get<nvfn::GetErrorMessage>(kIdGetErrorMessage)(kNvError, nullptr),
            kNvInvalidArgument);
}

}  // namespace
