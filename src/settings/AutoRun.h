// The autostart value under the machine's Run key, through the registry.
#pragma once

#include <string>

#include "settings/AutoRunValue.h"

// Opens the Run key for reading: kAutoRunKeyMissing when it cannot be opened,
// kAutoRunValueMissing when the value cannot be read as a text, kAutoRunRegistered when it
// exists. The value is read whole, however long the path it holds; `path` receives it.
int IsAutoRunRegistered(std::wstring* path = nullptr);

// Creates or opens the Run key and sets the value to the running executable's full path.
// Returns the registry result, 0 on success.
long RegisterAutoRun();

// Creates or opens the Run key and deletes the value. Returns the registry result.
long UnregisterAutoRun();

class SystemAutoRun : public AutoRunRegistry {
 public:
  long Register() override { return RegisterAutoRun(); }
  long Unregister() override { return UnregisterAutoRun(); }
  int Probe(std::wstring* path) override { return IsAutoRunRegistered(path); }
};
