// The simulated voltage-rail control: per-GPU boosts that writes change, the version it takes,
// its refusals, and its scenario keys.
#include <gtest/gtest.h>

#include <string>

#include "SimTestSupport.h"
#include "gpu/structs/VoltRailsStructs.h"
#include "sim/ScenarioParser.h"

namespace {

using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

sim::Scenario TwoBoostedGpus() {
  sim::Scenario scenario = simtest::TwoGpusScenario();
  scenario.gpus[0].voltRails.boostPercent = 10;
  scenario.gpus[2].voltRails.boostPercent = 30;
  return scenario;
}

NvVoltRailsControl Control(uint8_t boost = 0, uint32_t version = kNvVoltRailsControlVersion) {
  NvVoltRailsControl control;
  control.version = version;
  control.boostPercent = boost;
  return control;
}

TEST(VoltRails, EachGpuKeepsItsOwnBoostAndWritesChangeReads) {
  ActiveDriver driver(TwoBoostedGpus());
  auto get = driver.Get<nvfn::GpuClientVoltRailsGetControl>(kIdGpuClientVoltRailsGetControl);
  auto set = driver.Get<nvfn::GpuClientVoltRailsSetControl>(kIdGpuClientVoltRailsSetControl);
  NvVoltRailsControl control = Control();
  ASSERT_EQ(get(PhysicalGpuHandle(2), &control), kNvOk);
  EXPECT_EQ(control.boostPercent, 30);

  NvVoltRailsControl write = Control(100);
  ASSERT_EQ(set(PhysicalGpuHandle(0), &write), kNvOk);
  ASSERT_EQ(get(PhysicalGpuHandle(0), &control), kNvOk);
  EXPECT_EQ(control.boostPercent, 100);
  ASSERT_EQ(get(PhysicalGpuHandle(2), &control), kNvOk);
  EXPECT_EQ(control.boostPercent, 30);

  sim::TraceEntry traced;
  for (const sim::TraceEntry& entry : driver.simulator.Trace()) {
    if (entry.kind == sim::TraceKind::kCall && entry.id == kIdGpuClientVoltRailsSetControl) {
      traced = entry;
    }
  }
  EXPECT_EQ(traced.function, "NvAPI_GPU_ClientVoltRailsSetControl");
  EXPECT_EQ(traced.version, 0x10028u);
  EXPECT_EQ(traced.gpuIndex, 0);
  EXPECT_EQ(traced.args, "handle=0x00001000 boost=100");
}

struct RefusalCase {
  const char* name;
  NvPhysicalGpuHandle gpu;
  bool nullControl;
  uint32_t version;
  uint8_t boost;
  NvStatus status;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
  *out << c.name;
}

class VoltRailsRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(VoltRailsRefusal, SetAnswersTheStatusAndChangesNothing) {
  const RefusalCase& c = GetParam();
  ActiveDriver driver(TwoBoostedGpus());
  auto set = driver.Get<nvfn::GpuClientVoltRailsSetControl>(kIdGpuClientVoltRailsSetControl);
  NvVoltRailsControl control = Control(c.boost, c.version);
  EXPECT_EQ(set(c.gpu, c.nullControl ? nullptr : &control), c.status);
  EXPECT_TRUE(driver.simulator.state().voltRails.boostPercent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoltRailsRefusal,
    testing::Values(RefusalCase{"NullControl", PhysicalGpuHandle(0), true,
                                kNvVoltRailsControlVersion, 5, kNvInvalidArgument},
                    RefusalCase{"UnknownHandle", PhysicalGpuHandle(9), false,
                                kNvVoltRailsControlVersion, 5, kNvExpectedPhysicalGpuHandle},
                    RefusalCase{"OtherVersion", PhysicalGpuHandle(0), false, 0x20028, 5,
                                kNvIncompatibleStructVersion},
                    RefusalCase{"Above100", PhysicalGpuHandle(0), false, kNvVoltRailsControlVersion,
                                101, kNvInvalidArgument}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(VoltRails, ScenarioKeySetsTheStartingBoost) {
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario("[gpu]\ndevice = 0x1B80\n[gpu.volt_rails]\nboost = 100\n",
                                 scenario, error))
      << error;
  EXPECT_EQ(scenario.gpus[0].voltRails.boostPercent, 100);
  EXPECT_FALSE(
      sim::ParseScenario("[gpu]\ndevice = 1\n[gpu.volt_rails]\nboost = 101\n", scenario, error));
  EXPECT_EQ(error, "line 4: 'boost' needs a number from 0 to 100");
}

}  // namespace
