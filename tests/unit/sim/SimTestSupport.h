// Shared helpers of the simulated-driver tests: an active, initialised driver, typed entry
// lookup, and a call of every entry that needs Initialize.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "gpu/NvApiTypes.h"
#include "sim/DemoScenario.h"
#include "sim/Handles.h"
#include "sim/ScopedActiveSimulator.h"
#include "sim/Simulator.h"

namespace simtest {

// What nvapi_QueryInterface answers for id, as the program would use it.
template <typename Fn>
Fn* Entry(sim::Simulator& simulator, uint32_t id) {
  return reinterpret_cast<Fn*>(simulator.Resolve(id));
}

// A simulator the entry points dispatch to; initialised unless asked otherwise, trace empty.
struct ActiveDriver {
  explicit ActiveDriver(sim::Scenario scenario = sim::DemoScenario(), bool initialize = true)
      : simulator(std::move(scenario)), active(simulator) {
    if (initialize) Entry<nvfn::Initialize>(simulator, kIdInitialize)();
    simulator.ClearTrace();
  }

  template <typename Fn>
  Fn* Get(uint32_t id) {
    return Entry<Fn>(simulator, id);
  }

  sim::Simulator simulator;
  sim::ScopedActiveSimulator active;
};

// Model order: display GPU, TCC GPU, display GPU; two displays.
inline sim::Scenario TwoGpusScenario() {
  sim::Scenario scenario;
  sim::GpuModel first;
  first.deviceId = 0x2684;
  first.subsystemId = 0x167C;
  first.vbiosVersion = "95.02.18.80.87";
  sim::GpuModel compute;
  compute.deviceId = 0x20B5;
  compute.subsystemId = 0x1533;
  compute.revision = 0xA0;
  compute.vbiosVersion = "92.00.45.00.06";
  compute.tcc = true;
  sim::GpuModel second;
  second.deviceId = 0x2204;
  second.subsystemVendorId = 0x1234;
  second.subsystemId = 0x5678;
  second.vbiosVersion = "94.02.42.00.a9";
  scenario.gpus = {first, compute, second};
  scenario.displayCount = 2;
  return scenario;
}

// One call of an entry that answers only after Initialize, with valid arguments naming the
// first GPU (or display 0). Outputs land in a scratch area that the call reports untouched or not.
struct GatedCall {
  const char* name;
  uint32_t id;
  // Returns the status; sets touched when the call wrote any output.
  std::function<NvStatus(sim::Simulator&, bool& touched)> call;
};

inline std::vector<GatedCall> GatedCalls() {
  constexpr uint32_t kUntouched = 0xCDCDCDCDu;
  const NvPhysicalGpuHandle gpu = sim::PhysicalGpuHandle(0);
  return {
      {"EnumPhysicalGPUs", kIdEnumPhysicalGPUs,
       [](sim::Simulator& s, bool& touched) {
         NvPhysicalGpuHandle handles[kNvMaxPhysicalGpus] = {kUntouched};
         uint32_t count = kUntouched;
         const NvStatus status =
             Entry<nvfn::EnumPhysicalGPUs>(s, kIdEnumPhysicalGPUs)(handles, &count);
         touched = handles[0] != kUntouched || count != kUntouched;
         return status;
       }},
      {"EnumTCCPhysicalGPUs", kIdEnumTCCPhysicalGPUs,
       [](sim::Simulator& s, bool& touched) {
         NvPhysicalGpuHandle handles[kNvMaxPhysicalGpus] = {kUntouched};
         uint32_t count = kUntouched;
         const NvStatus status =
             Entry<nvfn::EnumTCCPhysicalGPUs>(s, kIdEnumTCCPhysicalGPUs)(handles, &count);
         touched = handles[0] != kUntouched || count != kUntouched;
         return status;
       }},
      {"EnumNvidiaDisplayHandle", kIdEnumNvidiaDisplayHandle,
       [](sim::Simulator& s, bool& touched) {
         NvDisplayHandle handle = kUntouched;
         const NvStatus status =
             Entry<nvfn::EnumNvidiaDisplayHandle>(s, kIdEnumNvidiaDisplayHandle)(0, &handle);
         touched = handle != kUntouched;
         return status;
       }},
      {"GpuGetPCIIdentifiers", kIdGpuGetPCIIdentifiers,
       [gpu](sim::Simulator& s, bool& touched) {
         uint32_t words[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
         const NvStatus status = Entry<nvfn::GpuGetPCIIdentifiers>(s, kIdGpuGetPCIIdentifiers)(
             gpu, &words[0], &words[1], &words[2], &words[3]);
         touched = words[0] != kUntouched || words[1] != kUntouched || words[2] != kUntouched ||
                   words[3] != kUntouched;
         return status;
       }},
      {"GpuGetVbiosVersionString", kIdGpuGetVbiosVersionString,
       [gpu](sim::Simulator& s, bool& touched) {
         char text[kNvShortStringSize] = "untouched";
         const NvStatus status =
             Entry<nvfn::GpuGetVbiosVersionString>(s, kIdGpuGetVbiosVersionString)(gpu, text);
         touched = std::string(text) != "untouched";
         return status;
       }},
  };
}

inline void PrintTo(const GatedCall& call, std::ostream* out) {
  *out << call.name;
}

// gtest parameter names for a GatedCall table.
inline std::string GatedCallName(const testing::TestParamInfo<GatedCall>& info) {
  return info.param.name;
}

}  // namespace simtest
