#include "lighting/LedReportSlot.h"

#include <cstring>

int32_t RatedBoardPowerForVbios(const char* version) {
  if (std::strcmp(version, "94.02.26.48.d6") == 0) return 320;
  if (std::strcmp(version, "94.02.42.00.02") == 0) return 350;
  return 0;
}

void CheckReportVbios(GpuTable& table, int index, LedReportSlot& slot, int32_t& reportEnabled) {
  char version[kNvShortStringSize] = {};
  table.status = table.api.GpuGetVbiosVersionString(table.Handle(index), version);
  if (table.status != kNvOk) return;
  version[kNvShortStringSize - 1] = '\0';  // a driver that fills all 64 bytes is not trusted
  const int32_t rated = RatedBoardPowerForVbios(version);
  if (rated == 0) return;
  slot.boardPowerW = rated;
  slot.enabled = 1;
  reportEnabled = 1;
}
