// The configuration store's own rules: number conversion, record texts, paths, the start-up
// load's order of calls and failures, and what our profile implementation refuses.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <vector>

#include "ProfileBehaviour.h"
#include "config/CIniFile.h"
#include "config/DecimalText.h"
#include "config/FilePaths.h"
#include "config/LoadConfiguration.h"
#include "config/PortableProfile.h"
#include "config/ProfileText.h"
#include "settings/AutoRunValue.h"

TEST(DecimalValue, ConvertsLikeAPlainDecimalConversion) {
  const struct {
    const wchar_t* text;
    int32_t value;
  } cases[] = {
      {L"0", 0},
      {L"42", 42},
      {L"-7", -7},
      {L" -7", -7},
      {L"\t+15", 15},
      {L"12abc", 12},
      {L"abc", 0},
      {L"", 0},
      {L"-", 0},
      {L"- 5", 0},
      {L"0x1C", 0},
      {L"007", 7},
      {L"\uFF11\uFF12", 0},  // only the digits 0-9 count
      {L"2147483647", INT32_MAX},
      {L"2147483648", INT32_MAX},  // saturates instead of wrapping
      {L"99999999999999999999999999999", INT32_MAX},
      {L"-2147483648", INT32_MIN},
      {L"-2147483649", INT32_MIN},
      {L"-99999999999999999999999999999", INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalValue(c.text), c.value) << c.text;
}

TEST(DecimalValue, TextForms) {
  EXPECT_EQ(DecimalText(INT32_MIN), L"-2147483648");
  EXPECT_EQ(HexText4(0x1C8), L"01C8");
  EXPECT_EQ(HexText4(0xABCDE), L"ABCDE");
  EXPECT_EQ(HexText4(-1), L"FFFFFFFF");
}

// Texts that do not fit their record are refused, never cut.
TEST(ConfigRecords, NamesMustFit) {
  KeyRecord key;
  EXPECT_TRUE(key.Name(std::wstring(31, L's'), std::wstring(31, L'k')));
  EXPECT_EQ(key.key.view().size(), 31u);
  EXPECT_FALSE(key.Name(L"Pyrelix", std::wstring(32, L'k')));
  EXPECT_FALSE(key.key.Set(std::wstring(L"a\0b", 3)));
  ProfileRecord profile;
  EXPECT_TRUE(profile.Name(std::wstring(127, L'p')));
  EXPECT_FALSE(profile.section.Set(std::wstring(128, L'p')));
  EXPECT_EQ(profile.section.view().size(), 127u);
  for (int i = 0; i < kProfileKeyCount; ++i)
    EXPECT_EQ(profile.keys[i].name.str(), kProfileKeyNames[i]);
}

TEST(ConfigPaths, BuiltFromDirectoryAndName) {
  const PortableProfileAccess access(L"C:\\Program Files\\Pyrelix");
  EXPECT_EQ(CIniFile(access).FullPath(), L"C:\\Program Files\\Pyrelix\\Ombrix.ini");
  EXPECT_EQ(CIniFile(access, L"Pyrelix_DID2684.cfg").FullPath(),
            L"C:\\Program Files\\Pyrelix\\Pyrelix_DID2684.cfg");

  const std::wstring longDrive = L"C:\\" + std::wstring(300, L'x');
  const std::wstring longShare = L"\\\\server\\share\\" + std::wstring(300, L'x');
  EXPECT_EQ(ExtendedLengthPath(L"C:\\short\\a.cfg"), L"C:\\short\\a.cfg");
  EXPECT_EQ(ExtendedLengthPath(longDrive), L"\\\\?\\" + longDrive);
  EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\" + longDrive), L"\\\\?\\" + longDrive);
  EXPECT_EQ(ExtendedLengthPath(longShare), L"\\\\?\\UNC\\" + longShare.substr(2));
  EXPECT_EQ(ExtendedLengthPath(std::wstring(300, L'r')), std::wstring(300, L'r'));  // relative
  EXPECT_EQ(NativeFilePath(L"/tmp/a\\b\u00e9.cfg"), "/tmp/a/b\xC3\xA9.cfg");
}

namespace {

// A profile seam that records every call and fails the ones it is told to.
class RecordingAccess : public ProfileAccess {
 public:
  struct Stream : ProfileStream {
    RecordingAccess* owner;
    explicit Stream(RecordingAccess* o) : owner(o) {}
    bool AppendEmptyLine() override {
      owner->calls.push_back(L"<empty line>");
      return true;
    }
  };

  std::wstring Directory() const override { return L"C:\\Pyrelix"; }
  std::unique_ptr<ProfileStream> Open(const std::wstring&, StreamMode mode) const override {
    auto* self = const_cast<RecordingAccess*>(this);
    if (mode == StreamMode::kAppend && self->appendOpens++ >= failAppendOpensFrom) return nullptr;
    return std::make_unique<Stream>(self);
  }
  std::wstring ReadString(const std::wstring&, const std::wstring& section, const std::wstring& key,
                          const std::wstring& fallback, size_t capacity) const override {
    const auto found = values.find(section + L"/" + key);
    std::wstring text = found == values.end() ? fallback : found->second;
    return text.substr(0, capacity - 1);
  }
  bool WriteString(const std::wstring&, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) const override {
    const_cast<RecordingAccess*>(this)->calls.push_back(section + L"/" + key + L"=" + value);
    return !failWrites;
  }

  std::map<std::wstring, std::wstring> values;
  std::vector<std::wstring> calls;
  int appendOpens = 0;
  int failAppendOpensFrom = INT_MAX;
  bool failWrites = false;
};

struct CountingAutoRun : AutoRunRegistry {
  long result = 0;
  std::vector<std::wstring>* calls = nullptr;
  long Register() override {
    calls->push_back(L"<register autostart>");
    return result;
  }
  long Unregister() override { return 0; }
  int Probe(std::wstring*) override { return kAutoRunKeyMissing; }
};

struct Messages : MessageSink {
  std::vector<std::wstring> shown;
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    return kOk;
  }
};

}  // namespace

