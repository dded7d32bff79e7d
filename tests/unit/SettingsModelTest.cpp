// The settings panel's decisions: the opacity list, the reads at creation with the registry
// deciding the launch option, and Apply's ordered writes, registry calls, notices and windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "config/CIniFile.h"
#include "settings/SettingsModel.h"
#include "settings/Transparency.h"

namespace {

// Everything the model does to the outside, in one list, in the order it happened.
using Trace = std::vector<std::wstring>;

// A configuration file in memory: its keys, whether it can be opened, keys whose write fails.
class MemoryFile : public ProfileAccess {
 public:
  explicit MemoryFile(Trace& trace) : trace_(trace) {}
  struct Stream : ProfileStream {
    bool AppendEmptyLine() override { return true; }
  };

  std::wstring Directory() const override { return L"C:\\Pyrelix"; }
  std::unique_ptr<ProfileStream> Open(const std::wstring&, StreamMode mode) const override {
    if (mode == StreamMode::kRead && !readable) return nullptr;
    if (mode == StreamMode::kAppend && !writable) return nullptr;
    return std::make_unique<Stream>();
  }
  std::wstring ReadString(const std::wstring&, const std::wstring& section, const std::wstring& key,
                          const std::wstring& fallback, size_t capacity) const override {
    const auto found = keys.find(section + L"/" + key);
    return (found == keys.end() ? fallback : found->second).substr(0, capacity - 1);
  }
  bool WriteString(const std::wstring&, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) const override {
    const std::wstring name = section + L"/" + key;
    if (failingKeys.count(name) != 0) return false;
    trace_.push_back(name + L"=" + value);
    const_cast<MemoryFile*>(this)->keys[name] = value;
    return true;
  }

  std::map<std::wstring, std::wstring> keys;
  std::set<std::wstring> failingKeys;
  bool readable = true;
  bool writable = true;

 private:
  Trace& trace_;
};

class FakeRegistry : public AutoRunRegistry {
 public:
  explicit FakeRegistry(Trace& trace) : trace_(trace) {}
  long Register() override {
    trace_.push_back(L"<register>");
    if (registerResult == 0) registered = true;
    return registerResult;
  }
  long Unregister() override {
    trace_.push_back(L"<unregister>");
    registered = false;
    return 0;
  }
  int Probe(std::wstring*) override {
    return registered ? kAutoRunRegistered : kAutoRunValueMissing;
  }

  bool registered = false;
  long registerResult = 0;

 private:
  Trace& trace_;
};

class Notices : public MessageSink {
 public:
  explicit Notices(Trace& trace) : trace_(trace) {}
  int ShowMessage(const std::wstring& text) override {
    trace_.push_back(L"! " + text);
    return kOk;
  }

 private:
  Trace& trace_;
};

class Windows : public TranslucencyTarget {
 public:
  explicit Windows(Trace& trace) : trace_(trace) {}
  void SetPanelOpacity(int percent) override {
    trace_.push_back(L"<panel " + std::to_wstring(percent) + L"%>");
  }
  void MakePanelOpaque() override { trace_.push_back(L"<panel opaque>"); }
  void ApplyToAll(int32_t on, int32_t level) override {
    trace_.push_back(L"<all " + std::to_wstring(on) + L"," + std::to_wstring(level) + L">");
  }

 private:
  Trace& trace_;
};

class SettingsPanel : public ::testing::Test {
 protected:
  // A model after its creation reads; the trace then holds only what follows.
  SettingsModel& Loaded(int32_t transparence, int32_t transPercent) {
    model_.Load(transparence, transPercent);
    trace_.clear();
    return model_;
  }
  Trace Applied() {
    trace_.clear();
    model_.Apply(windows_);
    return trace_;
  }
  void SetAll(bool set) {
    for (SettingOption option : kAllOptions) {
      if (model_.IsSet(option) != set) model_.Toggle(option);
    }
  }

  static constexpr SettingOption kAllOptions[] = {SettingOption::kLaunch, SettingOption::kMinimise,
                                                  SettingOption::kOverclock,
                                                  SettingOption::kTransparency};

  Trace trace_;
  MemoryFile files_{trace_};
  FakeRegistry registry_{trace_};
  Notices notices_{trace_};
  Windows windows_{trace_};
  CIniFile file_{files_, L"Pyrelix_DID2684.cfg"};
  SettingsModel model_{file_, registry_, notices_};
};

}  // namespace

