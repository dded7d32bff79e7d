// Start-up enumeration of the machine's GPUs into the GpuTable, and the PCI identifiers of a GPU.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"

enum EnumerateResult : int {
  kEnumerateOk = 0,
  kEnumerateInitFailed = 1,      // the driver interface could not be initialised
  kEnumeratePhysicalFailed = 2,  // the physical GPUs could not be enumerated
};

struct PciIds {
  uint16_t vendorId = 0;
  uint16_t deviceId = 0;
  uint16_t subsystemVendorId = 0;
  uint16_t subsystemId = 0;
};

// Initialises the driver, fills the GPU handles (TCC GPUs first, each group in reverse of the
// driver's order), the display handles and the PCI identifiers of GPU `currentIndex`.
int EnumerateGpus(GpuTable& table);

// Reads the PCI identifiers of GPU `index` (-1 = currentIndex). 0 on success, 1 on failure
// (status in the table; `ids` untouched).
int ReadPciIds(int index, GpuTable& table, PciIds& ids);
