#include "config/LoadConfiguration.h"

namespace {

constexpr wchar_t kMainSection[] = L"Pyrelix";
constexpr wchar_t kStartupSection[] = L"Windows Startup";

int32_t ReadValue(const CIniFile& file, const wchar_t* keyName) {
  KeyRecord record;  // cleared: a missing file leaves 0, a missing key reads 99
  record.Name(kMainSection, keyName);
  file.ReadKey(record);
  return record.value;
}

int WriteValue(const CIniFile& file, const wchar_t* section, const wchar_t* keyName, int32_t value,
               int radix) {
  KeyRecord record;
  record.Name(section, keyName);
  record.value = value;
  return file.WriteKey(record, radix);
}

void ReadInitialised(MainWindowState& state, const CIniFile& file) {
  state.AutoOverClock = ReadValue(file, L"AutoOverClock") == 1 ? 1 : 0;
  state.StartupMinimize = ReadValue(file, L"StartupMinimize") == 1 ? 1 : 0;
  state.Transparence = ReadValue(file, L"Transparence") == 1 ? 1 : 0;
  state.TransPercent = ReadValue(file, L"TransPercent");
}

void WriteDefaults(MainWindowState& state, const CIniFile& file, AutoRunRegistry& autoRun,
                   MessageSink& messages) {
  state.AutoOverClock = 0;
  state.StartupMinimize = 0;

  WriteValue(file, kMainSection, L"GPUDID", state.gpus.deviceId, CIniFile::kRadixHex);
  struct Default {
    const wchar_t* key;
    int32_t value;
  };
  constexpr Default kDefaults[] = {
      {L"Initialized", 1},  {L"Synchronize", 1},  {L"AutoOverClock", 0}, {L"StartupMinimize", 0},
      {L"Transparence", 0}, {L"TransPercent", 0}, {L"FanAdvanced", 0},
  };
  for (const Default& d : kDefaults) {
    WriteValue(file, kMainSection, d.key, d.value, CIniFile::kRadixDecimal);
  }

  KeyRecord autoRunRecord;
  autoRunRecord.Name(kStartupSection, L"AutoRun");
  file.WriteKeyLine(autoRunRecord);

  for (const wchar_t* section : kProfileSections) {
    ProfileRecord profile;  // every value 0
    profile.Name(section);
    file.WriteProfileLine(profile);
  }

  const bool registered = autoRun.Register() == 0;
  if (WriteValue(file, kStartupSection, L"AutoRun", registered ? 1 : 0, CIniFile::kRadixDecimal) !=
      0) {
    messages.ShowMessage(kAutoRunSaveFailed);
  }
}

}  // namespace

const wchar_t* const kProfileSections[5] = {L"Default", L"Start_OC", L"Profile1", L"Profile2",
                                            L"Profile3"};

void LoadConfiguration(MainWindowState& state, const CIniFile& file, AutoRunRegistry& autoRun,
                       MessageSink& messages) {
  if (ReadValue(file, L"Initialized") == 1) {
    ReadInitialised(state, file);
  } else {
    WriteDefaults(state, file, autoRun, messages);
  }
}
