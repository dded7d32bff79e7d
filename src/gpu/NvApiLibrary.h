// The driver's library, loaded only from the system directory: the program runs elevated, so a
// "nvapi.dll" planted beside the executable or in the working directory is never taken.
#pragma once

#include "gpu/NvApiTypes.h"
#include "win/Handles.h"

class NvApiLibrary {
 public:
  NvApiLibrary();
  // The library's QueryInterface, or null when there is no driver library.
  nvfn::QueryInterface* QueryInterface() const { return query_; }

 private:
  win::Module module_;
  nvfn::QueryInterface* query_ = nullptr;
};
