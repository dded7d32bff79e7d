#include "sim/StandaloneDriver.h"

#include <cstdio>

#include "sim/DemoScenario.h"
#include "sim/ScenarioFile.h"

namespace sim {

StandaloneDriver::StandaloneDriver(const char* scenarioPath, const char* tracePath)
    : trace_(tracePath), simulator_(LoadScenario(scenarioPath, trace_)), active_(simulator_) {
  if (tracePath != nullptr && *tracePath != '\0' && !trace_.IsOpen()) {
    std::fprintf(stderr, "simulated nvapi: cannot open trace file '%s'\n", tracePath);
  }
  simulator_.SetTraceSink([this](const TraceEntry& entry) { trace_.Write(entry); });
}

Scenario StandaloneDriver::LoadScenario(const char* scenarioPath, TraceWriter& trace) {
  if (scenarioPath == nullptr || *scenarioPath == '\0') {
    trace.Note("scenario: demo board");
    return DemoScenario();
  }
  Scenario scenario;
  std::string error;
  switch (LoadScenarioFile(scenarioPath, scenario, error)) {
    case ScenarioFileStatus::kLoaded:
      trace.Note(std::string("scenario: ") + scenarioPath);
      return scenario;
    case ScenarioFileStatus::kUnreadable:
      trace.Note(error + "; using the demo board");
      std::fprintf(stderr, "simulated nvapi: %s; using the demo board\n", error.c_str());
      return DemoScenario();
    case ScenarioFileStatus::kRejected:
      break;
  }
  // Fail closed: a scenario the tester meant to run but wrote wrong must not look like a
  // working driver.
  trace.Note(error + "; Initialize will fail");
  std::fprintf(stderr, "simulated nvapi: %s; Initialize will fail\n", error.c_str());
  Scenario failed;
  failed.interfaces[kIdInitialize].forcedStatus = kNvError;
  return failed;
}

}  // namespace sim
