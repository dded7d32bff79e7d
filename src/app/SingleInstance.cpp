#include "app/SingleInstance.h"

bool ContinueStartup(InstanceMutex mutex, MessageSink& messages) {
  switch (mutex) {
    case InstanceMutex::kFailed:
      messages.ShowMessage(L"Initialize Mutex  failed!");
      return false;
    case InstanceMutex::kAlreadyExists:
      return messages.ShowMessage(
                 L"One of the program routine is already  running! Will you continue?") ==
             MessageSink::kOk;
    case InstanceMutex::kCreated:
      break;
  }
  return true;
}
