// Records of the driver's display functions: connected display IDs, timings, custom display
// modes and the display configuration (paths, source modes, targets).
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/NvApiTypes.h"

// One connected display of a GPU.
struct NvGpuDisplayIds {
  uint32_t version = 0;
  uint32_t connectorType = 0;
  uint32_t displayId = 0;
  uint32_t flags = 0;  // dynamic, active, connected, ... bits; not used here
};
static_assert(sizeof(NvGpuDisplayIds) == 16, "display ids entry is 16 bytes");
constexpr uint32_t kNvGpuDisplayIdsVersion = NvStructVersion(sizeof(NvGpuDisplayIds), 3);
static_assert(kNvGpuDisplayIdsVersion == 0x30010, "display ids entry version 3");

// Which timing NvApi::DispGetTiming answers. The program sends everything zero: no flags, and
// type 0, the display's current timing.
struct NvTimingInput {
  uint32_t version = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  float refreshRate = 0.0f;
  // Timing flags: interlace bits, a TV / CEA format byte and a scaling byte, each in its own
  // 32-bit word.
  uint32_t flagInterlace = 0;
  uint32_t flagFormat = 0;
  uint32_t flagScaling = 0;
  uint32_t type = 0;
};
static_assert(sizeof(NvTimingInput) == 32, "timing input is 32 bytes");
static_assert(offsetof(NvTimingInput, type) == 28);
constexpr uint32_t kNvTimingInputVersion = NvStructVersion(sizeof(NvTimingInput), 1);
static_assert(kNvTimingInputVersion == 0x10020, "timing input version 1");

// A display timing: visible and total pixels per line and lines per frame, the pixel clock in
// 10 kHz, and the extension with the refresh rate and the mode's name. No version word.
struct NvTimingExtension {
  uint32_t flag = 0;
  uint16_t rr = 0;     // refresh rate, Hz
  uint32_t rrx1k = 0;  // refresh rate x 1000
  uint32_t aspect = 0;
  uint16_t rep = 0;
  uint32_t status = 0;
  uint8_t name[40] = {};
};
static_assert(sizeof(NvTimingExtension) == 64, "timing extension is 64 bytes");
static_assert(offsetof(NvTimingExtension, rrx1k) == 8);
static_assert(offsetof(NvTimingExtension, name) == 24);

struct NvTiming {
  uint16_t hVisible = 0;
  uint16_t hBorder = 0;
  uint16_t hFrontPorch = 0;
  uint16_t hSyncWidth = 0;
  uint16_t hTotal = 0;
  uint8_t hSyncPolarity = 0;
  uint16_t vVisible = 0;
  uint16_t vBorder = 0;
  uint16_t vFrontPorch = 0;
  uint16_t vSyncWidth = 0;
  uint16_t vTotal = 0;
  uint8_t vSyncPolarity = 0;
  uint16_t interlaced = 0;
  uint32_t pclk = 0;  // pixel clock, 10 kHz
  NvTimingExtension etc;
};
static_assert(sizeof(NvTiming) == 96, "timing is 96 bytes");
static_assert(offsetof(NvTiming, hTotal) == 8);
static_assert(offsetof(NvTiming, vVisible) == 12);
static_assert(offsetof(NvTiming, vTotal) == 20);
static_assert(offsetof(NvTiming, pclk) == 28);
static_assert(offsetof(NvTiming, etc) == 32);

// The display's whole image, as a custom mode's source partition.
struct NvViewport {
  float x = 0.0f;
  float y = 0.0f;
  float w = 0.0f;
  float h = 0.0f;
};

struct NvCustomDisplay {
  uint32_t version = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t depth = 0;
  uint32_t colorFormat = 0;
  NvViewport sourcePartition;
  float xRatio = 0.0f;
  float yRatio = 0.0f;
  NvTiming timing;
  uint32_t hardwareModeSetOnly = 0;  // bit 0
};
static_assert(sizeof(NvCustomDisplay) == 144, "custom display is 144 bytes");
static_assert(offsetof(NvCustomDisplay, timing) == 44);
constexpr uint32_t kNvCustomDisplayVersion = NvStructVersion(sizeof(NvCustomDisplay), 1);
static_assert(kNvCustomDisplayVersion == 0x10090, "custom display version 1");
constexpr uint32_t kNvCustomDisplayDepth = 32;
constexpr uint32_t kNvColorFormatA8R8G8B8 = 21;

