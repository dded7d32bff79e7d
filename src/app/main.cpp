#include <windows.h>

#include "app/CPyrelixApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CPyrelixApp app;
  return app.Run();
}
