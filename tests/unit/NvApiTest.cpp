#include <gtest/gtest.h>

#include "SimulatedDriver.h"
#include "gpu/NvApi.h"
#include "sim/DemoScenario.h"

TEST(NvApi, WithoutDriverEveryEntryAnswersNoImplementation) {
  const NvApi none;
  const NvApi nullQuery(nullptr);
  for (const NvApi* api : {&none, &nullQuery}) {
    char text[kNvShortStringSize] = {};
    NvPhysicalGpuHandle handles[kNvMaxPhysicalGpus] = {};
    uint32_t count = 0;
    NvDisplayHandle display = 0;
    uint32_t a = 0, b = 0, c = 0, d = 0;
    EXPECT_EQ(api->Initialize(), kNvNoImplementation);
    EXPECT_EQ(api->GetErrorMessage(kNvError, text), kNvNoImplementation);
    EXPECT_EQ(api->EnumTCCPhysicalGPUs(handles, &count), kNvNoImplementation);
    EXPECT_EQ(api->EnumPhysicalGPUs(handles, &count), kNvNoImplementation);
    EXPECT_EQ(api->EnumNvidiaDisplayHandle(0, &display), kNvNoImplementation);
    EXPECT_EQ(api->GpuGetPCIIdentifiers(0x1000, &a, &b, &c, &d), kNvNoImplementation);
    EXPECT_EQ(api->GpuGetVbiosVersionString(0x1000, text), kNvNoImplementation);
  }
}

TEST(NvApi, ResolvesEachEntryOnceByInterfaceId) {
  SimulatedDriver driver(sim::DemoScenario());
  for (uint32_t id :
       {kIdInitialize, kIdGetErrorMessage, kIdEnumTCCPhysicalGPUs, kIdEnumPhysicalGPUs,
        kIdEnumNvidiaDisplayHandle, kIdGpuGetPCIIdentifiers, kIdGpuGetVbiosVersionString}) {
    EXPECT_EQ(driver.simulator.CountResolutions(id), 1u) << std::hex << id;
  }
  EXPECT_EQ(driver.api.Initialize(), kNvOk);
  EXPECT_EQ(driver.api.Initialize(), kNvOk);
  EXPECT_EQ(driver.simulator.CountResolutions(kIdInitialize), 1u);
}

TEST(NvApi, MissingEntryAnswersNoImplementationWhileOthersWork) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.interfaces[kIdGpuGetVbiosVersionString].missing = true;
  SimulatedDriver driver(std::move(scenario));
  char text[kNvShortStringSize] = {};
  ASSERT_EQ(driver.api.Initialize(), kNvOk);
  EXPECT_EQ(driver.api.GpuGetVbiosVersionString(0x1000, text), kNvNoImplementation);
  EXPECT_EQ(driver.simulator.CountCalls(kIdGpuGetVbiosVersionString), 0u);
}
