// Our own private-profile implementation, for systems without the Windows functions. It gives
// the results those functions give (see ProfileText), re-reading the file on every call.
#pragma once

#include <string>

#include "config/ProfileAccess.h"

class PortableProfileAccess : public ProfileAccess {
 public:
  // Files bigger than this are not configuration files: reads give the fallback, writes refuse.
  static constexpr size_t kMaxFileBytes = 4 * 1024 * 1024;

  explicit PortableProfileAccess(std::wstring directory) : directory_(std::move(directory)) {}

  std::wstring Directory() const override { return directory_; }
  std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fallback,
                          size_t capacity) const override;
  bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) const override;

 private:
  std::wstring directory_;
};
