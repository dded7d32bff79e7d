#include "gpu/GpuTable.h"

NvPhysicalGpuHandle GpuTable::Handle(int index) const {
  if (index == -1) index = currentIndex;
  if (index < 0 || static_cast<uint32_t>(index) >= kNvMaxPhysicalGpus) return 0;
  return physicalHandles[index];
}

void GpuTable::StoreStatusWithText(NvStatus result) {
  status = result;
  errorText[0] = '\0';
  if (api.GetErrorMessage(result, errorText) != kNvOk) errorText[0] = '\0';
  errorText[kNvShortStringSize - 1] = '\0';  // never trust the driver to terminate it
}
