// Loads a scenario from a file.
#pragma once

#include <string>

#include "sim/Scenario.h"

namespace sim {

enum class ScenarioFileStatus {
  kLoaded,
  kUnreadable,  // could not be opened or read; error says which file
  kRejected,    // read but not a valid scenario; error carries the parser's message
};

// On anything but kLoaded, out is untouched.
ScenarioFileStatus LoadScenarioFile(const std::string& path, Scenario& out, std::string& error);

}  // namespace sim
