// The machine-wide autostart value: where it lives, what it holds, and the registry seam the
// start-up and the settings panel use to write, probe and delete it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kAutoRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kAutoRunValueName[] = L"OmbrixStartUpAutoRun";

// What the autostart probe found.
enum AutoRunProbe {
  kAutoRunRegistered = 0,    // the value exists
  kAutoRunKeyMissing = 1,    // the Run key cannot be opened for reading
  kAutoRunValueMissing = 2,  // the value cannot be read (or is not a usable text)
};

// REG_SZ data for the executable's full path: UTF-16LE without quotes or arguments, with its
// terminator.
std::vector<uint8_t> AutoRunValueData(const std::wstring& exePath);

// The path held by REG_SZ or REG_EXPAND_SZ data read back: terminators at its end dropped; null
// for an odd byte count or a text with a character zero inside.
std::optional<std::wstring> PathFromValueData(const std::vector<uint8_t>& data);

class AutoRunRegistry {
 public:
  virtual ~AutoRunRegistry() = default;
  // Sets the value to the running executable's path; the registry result, 0 on success.
  virtual long Register() = 0;
  // Deletes the value; the registry result.
  virtual long Unregister() = 0;
  // One of AutoRunProbe; `path` receives the value's text when it exists.
  virtual int Probe(std::wstring* path) = 0;
};
