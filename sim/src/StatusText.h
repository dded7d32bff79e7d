// The message the driver gives for a status code.
#pragma once

#include <string>

#include "gpu/NvApiTypes.h"

namespace sim {

// Short English text, never longer than 63 characters; unknown codes give "Unknown status N".
std::string StatusText(NvStatus status);

}  // namespace sim
