// How the VBIOS panel's file dialogs are set up: one filter for ROM files, the initial name,
// the default extension.
#pragma once

#include <string>

struct RomFileDialogSpec {
  // Pairs of description and pattern, each ended by '|'.
  std::wstring filter = L"rom file(*.rom)|*.rom|";
  std::wstring initialName = L"*.rom";
  // Appended when the user types a name without one. "rom", not a wildcard: a wildcard here
  // would name the file "name.*".
  std::wstring defaultExtension = L"rom";
};

// The filter in the form the system dialogs take: each '|' a terminator, and a second
// terminator at the end (the result holds the embedded zeros; its c_str() ends the list).
std::wstring SystemDialogFilter(const std::wstring& pipeFilter);
