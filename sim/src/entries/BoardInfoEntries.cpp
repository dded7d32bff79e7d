// Static board facts: memory size, type, maker and bus width, name, core count, and the display
// driver's version.
#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "ShortString.h"
#include "TextFormat.h"
#include "gpu/structs/BoardInfoStructs.h"
#include "sim/Handles.h"

namespace sim {
namespace {

// An entry that answers one 32-bit fact of the board named by the handle.
template <uint32_t Id>
NvStatus AnswerFact(NvPhysicalGpuHandle gpu, uint32_t* out, const char* label,
                    uint32_t BoardInfoModel::*fact) {
  return Dispatch(
      Id, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        if (out == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        *out = model->board.*fact;
        call.Result(std::string(label) + "=" + Decimal(*out));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL FrameBufferSize(NvPhysicalGpuHandle gpu, uint32_t* sizeKb) {
  return AnswerFact<kIdGpuGetPhysicalFrameBufferSize>(gpu, sizeKb, "kb", &BoardInfoModel::memoryKb);
}

NvStatus NVAPI_CALL MemoryType(NvPhysicalGpuHandle gpu, uint32_t* code) {
  return AnswerFact<kIdGpuGetMemoryType>(gpu, code, "type", &BoardInfoModel::memoryType);
}

NvStatus NVAPI_CALL MemoryMaker(NvPhysicalGpuHandle gpu, uint32_t* code) {
  return AnswerFact<kIdGpuGetMemoryMaker>(gpu, code, "maker", &BoardInfoModel::memoryMaker);
}

NvStatus NVAPI_CALL CoreCount(NvPhysicalGpuHandle gpu, uint32_t* count) {
  return AnswerFact<kIdGpuGetGpuCoreCount>(gpu, count, "cores", &BoardInfoModel::coreCount);
}

NvStatus NVAPI_CALL FrameBufferWidthAndLocation(NvPhysicalGpuHandle gpu, uint32_t* widthBits,
                                                uint32_t* location) {
  return Dispatch(
      kIdGpuGetFrameBufferWidthAndLocation, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        if (widthBits == nullptr || location == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        *widthBits = model->board.busWidthBits;
        *location = model->board.frameBufferLocation;
        call.Result("width=" + Decimal(*widthBits) + " location=" + Decimal(*location));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL FullName(NvPhysicalGpuHandle gpu, char* name) {
  return Dispatch(
      kIdGpuGetFullName, [&](CallContext& call) { call.DescribeGpu(gpu); },
      [&](CallContext& call) {
        if (name == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const GpuModel* model = call.Gpu();
        if (model == nullptr) return NvStatus{kNvExpectedPhysicalGpuHandle};
        CopyShortString(model->name, name);
        call.Result("name=" + std::string(name));
        return NvStatus{kNvOk};
      });
}

// Answers through any display handle the driver handed out; the adapter text is GPU 0's name.
NvStatus NVAPI_CALL DisplayDriverVersion(NvDisplayHandle display, NvDisplayDriverVersion* version) {
  return Dispatch(
      kIdGetDisplayDriverVersion,
      [&](CallContext& call) {
        call.Describe("display=" + Hex32(display));
        if (version != nullptr) call.SetVersion(version->version);
      },
      [&](CallContext& call) {
        if (version == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        const uint32_t displays = call.scenario().displayCount;
        if (display < DisplayHandle(0) || display >= DisplayHandle(displays)) {
          return NvStatus{kNvExpectedDisplayHandle};
        }
        if (!call.AcceptsVersion(version->version, {kNvDisplayDriverVersionVersion})) {
          return NvStatus{kNvIncompatibleStructVersion};
        }
        const Scenario& scenario = call.scenario();
        version->drvVersion = scenario.driverVersion.version;
        version->buildChangeListNumber = 0;
        CopyShortString(scenario.driverVersion.branch, version->buildBranch);
        CopyShortString(scenario.gpus.empty() ? std::string() : scenario.gpus[0].name,
                        version->adapter);
        call.Result("version=" + Decimal(version->drvVersion) +
                    " branch=" + std::string(version->buildBranch));
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddBoardInfoEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdGpuGetPhysicalFrameBufferSize>(
      "NvAPI_GPU_GetPhysicalFrameBufferSize", &FrameBufferSize, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetMemoryType>("NvAPI_GPU_GetMemoryType", &MemoryType,
                                                 EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetMemoryMaker>("NvAPI_GPU_GetMemoryMaker", &MemoryMaker,
                                                  EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetFrameBufferWidthAndLocation>(
      "NvAPI_GPU_GetFrameBufferWidthAndLocation", &FrameBufferWidthAndLocation,
      EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetFullName>("NvAPI_GPU_GetFullName", &FullName,
                                               EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGetDisplayDriverVersion>(
      "NvAPI_GetDisplayDriverVersion", &DisplayDriverVersion, EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdGpuGetGpuCoreCount>("NvAPI_GPU_GetGpuCoreCount", &CoreCount,
                                                   EntryGate::kAfterInitialize));
}

}  // namespace sim
