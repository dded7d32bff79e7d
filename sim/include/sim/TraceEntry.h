// One recorded driver call and its text form.
#pragma once

#include <cstdint>
#include <string>

#include "gpu/NvApiTypes.h"

namespace sim {

enum class TraceKind {
  kResolve,  // nvapi_QueryInterface asked for an ID
  kCall,     // an entry was called
};

struct TraceEntry {
  uint64_t sequence = 0;  // 1, 2, ... per simulator; ClearTrace does not restart it
  TraceKind kind = TraceKind::kCall;
  uint32_t id = 0;          // interface ID called or asked for
  std::string function;     // entry name; "nvapi_QueryInterface" for resolutions
  int gpuIndex = -1;        // model index of the GPU the call named; -1 when none or unknown
  uint32_t version = 0;     // structure version word passed; 0 when none
  std::string args;         // the arguments that matter, then " -> " and the results, if any
  NvStatus status = kNvOk;  // resolutions: kNvOk when resolved, else kNvNoImplementation
};

// "<seq> <call|resolve> id=0x%08X fn=<name> gpu=<n> ver=0x%08X status=<n> args=<text>", with no
// line break; control characters in the text become '?'.
std::string FormatTraceLine(const TraceEntry& entry);

}  // namespace sim
