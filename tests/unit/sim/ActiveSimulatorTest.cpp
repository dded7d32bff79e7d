// Which simulator the context-free entry points reach.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "sim/QueryInterface.h"

namespace {

TEST(ActiveSimulator, NoneActiveResolvesNothingAndEntriesAnswerNotInitialized) {
  sim::Simulator simulator(sim::DemoScenario());
  auto initialize = simtest::Entry<nvfn::Initialize>(simulator, kIdInitialize);
  ASSERT_NE(initialize, nullptr);
  EXPECT_EQ(sim::QueryInterface(kIdInitialize), nullptr);
  EXPECT_EQ(initialize(), kNvApiNotInitialized);
  EXPECT_EQ(simulator.CountCalls(kIdInitialize), 0u);
}

TEST(ActiveSimulator, ScopesNestAndRestoreThePreviousOne) {
  sim::Simulator outer(sim::DemoScenario());
  sim::Simulator inner(simtest::TwoGpusScenario());
  {
    sim::ScopedActiveSimulator outerScope(outer);
    auto initialize = reinterpret_cast<nvfn::Initialize*>(sim::QueryInterface(kIdInitialize));
    ASSERT_NE(initialize, nullptr);
    EXPECT_EQ(outer.CountResolutions(kIdInitialize), 1u);
    {
      sim::ScopedActiveSimulator innerScope(inner);
      initialize();
      EXPECT_EQ(inner.CountCalls(kIdInitialize), 1u);
      EXPECT_EQ(outer.CountCalls(kIdInitialize), 0u);
      EXPECT_TRUE(inner.state().initialized);
    }
    initialize();
    EXPECT_EQ(outer.CountCalls(kIdInitialize), 1u);
    EXPECT_EQ(inner.CountCalls(kIdInitialize), 1u);
  }
  EXPECT_EQ(sim::QueryInterface(kIdInitialize), nullptr);
}

TEST(ActiveSimulator, InstancesKeepTheirOwnState) {
  sim::Simulator first(sim::DemoScenario());
  sim::Simulator second(sim::DemoScenario());
  {
    sim::ScopedActiveSimulator scope(first);
    reinterpret_cast<nvfn::Initialize*>(sim::QueryInterface(kIdInitialize))();
  }
  EXPECT_TRUE(first.state().initialized);
  EXPECT_FALSE(second.state().initialized);
}

}  // namespace
