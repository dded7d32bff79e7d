// Answers the dialogs a test opens: every few milliseconds it looks for a visible window of this
// thread that has a control with the next id in its list, and clicks that control.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class AutoAnswer {
 public:
  // `before` runs on a found window (to look at it, or to post it input); its control is clicked
  // `delayTicks` ticks later, so that what `before` posted is dispatched first.
  explicit AutoAnswer(std::vector<int> clicks, std::function<void(HWND)> before = {},
                      int delayTicks = 0);
  ~AutoAnswer();
  // Clicks made on a window that was still open.
  size_t clicked() const { return clicked_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Step();

  std::vector<int> clicks_;
  std::function<void(HWND)> before_;
  int delayTicks_;
  HWND pending_ = nullptr;
  int ticksLeft_ = 0;
  size_t next_ = 0;
  size_t clicked_ = 0;
  UINT_PTR timer_ = 0;
};
