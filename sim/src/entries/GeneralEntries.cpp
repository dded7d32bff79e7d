// Driver start-up and status messages: Initialize and GetErrorMessage.
#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "ShortString.h"
#include "StatusText.h"
#include "TextFormat.h"

namespace sim {
namespace {

NvStatus NVAPI_CALL Initialize() {
  return Dispatch(
      kIdInitialize, [](CallContext&) {},
      [](CallContext& call) {
        call.state().initialized = true;
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GetErrorMessage(NvStatus status, char* text) {
  return Dispatch(
      kIdGetErrorMessage, [&](CallContext& call) { call.Describe("status=" + Decimal(status)); },
      [&](CallContext& call) {
        if (text == nullptr) return NvStatus{kNvInvalidArgument};
        const std::string message = StatusText(status);
        CopyShortString(message, text);
        call.Result("text=" + message);
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddGeneralEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdInitialize>("NvAPI_Initialize", &Initialize, EntryGate::kAnyTime));
  table.push_back(MakeEntry<kIdGetErrorMessage>("NvAPI_GetErrorMessage", &GetErrorMessage,
                                                EntryGate::kAnyTime));
}

}  // namespace sim
