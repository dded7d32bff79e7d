// The named mutex that tells a second start of the program from the first.
#pragma once

#include "app/SingleInstance.h"
#include "win/Handles.h"

inline constexpr wchar_t kInstanceMutexName[] = L"Pyrelix MainFrame mutex";

// Creates (or opens) the mutex into `mutex`, which the caller keeps until the process ends.
InstanceMutex CreateInstanceMutex(win::KernelHandle& mutex,
                                  const wchar_t* name = kInstanceMutexName);
