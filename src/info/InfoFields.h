// What the information panel shows for the selected GPU: thirteen texts, read from the board in
// a fixed order, each left empty when its query failed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Version.h"
#include "gpu/GpuTable.h"

// The fields in the order of the panel's labels.
enum InfoField : size_t {
  kInfoBoardName,
  kInfoDriverVersion,
  kInfoVbiosVersion,
  kInfoCoreCount,
  kInfoMemory,
  kInfoBusWidth,
  kInfoBaseClock,
  kInfoBoostClock,
  kInfoVendorId,
  kInfoDeviceId,
  kInfoSubsystemVendorId,
  kInfoSubsystemId,
  kInfoProgramVersion,
  kInfoFieldCount,
};

// Single-byte texts: the board name and VBIOS version as the driver gave them (the panel turns
// them into wide text with the system code page), every other field plain ASCII.
using InfoTexts = std::array<std::string, kInfoFieldCount>;

// The program's own version as the panel shows it.
inline constexpr const char* kInfoProgramVersionText = "V " PYRELIX_VERSION_TEXT;

// Reads every field of GPU currentIndex, one query after the other. The base and boost clocks
// are read into the table's ocInfo.
InfoTexts ReadInfoTexts(GpuTable& table);

// "ForceWare 531.41" for 53141 (the version times 100); empty for 0, the driver's "nothing".
std::string DriverVersionText(uint32_t hundredths);

// The memory field: the size part ("8192 MB ", empty when the size is unknown), the type, two
// spaces and the maker.
std::string MemoryText(const std::string& sizePart, const std::string& type,
                       const std::string& maker);
