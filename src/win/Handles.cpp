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

MemoryDC::MemoryDC(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      dc_(::CreateCompatibleDC(target)),
      bitmap_(::CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)) {
  previous_ = ::SelectObject(dc_.get(), bitmap_.get());
  ::SetWindowOrgEx(dc_.get(), area.left, area.top, nullptr);
}

MemoryDC::~MemoryDC() {
  ::SetWindowOrgEx(dc_.get(), 0, 0, nullptr);
  ::BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           dc_.get(), 0, 0, SRCCOPY);
  ::SelectObject(dc_.get(), previous_);
}

}  // namespace win
