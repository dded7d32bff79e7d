#include "vbios/WindowsRomFileChooser.h"

#include <commdlg.h>

#include <vector>

#include "vbios/RomFileDialog.h"

std::optional<std::wstring> WindowsRomFileChooser::ChooseSaveFile() {
  return Choose(true);
}

std::optional<std::wstring> WindowsRomFileChooser::ChooseOpenFile() {
  return Choose(false);
}

std::optional<std::wstring> WindowsRomFileChooser::Choose(bool save) {
  const RomFileDialogSpec request;
  const std::wstring filter = SystemDialogFilter(request.filter);
  // Room for the longest path the system knows, so a chosen name is never cut.
  std::vector<wchar_t> name(32768, L'\0');
  request.initialName.copy(name.data(), name.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrDefExt = request.defaultExtension.c_str();
  // The work file is relative to the working directory: the dialog must not move it.
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (!save) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return std::wstring(name.data());
}
