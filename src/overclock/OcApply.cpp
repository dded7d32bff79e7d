#include "overclock/OcApply.h"

#include <cstdint>

#include "gpu/ClockOffsets.h"
#include "gpu/Coolers.h"
#include "gpu/FrameRateLimit.h"
#include "gpu/PowerThermalLimits.h"
#include "gpu/VoltageBoost.h"
#include "overclock/OcUnits.h"

namespace {

OcInfo RecordOf(const OcBoard& board, const OcSettings& s) {
  OcInfo info;
  info.powerLimitPcm = PercentToPcm(s[OcRow::kPower].value);
  info.graphicsOffsetKHz = ThousandfoldInt(s[OcRow::kCore].value);
  info.memoryOffsetKHz = ThousandfoldInt(s[OcRow::kMem].value);
  info.tempLimitC = s[OcRow::kTemp].value;
  if (board.vfClockModel == 0) {
    info.overVoltageUv = ThousandfoldInt(s[OcRow::kOverVolt].value);
    if (info.overVoltageUv > s.overVoltMaxUv) info.overVoltageUv = s.overVoltMaxUv;
  } else {
    info.overVoltageUv = s[OcRow::kOverVolt].value;
  }
  const int32_t pixel = s[OcRow::kDisplay].value;
  info.pixelClock10kHz = pixel > 0 ? static_cast<uint32_t>(pixel) : 0u;
  return info;
}

uint32_t FramesPerSecond(int32_t frame) {
  return frame > 0 ? static_cast<uint32_t>(frame) : 0u;
}

void WriteFan(OcBoard& board, const OcSettings& s, int g) {
  GpuTable& table = board.table;
  const int32_t level = s[OcRow::kFan].value;
  if (board.vfClockModel == 1 && board.fanCoolerModel == 1) {
    if (s.fanMode == kFanModeAuto) {
      SetFanCoolersAuto(g, table);
    } else if (s.fanMode == kFanModeManual) {
      SetFanCoolerManual(g, 1, level, table);
      SetFanCoolerManual(g, 2, level, table);
    }
    return;
  }
  if (s.fanMode == kFanModeAuto) {
    SetCoolerLevel(kNvCoolerPolicyAuto, level, g, table);
  } else if (s.fanMode == kFanModeManual) {
    SetCoolerLevel(kNvCoolerPolicyManual, level, g, table);
  }
}

// One GPU's writes, in the order the card expects them. `selector` picks the frame-rate
// limiter's encoding.
void WriteGpu(OcBoard& board, const OcSettings& s, const OcFlags& flags, const OcInfo& info, int g,
              int selector) {
  GpuTable& table = board.table;
  WriteClockOffsets(g, table, info);
  WritePowerLimit(g, table, info);
  WriteThermalLimit(g, table, info);
  WriteThermalPriority(g, table, flags.linkPowerTemp != 0 ? 1 : 0);
  if (flags.displayClockOn != 0) ApplyPixelClock(table.api, info, board.wait);
  if (flags.overVoltOn != 0) {
    if (board.vfClockModel == 0) {
      WriteOverVoltage(g, table, info);
    } else {
      WriteVoltageBoost(g, table, static_cast<uint8_t>(info.overVoltageUv & 0xFF));
    }
  }
  if (flags.frameLimitOn != 0) {
    SetFrameRateLimit(table.api, FramesPerSecond(s[OcRow::kFrame].value), selector);
  }
  WriteFan(board, s, g);
}

void ReadBack(OcBoard& board, OcSettings& s) {
  GpuTable& table = board.table;
  OcInfo info;
  int32_t overVolt = 0;
  if (board.vfClockModel == 0) {
    ReadPstateClocks(-1, table, info);
    overVolt = UvToMv(info.overVoltageUv);
  } else {
    ReadVfOffsets(table, info);
    uint8_t boost = 0;
    ReadVoltageBoost(table, boost);
    overVolt = boost;
  }
  ReadPowerLimits(table, info);
  ReadThermalLimits(table, info);
  ReadPixelClock(table.api, info);

  s[OcRow::kCore].value = KHzToMHz(info.graphicsOffsetKHz);
  s[OcRow::kMem].value = KHzToMHz(info.memoryOffsetKHz);
  s[OcRow::kPower].value = PcmToPercent(info.powerLimitPcm);
  s[OcRow::kTemp].value = info.tempLimitC;
  s[OcRow::kOverVolt].value = overVolt;
  s[OcRow::kDisplay].value = info.pixelClock10kHz > static_cast<uint32_t>(INT32_MAX)
                                 ? INT32_MAX
                                 : static_cast<int32_t>(info.pixelClock10kHz);
}

}  // namespace

void ApplyOverclock(OcBoard& board, OcSettings& settings, const OcFlags& flags) {
  const OcInfo info = RecordOf(board, settings);
  if (flags.syncAllGpus != 0) {
    const int count = board.AddressableGpus();
    for (int g = 0; g < count; ++g) WriteGpu(board, settings, flags, info, g, g);
  } else {
    WriteGpu(board, settings, flags, info, -1, 1);
  }
  ReadBack(board, settings);
}

void SetResetValues(OcSettings& settings) {
  settings[OcRow::kCore].value = 0;
  settings[OcRow::kOverVolt].value = 0;
  settings[OcRow::kMem].value = 0;
  settings[OcRow::kFrame].value = kFrameLowest;
  settings[OcRow::kPower].value = settings[OcRow::kPower].fallback;
  settings[OcRow::kTemp].value = settings[OcRow::kTemp].fallback;
  settings.fanMode = kFanModeAuto;
  settings[OcRow::kDisplay].value = settings[OcRow::kDisplay].fallback;
}

void ResetOverclock(OcBoard& board, OcSettings& settings, OcFlags& flags) {
  SetResetValues(settings);
  ApplyOverclock(board, settings, flags);
  const int count = board.AddressableGpus();
  for (int g = 0; g < count; ++g) {
    SetCoolerLevel(kNvCoolerPolicyAuto, settings[OcRow::kFan].fallback, g, board.table);
  }
  flags.overVoltOn = 0;
  flags.frameLimitOn = 0;
  flags.linkPowerTemp = 1;
  flags.displayClockOn = 0;
}

void ClearOverVoltage(OcBoard& board) {
  const OcInfo zero;
  const int count = board.AddressableGpus();
  for (int g = 0; g < count; ++g) WriteOverVoltage(g, board.table, zero);
}
