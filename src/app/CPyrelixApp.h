// The application: common controls, the single-instance test, the driver library and the main
// window, run modally until it closes.
#pragma once

class CPyrelixApp {
 public:
  // Runs the program; returns the process exit code.
  int Run();
};
