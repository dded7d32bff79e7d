#include "gpu/DisplayTiming.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <thread>
#include <vector>

#include "gpu/structs/DisplayStructs.h"

namespace {

// The request for a display's current timing: a nominal mode, no flags, type 0.
NvTimingInput CurrentTimingRequest() {
  NvTimingInput input;
  input.version = kNvTimingInputVersion;
  input.width = 1024;
  input.height = 999;
  input.refreshRate = 60.0f;
  return input;
}

NvCustomDisplay NewCustomMode() {
  NvCustomDisplay mode;
  mode.version = kNvCustomDisplayVersion;
  mode.width = 1024;
  mode.height = 999;
  mode.depth = kNvCustomDisplayDepth;
  mode.colorFormat = kNvColorFormatA8R8G8B8;
  mode.sourcePartition = NvViewport{0.0f, 0.0f, 1.0f, 1.0f};
  mode.xRatio = 1.0f;
  mode.yRatio = 1.0f;
  return mode;
}

// Appends the connected displays of one GPU to the list.
int CollectGpuDisplays(const NvApi& driver, NvPhysicalGpuHandle gpu, DisplayIdList& list) {
  uint32_t count = 0;
  if (driver.GpuGetConnectedDisplayIds(gpu, nullptr, &count, 0) != kNvOk) {
    return kDisplayQueryFailed;
  }
  if (count == 0) return 0;
  if (count > kMaxDisplayIds) return kDisplayQueryFailed;  // more than any list could hold
  std::vector<NvGpuDisplayIds> entries(count);
  for (NvGpuDisplayIds& entry : entries) entry.version = kNvGpuDisplayIdsVersion;
  uint32_t answered = count;
  if (driver.GpuGetConnectedDisplayIds(gpu, entries.data(), &answered, 0) != kNvOk ||
      answered > count) {
    return kDisplayQueryFailed;
  }
  for (uint32_t i = 0; i < answered && list.count < kMaxDisplayIds; ++i) {
    list.ids[list.count++] = entries[i].displayId;
  }
  return 0;
}

// The display configuration the driver fills in three calls, all in one block: the path array
// first, then per path its source mode, then every path's targets, then their advanced blocks.
// One block keeps the 4-byte pointer fields valid on every build (see NvPointer32) and is freed
// as a whole on every path.
class DisplayConfigBuffers {
 public:
  // Sizes the block for these paths with the target counts they report; false when memory runs
  // out.
  bool Allocate(const std::vector<NvDisplayConfigPathInfo>& reported) {
    pathCount_ = static_cast<uint32_t>(reported.size());
    targetCounts_.clear();
    targetFirst_.clear();
    uint32_t targets = 0;
    for (const NvDisplayConfigPathInfo& path : reported) {
      targetFirst_.push_back(targets);
      targetCounts_.push_back(path.targetInfoCount);
      targets += path.targetInfoCount;
    }
    const size_t size =
        pathCount_ * (sizeof(NvDisplayConfigPathInfo) + sizeof(NvDisplayConfigSourceModeInfo)) +
        targets *
            (sizeof(NvDisplayConfigPathTargetInfo) + sizeof(NvDisplayConfigAdvancedTargetInfo));
    block_.reset(new (std::nothrow) unsigned char[size]);
    if (!block_) return false;
    unsigned char* at = block_.get();
    paths_ = Construct<NvDisplayConfigPathInfo>(at, pathCount_);
    sources_ = Construct<NvDisplayConfigSourceModeInfo>(at, pathCount_);
    targets_ = Construct<NvDisplayConfigPathTargetInfo>(at, targets);
    details_ = Construct<NvDisplayConfigAdvancedTargetInfo>(at, targets);
    for (uint32_t i = 0; i < targets; ++i) {
      details_[i].version = kNvDisplayConfigAdvancedTargetInfoVersion;
    }
    LinkPaths();
    return true;
  }

  // Takes the target counts the driver answered for the first `answered` paths; each must be
  // within what was allocated for its path. False otherwise.
  bool TakeAnsweredCounts(uint32_t answered) {
    for (uint32_t p = 0; p < answered && p < pathCount_; ++p) {
      if (paths_[p].targetInfoCount > targetCounts_[p]) return false;
    }
    for (uint32_t p = 0; p < answered && p < pathCount_; ++p) {
      targetCounts_[p] = paths_[p].targetInfoCount;
    }
    return true;
  }

