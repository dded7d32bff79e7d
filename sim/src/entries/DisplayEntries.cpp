// Displays: the connected display IDs of a GPU, their timings, custom display modes (tried, then
// saved) and the display configuration (one path per connected display, one target each).
// SetDisplayConfig makes a saved custom mode current when a target asks for its refresh rate;
// GetTiming and GetDisplayConfig then answer that mode.
#include <algorithm>
#include <vector>

#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "TextFormat.h"
#include "gpu/structs/DisplayStructs.h"

namespace sim {
namespace {

// Bounds of what one call takes; the driver's display list has room for 128.
constexpr uint32_t kMaxDisplaysPerCall = kNvMaxDisplays;
constexpr uint32_t kPhantomDisplayIdBase = 0x0BADD000;
constexpr uint32_t kPrimaryFlag = 0x1;

// Refresh rate x 1000 of a timing, in exact integer arithmetic; 0 without totals.
uint32_t RateX1k(const DisplayTimingModel& timing) {
  const uint64_t pixels = uint64_t{timing.hTotal} * timing.vTotal;
  if (pixels == 0) return 0;
  return static_cast<uint32_t>(uint64_t{timing.pixelClock10kHz} * 10000000u / pixels);
}

// Every connected display, in model GPU order.
std::vector<const ConnectedDisplay*> AllDisplays(const Scenario& scenario) {
  std::vector<const ConnectedDisplay*> displays;
  for (const GpuModel& gpu : scenario.gpus) {
    for (const ConnectedDisplay& display : gpu.displays) displays.push_back(&display);
  }
  return displays;
}

const ConnectedDisplay* FindDisplay(const Scenario& scenario, uint32_t displayId) {
  for (const ConnectedDisplay* display : AllDisplays(scenario)) {
    if (display->displayId == displayId) return display;
  }
  return nullptr;
}

// The mode a display shows now: one made current by SetDisplayConfig, else its model's.
CustomModeState CurrentMode(CallContext& call, const ConnectedDisplay& display) {
  const auto& current = call.state().displays.current;
  const auto found = current.find(display.displayId);
  if (found != current.end()) return found->second;
  CustomModeState mode;
  mode.width = display.timing.hVisible;
  mode.height = display.timing.vVisible;
  mode.timing = display.timing;
  mode.rrx1k = RateX1k(display.timing);
  mode.rr = static_cast<uint16_t>(mode.rrx1k / 1000);
  return mode;
}

void FillTiming(const CustomModeState& mode, NvTiming& timing) {
  timing = NvTiming{};
  timing.hVisible = mode.timing.hVisible;
  timing.vVisible = mode.timing.vVisible;
  timing.hTotal = mode.timing.hTotal;
  timing.vTotal = mode.timing.vTotal;
  timing.pclk = mode.timing.pixelClock10kHz;
  timing.etc.rr = mode.rr;
  timing.etc.rrx1k = mode.rrx1k;
}

std::string DescribeMode(uint32_t displayId, const CustomModeState& mode) {
  return "display=" + Hex32(displayId) + " mode=" + Decimal(mode.width) + "x" +
         Decimal(mode.height) + " total=" + Decimal(mode.timing.hTotal) + "x" +
         Decimal(mode.timing.vTotal) + " pclk=" + Decimal(mode.timing.pixelClock10kHz) +
         " rrx1k=" + Decimal(mode.rrx1k) + " rr=" + Decimal(mode.rr);
}

CustomModeState ModeOf(const NvCustomDisplay& custom) {
  CustomModeState mode;
  mode.width = custom.width;
  mode.height = custom.height;
  mode.timing.hVisible = custom.timing.hVisible;
  mode.timing.vVisible = custom.timing.vVisible;
  mode.timing.hTotal = custom.timing.hTotal;
  mode.timing.vTotal = custom.timing.vTotal;
  mode.timing.pixelClock10kHz = custom.timing.pclk;
  mode.rrx1k = custom.timing.etc.rrx1k;
  mode.rr = custom.timing.etc.rr;
  return mode;
}

NvStatus NVAPI_CALL GetConnectedDisplayIds(NvPhysicalGpuHandle gpu, NvGpuDisplayIds* ids,
                                           uint32_t* count, uint32_t flags) {
  return Dispatch(
      kIdGpuGetConnectedDisplayIds,
      [&](CallContext& call) {
        call.DescribeGpu(gpu);
        call.Describe("flags=" + Hex32(flags));
        if (ids == nullptr) {
          call.Describe("ids=null");
        } else if (count != nullptr) {
          call.Describe("room=" + Decimal(*count));
          if (*count != 0) call.SetVersion(ids[0].version);
        }
      },
      [&](CallContext& call) {
        if (count == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        uint32_t reported = static_cast<uint32_t>(model->displays.size());
        const InterfaceBehaviour* behaviour = call.behaviour();
        if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
          reported = *behaviour->reportedCount;
        }
        if (ids != nullptr) {
          const uint32_t written = std::min(*count, reported);
          for (uint32_t i = 0; i < written; ++i) {
            if (!call.AcceptsVersion(ids[i].version, {kNvGpuDisplayIdsVersion})) {
              return NvStatus{kNvIncompatibleStructVersion};
            }
          }
          for (uint32_t i = 0; i < written; ++i) {
            const bool real = i < model->displays.size();
            ids[i].displayId = real ? model->displays[i].displayId : kPhantomDisplayIdBase + i;
            ids[i].connectorType = real ? model->displays[i].connectorType : 0;
            ids[i].flags = 0x40;  // connected
          }
          call.Result("written=" + Decimal(written));
        }
        *count = reported;
        call.Result("count=" + Decimal(reported));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GetTiming(uint32_t displayId, NvTimingInput* input, NvTiming* timing) {
  return Dispatch(
      kIdDispGetTiming,
      [&](CallContext& call) {
        call.Describe("display=" + Hex32(displayId));
        if (input != nullptr) {
          call.SetVersion(input->version);
          call.Describe("type=" + Decimal(input->type));
        }
      },
      [&](CallContext& call) {
        if (input == nullptr || timing == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const ConnectedDisplay* display = FindDisplay(call.scenario(), displayId);
        if (display == nullptr) return NvStatus{kNvInvalidArgument};
        if (!call.AcceptsVersion(input->version, {kNvTimingInputVersion})) {
          return NvStatus{kNvIncompatibleStructVersion};
        }
        const CustomModeState mode = CurrentMode(call, *display);
        FillTiming(mode, *timing);
        call.Result(DescribeMode(displayId, mode));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL TryCustomDisplay(uint32_t* displayIds, uint32_t count, NvCustomDisplay* modes) {
  return Dispatch(
      kIdDispTryCustomDisplay,
      [&](CallContext& call) {
        call.Describe("count=" + Decimal(count));
        if (displayIds == nullptr || modes == nullptr || count == 0) return;
        call.SetVersion(modes[0].version);
        for (uint32_t k = 0; k < std::min(count, kMaxDisplaysPerCall); ++k) {
          call.Describe(DescribeMode(displayIds[k], ModeOf(modes[k])));
        }
      },
      [&](CallContext& call) {
        if (displayIds == nullptr || modes == nullptr || count == 0 ||
            count > kMaxDisplaysPerCall) {
          return NvStatus{kNvInvalidArgument};
        }
        for (uint32_t k = 0; k < count; ++k) {
          if (!call.AcceptsVersion(modes[k].version, {kNvCustomDisplayVersion})) {
            return NvStatus{kNvIncompatibleStructVersion};
          }
          const NvTiming& timing = modes[k].timing;
          if (FindDisplay(call.scenario(), displayIds[k]) == nullptr || timing.pclk == 0 ||
              timing.hTotal == 0 || timing.vTotal == 0 || timing.etc.rrx1k == 0) {
            return NvStatus{kNvInvalidArgument};  // no such display, or a mode it cannot show
          }
        }
        for (uint32_t k = 0; k < count; ++k) {
          call.state().displays.tried[displayIds[k]] = ModeOf(modes[k]);
        }
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL SaveCustomDisplay(uint32_t* displayIds, uint32_t count, uint32_t thisOutputOnly,
                                      uint32_t thisMonitorOnly) {
  return Dispatch(
      kIdDispSaveCustomDisplay,
      [&](CallContext& call) {
        call.Describe("count=" + Decimal(count) + " outputOnly=" + Decimal(thisOutputOnly) +
                      " monitorOnly=" + Decimal(thisMonitorOnly));
        if (displayIds == nullptr) return;
        for (uint32_t k = 0; k < std::min(count, kMaxDisplaysPerCall); ++k) {
          call.Describe("display=" + Hex32(displayIds[k]));
        }
      },
      [&](CallContext& call) {
        if (displayIds == nullptr || count == 0 || count > kMaxDisplaysPerCall) {
          return NvStatus{kNvInvalidArgument};
        }
        DisplayState& displays = call.state().displays;
        for (uint32_t k = 0; k < count; ++k) {
          if (displays.tried.count(displayIds[k]) == 0) return NvStatus{kNvError};  // not tried
        }
        for (uint32_t k = 0; k < count; ++k) {
          displays.saved[displayIds[k]] = displays.tried[displayIds[k]];
        }
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GetDisplayConfig(uint32_t* pathCount, NvDisplayConfigPathInfo* paths) {
  return Dispatch(
      kIdDispGetDisplayConfig,
      [&](CallContext& call) {
        if (paths == nullptr) {
          call.Describe("paths=null");
        } else if (pathCount != nullptr) {
          call.Describe("room=" + Decimal(*pathCount));
          if (*pathCount != 0) call.SetVersion(paths[0].version);
        }
      },
      [&](CallContext& call) {
        if (pathCount == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const std::vector<const ConnectedDisplay*> displays = AllDisplays(call.scenario());
        uint32_t reported = static_cast<uint32_t>(displays.size());
        const InterfaceBehaviour* behaviour = call.behaviour();
        if (behaviour != nullptr && behaviour->reportedCount.has_value()) {
          reported = *behaviour->reportedCount;
        }
        if (paths != nullptr) {
          const uint32_t written = std::min(*pathCount, reported);
          for (uint32_t p = 0; p < written; ++p) {
            if (!call.AcceptsVersion(paths[p].version, {kNvDisplayConfigPathInfoVersion})) {
              return NvStatus{kNvIncompatibleStructVersion};
            }
            auto* targets =
                DecodeNvPointer<NvDisplayConfigPathTargetInfo>(paths, paths[p].targetInfo);
            if (targets == nullptr || p >= displays.size()) continue;
            for (uint32_t t = 0; t < paths[p].targetInfoCount; ++t) {
              auto* details =
                  DecodeNvPointer<NvDisplayConfigAdvancedTargetInfo>(paths, targets[t].details);
              if (details != nullptr &&
                  !call.AcceptsVersion(details->version,
                                       {kNvDisplayConfigAdvancedTargetInfoVersion})) {
                return NvStatus{kNvIncompatibleStructVersion};
              }
            }
          }
          for (uint32_t p = 0; p < written; ++p) {
            NvDisplayConfigPathInfo& path = paths[p];
            path.sourceId = p;
            const ConnectedDisplay* display = p < displays.size() ? displays[p] : nullptr;
            auto* targets = DecodeNvPointer<NvDisplayConfigPathTargetInfo>(paths, path.targetInfo);
            uint32_t targetCount = 1;
            if (display != nullptr) {
              targetCount = targets == nullptr ? display->reportedTargets.value_or(1)
                                               : display->filledTargets.value_or(1);
            }
            auto* source =
                DecodeNvPointer<NvDisplayConfigSourceModeInfo>(paths, path.sourceModeInfo);
            if (display != nullptr) {
              const CustomModeState mode = CurrentMode(call, *display);
              const uint32_t filled =
                  targets != nullptr ? std::min(path.targetInfoCount, targetCount) : 0;
              for (uint32_t t = 0; t < filled; ++t) {
                targets[t].displayId =
                    t == 0 ? display->displayId : kPhantomDisplayIdBase + 0x100 + t;
                targets[t].targetId = p;
                auto* details =
                    DecodeNvPointer<NvDisplayConfigAdvancedTargetInfo>(paths, targets[t].details);
                if (details == nullptr) continue;
                details->refreshRate1K = mode.rrx1k;
                details->flags = p == 0 ? 0x2 : 0;  // primary
                FillTiming(mode, details->timing);
              }
              if (source != nullptr) {
                source->width = mode.width;
                source->height = mode.height;
                source->colorDepth = kNvCustomDisplayDepth;
                source->colorFormat = kNvColorFormatA8R8G8B8;
                source->flags = p == 0 ? kPrimaryFlag : 0;
              }
            }
            path.targetInfoCount = targetCount;
          }
          call.Result("written=" + Decimal(written));
        }
        *pathCount = reported;
        call.Result("paths=" + Decimal(reported));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL SetDisplayConfig(uint32_t pathCount, NvDisplayConfigPathInfo* paths,
                                     uint32_t flags) {
  return Dispatch(
      kIdDispSetDisplayConfig,
      [&](CallContext& call) {
        call.Describe("paths=" + Decimal(pathCount) + " flags=" + Hex32(flags));
        if (paths == nullptr || pathCount == 0) return;
        call.SetVersion(paths[0].version);
        for (uint32_t p = 0; p < std::min(pathCount, kMaxDisplaysPerCall); ++p) {
          const auto* source =
              DecodeNvPointer<NvDisplayConfigSourceModeInfo>(paths, paths[p].sourceModeInfo);
          const auto* targets =
              DecodeNvPointer<NvDisplayConfigPathTargetInfo>(paths, paths[p].targetInfo);
          std::string text = "path" + Decimal(p) + ":";
          if (source != nullptr) {
            text += " source=" + Decimal(source->width) + "x" + Decimal(source->height);
          }
          text += " targets=" + Decimal(paths[p].targetInfoCount);
          if (targets != nullptr && paths[p].targetInfoCount != 0) {
            text += " display=" + Hex32(targets[0].displayId);
            const auto* details =
                DecodeNvPointer<NvDisplayConfigAdvancedTargetInfo>(paths, targets[0].details);
            if (details != nullptr) text += " refresh1k=" + Decimal(details->refreshRate1K);
          }
          call.Describe(text);
        }
      },
      [&](CallContext& call) {
        if (paths == nullptr || pathCount == 0 || pathCount > kMaxDisplaysPerCall) {
          return NvStatus{kNvInvalidArgument};
        }
        DisplayState& displays = call.state().displays;
        std::vector<std::pair<uint32_t, CustomModeState>> changes;
        for (uint32_t p = 0; p < pathCount; ++p) {
          const NvDisplayConfigPathInfo& path = paths[p];
          if (!call.AcceptsVersion(path.version, {kNvDisplayConfigPathInfoVersion})) {
            return NvStatus{kNvIncompatibleStructVersion};
          }
          const auto* targets =
              DecodeNvPointer<NvDisplayConfigPathTargetInfo>(paths, path.targetInfo);
          const auto* source =
              DecodeNvPointer<NvDisplayConfigSourceModeInfo>(paths, path.sourceModeInfo);
          if (targets == nullptr || source == nullptr || path.targetInfoCount == 0 ||
              path.targetInfoCount > kMaxDisplaysPerCall) {
            return NvStatus{kNvInvalidArgument};
          }
          for (uint32_t t = 0; t < path.targetInfoCount; ++t) {
            const ConnectedDisplay* display = FindDisplay(call.scenario(), targets[t].displayId);
            if (display == nullptr) return NvStatus{kNvInvalidArgument};
            const auto* details =
                DecodeNvPointer<NvDisplayConfigAdvancedTargetInfo>(paths, targets[t].details);
            if (details == nullptr) continue;  // refresh rate left as it is
            const CustomModeState now = CurrentMode(call, *display);
            if (details->refreshRate1K == now.rrx1k && source->width == now.width &&
                source->height == now.height) {
              continue;  // unchanged
            }
            const auto saved = displays.saved.find(display->displayId);
            if (saved == displays.saved.end() || saved->second.rrx1k != details->refreshRate1K ||
                saved->second.width != source->width || saved->second.height != source->height) {
              return NvStatus{kNvError};  // the display has no such mode
            }
            changes.emplace_back(display->displayId, saved->second);
          }
        }
        for (const auto& change : changes) {
          displays.current[change.first] = change.second;
          call.Result(DescribeMode(change.first, change.second));
        }
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddDisplayEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuGetConnectedDisplayIds>(
      "NvAPI_GPU_GetConnectedDisplayIds", &GetConnectedDisplayIds, EntryGate::kAfterInitialize));
  table.push_back(
      MakeEntry<kIdDispGetTiming>("NvAPI_DISP_GetTiming", &GetTiming, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDispTryCustomDisplay>(
      "NvAPI_DISP_TryCustomDisplay", &TryCustomDisplay, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDispSaveCustomDisplay>(
      "NvAPI_DISP_SaveCustomDisplay", &SaveCustomDisplay, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDispGetDisplayConfig>(
      "NvAPI_DISP_GetDisplayConfig", &GetDisplayConfig, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDispSetDisplayConfig>(
      "NvAPI_DISP_SetDisplayConfig", &SetDisplayConfig, EntryGate::kAfterInitialize));
}

}  // namespace sim
