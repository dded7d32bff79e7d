#include "sim/GpuModel.h"

namespace sim {

bool operator==(const GpuModel& a, const GpuModel& b) {
  return a.vendorId == b.vendorId && a.deviceId == b.deviceId &&
         a.subsystemVendorId == b.subsystemVendorId && a.subsystemId == b.subsystemId &&
         a.revision == b.revision && a.name == b.name && a.vbiosVersion == b.vbiosVersion &&
         a.tcc == b.tcc && a.voltRails == b.voltRails && a.displays == b.displays &&
         a.board == b.board && a.sensors == b.sensors && a.coolers == b.coolers &&
         a.clocks == b.clocks && a.policies == b.policies && a.lighting == b.lighting &&
         a.powerTopology == b.powerTopology;
}

}  // namespace sim
