#include "overclock/OcBoard.h"

int OcBoard::AddressableGpus() const {
  return table.gpuCount < kNvMaxPhysicalGpus ? static_cast<int>(table.gpuCount)
                                             : static_cast<int>(kNvMaxPhysicalGpus);
}
