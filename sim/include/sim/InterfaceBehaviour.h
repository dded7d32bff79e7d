// How one interface ID behaves in a scenario, beyond what the board model says.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "gpu/NvApiTypes.h"

namespace sim {

struct InterfaceBehaviour {
  // Answered instead of doing the work; outputs stay untouched. kNvOk here makes a driver that
  // claims success without writing anything.
  std::optional<NvStatus> forcedStatus;
  // nvapi_QueryInterface answers nullptr for this ID, as an older driver would.
  bool missing = false;
  // Structure version words a versioned entry accepts. Empty: the versions the entry itself
  // supports.
  std::vector<uint32_t> acceptedVersions;
  // Time each call takes before it answers.
  uint32_t latencyMs = 0;
  // Enumeration entries: the count reported instead of the real one (a lying driver). Never more
  // than the caller's array holds is written, whatever is reported.
  std::optional<uint32_t> reportedCount;

  // Whether a call carrying this version word is accepted, given the versions the entry supports
  // by itself.
  bool AcceptsVersion(uint32_t versionWord, std::initializer_list<uint32_t> natural) const;
};

bool operator==(const InterfaceBehaviour& a, const InterfaceBehaviour& b);
inline bool operator!=(const InterfaceBehaviour& a, const InterfaceBehaviour& b) {
  return !(a == b);
}

}  // namespace sim
