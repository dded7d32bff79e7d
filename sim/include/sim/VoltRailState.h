// Voltage boosts written by the program, by model GPU index; a GPU not listed keeps its model's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>

namespace sim {

struct VoltRailState {
  std::map<size_t, uint8_t> boostPercent;
};

}  // namespace sim
