// The driver settings database (DRS): sessions, loading and saving, the base profile and its
// 32-bit settings. A session works on its own copy of the base profile; SaveSettings makes the
// copy what later sessions load.
#include "CallContext.h"
#include "Dispatch.h"
#include "EntryTable.h"
#include "TextFormat.h"
#include "gpu/structs/DriverSettingsStructs.h"

namespace sim {
namespace {

constexpr uint32_t kSessionHandleBase = 0x5E000000;
constexpr uint32_t kBaseProfileHandle = 0x3000;

// The open session named by handle, or nullptr.
DrsSessionState* FindSession(CallContext& call, uint32_t handle) {
  auto& sessions = call.state().driverSettings.sessions;
  const auto found = sessions.find(handle);
  return found != sessions.end() ? &found->second : nullptr;
}

NvStatus NVAPI_CALL CreateSession(uint32_t* session) {
  return Dispatch(
      kIdDrsCreateSession, [](CallContext&) {},
      [&](CallContext& call) {
        if (session == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        DriverSettingsState& drs = call.state().driverSettings;
        *session = kSessionHandleBase + drs.nextSession++;
        drs.sessions[*session] = DrsSessionState{};
        call.Result("session=" + Hex32(*session));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL DestroySession(uint32_t session) {
  return Dispatch(
      kIdDrsDestroySession, [&](CallContext& call) { call.Describe("session=" + Hex32(session)); },
      [&](CallContext& call) {
        if (call.state().driverSettings.sessions.erase(session) == 0) {
          return NvStatus{kNvInvalidHandle};
        }
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL LoadSettings(uint32_t session) {
  return Dispatch(
      kIdDrsLoadSettings, [&](CallContext& call) { call.Describe("session=" + Hex32(session)); },
      [&](CallContext& call) {
        DrsSessionState* open = FindSession(call, session);
        if (open == nullptr) return NvStatus{kNvInvalidHandle};
        open->loaded = true;
        open->baseProfile = call.state().driverSettings.baseProfile;
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL SaveSettings(uint32_t session) {
  return Dispatch(
      kIdDrsSaveSettings, [&](CallContext& call) { call.Describe("session=" + Hex32(session)); },
      [&](CallContext& call) {
        DrsSessionState* open = FindSession(call, session);
        if (open == nullptr) return NvStatus{kNvInvalidHandle};
        if (!open->loaded) return NvStatus{kNvError};  // nothing loaded to save
        DriverSettingsState& drs = call.state().driverSettings;
        drs.baseProfile = open->baseProfile;
        ++drs.saves;
        call.Result("settings=" + Decimal(static_cast<int64_t>(drs.baseProfile.size())));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL GetBaseProfile(uint32_t session, uint32_t* profile) {
  return Dispatch(
      kIdDrsGetBaseProfile, [&](CallContext& call) { call.Describe("session=" + Hex32(session)); },
      [&](CallContext& call) {
        if (profile == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        DrsSessionState* open = FindSession(call, session);
        if (open == nullptr) return NvStatus{kNvInvalidHandle};
        if (!open->loaded) return NvStatus{kNvError};
        *profile = kBaseProfileHandle;
        call.Result("profile=" + Hex32(*profile));
        return NvStatus{kNvOk};
      });
}

NvStatus NVAPI_CALL SetSetting(uint32_t session, uint32_t profile, NvDrsSetting* setting) {
  return Dispatch(
      kIdDrsSetSetting,
      [&](CallContext& call) {
        call.Describe("session=" + Hex32(session) + " profile=" + Hex32(profile));
        if (setting == nullptr) return;
        call.SetVersion(setting->version);
        call.Describe("id=" + Hex32(setting->settingId) + " type=" + Decimal(setting->settingType) +
                      " value=" + Hex32(setting->currentValue.dword));
      },
      [&](CallContext& call) {
        if (setting == nullptr) {
          call.Result("null pointer");
          return NvStatus{kNvInvalidArgument};
        }
        DrsSessionState* open = FindSession(call, session);
        if (open == nullptr) return NvStatus{kNvInvalidHandle};
        if (profile != kBaseProfileHandle) return NvStatus{kNvInvalidHandle};
        if (!call.AcceptsVersion(setting->version, {kNvDrsSettingVersion})) {
          return NvStatus{kNvIncompatibleStructVersion};
        }
        if (setting->settingType != kNvDrsDword) return NvStatus{kNvInvalidArgument};
        open->baseProfile[setting->settingId] =
            DrsSettingValue{setting->settingType, setting->currentValue.dword};
        return NvStatus{kNvOk};
      });
}

}  // namespace

void AddDriverSettingsEntries(std::vector<EntryInfo>& table) {
  table.push_back(MakeEntry<kIdDrsCreateSession>("NvAPI_DRS_CreateSession", &CreateSession,
                                                 EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDrsDestroySession>("NvAPI_DRS_DestroySession", &DestroySession,
                                                  EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDrsLoadSettings>("NvAPI_DRS_LoadSettings", &LoadSettings,
                                                EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDrsSaveSettings>("NvAPI_DRS_SaveSettings", &SaveSettings,
                                                EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDrsGetBaseProfile>("NvAPI_DRS_GetBaseProfile", &GetBaseProfile,
                                                  EntryGate::kAfterInitialize));
  table.push_back(MakeEntry<kIdDrsSetSetting>("NvAPI_DRS_SetSetting", &SetSetting,
                                              EntryGate::kAfterInitialize));
}

}  // namespace sim
