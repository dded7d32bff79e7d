#include "win/Handles.h"

#include <atomic>

namespace win {
namespace {
std::atomic<long>& Live() {
  static std::atomic<long> live{0};
  return live;
}
}  // namespace

long LiveHandleCount() {
  return Live().load();
}

namespace detail {
void CountHandle(int delta) {
  Live() += delta;
}
}  // namespace detail

MemoryDC::MemoryDC(HDC target, const RECT& area) : target_(target), area_(area) {
  if (target == nullptr) return;
  if (::GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) {
    direct_ = target;
    return;
  }
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  dc_.reset(::CreateCompatibleDC(target));
  if (!dc_) return;
  bitmap_.reset(::CreateCompatibleBitmap(target, width, height));
  if (!bitmap_) return;
  previous_ = ::SelectObject(dc_.get(), bitmap_.get());
  ::SetWindowOrgEx(dc_.get(), area.left, area.top, nullptr);
  offScreen_ = true;
}

MemoryDC::~MemoryDC() {
  if (!offScreen_) return;
  ::SetWindowOrgEx(dc_.get(), 0, 0, nullptr);
  ::BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           dc_.get(), 0, 0, SRCCOPY);
  ::SelectObject(dc_.get(), previous_);
}

}  // namespace win
