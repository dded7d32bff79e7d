#include "app/StartupRules.h"

#include <cwchar>

#include "app/DeviceClassification.h"
#include "gpu/GpuEnumeration.h"

namespace {
constexpr uint16_t kNvidiaVendorId = 0x10DE;
}

std::vector<std::wstring> EnumerationMessages(int enumerateResult) {
  switch (enumerateResult) {
    case kEnumerateInitFailed:
      return {L"Initial nvapi fail!", L"Application will not work normally!"};
    case kEnumeratePhysicalFailed:
      return {L"NvAPI_EnumPhysicalGPUs failed", L"Application will not work normally!"};
    default:
      return {};
  }
}

std::wstring ConfigFileNameFor(uint16_t deviceId) {
  wchar_t name[32];
  std::swprintf(name, sizeof name / sizeof name[0], L"Pyrelix_DID%04X.cfg",
                static_cast<unsigned>(deviceId));
  return name;
}

void ClassifyBoard(MainWindowState& state) {
  PciIds ids;
  if (ReadPciIds(0, state.gpus, ids) != 0 || ids.vendorId != kNvidiaVendorId) return;
  if (ClassifyVfModel(ids.deviceId)) state.VfClockModel = 1;
  state.FanCoolerModel = ClassifyFanCoolerModel(ids.deviceId) ? 1 : 0;
}

void CheckReportingBoards(MainWindowState& state) {
  for (LedReportSlot& slot : state.reportSlots) slot = LedReportSlot{};
  for (uint32_t i = 0; i < state.gpus.gpuCount && i < kLedReportSlotCount; ++i) {
    CheckReportVbios(state.gpus, static_cast<int>(i), state.reportSlots[i], state.reportEnabled);
  }
}

std::vector<TimerSpec> MainTimers(int32_t reportEnabled) {
  std::vector<TimerSpec> timers = {{0, 100}, {1, 500}, {2, 1000}};
  if (reportEnabled != 0) timers.push_back({3, 1000});
  return timers;
}
