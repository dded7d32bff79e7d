#include "config/PortableProfile.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <utility>

#include "config/FilePaths.h"
#include "config/ProfileText.h"

namespace {

std::FILE* OpenFile(const std::wstring& path, bool write) {
#ifdef _WIN32
  return _wfopen(ExtendedLengthPath(path).c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(NativeFilePath(path).c_str(), write ? "wb" : "rb");
#endif
}

class File {
 public:
  explicit File(std::FILE* file) : file_(file) {}
  ~File() {
    if (file_ != nullptr) std::fclose(file_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  std::FILE* get() const { return file_; }
  // Closes now; false when buffered bytes could not be written.
  bool Close() { return std::fclose(std::exchange(file_, nullptr)) == 0; }

 private:
  std::FILE* file_;
};

enum class Load { kAbsent, kRead, kUnusable };

// The file's bytes; kAbsent when there is no such file, kUnusable when it exists but cannot be
// read whole (so that a writer never replaces what it could not read).
Load ReadBytes(const std::wstring& path, std::string& bytes) {
  errno = 0;
  File file(OpenFile(path, false));
  if (file.get() == nullptr) return errno == ENOENT ? Load::kAbsent : Load::kUnusable;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (bytes.size() + got > PortableProfileAccess::kMaxFileBytes) return Load::kUnusable;
    bytes.append(chunk, got);
  }
  return std::ferror(file.get()) ? Load::kUnusable : Load::kRead;
}

std::wstring CutTo(std::wstring text, size_t capacity) {
  if (capacity == 0) return std::wstring();
  if (text.size() > capacity - 1) text.resize(capacity - 1);
  return text;
}

}  // namespace

std::wstring PortableProfileAccess::ReadString(const std::wstring& path,
                                               const std::wstring& section, const std::wstring& key,
                                               const std::wstring& fallback,
                                               size_t capacity) const {
  std::string bytes;
  if (ReadBytes(path, bytes) != Load::kRead) return CutTo(fallback, capacity);
  const std::optional<ProfileText> text = ProfileText::Parse(bytes);
  std::optional<std::wstring> value;
  if (text) value = text->Find(section, key);
  return CutTo(value ? *value : fallback, capacity);
}

bool PortableProfileAccess::WriteString(const std::wstring& path, const std::wstring& section,
                                        const std::wstring& key, const std::wstring& value) const {
  std::string bytes;
  // An absent file is created; one that exists but cannot be read whole is left as it is.
  if (ReadBytes(path, bytes) == Load::kUnusable) return false;
  std::optional<ProfileText> text = ProfileText::Parse(bytes);
  if (!text) return false;
  const ProfileText::SetResult set = text->Set(section, key, value);
  if (set != ProfileText::SetResult::kChanged) return set == ProfileText::SetResult::kUnchanged;
  const std::string out = text->Serialize();
  if (out.size() > kMaxFileBytes) return false;
  File file(OpenFile(path, true));
  if (file.get() == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file.get()) == out.size();
  return file.Close() && written;
}
