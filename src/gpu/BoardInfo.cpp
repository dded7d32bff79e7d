#include "gpu/BoardInfo.h"

#include <cstring>
#include <iterator>

#include "gpu/structs/BoardInfoStructs.h"

namespace {

constexpr const char* kMemoryTypeNames[] = {
    "UNKNOWN", "SDRAM", "DDR1",   "DDR2",   "GDDR2", "GDDR3", "GDDR4",
    "DDR3",    "GDDR5", "LPDDR2", "GDDR5X", "HBM1",  "HBM2",  "SDDR4",
};
constexpr const char* kMemoryMakerNames[] = {
    "UNKNOWN", "Samsung", "Qimonda", "Elpida", "Etron",  "Nanya",
    "Hynix",   "Mosel",   "Winbond", "Esmt",   "Micron",
};

template <size_t N>
const char* Lookup(const char* const (&names)[N], uint32_t code) {
  return code < N ? names[code] : nullptr;
}

// The text of a 64-byte driver buffer: up to its first NUL, never past its end.
std::string ShortText(const char (&buffer)[kNvShortStringSize]) {
  const void* nul = std::memchr(buffer, '\0', sizeof buffer);
  const size_t length =
      nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - buffer) : sizeof buffer;
  return std::string(buffer, length);
}

using CodeQuery = NvStatus (NvApi::*)(NvPhysicalGpuHandle, uint32_t*) const;

int ReadCodeName(int index, GpuTable& table, CodeQuery query, const char* (*nameOf)(uint32_t),
                 std::string& name) {
  uint32_t code = 0;
  table.status = (table.api.*query)(table.Handle(index), &code);
  if (const char* text = nameOf(code)) name = text;
  return table.status != kNvOk ? 1 : 0;
}

}  // namespace

const char* MemoryTypeName(uint32_t code) {
  return Lookup(kMemoryTypeNames, code);
}

const char* MemoryMakerName(uint32_t code) {
  return Lookup(kMemoryMakerNames, code);
}

int ReadMemorySizeMB(int index, GpuTable& table, uint32_t& megabytes) {
  uint32_t kilobytes = 0;
  table.status = table.api.GpuGetPhysicalFrameBufferSize(table.Handle(index), &kilobytes);
  // Round half up: (KB + 512) / 1024, in 64 bits so the largest size cannot wrap.
  megabytes = static_cast<uint32_t>((uint64_t{kilobytes} + 512) / 1024);
  return table.status != kNvOk ? 1 : 0;
}

int ReadMemoryTypeName(int index, GpuTable& table, std::string& name) {
  return ReadCodeName(index, table, &NvApi::GpuGetMemoryType, &MemoryTypeName, name);
}

int ReadMemoryMakerName(int index, GpuTable& table, std::string& name) {
  return ReadCodeName(index, table, &NvApi::GpuGetMemoryMaker, &MemoryMakerName, name);
}

NvStatus ReadBoardName(int index, GpuTable& table, std::string& name) {
  char buffer[kNvShortStringSize] = {};
  table.status = table.api.GpuGetFullName(table.Handle(index), buffer);
  name = table.status == kNvOk ? ShortText(buffer) : std::string();
  return table.status;
}

NvStatus ReadVbiosVersion(int index, GpuTable& table, std::string& version) {
  char buffer[kNvShortStringSize] = {};
  table.status = table.api.GpuGetVbiosVersionString(table.Handle(index), buffer);
  version = table.status == kNvOk ? ShortText(buffer) : std::string();
  for (char& c : version) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return table.status;
}

uint32_t ReadDriverVersion(GpuTable& table) {
  NvDisplayDriverVersion version;
  version.version = kNvDisplayDriverVersionVersion;
  table.status = table.api.GetDisplayDriverVersion(table.displayHandles[0], &version);
  return version.drvVersion;
}

NvStatus ReadCoreCount(int index, GpuTable& table, uint32_t& cores) {
  uint32_t count = 0;
  table.status = table.api.GpuGetGpuCoreCount(table.Handle(index), &count);
  if (table.status == kNvOk) cores = count;
  return table.status;
}

NvStatus ReadMemoryBusWidth(int index, GpuTable& table, uint32_t& bits) {
  uint32_t width = 0;
  uint32_t location = 0;
  table.status =
      table.api.GpuGetFrameBufferWidthAndLocation(table.Handle(index), &width, &location);
  if (table.status == kNvOk) bits = width;
  return table.status;
}
