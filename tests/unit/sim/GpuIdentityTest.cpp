// PCI identifiers and VBIOS version of a GPU, and how unknown handles and null pointers fail.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ostream>
#include <string>

#include "SimTestSupport.h"

namespace {

using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

constexpr uint32_t kUntouched = 0xCDCDCDCDu;

struct PciWords {
  NvStatus Read(ActiveDriver& driver, NvPhysicalGpuHandle gpu) {
    return driver.Get<nvfn::GpuGetPCIIdentifiers>(kIdGpuGetPCIIdentifiers)(
        gpu, &words[0], &words[1], &words[2], &words[3]);
  }
  std::array<uint32_t, 4> words{kUntouched, kUntouched, kUntouched, kUntouched};
};

TEST(PciIdentifiers, DemoBoardWords) {
  ActiveDriver driver;
  PciWords pci;
  ASSERT_EQ(pci.Read(driver, PhysicalGpuHandle(0)), kNvOk);
  EXPECT_EQ(pci.words[0], 0x268410DEu);  // device << 16 | vendor
  EXPECT_EQ(pci.words[1], 0x167C10DEu);  // subsystem << 16 | subsystem vendor
  EXPECT_EQ(pci.words[2], 0xA1u);
  EXPECT_EQ(pci.words[3], 0x00002684u);  // device id alone
}

TEST(PciIdentifiers, EachHandleAnswersItsOwnBoard) {
  ActiveDriver driver(simtest::TwoGpusScenario());
  PciWords tcc, last;
  ASSERT_EQ(tcc.Read(driver, PhysicalGpuHandle(1)), kNvOk);
  ASSERT_EQ(last.Read(driver, PhysicalGpuHandle(2)), kNvOk);
  EXPECT_EQ(tcc.words[0], 0x20B510DEu);
  EXPECT_EQ(tcc.words[2], 0xA0u);
  EXPECT_EQ(last.words[1], 0x56781234u);
  EXPECT_EQ(last.words[3], 0x00002204u);
}

// Handles the demo scenario (one GPU) never hands out.
class UnknownGpuHandle : public testing::TestWithParam<NvPhysicalGpuHandle> {};

TEST_P(UnknownGpuHandle, PciAnswersExpectedPhysicalGpuHandle) {
  ActiveDriver driver;
  PciWords pci;
  EXPECT_EQ(pci.Read(driver, GetParam()), kNvExpectedPhysicalGpuHandle);
  EXPECT_EQ(pci.words, (std::array<uint32_t, 4>{kUntouched, kUntouched, kUntouched, kUntouched}));
}

TEST_P(UnknownGpuHandle, VbiosAnswersExpectedPhysicalGpuHandle) {
  ActiveDriver driver;
  char text[kNvShortStringSize] = "untouched";
  EXPECT_EQ(
      driver.Get<nvfn::GpuGetVbiosVersionString>(kIdGpuGetVbiosVersionString)(GetParam(), text),
      kNvExpectedPhysicalGpuHandle);
  EXPECT_STREQ(text, "untouched");
}

INSTANTIATE_TEST_SUITE_P(Handles, UnknownGpuHandle,
                         testing::Values(0u, PhysicalGpuHandle(0) - 1, PhysicalGpuHandle(1),
                                         sim::DisplayHandle(0), sim::PhantomGpuHandle(1),
                                         UINT32_MAX));

// Which of the four output pointers is null.
class PciNullOutput : public testing::TestWithParam<int> {};

TEST_P(PciNullOutput, RejectsTheCallAndWritesNothing) {
  ActiveDriver driver;
  std::array<uint32_t, 4> words{kUntouched, kUntouched, kUntouched, kUntouched};
  std::array<uint32_t*, 4> outputs{&words[0], &words[1], &words[2], &words[3]};
  outputs[static_cast<size_t>(GetParam())] = nullptr;
  EXPECT_EQ(driver.Get<nvfn::GpuGetPCIIdentifiers>(kIdGpuGetPCIIdentifiers)(
                PhysicalGpuHandle(0), outputs[0], outputs[1], outputs[2], outputs[3]),
            kNvInvalidArgument);
  EXPECT_EQ(words, (std::array<uint32_t, 4>{kUntouched, kUntouched, kUntouched, kUntouched}));
}

INSTANTIATE_TEST_SUITE_P(Outputs, PciNullOutput, testing::Range(0, 4));

struct VbiosCase {
  const char* name;
  std::string version;
  std::string expected;
};

void PrintTo(const VbiosCase& call, std::ostream* out) {
  *out << call.name;
}

class VbiosVersion : public testing::TestWithParam<VbiosCase> {};

TEST_P(VbiosVersion, CopiesTheBoardTextIntoTheBuffer) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.gpus[0].vbiosVersion = GetParam().version;
  ActiveDriver driver(scenario);
  char text[kNvShortStringSize + 8];
  std::memset(text, 'X', sizeof text);
  ASSERT_EQ(driver.Get<nvfn::GpuGetVbiosVersionString>(kIdGpuGetVbiosVersionString)(
                PhysicalGpuHandle(0), text),
            kNvOk);
  EXPECT_EQ(std::string(text), GetParam().expected);
  for (size_t i = GetParam().expected.size(); i < kNvShortStringSize; ++i) {
    EXPECT_EQ(text[i], '\0') << "at " << i;
  }
  for (size_t i = kNvShortStringSize; i < sizeof text; ++i) {
    EXPECT_EQ(text[i], 'X') << "written past the 64-byte buffer at " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, VbiosVersion,
    testing::Values(VbiosCase{"Demo", "95.02.18.80.87", "95.02.18.80.87"},
                    VbiosCase{"LowerCaseHexKept", "94.02.26.48.d6", "94.02.26.48.d6"},
                    VbiosCase{"Empty", "", ""},
                    VbiosCase{"Exactly63", std::string(63, '7'), std::string(63, '7')},
                    VbiosCase{"TooLongIsCut", std::string(100, '8'), std::string(63, '8')}),
    [](const testing::TestParamInfo<VbiosCase>& info) { return info.param.name; });

TEST(VbiosVersion, RejectsNullBuffer) {
  ActiveDriver driver;
  EXPECT_EQ(driver.Get<nvfn::GpuGetVbiosVersionString>(kIdGpuGetVbiosVersionString)(
                PhysicalGpuHandle(0), nullptr),
            kNvInvalidArgument);
}

}  // namespace
