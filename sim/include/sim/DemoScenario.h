// The board the simulated driver shows when no scenario file is given.
#pragma once

#include "sim/Scenario.h"

namespace sim {

// One GeForce RTX 4090 (device 0x2684) driving one display.
Scenario DemoScenario();

}  // namespace sim
