#include "overclock/OcCardReading.h"

#include <limits>

#include "gpu/ClockOffsets.h"
#include "gpu/Coolers.h"
#include "gpu/PowerThermalLimits.h"
#include "gpu/Sensors.h"
#include "overclock/OcUnits.h"

namespace {

int32_t Level(uint32_t level) {
  return level > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())
             ? std::numeric_limits<int32_t>::max()
             : static_cast<int32_t>(level);
}

void ReadFan(OcBoard& board, OcSetting& fan) {
  GpuTable& table = board.table;
  if (board.fanCoolerModel == 0) {
    if (ReadCoolerSettings(-1, table, table.coolerSettings) != 0) return;
    const CoolerZero cooler = CoolerZeroOf(table.coolerSettings);
    fan.value = Level(cooler.currentLevel);
    fan.upper = Level(cooler.defaultMaxLevel);
    fan.lower = Level(cooler.defaultMinLevel);
    fan.fallback = fan.lower;
    return;
  }
  fan.value = ReadFanCoolerLevel(table);
  SetFanCoolersAuto(-1, table);
}

void SetRange(OcSetting& setting, int32_t value, int32_t upper, int32_t lower) {
  setting.value = value;
  setting.upper = upper;
  setting.lower = lower;
}

void ReadPstateOffsets(OcBoard& board, OcSettings& settings, OcFlags& flags) {
  OcInfo& info = board.table.ocInfo;
  if (ReadPstateClocks(-1, board.table, info) != 0) {
    SetRange(settings[OcRow::kCore], 0, 0, 0);
    SetRange(settings[OcRow::kMem], 0, 0, 0);
    SetRange(settings[OcRow::kOverVolt], 0, 0, 0);
    return;
  }
  SetRange(settings[OcRow::kCore], KHzToMHz(info.graphicsOffsetKHz),
           KHzToMHz(info.graphicsOffsetMaxKHz), KHzToMHz(info.graphicsOffsetMinKHz));
  SetRange(settings[OcRow::kMem], KHzToMHz(info.memoryOffsetKHz), KHzToMHz(info.memoryOffsetMaxKHz),
           KHzToMHz(info.memoryOffsetMinKHz));
  SetRange(settings[OcRow::kOverVolt], UvToMv(info.overVoltageUv), UvToMv(info.overVoltageMaxUv),
           LowerUvToMv(info.overVoltageMinUv));
  settings.overVoltMaxUv = info.overVoltageMaxUv;
  if (settings[OcRow::kOverVolt].value != 0) flags.overVoltOn = 1;
}

void ReadVfOffsetsInto(OcBoard& board, OcSettings& settings) {
  OcInfo& info = board.table.ocInfo;
  ReadVfRanges(board.table, info);
  ReadVfOffsets(board.table, info);
  SetRange(settings[OcRow::kCore], KHzToMHz(info.graphicsOffsetKHz),
           KHzToMHz(info.vfGraphicsOffsetMaxKHz), KHzToMHz(info.vfGraphicsOffsetMinKHz));
  SetRange(settings[OcRow::kMem], KHzToMHz(info.memoryOffsetKHz),
           KHzToMHz(info.vfMemoryOffsetMaxKHz), KHzToMHz(info.vfMemoryOffsetMinKHz));
  SetRange(settings[OcRow::kOverVolt], 0, 100, 0);
}

void ReadLimits(OcBoard& board, OcSettings& settings) {
  OcInfo power;
  OcSetting& p = settings[OcRow::kPower];
  if (ReadPowerLimits(board.table, power) == 0) {
    SetRange(p, PcmToPercent(power.powerLimitPcm), PcmToPercent(power.powerLimitMaxPcm),
             PcmToPercent(power.powerLimitMinPcm));
    p.fallback = PcmToPercent(power.powerLimitDefaultPcm);
  } else {
    SetRange(p, 0, 0, 0);
    p.fallback = 0;
  }
  OcInfo thermal;
  OcSetting& t = settings[OcRow::kTemp];
  if (ReadThermalLimits(board.table, thermal) == 0) {
    SetRange(t, thermal.tempLimitC, thermal.tempLimitMaxC, thermal.tempLimitMinC);
    t.fallback = thermal.tempLimitDefaultC;
  } else {
    SetRange(t, 0, 0, 0);
    t.fallback = 0;
  }
}

}  // namespace

void ReadCard(OcBoard& board, OcSettings& settings, OcFlags& flags) {
  ReadFan(board, settings[OcRow::kFan]);
  if (board.vfClockModel == 0) {
    ReadPstateOffsets(board, settings, flags);
  } else {
    ReadVfOffsetsInto(board, settings);
  }
  ReadLimits(board, settings);

  OcInfo clocks;
  settings.boostClockMHz = ReadBaseBoostClocks(-1, board.table, clocks) == 0
                               ? BoostKHzToMHz(clocks.graphicsBoostKHz)
                               : 0;

  OcInfo display;
  OcSetting& pixel = settings[OcRow::kDisplay];
  if (ReadPixelClock(board.table.api, display) == 0) {
    pixel.value = Level(display.pixelClock10kHz);
    // The display's own pixel clock, as first read, is what Reset gives back.
    if (pixel.fallback == 0) pixel.fallback = pixel.value;
  } else {
    pixel.value = 0;
  }

  for (OcSetting& setting : settings.rows) setting.lastSeen = setting.value;
}
