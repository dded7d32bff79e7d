#include "lighting/LedController.h"

#include <cstring>

#include "gpu/structs/LightingStructs.h"
#include "lighting/I2cTransaction.h"

static_assert(sizeof(NvIllumDeviceInfo) == GpuTable::kIllumDevicesSize);
static_assert(sizeof(NvIllumZoneControl) == GpuTable::kIllumZonesSize);

namespace {

constexpr int kCurrentGpu = -1;

bool SendFrame(GpuTable& table, const LedFrame& frame) {
  return I2cWrite(table, kCurrentGpu, kLedRegister, 0, frame.data(), frame.size());
}

bool SendBlock(GpuTable& table, const LedSettingsBlock& block) {
  return I2cWrite(table, kCurrentGpu, kLedRegister, 1, block.data(), block.size());
}

uint32_t IllumDeviceCount(GpuTable& table) {
  NvIllumDeviceInfo info{};
  info.version = kNvIllumDeviceInfoVersion;
  table.status = table.api.GpuClientIllumDevicesGetInfo(table.Handle(kCurrentGpu), &info);
  if (table.status != kNvOk) info = NvIllumDeviceInfo{};
  std::memcpy(table.illumDevices, &info, sizeof info);
  return info.deviceCount;
}

NvIllumZoneControl ZonesOf(const GpuTable& table) {
  NvIllumZoneControl control;
  std::memcpy(&control, table.illumZones, sizeof control);
  return control;
}

void SetZones(GpuTable& table) {
  NvIllumZoneControl control = ZonesOf(table);
  (void)table.api.GpuClientIllumZonesSetControl(table.Handle(kCurrentGpu), &control);
}

}  // namespace

int32_t DetectLedController(GpuTable& table, LedReply& reply, LedWait wait) {
  reply.fill(kLedNoAnswer);
  I2cReadStatus(table, reply);
  if (IsLedFramesStatus(reply)) return kLedI2cFrames;
  if (IllumDeviceCount(table) > 0) return kLedNvIllum;
  reply.fill(kLedNoAnswer);
  SendFrame(table, LedIdentifyFrame());
  if (wait != nullptr) wait(kLedIdentifyWaitMs);
  I2cReadStatus(table, reply);
  return IsLedBlocksIdentity(reply) ? kLedI2cBlocks : kLedI2cFrames;
}

bool LedStateFromFramesStatus(const LedReply& reply, LedState& state) {
  if (reply[0] == kLedNoAnswer) return false;
  state.mode = reply[0];
  state.colour = LedColour{reply[1], reply[2], reply[3]};
  state.pendingColour = state.colour;
  state.onByte = reply[12];
  state.lightsOn = reply[12] != 0;
  state.known = true;
  return true;
}

void LedStateFromBlocksStatus(const LedReply& reply, LedState& state) {
  state.colour = LedColour{reply[7], reply[8], reply[9]};
  state.pendingColour = state.colour;
  state.onByte = reply[0];
  state.mode = LedModeForBlockEffect(reply[6], reply[13]);
  state.lightsOn = reply[0] != 0;
  state.known = true;
}

uint32_t ReadLedState(GpuTable& table, int32_t kind, const LedReply& reply, LedState& state) {
  switch (kind) {
    case kLedI2cFrames:
      LedStateFromFramesStatus(reply, state);
      return 0;
    case kLedNvIllum: {
      IllumGetControl(table, false);
      const NvIllumZoneControl control = ZonesOf(table);
      const uint32_t zones =
          control.zoneCount < kNvIllumMaxZones ? control.zoneCount : kNvIllumMaxZones;
      for (uint32_t i = 0; i < zones; ++i) {
        const NvIllumZone& zone = control.zones[i];
        if (zone.type != kNvIllumZoneTypeRgbw || zone.controlMode != kNvIllumControlManual)
          continue;
        state.colour = LedColour{zone.data[0], zone.data[1], zone.data[2]};
        state.pendingColour = state.colour;
      }
      state.mode = kLedWave;
      state.lightsOn = true;
      state.known = true;
      return zones;
    }
    case kLedI2cBlocks: {
      SendFrame(table, LedQueryStatusFrame());
      LedReply status;
      status.fill(kLedNoAnswer);
      I2cReadStatus(table, status);
      LedStateFromBlocksStatus(status, state);
      return 0;
    }
    default:
      return 0;
  }
}

void ApplyLedState(GpuTable& table, int32_t kind, LedState& state) {
  if (!state.known || !state.lightsOn) return;
  state.colour = state.pendingColour;
  const LedColour& c = state.colour;
  switch (kind) {
    case kLedI2cFrames:
      SendFrame(table, LedSetEffectFrame(state.mode, c));
      break;
    case kLedNvIllum: {
      IllumGetControl(table, false);
      NvIllumZoneControl control = ZonesOf(table);
      uint8_t* data = control.zones[0].data;
      data[0] = c.red;
      data[1] = c.green;
      data[2] = c.blue;
      data[3] = 255;  // white
      data[4] = 100;  // brightness, percent
      std::memcpy(table.illumZones, &control, sizeof control);
      SetZones(table);
      break;
    }
    case kLedI2cBlocks:
      SendBlock(table, LedEffectBlock(state.onByte, state.mode, c));
      break;
    default:
      break;
  }
}

void SetLedPower(GpuTable& table, int32_t kind, LedState& state, bool on) {
  if (!state.known) return;
  if (kind == kLedI2cFrames) {
    state.onByte = on ? 1 : 0;
    SendFrame(table, LedPowerFrame(on));
  } else if (kind == kLedI2cBlocks) {
    state.onByte = on ? 1 : 0;
    SendBlock(table, LedPowerBlock(on));
  }
  state.lightsOn = on;
}

bool RestoreLedDefaults(GpuTable& table, int32_t kind, LedState& state) {
  switch (kind) {
    case kLedI2cFrames:
      if (!state.known || !state.lightsOn) return false;
      state.mode = kLedCycle;
      SendFrame(table, LedRestoreDefaultsFrame());
      return true;
    case kLedNvIllum:
      IllumGetControl(table, true);
      SetZones(table);
      return false;
    case kLedI2cBlocks:
      SendBlock(table, LedRestoreDefaultsBlock());
      state.mode = kLedCycle;
      return true;
    default:
      return false;
  }
}

bool SelectLedMode(LedState& state, uint8_t mode) {
  if (!state.known || !state.lightsOn) return false;
  state.mode = mode;
  return true;
}

bool IllumGetControl(GpuTable& table, bool useDefault) {
  NvIllumZoneControl control{};
  control.version = kNvIllumZoneControlVersion;
  control.flags = useDefault ? kNvIllumZoneControlDefault : 0;
  table.status = table.api.GpuClientIllumZonesGetControl(table.Handle(kCurrentGpu), &control);
  if (table.status != kNvOk) control = NvIllumZoneControl{};
  std::memcpy(table.illumZones, &control, sizeof control);
  return table.status != kNvOk;
}

LedStartup StartLighting(GpuTable& table, LedWait wait) {
  LedStartup startup;
  startup.kind = DetectLedController(table, startup.reply, wait);
  startup.zoneCount = ReadLedState(table, startup.kind, startup.reply, startup.state);
  return startup;
}
