// The simulated nvapi.dll: its one export, nvapi_QueryInterface. The driver it stands for is
// created on the first lookup, from PYRELIX_SIM_SCENARIO (scenario file) and PYRELIX_SIM_TRACE
// (trace file), and lives until the DLL is unloaded.
#include <cstdint>
#include <cstdlib>

#include "sim/QueryInterface.h"
#include "sim/StandaloneDriver.h"

extern "C" __declspec(dllexport) void* NVAPI_CALL nvapi_QueryInterface(uint32_t id) {
  // The export carries no context, so the driver it serves is this function's own.
  static sim::StandaloneDriver driver(std::getenv("PYRELIX_SIM_SCENARIO"),
                                      std::getenv("PYRELIX_SIM_TRACE"));
  return sim::QueryInterface(id);
}
