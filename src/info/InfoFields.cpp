#include "info/InfoFields.h"

#include <cstdio>

#include "gpu/BoardInfo.h"
#include "gpu/GpuEnumeration.h"
#include "gpu/Sensors.h"

namespace {

std::string Format(const char* format, unsigned value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string DriverVersionText(uint32_t hundredths) {
  if (hundredths == 0) return std::string();
  char text[48];
  std::snprintf(text, sizeof text, "ForceWare %.02f", hundredths / 100.0);
  return text;
}

std::string MemoryText(const std::string& sizePart, const std::string& type,
                       const std::string& maker) {
  return sizePart + type + "  " + maker;
}

InfoTexts ReadInfoTexts(GpuTable& table) {
  InfoTexts texts;

  std::string name;
  ReadBoardName(-1, table, name);  // empty after a failed call
  texts[kInfoBoardName] = name;

  texts[kInfoDriverVersion] = DriverVersionText(ReadDriverVersion(table));

  std::string vbios;
  ReadVbiosVersion(-1, table, vbios);  // upper-cased; empty after a failed call
  texts[kInfoVbiosVersion] = vbios;

  uint32_t cores = 0;
  if (ReadCoreCount(-1, table, cores) == kNvOk) texts[kInfoCoreCount] = Format("%u", cores);

  uint32_t megabytes = 0;
  std::string sizePart;
  if (ReadMemorySizeMB(-1, table, megabytes) == 0) sizePart = Format("%u MB ", megabytes);
  // Each name is replaced only by a known code, so a newer memory kind shows nothing.
  std::string type;
  std::string maker;
  ReadMemoryTypeName(-1, table, type);
  ReadMemoryMakerName(-1, table, maker);
  texts[kInfoMemory] = MemoryText(sizePart, type, maker);

  uint32_t bits = 0;
  if (ReadMemoryBusWidth(-1, table, bits) == kNvOk) texts[kInfoBusWidth] = Format("%u Bit", bits);

  if (ReadBaseBoostClocks(-1, table, table.ocInfo) == 0) {
    texts[kInfoBaseClock] = Format("%u", table.ocInfo.graphicsBaseKHz / 1000);
    texts[kInfoBoostClock] = Format("%u", table.ocInfo.graphicsBoostKHz / 1000);
  }

  PciIds ids;
  if (ReadPciIds(-1, table, ids) == 0) {
    texts[kInfoVendorId] = Format("%04x", ids.vendorId);
    texts[kInfoDeviceId] = Format("%04x", ids.deviceId);
    texts[kInfoSubsystemVendorId] = Format("%04x", ids.subsystemVendorId);
    texts[kInfoSubsystemId] = Format("%04x", ids.subsystemId);
  }

  texts[kInfoProgramVersion] = kInfoProgramVersionText;
  return texts;
}
