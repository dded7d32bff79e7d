#include "controls/SkinResources.h"

#include "controls/DibPixels.h"

win::Gdi<HBITMAP> LoadBitmapResource(int id) {
  return win::Gdi<HBITMAP>(static_cast<HBITMAP>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

win::Gdi<HBITMAP> LoadSkinBitmap(int id) {
  return win::Gdi<HBITMAP>(static_cast<HBITMAP>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
}

bool ReadBitmapPixels(int id, std::vector<uint32_t>& pixels, int& width, int& height) {
  // Straight from the resource data, so the colours are exact on a display of any depth.
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2) /* bitmap */);
  if (found == nullptr) return false;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (data == nullptr) return false;
  DibImage image;
  if (!DecodeDib(static_cast<const uint8_t*>(data), ::SizeofResource(module, found), image)) {
    return false;
  }
  width = image.width;
  height = image.height;
  pixels = std::move(image.pixels);
  return true;
}

win::Icon LoadIconFile(const std::wstring& path) {
  return win::Icon(
      static_cast<HICON>(::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
}
