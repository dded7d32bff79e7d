// A chosen file's path as the Windows file functions take it whole, at any length.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The longest path the file functions take without the extended-length prefix (the
// 260-character limit, terminator excluded).
inline constexpr size_t kMaxPlainFilePath = 259;

// Up to kMaxPlainFilePath characters the path as it is. A longer full path gets the
// extended-length prefix: "\\?\" before a drive path, "\\?\UNC\" in place of a network path's
// leading "\\", forward slashes turned into backslashes (the prefix turns path parsing off); a
// path that has the prefix already stays as it is. A longer path that is relative, a device
// path, or holds "." or ".." components cannot be passed on safely: empty, and the caller
// refuses it. Never cut.
std::optional<std::wstring> FilePathForApi(const std::wstring& path);
