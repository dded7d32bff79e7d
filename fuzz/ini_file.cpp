// The configuration file class over our private-profile implementation, against an arbitrary
// file: every read gives a value or the default, and a write that succeeds reads back.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "config/CIniFile.h"
#include "config/PortableProfile.h"

namespace {

// One scratch folder for the whole run, in memory where the system has such a folder, removed
// when the process ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    char memory[] = "/dev/shm/pyrelix-fuzz-XXXXXX";
    char disk[] = "/tmp/pyrelix-fuzz-XXXXXX";
    const char* made = mkdtemp(memory);
    if (made == nullptr) made = mkdtemp(disk);
    if (made == nullptr) std::abort();
    path_ = made;
  }
  ~ScratchFolder() {
    std::remove((path_ + "/Ombrix.ini").c_str());
    rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const wchar_t* const kSections[] = {L"Pyrelix", L"Default", L"Start_OC", L"Profile1", L"pyrelix"};
const wchar_t* const kKeys[] = {L"Initialized", L"AutoOverClock", L"TransPercent", L"CoreOffset",
                                L"initialized"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScratchFolder folder;
  FuzzInput input(data, size);
  const uint32_t section = input.Pick(5);
  const uint32_t key = input.Pick(5);
  const int32_t value = static_cast<int32_t>(input.Word());
  const int radix = input.Pick(2) == 0 ? CIniFile::kRadixDecimal : CIniFile::kRadixHex;

  const std::string file = folder.path() + "/Ombrix.ini";
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) std::abort();
  std::fwrite(data, 1, size, out);
  std::fclose(out);

  const PortableProfileAccess access(std::wstring(folder.path().begin(), folder.path().end()));
  CIniFile ini(access);
  ProfileRecord profile;
  if (profile.Name(kSections[section])) ini.ReadProfile(profile);

  KeyRecord record;
  FUZZ_CHECK(record.Name(kSections[section], kKeys[key]));
  ini.ReadKey(record);
  record.value = value;
  if (ini.WriteKey(record, radix) == 0 && radix == CIniFile::kRadixDecimal) {
    KeyRecord back;
    FUZZ_CHECK(back.Name(kSections[section], kKeys[key]));
    FUZZ_CHECK(ini.ReadKey(back) == 0);
    FUZZ_CHECK(back.value == value);
  }
  if (profile.Name(kSections[section])) ini.WriteProfileLine(profile);
  return 0;
}
