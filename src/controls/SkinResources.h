// Loading the skin: embedded pictures by resource id, icon files from the Resources folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/Handles.h"

// A picture as a section the program can read pixels from (uncompressed pictures only).
win::Gdi<HBITMAP> LoadBitmapResource(int id);
// A picture for drawing only, compressed or not (the dial frames are run-length encoded).
win::Gdi<HBITMAP> LoadSkinBitmap(int id);

// The exact pixels of bitmap resource `id` (compressed or not) as 0x00RRGGBB, top row first.
bool ReadBitmapPixels(int id, std::vector<uint32_t>& pixels, int& width, int& height);

// An icon file loaded at its own size (null when the file is missing or not an icon).
win::Icon LoadIconFile(const std::wstring& path);
