// Static facts about a board for the information panel: name, VBIOS and driver version, core
// count, memory size, type, maker and bus width. Each is one driver call; each stores the
// driver's status in the table and none fills errorText. All but the driver version address
// GPU `index` (-1 = currentIndex).
#pragma once

#include <cstdint>
#include <string>

#include "gpu/GpuTable.h"

// The memory size in MB (the driver's KB / 1024, rounded half up); 0 after a failed call.
// Returns 0 on success, 1 on failure.
int ReadMemorySizeMB(int index, GpuTable& table, uint32_t& megabytes);

// The names of the driver's memory type and memory maker codes; nullptr for a code beyond the
// known ones.
const char* MemoryTypeName(uint32_t code);
const char* MemoryMakerName(uint32_t code);

// Replace `name` with the name of the GPU's memory type or maker code. The lookup also runs
// after a failed call, with the code left 0 unless the driver wrote it ("UNKNOWN"); a code
// beyond the table leaves `name` as it was. Return 0 on success, 1 on failure.
int ReadMemoryTypeName(int index, GpuTable& table, std::string& name);
int ReadMemoryMakerName(int index, GpuTable& table, std::string& name);

// The board's marketing name, as the driver's single-byte text (the panel converts it with the
// system code page). Empty after a failed call. Returns the driver's status.
NvStatus ReadBoardName(int index, GpuTable& table, std::string& name);

// The VBIOS version text, its ASCII letters upper-cased ("94.02.26.48.D6"). Empty after a failed
// call. Returns the driver's status.
NvStatus ReadVbiosVersion(int index, GpuTable& table, std::string& version);

// The display driver's version times 100 (55212 for 552.12), asked through the table's first
// display handle; 0 when the driver filled nothing. The status is only stored.
uint32_t ReadDriverVersion(GpuTable& table);

// The number of cores, and the memory bus width in bits (the frame buffer's location, also
// answered, is not used). On failure the output keeps its value. Return the driver's status.
NvStatus ReadCoreCount(int index, GpuTable& table, uint32_t& cores);
NvStatus ReadMemoryBusWidth(int index, GpuTable& table, uint32_t& bits);
