// The display pixel clock (10 kHz units): read from the first connected display, and raised on
// every connected display through a custom display mode with the display's own timing, which
// raises the refresh rate. These calls address displays, not one GPU: they take the driver only.
#pragma once

#include <cstdint>
#include <functional>

#include "gpu/NvApi.h"
#include "gpu/OcInfo.h"

constexpr uint32_t kMaxDisplayIds = 128;

// Results besides 0 and a driver status.
constexpr int kDisplayQueryFailed = -1;  // a display query failed, or no display is connected
constexpr int kDisplayReplyRejected = kNvError;  // a reply out of range, or memory ran out

struct DisplayIdList {
  uint32_t ids[kMaxDisplayIds] = {};
  uint32_t count = 0;
};

// The refresh rate a timing gets at pixel clock `pixelClock10kHz`: rrx1k = P x 10^7 / (HTotal x
// VTotal), the product of the totals taken in single precision, truncated toward zero; rr =
// rrx1k / 1000. False when the totals are zero or the rate does not fit 32 bits.
struct RefreshRate {
  uint32_t rrx1k = 0;
  uint16_t rr = 0;
};
bool ComputeRefreshRate(uint32_t pixelClock10kHz, uint16_t hTotal, uint16_t vTotal,
                        RefreshRate& out);

// The connected displays of every physical GPU, in GPU then driver order. Returns 0, the failing
// status of the GPU enumeration, or kDisplayQueryFailed when a display query fails or a GPU
// claims more displays than the list holds. IDs beyond 128 in total are not kept.
int CollectDisplayIds(const NvApi& driver, DisplayIdList& list);

// info.pixelClock10kHz = the current pixel clock of the first connected display. Returns 0, the
// failing status, or kDisplayQueryFailed when no display is connected.
int ReadPixelClock(const NvApi& driver, OcInfo& info);

// Waits a number of milliseconds; the program passes a real wait.
using DisplayWait = std::function<void(uint32_t milliseconds)>;
void SleepMilliseconds(uint32_t milliseconds);

// Gives every connected display a custom mode at info.pixelClock10kHz with its own timing, saves
// it, waits a second and rewrites display path 0 with display 0's resolution and refresh rate.
// Returns 0 or the failing status (kDisplayReplyRejected for a reply out of range). A failure
// after the mode was saved is returned like any other: the program keeps running.
int ApplyPixelClock(const NvApi& driver, const OcInfo& info,
                    const DisplayWait& wait = SleepMilliseconds);