// A name that did not fit leaves the record without one, and such a record writes nothing.
TEST(ConfigRecords, ARecordWithoutAKeyNameWritesNothing) {
  RecordingAccess access;
  const CIniFile file(access, L"x.cfg");
  KeyRecord key;
  EXPECT_FALSE(key.Name(L"Pyrelix", std::wstring(40, L'k')));
  EXPECT_EQ(file.WriteKey(key, 10), 1);
  ProfileRecord profile;
  profile.Name(L"Profile1");
  profile.keys[kFrame].name.Clear();
  EXPECT_EQ(file.WriteProfile(profile), 1);
  EXPECT_EQ(access.calls.size(), 8u);  // the other eight keys
  EXPECT_EQ(access.calls.back(), L"Profile1/FanMode=0");
}

// The first run writes in a fixed order, registers autostart between the last profile and the
// final "AutoRun", and appends the empty lines after "AutoRun" and after each profile.
TEST(LoadConfiguration, FirstRunWritesInOrder) {
  RecordingAccess access;
  CountingAutoRun autoRun;
  autoRun.calls = &access.calls;
  Messages messages;
  NvApi driver;
  MainWindowState state(driver);
  state.gpus.deviceId = 0x1C8;
  state.AutoOverClock = 1;
  state.StartupMinimize = 1;
  LoadConfiguration(state, CIniFile(access, L"Pyrelix_DID01C8.cfg"), autoRun, messages);

  std::vector<std::wstring> expected = {
      L"Pyrelix/GPUDID=01C8",       L"Pyrelix/Initialized=1",
      L"Pyrelix/Synchronize=1",     L"Pyrelix/AutoOverClock=0",
      L"Pyrelix/StartupMinimize=0", L"Pyrelix/Transparence=0",
      L"Pyrelix/TransPercent=0",    L"Pyrelix/FanAdvanced=0",
      L"Windows Startup/AutoRun=0", L"<empty line>",
  };
  for (const wchar_t* section : kProfileSections) {
    for (const wchar_t* key : kProfileKeyNames) {
      expected.push_back(std::wstring(section) + L"/" + key + L"=0");
    }
    expected.push_back(L"<empty line>");
  }
  expected.push_back(L"<register autostart>");
  expected.push_back(L"Windows Startup/AutoRun=1");
  EXPECT_EQ(access.calls, expected);
  EXPECT_EQ(state.AutoOverClock, 0);
  EXPECT_EQ(state.StartupMinimize, 0);
  EXPECT_TRUE(messages.shown.empty());
}

