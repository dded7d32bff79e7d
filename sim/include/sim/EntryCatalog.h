// The interface IDs the simulated driver implements, with their names, in table order: what a
// test walks to fail or remove each driver interface in turn.
#pragma once

#include <cstdint>
#include <vector>

namespace sim {

struct EntryName {
  uint32_t id;
  const char* name;
};

std::vector<EntryName> ImplementedEntries();

}  // namespace sim
