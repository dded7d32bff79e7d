// nvflash32.exe / nvflash64.exe test doubles: the simulated flashing tool as a console program.
#include <cstdlib>
#include <string>
#include <vector>

#include "SimulatedFlashTool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv, argv + argc);
  return simflash::Run(arguments, [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
  });
}
