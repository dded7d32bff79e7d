// Reads the scenario text format described in sim/README.md.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "sim/Scenario.h"

namespace sim {

// Bounds a scenario text must keep.
constexpr size_t kMaxScenarioBytes = 1024 * 1024;
constexpr size_t kMaxScenarioLineLength = 512;
constexpr size_t kMaxScenarioGpus = 64;
constexpr size_t kMaxScenarioInterfaces = 256;
constexpr size_t kMaxAcceptedVersions = 16;
constexpr size_t kMaxScenarioString = 63;  // what fits a 64-byte driver string with its NUL
constexpr uint32_t kMaxScenarioDisplays = kNvMaxDisplays;
constexpr uint32_t kMaxScenarioLatencyMs = 10000;

// Parses text into out. On failure returns false, leaves out untouched and sets error to
// "line N: what is wrong" (or a message without a line for a text over the size bound).
bool ParseScenario(const std::string& text, Scenario& out, std::string& error);

}  // namespace sim