// A pointer inside a display-configuration record. The driver's interface is 32-bit, so these
// fields are 4 bytes on every build and the records keep their sizes (28 and 12 bytes), which
// the version words encode. A 32-bit build stores the address itself. A 64-bit build (the
// native tests, where program and simulated driver share one process) cannot, and stores the
// address's distance from the path array that the call receives instead: both sides know that
// array, so both can turn the field back into the address. The arrays a 64-bit build points to
// must therefore follow the path array within 4 GiB; DisplayConfigBuffers puts them all in one
// block behind it. Zero is the null pointer on both builds.
struct NvPointer32 {
  uint32_t value = 0;
};
static_assert(sizeof(NvPointer32) == 4);

// `pathArray` is the path array the call receives.
inline NvPointer32 EncodeNvPointer(const void* pathArray, const void* address) {
  if (address == nullptr) return NvPointer32{};
#if UINTPTR_MAX == UINT32_MAX
  (void)pathArray;
  return NvPointer32{static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address))};
#else
  return NvPointer32{static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address) -
                                           reinterpret_cast<uintptr_t>(pathArray))};
#endif
}

template <class T>
T* DecodeNvPointer(const void* pathArray, NvPointer32 pointer) {
  if (pointer.value == 0) return nullptr;
#if UINTPTR_MAX == UINT32_MAX
  (void)pathArray;
  return reinterpret_cast<T*>(static_cast<uintptr_t>(pointer.value));
#else
  return reinterpret_cast<T*>(reinterpret_cast<uintptr_t>(pathArray) + pointer.value);
#endif
}

// Where a path's source (the desktop surface) sits and how large it is.
struct NvDisplayConfigSourceModeInfo {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t colorDepth = 0;
  uint32_t colorFormat = 0;
  int32_t positionX = 0;
  int32_t positionY = 0;
  uint32_t spanningOrientation = 0;
  uint32_t flags = 0;  // bit 0: GDI primary, bit 1: SLI focus
};
static_assert(sizeof(NvDisplayConfigSourceModeInfo) == 32, "source mode info is 32 bytes");

struct NvDisplayConfigAdvancedTargetInfo {
  uint32_t version = 0;
  uint32_t rotation = 0;
  uint32_t scaling = 0;
  uint32_t refreshRate1K = 0;  // refresh rate x 1000
  uint32_t flags = 0;          // interlaced, primary, ... bits
  uint32_t connector = 0;
  uint32_t tvFormat = 0;
  uint32_t timingOverride = 0;
  NvTiming timing;
};
static_assert(sizeof(NvDisplayConfigAdvancedTargetInfo) == 128, "advanced target is 128 bytes");
static_assert(offsetof(NvDisplayConfigAdvancedTargetInfo, refreshRate1K) == 12);
constexpr uint32_t kNvDisplayConfigAdvancedTargetInfoVersion =
    NvStructVersion(sizeof(NvDisplayConfigAdvancedTargetInfo), 1);
static_assert(kNvDisplayConfigAdvancedTargetInfoVersion == 0x10080, "advanced target version 1");

struct NvDisplayConfigPathTargetInfo {
  uint32_t displayId = 0;
  NvPointer32 details;  // NvDisplayConfigAdvancedTargetInfo
  uint32_t targetId = 0;
};
static_assert(sizeof(NvDisplayConfigPathTargetInfo) == 12, "path target info is 12 bytes");

struct NvDisplayConfigPathInfo {
  uint32_t version = 0;
  uint32_t sourceId = 0;
  uint32_t targetInfoCount = 0;
  NvPointer32 targetInfo;      // NvDisplayConfigPathTargetInfo[targetInfoCount]
  NvPointer32 sourceModeInfo;  // NvDisplayConfigSourceModeInfo
  uint32_t flags = 0;          // bit 0: not an NVIDIA adapter
  NvPointer32 osAdapterId;
};
static_assert(sizeof(NvDisplayConfigPathInfo) == 28, "path info is 28 bytes");
static_assert(offsetof(NvDisplayConfigPathInfo, targetInfo) == 12);
constexpr uint32_t kNvDisplayConfigPathInfoVersion =
    NvStructVersion(sizeof(NvDisplayConfigPathInfo), 2);
static_assert(kNvDisplayConfigPathInfoVersion == 0x2001C, "path info version 2");

// SetDisplayConfig flags.
constexpr uint32_t kNvDisplayConfigSaveToPersistence = 0x2;
constexpr uint32_t kNvDisplayConfigDriverReloadAllowed = 0x4;
constexpr uint32_t kNvDisplayConfigForceModeEnumeration = 0x8;
