#include "ProfileBehaviour.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "app/MainWindowState.h"
#include "config/CIniFile.h"
#include "config/FilePaths.h"
#include "config/LoadConfiguration.h"
#include "config/Utf8.h"

namespace fs = std::filesystem;

namespace {

fs::path FsPath(const std::wstring& path) {
#ifdef _WIN32
  return fs::path(ExtendedLengthPath(path));
#else
  return fs::path(NativeFilePath(path));
#endif
}

std::wstring WideOf(const fs::path& path) {
#ifdef _WIN32
  return path.wstring();
#else
  return WideFromUtf8(path.string());
#endif
}

}  // namespace

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  std::FILE* file = nullptr;
#ifdef _WIN32
  file = _wfopen(ExtendedLengthPath(path).c_str(), L"rb");
#else
  file = std::fopen(NativeFilePath(path).c_str(), "rb");
#endif
  if (file == nullptr) return bytes;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::FILE* file = nullptr;
#ifdef _WIN32
  file = _wfopen(ExtendedLengthPath(path).c_str(), L"wb");
#else
  file = std::fopen(NativeFilePath(path).c_str(), "wb");
#endif
  ASSERT_NE(file, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

bool FileExists(const std::wstring& path) {
  std::error_code error;
  return fs::exists(FsPath(path), error);
}

std::wstring MakeScratchDirectory(const std::wstring& under) {
  std::error_code error;
  const fs::path base = under.empty() ? fs::temp_directory_path(error) : FsPath(under);
  std::random_device random;
  char name[40];
  std::snprintf(name, sizeof name, "pyrelix-cfg-%08x%08x", random(), random());
  const fs::path directory = base / name;
  fs::create_directories(directory, error);
  std::wstring wide = WideOf(directory);
  if (wide.rfind(L"\\\\?\\", 0) == 0) wide = wide.substr(4);
  return wide;
}

bool MakeDirectory(const std::wstring& path) {
  std::error_code error;
  return fs::create_directories(FsPath(path), error);
}

void RemoveTree(const std::wstring& path) {
  std::error_code error;
  fs::permissions(FsPath(path), fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(FsPath(path), error);
}

std::string ProfileSeamName(const ::testing::TestParamInfo<ProfileSeam>& info) {
  return info.param.name;
}

void ProfileBehaviour::SetUp() {
  directory_ = MakeScratchDirectory();
  ASSERT_FALSE(directory_.empty());
  access_ = GetParam().make(directory_);
}

void ProfileBehaviour::TearDown() {
  RemoveTree(directory_);
}

namespace {

constexpr wchar_t kName[] = L"Pyrelix_DID2684.cfg";

// Autostart registration that answers as told and counts its calls.
struct FakeAutoRun : AutoRunRegistry {
  long result = 0;
  int registered = 0;
  long Register() override {
    ++registered;
    return result;
  }
  long Unregister() override { return 0; }
  int Probe(std::wstring*) override { return kAutoRunKeyMissing; }
};

struct RecordedMessages : MessageSink {
  std::vector<std::wstring> shown;
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    return kOk;
  }
};

std::string ProfileSectionText(const char* section, int value = 0) {
  std::string text = std::string("[") + section + "]\r\n";
  for (const char* key : {"CoreOffset", "MemOffset", "TempTarget", "DisplayClock", "OverVolt",
                          "Power", "FanSpeed", "FanMode", "Frame"}) {
    text += std::string(key) + "=" + std::to_string(value) + "\r\n";
  }
  return text;
}

std::string FirstRunFile(const char* deviceId, int autoRun) {
  std::string text = std::string("[Pyrelix]\r\nGPUDID=") + deviceId +
                     "\r\nInitialized=1\r\nSynchronize=1\r\nAutoOverClock=0\r\n"
                     "StartupMinimize=0\r\nTransparence=0\r\nTransPercent=0\r\nFanAdvanced=0\r\n"
                     "[Windows Startup]\r\nAutoRun=" +
                     std::to_string(autoRun) + "\r\n";
  for (const char* section : {"Default", "Start_OC", "Profile1", "Profile2", "Profile3"}) {
    text += ProfileSectionText(section);
  }
  return text;
}

struct Load {
  NvApi driver;
  MainWindowState state{driver};
  FakeAutoRun autoRun;
  RecordedMessages messages;
};

}  // namespace

// The default file of a first start, byte for byte. Each blank line appended after a section is
// dropped again by the next write, which re-creates the file in canonical form; when the last
// write changes nothing ("AutoRun" stays 0 after a failed registration) the file is not
// rewritten and keeps the blank line after the last profile.
TEST_P(ProfileBehaviour, FirstRunWritesTheDefaultFile) {
  for (const long registryResult : {0L, 5L}) {
    RemoveTree(directory_);
    ASSERT_TRUE(MakeDirectory(directory_));
    Load load;
    load.state.gpus.deviceId = 0x2684;
    load.state.Transparence = 0;
    load.autoRun.result = registryResult;
    const CIniFile file(access(), kName);
    LoadConfiguration(load.state, file, load.autoRun, load.messages);
    EXPECT_EQ(ReadFileBytes(PathOf(kName)),
              registryResult == 0 ? FirstRunFile("2684", 1) : FirstRunFile("2684", 0) + "\r\n");
    EXPECT_EQ(load.autoRun.registered, 1);
    EXPECT_TRUE(load.messages.shown.empty());
    EXPECT_EQ(load.state.AutoOverClock, 0);
    EXPECT_EQ(load.state.StartupMinimize, 0);
    EXPECT_EQ(load.state.TransPercent, 0);
  }
}

TEST_P(ProfileBehaviour, FirstRunWritesTheDeviceIdWithFourDigits) {
  Load load;
  load.state.gpus.deviceId = 0x1C8;
  const CIniFile file(access(), L"Pyrelix_DID01C8.cfg");
  LoadConfiguration(load.state, file, load.autoRun, load.messages);
  EXPECT_EQ(ReadFileBytes(PathOf(L"Pyrelix_DID01C8.cfg")), FirstRunFile("01C8", 1));
}

TEST_P(ProfileBehaviour, FirstRunInAFolderThatIsNotThereShowsOnlyTheLastFailure) {
  Load load;
  load.state.gpus.deviceId = 0x2684;
  const std::wstring missing = PathOf(L"gone");
  struct Elsewhere : ProfileAccess {
    const ProfileAccess& inner;
    std::wstring directory;
    Elsewhere(const ProfileAccess& i, std::wstring d) : inner(i), directory(std::move(d)) {}
    std::wstring Directory() const override { return directory; }
    std::wstring ReadString(const std::wstring& p, const std::wstring& s, const std::wstring& k,
                            const std::wstring& f, size_t c) const override {
      return inner.ReadString(p, s, k, f, c);
    }
    bool WriteString(const std::wstring& p, const std::wstring& s, const std::wstring& k,
                     const std::wstring& v) const override {
      return inner.WriteString(p, s, k, v);
    }
  } elsewhere(access(), missing);
  const CIniFile file(elsewhere, kName);
  LoadConfiguration(load.state, file, load.autoRun, load.messages);
  EXPECT_EQ(load.messages.shown, std::vector<std::wstring>{kAutoRunSaveFailed});
  EXPECT_FALSE(FileExists(missing));
  EXPECT_EQ(load.state.AutoOverClock, 0);
  EXPECT_EQ(load.state.Transparence, 0);
}

// A file whose mark is not 1 gets the defaults again: every "Pyrelix" key and all five profile
// sections, the user's profiles included. Keys the program does not know stay.
TEST_P(ProfileBehaviour, AMarkOtherThanOneRewritesEveryProfile) {
  WriteFileBytes(PathOf(kName),
                 "[Pyrelix]\r\nGPUDID=2684\r\nInitialized=2\r\nAutoOverClock=1\r\n"
                 "Transparence=1\r\nTransPercent=5\r\nMine=7\r\n"
                 "[Windows Startup]\r\nAutoRun=0\r\n" +
                     ProfileSectionText("Profile1", 45) + ProfileSectionText("Start_OC", 12));
  Load load;
  load.state.gpus.deviceId = 0x2684;
  const CIniFile file(access(), kName);
  LoadConfiguration(load.state, file, load.autoRun, load.messages);
  EXPECT_EQ(load.state.AutoOverClock, 0);
  EXPECT_EQ(load.state.Transparence, 0);
  EXPECT_EQ(load.autoRun.registered, 1);
  for (const wchar_t* section : kProfileSections) {
    ProfileRecord profile;
    profile.Name(section);
    for (ProfileKey& key : profile.keys) key.value = -1;
    ASSERT_EQ(file.ReadProfile(profile), 0);
    for (const ProfileKey& key : profile.keys) EXPECT_EQ(key.value, 0) << key.name.str();
  }
  const std::string bytes = ReadFileBytes(PathOf(kName));
  EXPECT_NE(bytes.find("Transparence=0\r\nTransPercent=0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Mine=7\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("[Windows Startup]\r\nAutoRun=1\r\n"), std::string::npos);
}

// An initialised file is only read: the flags are 1 only for exactly 1, TransPercent is taken
// as read and a missing one reads 99.
TEST_P(ProfileBehaviour, AnInitialisedFileSetsTheFlagsAndStaysAsItWas) {
  struct Case {
    const char* keys;
    int autoOverClock, startupMinimize, transparence, transPercent;
  };
  const Case cases[] = {
      {"AutoOverClock=1\r\nStartupMinimize=1\r\nTransparence=1\r\nTransPercent=5\r\n", 1, 1, 1, 5},
      {"AutoOverClock=2\r\nStartupMinimize=0\r\nTransparence=1\r\n", 0, 0, 1, 99},
      {"AutoOverClock= 1x\r\nTransparence=-1\r\nTransPercent=12abc\r\n", 1, 0, 0, 12},
      {"", 0, 0, 0, 99},
  };
  for (const Case& c : cases) {
    const std::string original = std::string("[Pyrelix]\r\nInitialized=1\r\n") + c.keys;
    WriteFileBytes(PathOf(kName), original);
    Load load;
    const CIniFile file(access(), kName);
    LoadConfiguration(load.state, file, load.autoRun, load.messages);
    EXPECT_EQ(load.state.AutoOverClock, c.autoOverClock) << c.keys;
    EXPECT_EQ(load.state.StartupMinimize, c.startupMinimize) << c.keys;
    EXPECT_EQ(load.state.Transparence, c.transparence) << c.keys;
    EXPECT_EQ(load.state.TransPercent, c.transPercent) << c.keys;
    EXPECT_EQ(load.autoRun.registered, 0);
    EXPECT_EQ(ReadFileBytes(PathOf(kName)), original);
  }
}

// Without a file, readers answer 1 and leave the record as the caller prepared it (no default
// "99" then); writers create the file.
TEST_P(ProfileBehaviour, AMissingFileReadsAsTheCallersRecord) {
  const CIniFile file(access(), kName);
  KeyRecord key;
  key.Name(L"Pyrelix", L"Initialized");
  key.value = 0;
  EXPECT_EQ(file.ReadKey(key), 1);
  EXPECT_EQ(key.value, 0);
  EXPECT_TRUE(key.text.empty());
  ProfileRecord profile;
  profile.Name(L"Profile1");
  profile.keys[kPower].value = 120;
  EXPECT_EQ(file.ReadProfile(profile), 1);
  EXPECT_EQ(profile.keys[kPower].value, 120);
  EXPECT_FALSE(FileExists(PathOf(kName)));

  EXPECT_EQ(file.WriteProfile(profile), 0);
  EXPECT_EQ(ReadFileBytes(PathOf(kName)),
            "[Profile1]\r\nCoreOffset=0\r\nMemOffset=0\r\nTempTarget=0\r\nDisplayClock=0\r\n"
            "OverVolt=0\r\nPower=120\r\nFanSpeed=0\r\nFanMode=0\r\nFrame=0\r\n");
}

TEST_P(ProfileBehaviour, MissingKeysReadTheirDefaults) {
  WriteFileBytes(PathOf(kName),
                 "[Pyrelix]\r\nAutoOverClock=1\r\n[Profile2]\r\nCoreOffset=-150\r\n"
                 "MemOffset=+800\r\nPower=110\r\n");
  const CIniFile file(access(), kName);
  // ReadKey: 99 for a missing key or section.
  for (const auto& [section, key, value] :
       {std::tuple{L"Pyrelix", L"AutoOverClock", 1}, std::tuple{L"Pyrelix", L"TransPercent", 99},
        std::tuple{L"Nowhere", L"AutoOverClock", 99}}) {
    KeyRecord record;
    record.Name(section, key);
    EXPECT_EQ(file.ReadKey(record), 0);
    EXPECT_EQ(record.value, value) << key;
  }
  KeyRecord missing;
  missing.Name(L"Pyrelix", L"StartupMinimize");
  file.ReadKey(missing);
  EXPECT_EQ(missing.text.str(), L"99");
  // ReadProfile: 0 for each missing key ("Frame" among them).
  ProfileRecord profile;
  profile.Name(L"Profile2");
  for (ProfileKey& key : profile.keys) key.value = 7;
  EXPECT_EQ(file.ReadProfile(profile), 0);
  const int32_t expected[kProfileKeyCount] = {-150, 800, 0, 0, 0, 110, 0, 0, 0};
  for (int i = 0; i < kProfileKeyCount; ++i) {
    EXPECT_EQ(profile.keys[i].value, expected[i]) << kProfileKeyNames[i];
  }
  EXPECT_EQ(profile.keys[kFrame].text.str(), L"0");
}

TEST_P(ProfileBehaviour, WriteKeyFormatsHexadecimalWithFourDigitsAndDecimalWithASign) {
  const CIniFile file(access(), kName);
  struct Case {
    int32_t value;
    int radix;
    const char* text;
  };
  const Case cases[] = {
      {0x1C8, 16, "01C8"}, {0x2684, 16, "2684"}, {0x12345, 16, "12345"},        {0, 16, "0000"},
      {-7, 10, "-7"},      {0, 10, "0"},         {INT32_MAX, 10, "2147483647"},
  };
  for (const Case& c : cases) {
    KeyRecord record;
    record.Name(L"S", L"K");
    record.value = c.value;
    ASSERT_EQ(file.WriteKey(record, c.radix), 0);
    EXPECT_EQ(ReadFileBytes(PathOf(kName)), std::string("[S]\r\nK=") + c.text + "\r\n");
  }
}

// Names are found whatever their case and keep the file's spelling; a new key goes to the end
// of its own section, a new section to the end of the file.
TEST_P(ProfileBehaviour, WritesKeepOrderAndSpelling) {
  WriteFileBytes(PathOf(kName), "[Pyrelix]\r\nGPUDID=2684\r\n[Windows Startup]\r\nAutoRun=0\r\n");
  const CIniFile file(access(), kName);
  KeyRecord record;
  record.Name(L"PYRELIX", L"gpudid");
  ASSERT_EQ(file.ReadKey(record), 0);
  EXPECT_EQ(record.text.str(), L"2684");
  const struct {
    const wchar_t *section, *key;
    int32_t value;
  } writes[] = {{L"pyrelix", L"Synchronize", 1},
                {L"windows startup", L"AUTORUN", 1},
                {L"Profile1", L"Frame", 60}};
  for (const auto& w : writes) {
    record.Name(w.section, w.key);
    record.value = w.value;
    ASSERT_EQ(file.WriteKey(record, 10), 0);
  }
  EXPECT_EQ(ReadFileBytes(PathOf(kName)),
            "[Pyrelix]\r\nGPUDID=2684\r\nSynchronize=1\r\n[Windows Startup]\r\nAutoRun=1\r\n"
            "[Profile1]\r\nFrame=60\r\n");
}

// A hand-edited file: what each odd line reads as, and the canonical file the next write leaves.
TEST_P(ProfileBehaviour, HandEditedFilesReadSafelyAndSurviveTheNextWrite) {
  const std::string longValue(500, '7');
  WriteFileBytes(PathOf(kName),
                 "top=3\n"
                 "  [ Pyrelix ]  \n"
                 "garbage\n"
                 "A=12abc\n"
                 "B=  -7  \n"
                 "C=99999999999\n"
                 "D=-99999999999\n"
                 "E=" +
                     longValue +
                     "\n"
                     "F=\"42\"\n"
                     "G=\xE9t\xE9\n"
                     "dup=1\n"
                     "DUP=2\n"
                     "H\t=\t5\t\n"
                     "\n\n\n"
                     "[pyrelix]\n"
                     "I=8\n"
                     "[Other]\r"
                     "J=9\r\n"
                     "K=10");
  const CIniFile file(access(), kName);
  const struct {
    const wchar_t *section, *key;
    int32_t value;
  } reads[] = {
      {L"Pyrelix", L"garbage", 99},  // a line without '=' is no value
      {L"Pyrelix", L"A", 12},
      {L"Pyrelix", L"B", -7},
      {L"Pyrelix", L"C", INT32_MAX},  // saturates
      {L"Pyrelix", L"D", INT32_MIN},
      {L"Pyrelix", L"E", INT32_MAX},  // cut to 31 digits, still beyond 32 bits
      {L"Pyrelix", L"F", 42},         // quotes around a value are dropped
      {L"Pyrelix", L"G", 0},
      {L"Pyrelix", L"dup", 1},  // the first of duplicated keys
      {L"Pyrelix", L"H", 5},
      {L"Pyrelix", L"I", 99},  // a second section of the same name is never read
      {L"Other", L"J", 9},     // a lone CR ends a line too
      {L"Other", L"K", 10},    // so does the end of the file
      {L"", L"top", 3},        // lines before any section
  };
  for (const auto& r : reads) {
    KeyRecord record;
    record.Name(r.section, r.key);
    ASSERT_EQ(file.ReadKey(record), 0);
    EXPECT_EQ(record.value, r.value) << r.key;
  }
  KeyRecord cut;
  cut.Name(L"Pyrelix", L"E");
  file.ReadKey(cut);
  EXPECT_EQ(cut.text.str(), std::wstring(31, L'7'));

  KeyRecord record;
  record.Name(L"Other", L"New");
  record.value = 1;
  ASSERT_EQ(file.WriteKey(record, 10), 0);
  EXPECT_EQ(ReadFileBytes(PathOf(kName)),
            "top=3\r\n"
            "[Pyrelix]\r\n"
            "garbage\r\n"
            "A=12abc\r\n"
            "B=-7\r\n"
            "C=99999999999\r\n"
            "D=-99999999999\r\n"
            "E=" +
                longValue +
                "\r\n"
                "F=\"42\"\r\n"
                "G=\xE9t\xE9\r\n"
                "dup=1\r\n"
                "DUP=2\r\n"
                "H=5\r\n"
                "[pyrelix]\r\n"
                "I=8\r\n"
                "[Other]\r\n"
                "J=9\r\n"
                "K=10\r\n"
                "New=1\r\n");
}

// Empty lines appended after writes that changed nothing pile up at the end of the file; they
// change no reading, and the next write that changes a value leaves a canonical file again.
TEST_P(ProfileBehaviour, BlankLinesAtTheEndAreHarmless) {
  const CIniFile file(access(), kName);
  KeyRecord record;
  record.Name(L"Windows Startup", L"AutoRun");
  for (int i = 0; i < 5; ++i) ASSERT_EQ(file.WriteKeyLine(record), 0);
  EXPECT_EQ(ReadFileBytes(PathOf(kName)), "[Windows Startup]\r\nAutoRun=0\r\n\r\n\r\n\r\n\r\n\r\n");
  WriteFileBytes(PathOf(kName), ReadFileBytes(PathOf(kName)) + std::string(40, '\n'));
  KeyRecord check;
  check.Name(L"windows startup", L"autorun");
  ASSERT_EQ(file.ReadKey(check), 0);
  EXPECT_EQ(check.text.str(), L"0");

  ProfileRecord profile;
  profile.Name(L"Profile3");
  profile.keys[kFanSpeed].value = 55;
  ASSERT_EQ(file.WriteProfileLine(profile), 0);
  record.value = 1;
  ASSERT_EQ(file.WriteKey(record, 10), 0);
  ASSERT_EQ(file.ReadKey(check), 0);
  EXPECT_EQ(check.value, 1);
  std::string profileText = ProfileSectionText("Profile3");
  profileText.replace(profileText.find("FanSpeed=0"), 10, "FanSpeed=55");
  EXPECT_EQ(ReadFileBytes(PathOf(kName)), "[Windows Startup]\r\nAutoRun=1\r\n" + profileText);
}

TEST_P(ProfileBehaviour, ValuesAreCutToTheBuffer) {
  WriteFileBytes(PathOf(kName), "[S]\r\nk=0123456789\r\n");
  const std::wstring path = PathOf(kName);
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 32), L"0123456789");
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 5), L"0123");
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 2), L"0");
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 1), L"");
  EXPECT_EQ(access().ReadString(path, L"S", L"x", L"fallback", 5), L"fall");
}

