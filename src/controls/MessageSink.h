// Where the program's notices and questions go: the skinned message box in the program, a
// recorder in tests.
#pragma once

#include <string>

class MessageSink {
 public:
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;

  virtual ~MessageSink() = default;
  // Shows `text` and waits for the user; kOk when the user pressed OK, kCancel otherwise.
  virtual int ShowMessage(const std::wstring& text) = 0;
};
