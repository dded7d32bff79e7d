#include "EntryTable.h"

#include <cstring>

#include "sim/EntryCatalog.h"

namespace sim {
namespace {

std::vector<EntryInfo> BuildTable() {
  std::vector<EntryInfo> table;
  AddGeneralEntries(table);
  AddEnumerationEntries(table);
  AddGpuIdentityEntries(table);
  AddSensorEntries(table);
  AddClockOffsetEntries(table);
  AddPolicyEntries(table);
  AddCoolerEntries(table);
  AddVoltRailsEntries(table);
  AddDisplayEntries(table);
  AddDriverSettingsEntries(table);
  AddBoardInfoEntries(table);
  AddLightingEntries(table);
  return table;
}

const std::vector<EntryInfo>& Table() {
  static const std::vector<EntryInfo> table = BuildTable();
  return table;
}

}  // namespace

const EntryInfo* FindEntry(uint32_t id) {
  for (const EntryInfo& entry : Table()) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

const EntryInfo* FindEntryByName(const std::string& name) {
  for (const EntryInfo& entry : Table()) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

std::vector<EntryName> ImplementedEntries() {
  std::vector<EntryName> names;
  for (const EntryInfo& entry : Table()) names.push_back(EntryName{entry.id, entry.name});
  return names;
}

}  // namespace sim
