// Reading a simulated driver's trace in tests: the calls of one entry, in order.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "sim/Simulator.h"

namespace drivertrace {

// Every call of interface `id`, oldest first.
inline std::vector<sim::TraceEntry> CallsOf(const sim::Simulator& simulator, uint32_t id) {
  std::vector<sim::TraceEntry> calls;
  for (const sim::TraceEntry& entry : simulator.Trace()) {
    if (entry.kind == sim::TraceKind::kCall && entry.id == id) calls.push_back(entry);
  }
  return calls;
}

// The latest call of interface `id`; a test failure and an empty entry when there is none.
inline sim::TraceEntry LastCall(const sim::Simulator& simulator, uint32_t id) {
  const std::vector<sim::TraceEntry> calls = CallsOf(simulator, id);
  if (calls.empty()) {
    ADD_FAILURE() << "no call of 0x" << std::hex << id;
    return sim::TraceEntry{};
  }
  return calls.back();
}

// The interface IDs of every call, in order.
inline std::vector<uint32_t> CallSequence(const sim::Simulator& simulator) {
  std::vector<uint32_t> ids;
  for (const sim::TraceEntry& entry : simulator.Trace()) {
    if (entry.kind == sim::TraceKind::kCall) ids.push_back(entry.id);
  }
  return ids;
}

// Each of `ids` was looked up exactly once while the driver seam was built, and answers
// kNvNoImplementation through a seam without a driver (checked by the caller's own calls).
inline void ExpectResolvedOnce(const sim::Simulator& simulator,
                               std::initializer_list<uint32_t> ids) {
  for (uint32_t id : ids) {
    EXPECT_EQ(simulator.CountResolutions(id), 1u) << "0x" << std::hex << id;
  }
}

}  // namespace drivertrace
