// Runs every message waiting in this thread's queue, so that what a click, a posted command or a
// timer started has happened when a test (or a measuring tool) looks.
#pragma once

#include <windows.h>

inline void PumpMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}
