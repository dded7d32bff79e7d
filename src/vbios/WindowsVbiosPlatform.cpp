#include "vbios/WindowsVbiosPlatform.h"

#include <cstring>

#include "settings/WindowServices.h"
#include "vbios/CommandLine.h"
#include "win/Handles.h"

std::wstring WindowsVbiosPlatform::ExecutableDirectory() {
  return GetExeDirectory(nullptr);
}

bool WindowsVbiosPlatform::IsWow64() {
  // Looked up at run time: systems without it are 32-bit.
  using IsWow64Fn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel32 = ::GetModuleHandleW(L"kernel32");
  if (kernel32 == nullptr) return false;
  FARPROC address = ::GetProcAddress(kernel32, "IsWow64Process");
  if (address == nullptr) return false;
  IsWow64Fn isWow64 = nullptr;
  static_assert(sizeof isWow64 == sizeof address, "pointer sizes");
  std::memcpy(&isWow64, &address, sizeof isWow64);
  BOOL wow64 = FALSE;
  return isWow64(::GetCurrentProcess(), &wow64) != FALSE && wow64 != FALSE;
}

int WindowsVbiosPlatform::RunAndWait(const std::wstring& program,
                                     const std::vector<std::wstring>& arguments) {
  // CreateProcess may write into the command line: a copy of our own, whole at any length.
  std::wstring line = CommandLineOf(arguments);
  std::vector<wchar_t> buffer(line.begin(), line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  // The tool is a console program and keeps its console: it may show progress or ask.
  if (!::CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
    return -1;
  }
  win::KernelHandle processHandle(process.hProcess);
  win::KernelHandle threadHandle(process.hThread);
  if (::WaitForSingleObject(processHandle.get(), INFINITE) != WAIT_OBJECT_0) return -1;
  DWORD status = 0;
  if (!::GetExitCodeProcess(processHandle.get(), &status)) return -1;
  return static_cast<int>(status);
}

bool WindowsVbiosPlatform::RemoveFile(const std::wstring& path) {
  if (::DeleteFileW(path.c_str())) return true;
  const DWORD error = ::GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool WindowsVbiosPlatform::CopyFileTo(const std::wstring& from, const std::wstring& to) {
  return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool WindowsVbiosPlatform::MoveFileTo(const std::wstring& from, const std::wstring& to) {
  // The user confirmed replacing an existing file in the save dialog; the target may lie on
  // another drive.
  return ::MoveFileExW(
             from.c_str(), to.c_str(),
             MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != FALSE;
}
