// Lighting and the power reading: the I2C read and write calls with the lighting controller at
// address 0x92, the illumination devices and zones, and the power topology status.
//
// The controllers keep what the program writes and answer reads from it:
// * frame controller: A0 FC p (power), A0 FA (factory settings), A0 00 m R G B .. (effect);
//   its status read answers mode, colour, on (byte 12) and the marker 1 in byte 28.
// * block controller: A0 F1 makes the next read answer "N675M", A0 F0 the status block; a
//   30-byte block at register 0xA0 sets power (byte 0), or with byte 1 = 1 the factory settings,
//   or with bytes 10, 11 = 50, 100 the effect (on, code, colour, sub-code).
// Both count the status reports (0xA1 packets) they receive.
#include <string>
#include <vector>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "TextFormat.h"
#include "gpu/structs/LightingStructs.h"

namespace sim {
namespace {

constexpr uint8_t kControllerAddress = 0x92;
constexpr uint8_t kControllerRegister = 0xA0;
constexpr uint32_t kMaxTransfer = 64;
constexpr size_t kStatusSize = 32;

size_t GpuIndex(const CallContext& call) {
  return static_cast<size_t>(call.Gpu() - call.scenario().gpus.data());
}

std::string HexBytes(const uint8_t* bytes, size_t count) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    if (i != 0) text += ' ';
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0x0F];
  }
  return text;
}

LedControllerState& Controller(CallContext& call) {
  auto& controllers = call.state().lighting.controllers;
  const auto [found, added] = controllers.try_emplace(GpuIndex(call));
  if (added) found->second.settings = call.Gpu()->lighting.controller;
  return found->second;
}

// The factory settings a controller returns to: on, the colour cycle, its model's colour.
void RestoreFactory(LedControllerModel& settings) {
  settings.on = 1;
  if (settings.kind == LedControllerKind::kFrames) {
    settings.effect = 4;
    settings.subCode = 0;
  } else {
    settings.effect = 1;
    settings.subCode = 7;
  }
}

void TakeReport(LedControllerState& controller, const std::vector<uint8_t>& bus) {
  if (bus.size() < 10) return;
  ++controller.reports;
  controller.reportTemperatureC = bus[1];
  controller.reportPowerW = static_cast<uint16_t>((bus[2] << 8) | bus[3]);
}

// `bus`: the bytes after the device address, the register byte first when one was sent.
void TakeWrite(LedControllerState& controller, const std::vector<uint8_t>& bus, bool withRegister) {
  if (bus.empty()) return;
  if (bus[0] == 0xA1) return TakeReport(controller, bus);
  if (bus[0] != kControllerRegister || bus.size() < 2) return;
  LedControllerModel& s = controller.settings;
  if (s.kind == LedControllerKind::kFrames) {
    if (withRegister || bus.size() < 8) return;
    if (bus[1] == 0xFC) {
      s.on = bus[2];
    } else if (bus[1] == 0xFA) {
      RestoreFactory(s);
    } else if (bus[1] == 0x00) {
      s.effect = bus[2];
      s.red = bus[3];
      s.green = bus[4];
      s.blue = bus[5];
    }
    return;
  }
  if (!withRegister) {
    if (bus[1] == 0xF1) controller.pending = LedPendingReply::kIdentity;
    if (bus[1] == 0xF0) controller.pending = LedPendingReply::kStatus;
    return;
  }
  if (bus.size() < 31) return;
  const uint8_t* block = &bus[1];
  if (block[1] == 1) {
    RestoreFactory(s);
  } else if (block[10] == 50 && block[11] == 100) {
    s.on = block[0];
    s.effect = block[6];
    s.red = block[7];
    s.green = block[8];
    s.blue = block[9];
    s.subCode = block[13];
  } else {
    s.on = block[0];
  }
}

