// A driver whose every reply comes from fuzz input: each call first takes a status (mostly
// success, sometimes one of the driver's failures, always a failure once the input has ended),
// then, when it succeeds, overwrites what the real driver writes — the bytes a versioned record's
// version word claims, the counts, the texts, the handles — with input bytes. The version word
// itself is left as the program set it, as the driver does.
//
// The driver's entries are plain functions, so the input they read is the one installed by the
// FakeDriver alive at the time; a harness makes one per input.
#pragma once

#include "FuzzInput.h"
#include "gpu/GpuTable.h"
#include "gpu/NvApi.h"

class FakeDriver {
 public:
  explicit FakeDriver(FuzzInput& input);
  ~FakeDriver();
  FakeDriver(const FakeDriver&) = delete;
  FakeDriver& operator=(const FakeDriver&) = delete;

  // Every entry the program uses, resolved from the fake; entries named by a set bit of the
  // first input word's low byte are left unresolved (they answer -3 through the seam).
  const NvApi& api() const { return api_; }

 private:
  NvApi api_;
};

// Gives `table` one to three GPUs with handles from the input and picks the current one, as
// the start-up enumeration would have left it.
void FillTable(FuzzInput& input, GpuTable& table);
