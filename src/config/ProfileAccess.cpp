#include "config/ProfileAccess.h"

#include <cstdio>

#include "config/FilePaths.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// The C library's stream, opened in binary mode so that the bytes written are the same on
// every system.
class FileProfileStream : public ProfileStream {
 public:
  explicit FileProfileStream(std::FILE* file) : file_(file) {}
  ~FileProfileStream() override { std::fclose(file_); }
  FileProfileStream(const FileProfileStream&) = delete;
  FileProfileStream& operator=(const FileProfileStream&) = delete;

  bool AppendEmptyLine() override {
    // Append mode writes at the end of the file as it is now, after the profile writes.
    return std::fputs("\r\n", file_) >= 0 && std::fflush(file_) == 0;
  }

 private:
  std::FILE* file_;
};

std::FILE* OpenFile(const std::wstring& path, StreamMode mode) {
#ifdef _WIN32
  return _wfopen(ExtendedLengthPath(path).c_str(), mode == StreamMode::kRead ? L"rb" : L"a+b");
#else
  std::FILE* file =
      std::fopen(NativeFilePath(path).c_str(), mode == StreamMode::kRead ? "rb" : "a+b");
  // Windows opens no directory as a file; here a directory opens for reading, so refuse it.
  struct stat info {};
  if (file != nullptr && (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode))) {
    std::fclose(file);
    return nullptr;
  }
  return file;
#endif
}

}  // namespace

std::unique_ptr<ProfileStream> ProfileAccess::Open(const std::wstring& path,
                                                   StreamMode mode) const {
  std::FILE* file = OpenFile(path, mode);
  if (file == nullptr) return nullptr;
  return std::make_unique<FileProfileStream>(file);
}