void StatusBlock(LedControllerState& controller, uint8_t (&status)[kStatusSize]) {
  const LedControllerModel& s = controller.settings;
  if (s.kind == LedControllerKind::kFrames) {
    status[0] = s.effect;
    status[1] = s.red;
    status[2] = s.green;
    status[3] = s.blue;
    status[12] = s.on;
    status[28] = 1;
    return;
  }
  if (controller.pending == LedPendingReply::kIdentity) {
    const char kIdentity[] = "N675M";
    for (size_t i = 0; i < 5; ++i) status[i] = static_cast<uint8_t>(kIdentity[i]);
  } else {
    status[0] = s.on;
    status[6] = s.effect;
    status[7] = s.red;
    status[8] = s.green;
    status[9] = s.blue;
    status[13] = s.subCode;
  }
  controller.pending = LedPendingReply::kStatus;
}

struct I2cBuffers {
  uint8_t* registerByte = nullptr;
  uint8_t* data = nullptr;
};

I2cBuffers BuffersOf(NvI2cInfo* info) {
  return I2cBuffers{DecodeNvPointer<uint8_t>(info, info->registerAddress),
                    DecodeNvPointer<uint8_t>(info, info->data)};
}

void DescribeI2c(CallContext& call, NvPhysicalGpuHandle gpu, NvI2cInfo* info, bool write) {
  call.DescribeGpu(gpu);
  if (info == nullptr) return;
  call.SetVersion(info->version);
  const I2cBuffers buffers = BuffersOf(info);
  std::string text = "addr=0x" + HexBytes(&info->deviceAddress, 1);
  if (buffers.registerByte != nullptr) text += " reg=0x" + HexBytes(buffers.registerByte, 1);
  text += " regsize=" + Decimal(info->registerAddressSize) + " size=" + Decimal(info->dataSize) +
          " speed=" + Hex16(info->speed) + " khz=" + Decimal(info->speedKhz) +
          " port=" + Decimal(info->portId) + " portset=" + Decimal(info->portIdSet) +
          " ddc=" + Decimal(info->isDdcPort) + " mask=" + Decimal(info->displayMask);
  if (write && buffers.data != nullptr && info->dataSize <= kMaxTransfer) {
    text += " data=" + HexBytes(buffers.data, info->dataSize);
  }
  call.Describe(text);
}

// Checks what both I2C entries check; on success `buffers` holds the decoded pointers.
NvStatus AdmitI2c(CallContext& call, NvI2cInfo* info, I2cBuffers& buffers) {
  if (info == nullptr) {
    call.Result("null pointer");
    return kNvInvalidArgument;
  }
  if (call.Gpu() == nullptr) return kNvExpectedPhysicalGpuHandle;
  if (!call.AcceptsVersion(info->version, {kNvI2cInfoVersion})) {
    return kNvIncompatibleStructVersion;
  }
  buffers = BuffersOf(info);
  if (buffers.data == nullptr || info->dataSize == 0 || info->dataSize > kMaxTransfer ||
      info->registerAddressSize > 1 ||
      (info->registerAddressSize == 1 && buffers.registerByte == nullptr)) {
    call.Result("bad transfer");
    return kNvInvalidArgument;
  }
  if (info->deviceAddress != kControllerAddress ||
      call.Gpu()->lighting.controller.kind == LedControllerKind::kNone) {
    call.Result("no device");
    return kNvError;
  }
  return kNvOk;
}

