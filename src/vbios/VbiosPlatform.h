// What the VBIOS save and flash need from the system: the program's folder, the 64-bit
// question, running the flashing tool, the file functions, and the file dialogs. Windows
// implements it in the program; tests record the steps.
#pragma once

#include <optional>
#include <string>
#include <vector>

class VbiosPlatform {
 public:
  virtual ~VbiosPlatform() = default;

  // The running executable's directory, without a trailing backslash.
  virtual std::wstring ExecutableDirectory() = 0;
  // True when the program, a 32-bit process, runs under 64-bit Windows.
  virtual bool IsWow64() = 0;
  // Runs `program` with `arguments` (the program name first) and waits for it to end. Its exit
  // status, or -1 when it could not be started.
  virtual int RunAndWait(const std::wstring& program,
                         const std::vector<std::wstring>& arguments) = 0;
  // True when `path` does not exist afterwards (also when it never did).
  virtual bool RemoveFile(const std::wstring& path) = 0;
  // Copy and move, replacing an existing `to`; false when the file is not there whole.
  virtual bool CopyFileTo(const std::wstring& from, const std::wstring& to) = 0;
  virtual bool MoveFileTo(const std::wstring& from, const std::wstring& to) = 0;
};

// The file dialogs of the VBIOS panel: the full path the user chose, or empty when the user
// cancelled.
class RomFileChooser {
 public:
  virtual ~RomFileChooser() = default;
  virtual std::optional<std::wstring> ChooseSaveFile() = 0;
  virtual std::optional<std::wstring> ChooseOpenFile() = 0;
};