// Characters of the system code page are written as its bytes, others become '?'. A file that
// starts with a UTF-8 mark is read and written as UTF-8 and keeps its mark.
TEST_P(ProfileBehaviour, NonAsciiText) {
  const std::wstring path = PathOf(kName);
  ASSERT_TRUE(access().WriteString(path, L"S", L"k", L"\u00e9\u4e2d"));
  EXPECT_EQ(ReadFileBytes(path), "[S]\r\nk=\xE9?\r\n");
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 32), L"\u00e9?");
  WriteFileBytes(path, "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n");
  EXPECT_EQ(access().ReadString(path, L"S", L"k", L"99", 32), L"\u00e9");
  ASSERT_TRUE(access().WriteString(path, L"S", L"n", L"1"));
  EXPECT_EQ(ReadFileBytes(path), "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\nn=1\r\n");
}

// A file whose whole path is far beyond 260 characters is found, written and read.
TEST_P(ProfileBehaviour, LongPathsWork) {
  std::wstring deep = directory_;
  while (deep.size() < 300) {
    deep += L"\\" + std::wstring(60, L'd');
    ASSERT_TRUE(MakeDirectory(deep));
  }
  auto access = GetParam().make(deep);
  const CIniFile file(*access, kName);
  ASSERT_GT(file.FullPath().size(), 300u);
  KeyRecord record;
  record.Name(L"Pyrelix", L"TransPercent");
  record.value = 4;
  ASSERT_EQ(file.WriteKeyLine(record), 0);
  record.value = 0;
  ASSERT_EQ(file.ReadKey(record), 0);
  EXPECT_EQ(record.value, 4);
  EXPECT_EQ(ReadFileBytes(file.FullPath()), "[Pyrelix]\r\nTransPercent=4\r\n\r\n");
}

