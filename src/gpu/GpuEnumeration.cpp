#include "gpu/GpuEnumeration.h"

#include <algorithm>
#include <iterator>

namespace {

// Appends the first `count` entries of `found` to the table's handles in reverse order, never
// beyond the table's 64 slots and never beyond what the driver's array can hold.
void AppendReversed(GpuTable& table, const NvPhysicalGpuHandle (&found)[kNvMaxPhysicalGpus],
                    uint32_t count) {
  count = std::min(count, kNvMaxPhysicalGpus);
  for (uint32_t i = 0; i < count && table.gpuCount < kNvMaxPhysicalGpus; ++i) {
    table.physicalHandles[table.gpuCount++] = found[count - 1 - i];
  }
}

}  // namespace

int EnumerateGpus(GpuTable& table) {
  table.StoreStatusWithText(table.api.Initialize());
  if (table.status != kNvOk) return kEnumerateInitFailed;

  NvPhysicalGpuHandle found[kNvMaxPhysicalGpus] = {};
  uint32_t tccCount = 0;
  if (table.api.EnumTCCPhysicalGPUs(found, &tccCount) == kNvOk) {
    AppendReversed(table, found, tccCount);
  }

  std::fill(std::begin(found), std::end(found), NvPhysicalGpuHandle{0});
  uint32_t physicalCount = 0;
  const NvStatus physical = table.api.EnumPhysicalGPUs(found, &physicalCount);
  if (physical == kNvOk) AppendReversed(table, found, physicalCount);
  table.StoreStatusWithText(physical);
  if (physical != kNvOk) return kEnumeratePhysicalFailed;

  for (uint32_t index = 0; index < kNvMaxDisplays; ++index) {
    if (table.api.EnumNvidiaDisplayHandle(index, &table.displayHandles[index]) != kNvOk) {
      table.displayHandles[index] = 0;
      break;
    }
    ++table.displayCount;
  }

  PciIds ids;
  if (ReadPciIds(-1, table, ids) == 0) {
    table.vendorId = ids.vendorId;
    table.deviceId = ids.deviceId;
    table.subsystemVendorId = ids.subsystemVendorId;
    table.subsystemId = ids.subsystemId;
  }
  return kEnumerateOk;
}

int ReadPciIds(int index, GpuTable& table, PciIds& ids) {
  uint32_t deviceWord = 0;
  uint32_t subsystemWord = 0;
  uint32_t revision = 0;
  uint32_t extDeviceWord = 0;
  table.status = table.api.GpuGetPCIIdentifiers(table.Handle(index), &deviceWord, &subsystemWord,
                                                &revision, &extDeviceWord);
  if (table.status != kNvOk) return 1;
  ids.vendorId = static_cast<uint16_t>(deviceWord & 0xFFFF);
  ids.deviceId = static_cast<uint16_t>(extDeviceWord & 0xFFFF);
  ids.subsystemVendorId = static_cast<uint16_t>(subsystemWord & 0xFFFF);
  ids.subsystemId = static_cast<uint16_t>(subsystemWord >> 16);
  return 0;
}
