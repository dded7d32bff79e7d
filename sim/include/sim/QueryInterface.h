// The driver's one lookup function, as the simulated driver provides it.
#pragma once

#include <cstdint>

#include "gpu/NvApiTypes.h"

namespace sim {

// Resolves id on the active simulator; nullptr when none is active, the ID is unknown or the
// scenario marks it missing. Matches nvfn::QueryInterface.
void* NVAPI_CALL QueryInterface(uint32_t id);

}  // namespace sim
