// The panel's change detector: a setting whose value moved away from its last-seen copy counts
// as a change, and the copy follows the value.
#pragma once

#include "overclock/OcSettings.h"

// Compares the seven overclock settings, and the fan speed only in manual mode (in the other
// modes it follows the measured level). True when any of them changed.
bool TakeChanges(OcSettings& settings);