// Where the file cannot be opened (here a folder of that name), every operation answers 1 and
// nothing is written.
TEST_P(ProfileBehaviour, AFileThatCannotBeOpenedIsLeftAlone) {
  ASSERT_TRUE(MakeDirectory(PathOf(kName)));
  const CIniFile file(access(), kName);
  KeyRecord record;
  record.Name(L"Pyrelix", L"Initialized");
  ProfileRecord profile;
  profile.Name(L"Default");
  EXPECT_EQ(file.ReadKey(record), 1);
  EXPECT_EQ(file.WriteKey(record, 10), 1);
  EXPECT_EQ(file.WriteKeyLine(record), 1);
  EXPECT_EQ(file.ReadProfile(profile), 1);
  EXPECT_EQ(file.WriteProfile(profile), 1);
  EXPECT_EQ(file.WriteProfileLine(profile), 1);
  EXPECT_EQ(record.value, 0);
}

// A read-only file is read but never written. (A process that may write anywhere, such as one
// run by root, cannot show this; the test then has nothing to check.)
TEST_P(ProfileBehaviour, AReadOnlyFileIsReadAndNotWritten) {
  const std::string original = "[Pyrelix]\r\nInitialized=1\r\n";
  WriteFileBytes(PathOf(kName), original);
  std::error_code error;
  fs::permissions(FsPath(PathOf(kName)),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove, error);
  std::FILE* probe = nullptr;
#ifdef _WIN32
  probe = _wfopen(ExtendedLengthPath(PathOf(kName)).c_str(), L"ab");
#else
  probe = std::fopen(NativeFilePath(PathOf(kName)).c_str(), "ab");
#endif
  if (probe != nullptr) {
    std::fclose(probe);
    GTEST_SKIP() << "this process may write read-only files";
  }
  const CIniFile file(access(), kName);
  KeyRecord record;
  record.Name(L"Pyrelix", L"Initialized");
  EXPECT_EQ(file.ReadKey(record), 0);
  EXPECT_EQ(record.value, 1);
  EXPECT_EQ(file.WriteKey(record, 10), 1);
  EXPECT_EQ(ReadFileBytes(PathOf(kName)), original);
}