// Entry i of the list is level 9 - i; the opacity is (level + 1) x 10 % and no entry makes a
// window invisible.
TEST(OpacityList, EntriesLevelsAndAlpha) {
  const struct {
    const wchar_t* entry;
    int32_t level;
    int alpha;
  } table[] = {
      {L"100%", 9, 255}, {L"90%", 8, 229}, {L"80%", 7, 204}, {L"70%", 6, 178}, {L"60%", 5, 153},
      {L"50%", 4, 127},  {L"40%", 3, 102}, {L"30%", 2, 76},  {L"20%", 1, 51},  {L"10%", 0, 25},
  };
  for (int i = 0; i < kOpacityEntryCount; ++i) {
    EXPECT_STREQ(kOpacityEntries[i], table[i].entry);
    EXPECT_EQ(LevelForOpacityIndex(i), table[i].level) << i;
    EXPECT_EQ(OpacityIndexForLevel(table[i].level), i);
    EXPECT_EQ(AlphaForPercent(*OpacityPercentForLevel(1, table[i].level)), table[i].alpha) << i;
  }
  // No selection, or a level no entry shows (a missing "TransPercent" reads as 99).
  for (int index : {-1, 10, 99}) EXPECT_EQ(LevelForOpacityIndex(index), std::nullopt) << index;
  for (int32_t level : {-1, 10, 99}) EXPECT_EQ(OpacityIndexForLevel(level), -1) << level;
}

TEST(OpacityList, CheckLooks) {
  EXPECT_STREQ(CheckIconFor(true), L"Setting_Check_H.ico");
  EXPECT_STREQ(CheckIconFor(false), L"Setting_Check.ico");
}

// The file gives the minimise and overclock options (a missing key reads as 99: set), the
// registry alone the launch option, the main window the translucency.
TEST_F(SettingsPanel, CreationReadsTheFileAndTheRegistryDecidesTheLaunchOption) {
  const struct {
    const wchar_t* autoRunInFile;  // null: key missing
    bool registered;
    bool launchShown;
  } cases[] = {
      {L"0", true, true},
      {L"1", false, false},
      {nullptr, false, false},
      {L"1", true, true},
  };
  for (const auto& c : cases) {
    files_.keys.clear();
    if (c.autoRunInFile) files_.keys[L"Windows Startup/AutoRun"] = c.autoRunInFile;
    files_.keys[L"Pyrelix/StartupMinimize"] = L"1";
    registry_.registered = c.registered;
    model_.Load(0, 3);
    EXPECT_EQ(model_.IsSet(SettingOption::kLaunch), c.launchShown) << c.autoRunInFile;
    EXPECT_EQ(model_.flag(SettingOption::kLaunch), c.launchShown ? 1 : 0);
    EXPECT_TRUE(model_.IsSet(SettingOption::kMinimise));
    EXPECT_EQ(model_.flag(SettingOption::kOverclock), 99);  // missing: counts as set
    EXPECT_FALSE(model_.IsSet(SettingOption::kTransparency));
    EXPECT_FALSE(model_.OpacityListShown());
  }
  EXPECT_TRUE(trace_.empty());  // no notice, no write

  model_.Load(1, 3);
  EXPECT_TRUE(model_.OpacityListShown());
  EXPECT_EQ(model_.level(), 3);
  EXPECT_EQ(model_.OpacityIndex(), 6);  // "60%"
  model_.Load(1, 99);
  EXPECT_EQ(model_.OpacityIndex(), -1);  // no entry selected
}

TEST_F(SettingsPanel, AnUnreadableFileShowsThreeNoticesAndTheOptionsStayClear) {
  files_.readable = false;
  registry_.registered = true;
  model_.Load(1, 4);
  EXPECT_EQ(trace_, (Trace{L"! Get startup data from file fail!",
                           L"! Get startup minimize data from file fail!",
                           L"! Get startup over clock data from file fail!"}));
  EXPECT_TRUE(model_.IsSet(SettingOption::kLaunch));  // the registry still decides
  EXPECT_FALSE(model_.IsSet(SettingOption::kMinimise));
  EXPECT_FALSE(model_.IsSet(SettingOption::kOverclock));
  EXPECT_TRUE(model_.IsSet(SettingOption::kTransparency));
}

TEST_F(SettingsPanel, PressesFlipTheOptionsAndTheListTakesTheSelectionWhenLeft) {
  Loaded(0, 9);  // every key missing: minimise and overclock read as 99
  model_.Toggle(SettingOption::kMinimise);
  EXPECT_EQ(model_.flag(SettingOption::kMinimise), 0);
  model_.Toggle(SettingOption::kMinimise);
  EXPECT_EQ(model_.flag(SettingOption::kMinimise), 1);
  model_.Toggle(SettingOption::kTransparency);
  EXPECT_TRUE(model_.OpacityListShown());
  model_.Toggle(SettingOption::kTransparency);
  EXPECT_FALSE(model_.OpacityListShown());

  model_.OpacitySelectionEnded(5);  // "50%"
  EXPECT_EQ(model_.level(), 4);
  model_.OpacitySelectionEnded(-1);  // nothing selected: nothing changes
  EXPECT_EQ(model_.level(), 4);
  EXPECT_TRUE(trace_.empty());  // nothing acts before Apply
}

