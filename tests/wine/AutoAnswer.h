// Answers the dialogs a test opens: every few milliseconds it looks for a visible window of this
// thread that has a control with the next id in its list, and clicks that control.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class AutoAnswer {
 public:
  // `before` runs on a found window just before its control is clicked (to look at it).
  explicit AutoAnswer(std::vector<int> clicks, std::function<void(HWND)> before = {});
  ~AutoAnswer();
  size_t clicked() const { return next_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Step();

  std::vector<int> clicks_;
  std::function<void(HWND)> before_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};
