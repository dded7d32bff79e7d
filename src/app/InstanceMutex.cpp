#include "app/InstanceMutex.h"

InstanceMutex CreateInstanceMutex(win::KernelHandle& mutex, const wchar_t* name) {
  mutex.reset(::CreateMutexW(nullptr, FALSE, name));
  if (!mutex) return InstanceMutex::kFailed;
  return ::GetLastError() == ERROR_ALREADY_EXISTS ? InstanceMutex::kAlreadyExists
                                                  : InstanceMutex::kCreated;
}
