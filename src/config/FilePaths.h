// How the configuration code names files: Windows paths with backslashes throughout, turned
// into what the running system's file functions take.
#pragma once

#include <string>

// The configuration file's full path: directory, a backslash, the name.
std::wstring ConfigFilePath(const std::wstring& directory, const std::wstring& name);

// The form of `path` the system's file functions accept at any length: on Windows an absolute
// path of MAX_PATH characters or more gets the extended-length prefix, which lifts that limit.
std::wstring ExtendedLengthPath(const std::wstring& path);

// `path` as this system's C library opens it: UTF-8 with every backslash a slash on systems
// other than Windows.
std::string NativeFilePath(const std::wstring& path);