NvStatus NVAPI_CALL I2cRead(NvPhysicalGpuHandle gpu, NvI2cInfo* info) {
  return Dispatch(
      kIdI2cRead, [&](CallContext& call) { DescribeI2c(call, gpu, info, false); },
      [&](CallContext& call) {
        I2cBuffers buffers;
        const NvStatus admitted = AdmitI2c(call, info, buffers);
        if (admitted != kNvOk) return admitted;
        if (info->registerAddressSize == 1 && *buffers.registerByte != kControllerRegister) {
          call.Result("no such register");
          return NvStatus{kNvError};
        }
        uint8_t status[kStatusSize] = {};
        StatusBlock(Controller(call), status);
        const size_t count = info->dataSize < kStatusSize ? info->dataSize : kStatusSize;
        for (size_t i = 0; i < info->dataSize; ++i) buffers.data[i] = i < count ? status[i] : 0;
        call.Result("data=" + HexBytes(buffers.data, count));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL I2cWrite(NvPhysicalGpuHandle gpu, NvI2cInfo* info) {
  return Dispatch(
      kIdI2cWrite, [&](CallContext& call) { DescribeI2c(call, gpu, info, true); },
      [&](CallContext& call) {
        I2cBuffers buffers;
        const NvStatus admitted = AdmitI2c(call, info, buffers);
        if (admitted != kNvOk) return admitted;
        std::vector<uint8_t> bus;
        const bool withRegister = info->registerAddressSize == 1;
        if (withRegister) bus.push_back(*buffers.registerByte);
        bus.insert(bus.end(), buffers.data, buffers.data + info->dataSize);
        LedControllerState& controller = Controller(call);
        TakeWrite(controller, bus, withRegister);
        const LedControllerModel& s = controller.settings;
        call.Result("on=" + Decimal(s.on) + " effect=" + Decimal(s.effect) + " sub=" +
                    Decimal(s.subCode) + " rgb=" + Decimal(s.red) + "," + Decimal(s.green) + "," +
                    Decimal(s.blue) + " reports=" + Decimal(controller.reports));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL IllumDevicesGetInfo(NvPhysicalGpuHandle gpu, NvIllumDeviceInfo* info) {
  return Dispatch(
      kIdGpuClientIllumDevicesGetInfo,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (info != nullptr) call.SetVersion(info->version);
      },
      [&](CallContext& call) {
        if (info == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        if (call.Gpu() == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        if (!call.AcceptsVersion(info->version, {kNvIllumDeviceInfoVersion})) {
          return NvStatus{kNvIncompatibleStructVersion};
        }
        info->deviceCount = call.Gpu()->lighting.illumDevices;
        call.Result("devices=" + Decimal(info->deviceCount));
        return NvStatus{kNvOk};
      });
}

std::vector<IllumZoneModel>& CurrentZones(CallContext& call) {
  auto& zones = call.state().lighting.zones;
  const auto [found, added] = zones.try_emplace(GpuIndex(call));
  if (added) found->second = call.Gpu()->lighting.zones;
  return found->second;
}

NvStatus AdmitZones(CallContext& call, const NvIllumZoneControl* control) {
  if (control == nullptr) {
    call.Result("null pointer");
    return kNvInvalidArgument;
  }
  if (call.Gpu() == nullptr) return kNvExpectedPhysicalGpuHandle;
  if (!call.AcceptsVersion(control->version, {kNvIllumZoneControlVersion})) {
    return kNvIncompatibleStructVersion;
  }
  if (call.Gpu()->lighting.illumDevices == 0) return kNvNotSupported;
  return kNvOk;
}

std::string ZoneText(const IllumZoneModel& zone) {
  return Decimal(zone.type) + "/" + Decimal(zone.controlMode) + ":" + Decimal(zone.red) + "," +
         Decimal(zone.green) + "," + Decimal(zone.blue) + "," + Decimal(zone.white) + "," +
         Decimal(zone.brightness);
}

NvStatus NVAPI_CALL IllumZonesGetControl(NvPhysicalGpuHandle gpu, NvIllumZoneControl* control) {
  return Dispatch(
      kIdGpuClientIllumZonesGetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control == nullptr) return;
        call.SetVersion(control->version);
        call.Describe("default=" + Decimal(control->flags & kNvIllumZoneControlDefault));
      },
      [&](CallContext& call) {
        const NvStatus admitted = AdmitZones(call, control);
        if (admitted != kNvOk) return admitted;
        const bool useDefault = (control->flags & kNvIllumZoneControlDefault) != 0;
        const std::vector<IllumZoneModel>& zones =
            useDefault ? call.Gpu()->lighting.zones : CurrentZones(call);
        control->zoneCount = static_cast<uint32_t>(zones.size());
        std::string text = "zones=" + Decimal(control->zoneCount);
        for (size_t i = 0; i < zones.size() && i < kNvIllumMaxZones; ++i) {
          NvIllumZone& out = control->zones[i];
          out.type = zones[i].type;
          out.controlMode = zones[i].controlMode;
          out.data[0] = zones[i].red;
          out.data[1] = zones[i].green;
          out.data[2] = zones[i].blue;
          out.data[3] = zones[i].white;
          out.data[4] = zones[i].brightness;
          text += " " + ZoneText(zones[i]);
        }
        call.Result(text);
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL IllumZonesSetControl(NvPhysicalGpuHandle gpu, NvIllumZoneControl* control) {
  return Dispatch(
      kIdGpuClientIllumZonesSetControl,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (control == nullptr) return;
        call.SetVersion(control->version);
        std::string text = "zones=" + Decimal(control->zoneCount);
        const uint32_t shown =
            control->zoneCount < kNvIllumMaxZones ? control->zoneCount : kNvIllumMaxZones;
        for (uint32_t i = 0; i < shown; ++i) {
          const NvIllumZone& zone = control->zones[i];
          IllumZoneModel sent{zone.type,    zone.controlMode, zone.data[0], zone.data[1],
                              zone.data[2], zone.data[3],     zone.data[4]};
          text += " " + ZoneText(sent);
        }
        call.Describe(text);
      },
      [&](CallContext& call) {
        const NvStatus admitted = AdmitZones(call, control);
        if (admitted != kNvOk) return admitted;
        std::vector<IllumZoneModel>& zones = CurrentZones(call);
        if (control->zoneCount > zones.size()) {
          call.Result("more zones than the board has");
          return NvStatus{kNvInvalidArgument};
        }
        for (uint32_t i = 0; i < control->zoneCount; ++i) {
          const NvIllumZone& zone = control->zones[i];
          zones[i] = IllumZoneModel{zone.type,    zone.controlMode, zone.data[0], zone.data[1],
                                    zone.data[2], zone.data[3],     zone.data[4]};
        }
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL PowerTopologyGetStatus(NvPhysicalGpuHandle gpu, NvPowerTopologyStatus* status) {
  return Dispatch(
      kIdGpuClientPowerTopologyGetStatus,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        if (status != nullptr) call.SetVersion(status->version);
      },
      [&](CallContext& call) {
        if (status == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        if (call.Gpu() == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        if (!call.AcceptsVersion(status->version, {kNvPowerTopologyStatusVersion})) {
          return NvStatus{kNvIncompatibleStructVersion};
        }
        if (!call.Gpu()->powerTopology.present) return NvStatus{kNvNotSupported};
        status->count = 1;
        status->entries[0].domain = 0;
        status->entries[0].power = call.Gpu()->powerTopology.power;
        call.Result("power=" + Decimal(status->entries[0].power));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddLightingEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdI2cRead>("NvAPI_I2CRead", &I2cRead, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdI2cWrite>("NvAPI_I2CWrite", &I2cWrite, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientIllumDevicesGetInfo>(
      "NvAPI_GPU_ClientIllumDevicesGetInfo", &IllumDevicesGetInfo, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientIllumZonesGetControl>(
      "NvAPI_GPU_ClientIllumZonesGetControl", &IllumZonesGetControl, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientIllumZonesSetControl>(
      "NvAPI_GPU_ClientIllumZonesSetControl", &IllumZonesSetControl, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuClientPowerTopologyGetStatus>(
      "NvAPI_GPU_ClientPowerTopologyGetStatus", &PowerTopologyGetStatus,
      EntryGate::kAfterInitialize));
}

}  // namespace sim