  // Sets every path's version, count and pointer fields to this block, whatever the driver wrote.
  void LinkPaths() {
    for (uint32_t p = 0; p < pathCount_; ++p) {
      NvDisplayConfigPathInfo& path = paths_[p];
      const uint32_t first = targetFirst_[p];
      path.version = kNvDisplayConfigPathInfoVersion;
      path.targetInfoCount = targetCounts_[p];
      path.sourceModeInfo = EncodeNvPointer(paths_, &sources_[p]);
      path.targetInfo =
          targetCounts_[p] != 0 ? EncodeNvPointer(paths_, &targets_[first]) : NvPointer32{};
      for (uint32_t t = 0; t < targetCounts_[p]; ++t) {
        targets_[first + t].details = EncodeNvPointer(paths_, &details_[first + t]);
      }
    }
  }

  NvDisplayConfigPathInfo* paths() { return paths_; }
  uint32_t pathCount() const { return pathCount_; }
  NvDisplayConfigSourceModeInfo& source(uint32_t path) { return sources_[path]; }
  // Target 0 of path 0 and its advanced block.
  NvDisplayConfigAdvancedTargetInfo& firstTargetDetails() { return details_[0]; }

 private:
  template <class T>
  static T* Construct(unsigned char*& at, uint32_t count) {
    T* first = reinterpret_cast<T*>(at);
    for (uint32_t i = 0; i < count; ++i) new (at + i * sizeof(T)) T();
    at += count * sizeof(T);
    return first;
  }

  std::unique_ptr<unsigned char[]> block_;
  uint32_t pathCount_ = 0;
  std::vector<uint32_t> targetCounts_;  // per path: targets in use
  std::vector<uint32_t> targetFirst_;   // per path: its first entry of targets_ and details_
  NvDisplayConfigPathInfo* paths_ = nullptr;
  NvDisplayConfigSourceModeInfo* sources_ = nullptr;
  NvDisplayConfigPathTargetInfo* targets_ = nullptr;
  NvDisplayConfigAdvancedTargetInfo* details_ = nullptr;
};

// Reads the display configuration in its three calls. Every count the driver answers is checked
// against what was allocated for it; a count out of range is a failed read.
NvStatus ReadDisplayConfig(const NvApi& driver, DisplayConfigBuffers& config) {
  uint32_t pathCount = 0;
  NvStatus status = driver.DispGetDisplayConfig(&pathCount, nullptr);
  if (status != kNvOk) return status;
  if (pathCount == 0 || pathCount > kMaxDisplayIds) return kDisplayReplyRejected;

  std::vector<NvDisplayConfigPathInfo> reported(pathCount);
  for (NvDisplayConfigPathInfo& path : reported) path.version = kNvDisplayConfigPathInfoVersion;
  uint32_t answered = pathCount;
  status = driver.DispGetDisplayConfig(&answered, reported.data());
  if (status != kNvOk) return status;
  if (answered == 0 || answered > pathCount) return kDisplayReplyRejected;
  reported.resize(answered);
  for (const NvDisplayConfigPathInfo& path : reported) {
    if (path.targetInfoCount > kMaxDisplayIds) return kDisplayReplyRejected;
  }
  if (reported[0].targetInfoCount == 0) return kDisplayReplyRejected;  // path 0 needs a target
  if (!config.Allocate(reported)) return kDisplayReplyRejected;

  answered = config.pathCount();
  status = driver.DispGetDisplayConfig(&answered, config.paths());
  if (status != kNvOk) return status;
  if (answered == 0 || answered > config.pathCount()) return kDisplayReplyRejected;
  if (!config.TakeAnsweredCounts(answered)) return kDisplayReplyRejected;
  config.LinkPaths();
  if (config.paths()[0].targetInfoCount == 0) return kDisplayReplyRejected;
  return kNvOk;
}

}  // namespace

