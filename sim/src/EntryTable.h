// The entries the simulated driver implements, by interface ID.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "gpu/NvApiTypes.h"

namespace sim {

enum class EntryGate {
  kAnyTime,          // answers before Initialize too
  kAfterInitialize,  // answers kNvApiNotInitialized until Initialize succeeds
};

struct EntryInfo {
  uint32_t id;
  const char* name;
  void* address;
  EntryGate gate;
};

// The function type each interface ID must have. An entry is added for an ID only through
// MakeEntry, which refuses a function of any other type.
template <uint32_t Id>
struct EntryType;
template <>
struct EntryType<kIdInitialize> {
  using type = nvfn::Initialize;
};
template <>
struct EntryType<kIdGetErrorMessage> {
  using type = nvfn::GetErrorMessage;
};
template <>
struct EntryType<kIdEnumPhysicalGPUs> {
  using type = nvfn::EnumPhysicalGPUs;
};
template <>
struct EntryType<kIdEnumTCCPhysicalGPUs> {
  using type = nvfn::EnumTCCPhysicalGPUs;
};
template <>
struct EntryType<kIdEnumNvidiaDisplayHandle> {
  using type = nvfn::EnumNvidiaDisplayHandle;
};
template <>
struct EntryType<kIdGpuGetPCIIdentifiers> {
  using type = nvfn::GpuGetPCIIdentifiers;
};
template <>
struct EntryType<kIdGpuGetVbiosVersionString> {
  using type = nvfn::GpuGetVbiosVersionString;
};

// The one place a function address becomes the void* that nvapi_QueryInterface answers.
template <uint32_t Id>
EntryInfo MakeEntry(const char* name, typename EntryType<Id>::type* function, EntryGate gate) {
  static_assert(std::is_function_v<typename EntryType<Id>::type>);
  return EntryInfo{Id, name, reinterpret_cast<void*>(function), gate};
}

// nullptr for an ID or name the driver does not implement.
const EntryInfo* FindEntry(uint32_t id);
const EntryInfo* FindEntryByName(const std::string& name);

// Each area adds its entries; defined in sim/src/entries/.
void AddGeneralEntries(std::vector<EntryInfo>& table);
void AddEnumerationEntries(std::vector<EntryInfo>& table);
void AddGpuIdentityEntries(std::vector<EntryInfo>& table);

}  // namespace sim
