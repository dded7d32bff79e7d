// Operations every window uses: the executable's directory and window translucency.
#pragma once

#include <windows.h>

#include <string>

// Directory of the module that owns `window` (the running executable), without a trailing
// backslash. Paths of any length are returned whole.
std::wstring GetExeDirectory(HWND window);

// Full file name of the module that owns `window` (the running executable), whole at any length.
std::wstring GetExePath(HWND window);

// Makes `window` a layered window of the given opacity in percent. Does nothing on systems
// without SetLayeredWindowAttributes.
void SetTransparency(int percent, HWND window);

// Makes `window` opaque again: drops the layered style.
void RemoveTransparency(HWND window);
