#include "app/CPyrelixApp.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "app/CPyrelixDlg.h"
#include "app/InstanceMutex.h"
#include "controls/CMsgDlg.h"
#include "gpu/NvApiLibrary.h"
#include "win/Handles.h"

int CPyrelixApp::Run() {
  INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
  ::InitCommonControlsEx(&controls);

  // Held until the process ends.
  win::KernelHandle mutex;
  MsgDlgSink messages;
  if (!ContinueStartup(CreateInstanceMutex(mutex), messages)) return 0;

  NvApiLibrary library;
  const NvApi driver(library.QueryInterface());
  // The main window keeps every member by value; it lives on the heap, not the stack.
  auto mainWindow = std::make_unique<CPyrelixDlg>(driver);
  mainWindow->DoModal(nullptr);
  return 0;
}
