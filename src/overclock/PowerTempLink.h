// The link between the power limit and the temperature target: piecewise linear through both
// defaults, so the default power gives the default temperature and each bound the other bound.
#pragma once

#include <cstdint>

#include "overclock/OcSettings.h"

// The temperature target for power limit `power`, from the settings' bounds and defaults.
int32_t PowerToTemp(const OcSettings& settings, int32_t power);
// The power limit for temperature target `temp`.
int32_t TempToPower(const OcSettings& settings, int32_t temp);
