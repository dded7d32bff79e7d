#include "AutoAnswer.h"

#include <utility>

namespace {
AutoAnswer* g_current = nullptr;  // the thread timer callback has no context argument

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK FindWindowWithControl(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (::IsWindowVisible(window) && ::GetDlgItem(window, search->id) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

AutoAnswer::AutoAnswer(std::vector<int> clicks, std::function<void(HWND)> before, int delayTicks)
    : clicks_(std::move(clicks)), before_(std::move(before)), delayTicks_(delayTicks) {
  g_current = this;
  timer_ = ::SetTimer(nullptr, 0, 30, &AutoAnswer::Tick);
}

AutoAnswer::~AutoAnswer() {
  ::KillTimer(nullptr, timer_);
  g_current = nullptr;
}

void CALLBACK AutoAnswer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_current != nullptr) g_current->Step();
}

void AutoAnswer::Step() {
  if (next_ >= clicks_.size()) return;
  if (pending_ == nullptr) {
    Search search{clicks_[next_], nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindWindowWithControl,
                        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    pending_ = search.found;
    ticksLeft_ = delayTicks_;
    if (before_) before_(pending_);
  }
  if (ticksLeft_-- > 0) return;
  HWND window = std::exchange(pending_, nullptr);
  const int id = clicks_[next_++];
  if (!::IsWindow(window)) return;
  ++clicked_;
  ::SendMessageW(::GetDlgItem(window, id), BM_CLICK, 0, 0);
}
