// The flashing tool as the VBIOS panel calls it: where it lies beside the program, its two
// argument lists, the work file it reads and writes, and the panel's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The tool's work file, relative: it lives in the program's working directory.
inline constexpr const wchar_t* kVbiosWorkFile = L"backup.rom";

// The notice after any failed step of a save or a flash.
inline constexpr const wchar_t* kVbiosFailMessage = L"Save BIOS Fail!";
// The question before a flash; only OK goes on.
inline constexpr const wchar_t* kVbiosFlashWarning =
    L"To Flash BIOS May Be Dangerous to Your Card,Will You Continue?";

// The longest tool path the process functions take (the 260-character limit, terminator
// excluded).
inline constexpr size_t kVbiosMaxToolPath = 259;

// `exeDirectory` + "\BIOS\nvflash64.exe" on 64-bit Windows (a 32-bit program under WOW64),
// "\BIOS\nvflash32.exe" otherwise, every backslash then turned into a forward slash. Empty
// when the path is longer than kVbiosMaxToolPath: it is refused, never cut.
std::optional<std::wstring> VbiosToolPath(const std::wstring& exeDirectory, bool wow64);

// The tool's argument lists, the program name first.
std::vector<std::wstring> VbiosSaveArguments();   // nvflash.exe --save backup.rom
std::vector<std::wstring> VbiosFlashArguments();  // nvflash.exe backup.rom -A -6
