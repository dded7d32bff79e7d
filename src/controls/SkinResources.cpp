#include "controls/SkinResources.h"

win::Gdi<HBITMAP> LoadBitmapResource(int id) {
  return win::Gdi<HBITMAP>(static_cast<HBITMAP>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

bool ReadBitmapPixels(int id, std::vector<uint32_t>& pixels, int& width, int& height) {
  win::Gdi<HBITMAP> bitmap = LoadBitmapResource(id);
  BITMAP info{};
  if (!bitmap || ::GetObjectW(bitmap.get(), sizeof info, &info) == 0) return false;
  width = info.bmWidth;
  height = info.bmHeight;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;  // top row first
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  pixels.assign(size_t(width) * size_t(height), 0);
  win::WindowDC screen(nullptr);
  return ::GetDIBits(screen.get(), bitmap.get(), 0, UINT(height), pixels.data(), &request,
                     DIB_RGB_COLORS) == height;
}

win::Icon LoadIconFile(const std::wstring& path) {
  return win::Icon(
      static_cast<HICON>(::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
}
