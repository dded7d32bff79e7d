#include "sim/ScenarioFile.h"

#include <fstream>
#include <iterator>

#include "sim/ScenarioParser.h"

namespace sim {

ScenarioFileStatus LoadScenarioFile(const std::string& path, Scenario& out, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open scenario file '" + path + "'";
    return ScenarioFileStatus::kUnreadable;
  }
  // Read one byte past the bound so that an oversized file is rejected, not truncated.
  std::string text;
  text.reserve(4096);
  std::istreambuf_iterator<char> it(file), end;
  for (; it != end && text.size() <= kMaxScenarioBytes; ++it) text.push_back(*it);
  if (file.bad()) {
    error = "cannot read scenario file '" + path + "'";
    return ScenarioFileStatus::kUnreadable;
  }
  std::string parseError;
  if (!ParseScenario(text, out, parseError)) {
    error = "scenario file '" + path + "' rejected: " + parseError;
    return ScenarioFileStatus::kRejected;
  }
  return ScenarioFileStatus::kLoaded;
}

}  // namespace sim
