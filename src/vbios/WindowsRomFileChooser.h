// The VBIOS panel's file dialogs on Windows: the system's save and open dialogs for ROM files.
#pragma once

#include <windows.h>

#include "vbios/VbiosPlatform.h"

class WindowsRomFileChooser : public RomFileChooser {
 public:
  explicit WindowsRomFileChooser(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<std::wstring> ChooseSaveFile() override;
  std::optional<std::wstring> ChooseOpenFile() override;

 private:
  std::optional<std::wstring> Choose(bool save);
  HWND owner_;
};
