// The private-profile seam on Windows: the system's GetPrivateProfileStringW and
// WritePrivateProfileStringW, with the files beside the executable.
#pragma once

#include <string>

#include "config/ProfileAccess.h"

class WindowsProfileAccess : public ProfileAccess {
 public:
  // Files beside the running executable.
  WindowsProfileAccess() = default;
  // Files in `directory` (tests).
  explicit WindowsProfileAccess(std::wstring directory)
      : directory_(std::move(directory)), fixed_(true) {}

  std::wstring Directory() const override;
  std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fallback,
                          size_t capacity) const override;
  bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) const override;

 private:
  std::wstring directory_;
  bool fixed_ = false;
};
