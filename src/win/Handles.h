// RAII owners for every GDI and USER handle the program creates. Dialog code never calls
// DeleteObject, DestroyIcon or CloseHandle itself. The owners count the handles they hold, so a
// test can show that a thousand paints and ticks leave the count where it was.
#pragma once

#include <windows.h>

#include <utility>

namespace win {

// Live handles held by owners of this process.
long LiveHandleCount();
namespace detail {
void CountHandle(int delta);
}

template <class H, class Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {
    if (handle_ != nullptr) detail::CountHandle(1);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~UniqueHandle() { reset(); }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(H handle = nullptr) {
    if (handle_ != nullptr) {
      Traits::Close(handle_);
      detail::CountHandle(-1);
    }
    handle_ = handle;
    if (handle_ != nullptr) detail::CountHandle(1);
  }
  // Gives the handle up to someone who now owns it (a window region after SetWindowRgn).
  H release() {
    if (handle_ != nullptr) detail::CountHandle(-1);
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

struct GdiObjectTraits {
  static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
struct IconTraits {
  static void Close(HICON h) { ::DestroyIcon(h); }
};
struct MenuTraits {
  static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct KernelTraits {
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct ModuleTraits {
  static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct DcTraits {
  static void Close(HDC h) { ::DeleteDC(h); }
};

// Owning names: Gdi<HBITMAP>, Gdi<HFONT>, Gdi<HBRUSH>, Gdi<HRGN>, Gdi<HPEN>.
template <class H>
using Gdi = UniqueHandle<H, GdiObjectTraits>;
using Icon = UniqueHandle<HICON, IconTraits>;
using Menu = UniqueHandle<HMENU, MenuTraits>;
using KernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using Module = UniqueHandle<HMODULE, ModuleTraits>;
using CompatibleDC = UniqueHandle<HDC, DcTraits>;

// Selects an object into a DC for a scope and puts the previous one back.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectObjectScope() { ::SelectObject(dc_, previous_); }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintDC() { ::EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC / ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An off-screen surface compatible with `target`, of the given rectangle, in the target's
// coordinates; everything drawn into it is copied to `target` in one transfer when it goes out of
// scope. A printer is drawn on directly. When the surface or its bitmap cannot be made, ok() is
// false and get() is null, so nothing is drawn.
class MemoryDC {
 public:
  MemoryDC(HDC target, const RECT& area);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return offScreen_ ? dc_.get() : direct_; }
  bool ok() const { return get() != nullptr; }
  bool offScreen() const { return offScreen_; }

 private:
  HDC target_;
  RECT area_;
  bool offScreen_ = false;
  HDC direct_ = nullptr;
  CompatibleDC dc_;
  Gdi<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace win
