#include "sim/InterfaceBehaviour.h"

#include <algorithm>

namespace sim {

bool InterfaceBehaviour::AcceptsVersion(uint32_t versionWord,
                                        std::initializer_list<uint32_t> natural) const {
  if (!acceptedVersions.empty()) {
    return std::find(acceptedVersions.begin(), acceptedVersions.end(), versionWord) !=
           acceptedVersions.end();
  }
  return std::find(natural.begin(), natural.end(), versionWord) != natural.end();
}

bool operator==(const InterfaceBehaviour& a, const InterfaceBehaviour& b) {
  return a.forcedStatus == b.forcedStatus && a.missing == b.missing &&
         a.acceptedVersions == b.acceptedVersions && a.latencyMs == b.latencyMs &&
         a.reportedCount == b.reportedCount;
}

}  // namespace sim