bool ComputeRefreshRate(uint32_t pixelClock10kHz, uint16_t hTotal, uint16_t vTotal,
                        RefreshRate& out) {
  const uint32_t pixels = uint32_t{hTotal} * vTotal;  // at most 65535^2: no overflow
  if (pixels == 0) return false;
  const double rate =
      static_cast<double>(uint64_t{pixelClock10kHz} * 10000000u) / static_cast<float>(pixels);
  const double truncated = std::trunc(rate);
  if (!(truncated <= static_cast<double>(UINT32_MAX))) return false;
  out.rrx1k = static_cast<uint32_t>(truncated);
  out.rr = static_cast<uint16_t>(out.rrx1k / 1000);
  return true;
}

void SleepMilliseconds(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int CollectDisplayIds(const NvApi& driver, DisplayIdList& list) {
  list.count = 0;
  NvPhysicalGpuHandle gpus[kNvMaxPhysicalGpus] = {};
  uint32_t gpuCount = 0;
  const NvStatus status = driver.EnumPhysicalGPUs(gpus, &gpuCount);
  if (status != kNvOk) return status;
  if (gpuCount > kNvMaxPhysicalGpus) return kDisplayQueryFailed;
  for (uint32_t g = 0; g < gpuCount; ++g) {
    const int result = CollectGpuDisplays(driver, gpus[g], list);
    if (result != 0) return result;
  }
  return 0;
}

int ReadPixelClock(const NvApi& driver, OcInfo& info) {
  DisplayIdList list;
  const int collected = CollectDisplayIds(driver, list);
  if (collected != 0) return collected;
  if (list.count == 0) return kDisplayQueryFailed;
  NvTimingInput input = CurrentTimingRequest();
  NvTiming timing;
  const NvStatus status = driver.DispGetTiming(list.ids[0], &input, &timing);
  if (status != kNvOk) return status;
  info.pixelClock10kHz = timing.pclk;
  return 0;
}

int ApplyPixelClock(const NvApi& driver, const OcInfo& info, const DisplayWait& wait) {
  DisplayIdList list;
  const int collected = CollectDisplayIds(driver, list);
  if (collected != 0) return collected;

  const uint32_t pixelClock = info.pixelClock10kHz;
  std::vector<NvCustomDisplay> modes(list.count, NewCustomMode());
  for (uint32_t k = 0; k < list.count; ++k) {
    NvCustomDisplay& mode = modes[k];
    NvTimingInput input = CurrentTimingRequest();
    const NvStatus status = driver.DispGetTiming(list.ids[k], &input, &mode.timing);
    if (status != kNvOk) return status;
    RefreshRate refresh;
    if (!ComputeRefreshRate(pixelClock, mode.timing.hTotal, mode.timing.vTotal, refresh)) {
      return kDisplayReplyRejected;  // a timing without totals: nothing changed yet
    }
    mode.width = mode.timing.hVisible;
    mode.height = mode.timing.vVisible;
    mode.timing.pclk = pixelClock;
    mode.timing.etc.rrx1k = refresh.rrx1k;
    mode.timing.etc.rr = refresh.rr;
    std::memset(mode.timing.etc.name, 0, sizeof mode.timing.etc.name);
  }

  uint32_t* ids = list.count != 0 ? list.ids : nullptr;
  NvCustomDisplay* tried = list.count != 0 ? modes.data() : nullptr;
  NvStatus status = driver.DispTryCustomDisplay(ids, list.count, tried);
  if (status != kNvOk) return status;
  status = driver.DispSaveCustomDisplay(ids, list.count, 1, 1);
  if (status != kNvOk) return status;
  if (list.count == 0) return 0;  // no display, so no configuration to rewrite

  if (wait) wait(1000);

  DisplayConfigBuffers config;
  status = ReadDisplayConfig(driver, config);
  if (status != kNvOk) return status;
  config.source(0).width = modes[0].width;
  config.source(0).height = modes[0].height;
  config.firstTargetDetails().refreshRate1K = modes[0].timing.etc.rrx1k;
  return driver.DispSetDisplayConfig(1, config.paths(),
                                     kNvDisplayConfigSaveToPersistence |
                                         kNvDisplayConfigDriverReloadAllowed |
                                         kNvDisplayConfigForceModeEnumeration);
}