// Only the final "AutoRun" write reports its failure; a failed registration is only recorded.
TEST(LoadConfiguration, FirstRunFailures) {
  const struct {
    const char* what;
    int failAppendOpensFrom;
    bool failWrites;
    long registry;
    const wchar_t* lastWrite;
    bool message;
  } cases[] = {
      {"all well", INT_MAX, false, 0, L"Windows Startup/AutoRun=1", false},
      {"registration refused", INT_MAX, false, 5, L"Windows Startup/AutoRun=0", false},
      {"every open fails", 0, false, 0, nullptr, true},
      {"only the last open fails", 14, false, 0, L"Profile3/Frame=0", true},
      {"writes fail after the open", INT_MAX, true, 0, L"Windows Startup/AutoRun=1", true},
  };
  for (const auto& c : cases) {
    RecordingAccess access;
    access.failAppendOpensFrom = c.failAppendOpensFrom;
    access.failWrites = c.failWrites;
    CountingAutoRun autoRun;
    autoRun.calls = &access.calls;
    autoRun.result = c.registry;
    Messages messages;
    NvApi driver;
    MainWindowState state(driver);
    LoadConfiguration(state, CIniFile(access, L"x.cfg"), autoRun, messages);
    std::wstring last;
    for (const std::wstring& call : access.calls) {
      if (call.find(L'=') != std::wstring::npos) last = call;
    }
    EXPECT_EQ(last, c.lastWrite ? c.lastWrite : L"") << c.what;
    EXPECT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.what;
    if (c.message) {
      EXPECT_EQ(messages.shown[0], kAutoRunSaveFailed) << c.what;
    }
  }
}

// "Initialized" is read with the default 99: only exactly 1 is an initialised file.
TEST(LoadConfiguration, OnlyTheMarkOneCountsAsInitialised) {
  for (const auto& [mark, firstRun] :
       {std::pair{L"1", false}, std::pair{L"01", false}, std::pair{L"2", true},
        std::pair{L"", true}, std::pair{L"-1", true}, std::pair{L"1.0", false}}) {
    RecordingAccess access;
    access.values[L"Pyrelix/Initialized"] = mark;
    CountingAutoRun autoRun;
    autoRun.calls = &access.calls;
    Messages messages;
    NvApi driver;
    MainWindowState state(driver);
    LoadConfiguration(state, CIniFile(access, L"x.cfg"), autoRun, messages);
    EXPECT_EQ(!access.calls.empty(), firstRun) << mark;
  }
  RecordingAccess missingKey;  // the key absent: 99, a first run
  CountingAutoRun autoRun;
  autoRun.calls = &missingKey.calls;
  Messages messages;
  NvApi driver;
  MainWindowState state(driver);
  LoadConfiguration(state, CIniFile(missingKey, L"x.cfg"), autoRun, messages);
  EXPECT_FALSE(missingKey.calls.empty());
}

// What our implementation will not do, so that it never damages a file.
TEST(PortableProfile, RefusesWhatItCannotWriteBack) {
  ProfileText text = *ProfileText::Parse("[S]\r\nk=1\r\n");
  using R = ProfileText::SetResult;
  EXPECT_EQ(text.Set(L"S", L"k", L"1"), R::kUnchanged);
  EXPECT_EQ(text.Set(L"S", L"k", L"a\r\nb=2"), R::kRefused);
  EXPECT_EQ(text.Set(L"S\n[T]", L"k", L"1"), R::kRefused);
  EXPECT_EQ(text.Set(L"S", L"a=b", L"1"), R::kRefused);
  EXPECT_EQ(text.Set(L"S", L"  ", L"1"), R::kRefused);
  EXPECT_EQ(text.Set(L"S", L"[T]", L"1"), R::kRefused);
  EXPECT_EQ(text.Serialize(), "[S]\r\nk=1\r\n");
}

TEST(PortableProfile, LeavesFilesItCannotReadAlone) {
  const std::wstring directory = MakeScratchDirectory();
  const PortableProfileAccess access(directory);
  const std::wstring path = directory + L"\\a.cfg";
  // UTF-16 text is not ours to rewrite; nor is a file too big to be a configuration file.
  const char utf16Bytes[] =
      "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0"
      "7\0\r\0\n\0";
  const std::string utf16(utf16Bytes, sizeof utf16Bytes - 1);
  const std::string huge =
      "[S]\r\nk=7\r\n" + std::string(PortableProfileAccess::kMaxFileBytes, 'x');
  for (const std::string& bytes : {utf16, huge}) {
    WriteFileBytes(path, bytes);
    EXPECT_EQ(access.ReadString(path, L"S", L"k", L"99", 32), L"99");
    EXPECT_FALSE(access.WriteString(path, L"S", L"k", L"8"));
    EXPECT_EQ(ReadFileBytes(path), bytes);
  }
  RemoveTree(directory);
}

