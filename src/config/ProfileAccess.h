// The seam between the configuration file class and the platform: where the file lives, the
// byte stream that tests it, and the private-profile read and write. On Windows the system's
// private-profile functions serve it; elsewhere our own implementation with the same results.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

// An open byte stream on the configuration file; closed when destroyed.
class ProfileStream {
 public:
  virtual ~ProfileStream() = default;
  // Writes one empty line (CR LF) at the current end of the file.
  virtual bool AppendEmptyLine() = 0;
};

enum class StreamMode {
  kRead,    // the file must exist and be readable
  kAppend,  // opened for appending; created empty when absent
};

class ProfileAccess {
 public:
  virtual ~ProfileAccess() = default;

  // The executable's directory, without a trailing backslash.
  virtual std::wstring Directory() const = 0;

  // Opens `path` as a byte stream; null when it cannot be opened that way.
  virtual std::unique_ptr<ProfileStream> Open(const std::wstring& path, StreamMode mode) const;

  // The value of `key` in `section`, or `fallback` when there is none; either is cut to
  // `capacity` - 1 characters, as a buffer of `capacity` characters holds it.
  virtual std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                                  const std::wstring& key, const std::wstring& fallback,
                                  size_t capacity) const = 0;

  // Sets `key` of `section` to `value`: an existing key keeps its place, a new key goes to the
  // end of its section, a new section to the end of the file. False when nothing was written.
  virtual bool WriteString(const std::wstring& path, const std::wstring& section,
                           const std::wstring& key, const std::wstring& value) const = 0;
};