TEST_F(SettingsPanel, ApplyWithEveryOptionSetRunsInOrder) {
  Loaded(0, 9);
  SetAll(true);
  model_.OpacitySelectionEnded(5);
  EXPECT_EQ(Applied(), (Trace{
                           L"<register>",
                           L"Windows Startup/AutoRun=1",
                           L"Pyrelix/StartupMinimize=1",
                           L"Pyrelix/AutoOverClock=1",
                           L"Pyrelix/Transparence=1",
                           L"Pyrelix/TransPercent=4",
                           L"<panel 50%>",
                           L"<all 1,4>",
                       }));
}

// Unchecking translucency makes every window opaque with level 9 in memory, but keeps the level
// in the file, and the list keeps showing the last selection.
TEST_F(SettingsPanel, ApplyWithEveryOptionClear) {
  files_.keys[L"Pyrelix/TransPercent"] = L"4";
  Loaded(1, 4);
  SetAll(false);
  EXPECT_EQ(Applied(), (Trace{
                           L"<unregister>",
                           L"Windows Startup/AutoRun=0",
                           L"Pyrelix/StartupMinimize=0",
                           L"Pyrelix/AutoOverClock=0",
                           L"Pyrelix/Transparence=0",
                           L"<panel opaque>",
                           L"<all 0,9>",
                       }));
  EXPECT_EQ(files_.keys[L"Pyrelix/TransPercent"], L"4");
  EXPECT_EQ(model_.level(), 4);
  EXPECT_EQ(model_.OpacityIndex(), 5);
}

// A refused registration is recorded as "0" without a notice; the option stays set.
TEST_F(SettingsPanel, ARefusedRegistrationWritesZeroQuietly) {
  Loaded(0, 9);
  model_.Toggle(SettingOption::kLaunch);
  registry_.registerResult = 5;  // access denied
  const Trace trace = Applied();
  ASSERT_GE(trace.size(), 2u);
  EXPECT_EQ(trace[0], L"<register>");
  EXPECT_EQ(trace[1], L"Windows Startup/AutoRun=0");
  for (const std::wstring& entry : trace) EXPECT_NE(entry[0], L'!') << entry;
  EXPECT_TRUE(model_.IsSet(SettingOption::kLaunch));
}

// A level no entry shows (99 from a file without "TransPercent") is stored as it is and leaves
// the panel as it was; the main window decides the others.
TEST_F(SettingsPanel, ApplyWithALevelBeyondTheList) {
  Loaded(1, 99);
  EXPECT_EQ(Applied(), (Trace{
                           L"<unregister>",
                           L"Windows Startup/AutoRun=0",
                           L"Pyrelix/StartupMinimize=1",
                           L"Pyrelix/AutoOverClock=1",
                           L"Pyrelix/Transparence=1",
                           L"Pyrelix/TransPercent=99",
                           L"<all 1,99>",
                       }));
}

// Each failed write shows its own notice and the remaining steps still run: the registry
// change and the windows are not held back by the file.
TEST_F(SettingsPanel, AnUnwritableFileShowsANoticePerWriteAndGoesOn) {
  files_.writable = false;
  Loaded(0, 9);
  SetAll(true);
  model_.OpacitySelectionEnded(0);
  EXPECT_EQ(Applied(), (Trace{
                           L"<register>",
                           L"! Save configuration of auto run to file fail!",
                           L"! Save configuration to cfg file fail!",
                           L"! Save configuration of restore over clock to file fail!",
                           L"! Save Transparence to file fail!",
                           L"! Save Transparence to file fail!",
                           L"<panel 100%>",
                           L"<all 1,9>",
                       }));
  SetAll(false);
  EXPECT_EQ(Applied(), (Trace{
                           L"<unregister>",
                           L"! Save configuration of auto run to file fail!",
                           L"! Cancel configuration to cfg file fail!",
                           L"! Cancel configuration of restore over clock to file fail!",
                           L"! Save Transparence to file fail!",
                           L"<panel opaque>",
                           L"<all 0,9>",
                       }));
}

// Only the write that failed is reported.
TEST_F(SettingsPanel, OneFailedWriteShowsOneNotice) {
  files_.failingKeys = {L"Pyrelix/TransPercent"};
  Loaded(1, 2);
  const Trace trace = Applied();
  EXPECT_EQ(std::count(trace.begin(), trace.end(), L"! Save Transparence to file fail!"), 1);
  EXPECT_EQ(std::count_if(trace.begin(), trace.end(),
                          [](const std::wstring& entry) { return entry[0] == L'!'; }),
            1);
  EXPECT_EQ(trace.back(), L"<all 1,2>");
}