// Code page text whose first line begins like a byte-order mark stays code page text after the
// blank lines before it are dropped.
TEST(PortableProfile, TextThatBeginsLikeAMarkKeepsItsEncoding) {
  for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
    ProfileText text = *ProfileText::Parse("\r\n" + mark + "k=1\r\n");
    ASSERT_EQ(text.Set(L"", L"n", L"2"), ProfileText::SetResult::kChanged);
    const std::string bytes = text.Serialize();
    EXPECT_EQ(bytes, "\r\n" + mark + "k=1\r\nn=2\r\n");
    const std::optional<ProfileText> reread = ProfileText::Parse(bytes);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Find(L"", mark.size() == 3 ? L"\u00EF\u00BB\u00BFk" : L"n"),
              mark.size() == 3 ? L"1" : L"2");
  }
}

// Whatever a hand-edited file holds, a write changes the key written and nothing else that can
// be read, and the canonical form it leaves reads back the same.
TEST(PortableProfile, AWriteChangesOnlyItsKeyInAnyFile) {
  const char* const pieces[] = {"[",    "]",       "=",     " ",           "\t",   "\r",   "\n",
                                "\r\n", "\"",      "'",     "\x1A",        "\xE9", "\xFF", "\xC3",
                                "a",    "A",       "S",     "s",           "k",    "K",    "1",
                                "-",    "[S]\r\n", "k=1\n", "\xEF\xBB\xBF"};
  const wchar_t* const names[] = {L"", L"S", L"s", L"k", L"K", L"a", L"[S", L"S]", L" k "};
  const wchar_t* const values[] = {L"0", L"1", L"-7", L"  5", L"abc", L""};
  std::mt19937 random(2684);
  auto pick = [&random](auto& table) { return table[random() % (sizeof table / sizeof table[0])]; };
  std::string bytes;
  for (int round = 0; round < 3000; ++round) {
    bytes.clear();
    for (int n = random() % 40; n > 0; --n) bytes += pick(pieces);
    if (random() % 8 == 0) bytes += std::string(1, '\0') + "x";  // a zero inside a line
    const std::optional<ProfileText> before = ProfileText::Parse(bytes);
    ASSERT_TRUE(before) << bytes;
    ProfileText after = *before;
    const std::wstring section = pick(names), key = pick(names), value = pick(values);
    const ProfileText::SetResult set = after.Set(section, key, value);
    if (set == ProfileText::SetResult::kRefused) continue;
    const std::optional<ProfileText> reread = ProfileText::Parse(after.Serialize());
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Serialize(), after.Serialize()) << bytes;
    std::wstring expected = value.substr(value.find_first_not_of(L' ') == std::wstring::npos
                                             ? value.size()
                                             : value.find_first_not_of(L' '));
    EXPECT_EQ(reread->Find(section, key), expected) << bytes;
    // Names that differ only in case or in blanks around them name the key written.
    auto normal = [](std::wstring name) {
      name.erase(0, name.find_first_not_of(L' '));
      name.erase(name.find_last_not_of(L' ') + 1);
      for (wchar_t& c : name) c = (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
      return name;
    };
    for (const wchar_t* s : names) {
      for (const wchar_t* k : names) {
        const bool same = normal(s) == normal(section) && normal(k) == normal(key);
        EXPECT_EQ(reread->Find(s, k),
                  same ? std::optional<std::wstring>(expected) : before->Find(s, k))
            << bytes;
      }
    }
  }
}

TEST(AutoRunValue, DataIsTheTerminatedPathInUtf16) {
  EXPECT_EQ(AutoRunValueData(L"C:\\a"),
            (std::vector<uint8_t>{'C', 0, ':', 0, '\\', 0, 'a', 0, 0, 0}));
  EXPECT_EQ(PathFromValueData(AutoRunValueData(L"C:\\P\u00e9\\Pyrelix.exe")),
            L"C:\\P\u00e9\\Pyrelix.exe");
  EXPECT_EQ(PathFromValueData({'C', 0, 0, 0, 0, 0}), L"C");            // extra terminators
  EXPECT_EQ(PathFromValueData({'C', 0, 'x'}), std::nullopt);           // odd size
  EXPECT_EQ(PathFromValueData({'C', 0, 0, 0, 'x', 0}), std::nullopt);  // a zero inside
}
