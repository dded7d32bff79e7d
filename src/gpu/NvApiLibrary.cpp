#include "gpu/NvApiLibrary.h"

#include "gpu/NvApi.h"

NvApiLibrary::NvApiLibrary()
    : module_(::LoadLibraryExW(L"nvapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
  if (!module_) return;
  FARPROC address = ::GetProcAddress(module_.get(), "nvapi_QueryInterface");
  query_ = NvEntryCast<nvfn::QueryInterface>(reinterpret_cast<void*>(address));
}
