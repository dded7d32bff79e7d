#include "sim/ScenarioParser.h"

#include <set>
#include <string_view>
#include <utility>

#include "EntryTable.h"
#include "LightingKeys.h"
#include "PerformanceKeys.h"
#include "ScenarioValues.h"
#include "TextFormat.h"

namespace sim {
namespace {

// kGpuArea: a [gpu.<area>] section, which belongs to the [gpu] above it.
enum class Section { kNone, kDriver, kGpu, kInterface, kGpuArea };

// Reads a scenario line by line into its own Scenario; the caller takes it only when the whole
// text was accepted.
class ScenarioReader {
 public:
  bool ReadLine(size_t number, std::string_view line);
  bool Finish();

  Scenario& scenario() { return scenario_; }
  const std::string& error() const { return error_; }

 private:
  bool Fail(size_t line, const std::string& message);
  bool EndSection();
  bool StartSection(std::string_view header);
  bool StartInterface(std::string_view target);
  bool SetKey(std::string_view key, std::string_view value);
  bool SetDriverKey(std::string_view key, std::string_view value);
  bool SetGpuKey(std::string_view key, std::string_view value);
  bool SetInterfaceKey(std::string_view key, std::string_view value);
  bool StartGpuArea(std::string_view area);
  bool SetGpuAreaKey(std::string_view key, std::string_view value);
  // Voltage boost, displays and board information.
  bool SetVoltRailsKey(std::string_view key, std::string_view value);
  bool SetDisplayKey(std::string_view key, std::string_view value);
  bool SetBoardKey(std::string_view key, std::string_view value);
  bool Word(std::string_view key, std::string_view value, uint16_t& out);
  bool Dword(std::string_view key, std::string_view value, uint32_t& out);

  bool Number(std::string_view key, std::string_view value, uint64_t max, uint64_t& out);
  bool Text(std::string_view key, std::string_view value, std::string& out);
  bool Flag(std::string_view key, std::string_view value, bool& out);
  bool UnknownKey(std::string_view key);

  Scenario scenario_;
  std::string error_;
  size_t line_ = 0;
  Section section_ = Section::kNone;
  std::string sectionName_;
  size_t sectionLine_ = 0;
  std::set<std::string> keysSeen_;
  bool driverSeen_ = false;
  InterfaceBehaviour* interface_ = nullptr;
  std::string area_;                 // the area of a [gpu.<area>] section
  std::set<std::string> areasSeen_;  // areas given for the current [gpu]
};

bool ScenarioReader::Fail(size_t line, const std::string& message) {
  error_ = "line " + Decimal(static_cast<int64_t>(line)) + ": " + message;
  return false;
}

bool ScenarioReader::ReadLine(size_t number, std::string_view line) {
  line_ = number;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kMaxScenarioLineLength) {
    return Fail(line_, "line is longer than " +
                           Decimal(static_cast<int64_t>(kMaxScenarioLineLength)) + " characters");
  }
  line = TrimBlanks(line);
  if (line.empty() || line[0] == '#' || line[0] == ';') return true;
  if (line[0] == '[') {
    if (line.back() != ']') return Fail(line_, "section header without a closing ']'");
    return StartSection(TrimBlanks(line.substr(1, line.size() - 2)));
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return Fail(line_, "expected a [section] or 'key = value'");
  }
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.empty()) return Fail(line_, "'= value' without a key");
  if (section_ == Section::kNone) {
    return Fail(line_, "'" + std::string(key) + "' comes before any section");
  }
  if (!keysSeen_.insert(std::string(key)).second) {
    return Fail(line_, "'" + std::string(key) + "' given twice in [" + sectionName_ + "]");
  }
  return SetKey(key, TrimBlanks(line.substr(equals + 1)));
}

bool ScenarioReader::Finish() {
  return EndSection();
}

bool ScenarioReader::EndSection() {
  if (section_ == Section::kGpu && keysSeen_.count("device") == 0) {
    return Fail(sectionLine_, "[gpu] has no 'device'");
  }
  return true;
}

bool ScenarioReader::StartSection(std::string_view header) {
  if (!EndSection()) return false;
  keysSeen_.clear();
  interface_ = nullptr;
  sectionLine_ = line_;
  sectionName_ = std::string(header);
  if (header == "driver") {
    if (driverSeen_) return Fail(line_, "[driver] given twice");
    driverSeen_ = true;
    section_ = Section::kDriver;
    return true;
  }
  if (header == "gpu") {
    if (scenario_.gpus.size() == kMaxScenarioGpus) {
      return Fail(line_, "more than " + Decimal(static_cast<int64_t>(kMaxScenarioGpus)) +
                             " [gpu] sections");
    }
    scenario_.gpus.emplace_back();
    section_ = Section::kGpu;
    areasSeen_.clear();
    return true;
  }
  const std::string_view gpuArea = "gpu.";
  if (header.substr(0, gpuArea.size()) == gpuArea) {
    return StartGpuArea(header.substr(gpuArea.size()));
  }
  const std::string_view keyword = "interface";
  if (header.substr(0, keyword.size()) == keyword &&
      (header.size() == keyword.size() || header[keyword.size()] == ' ' ||
       header[keyword.size()] == '\t')) {
    return StartInterface(TrimBlanks(header.substr(keyword.size())));
  }
  return Fail(line_, "unknown section [" + std::string(header) + "]");
}

bool ScenarioReader::StartInterface(std::string_view target) {
  if (target.empty()) return Fail(line_, "[interface] needs an interface ID or entry name");
  uint32_t id = 0;
  uint64_t number = 0;
  if (ParseUnsignedValue(target, UINT32_MAX, number)) {
    id = static_cast<uint32_t>(number);
  } else if (const EntryInfo* entry = FindEntryByName(std::string(target))) {
    id = entry->id;
  } else {
    return Fail(line_, "[interface] names unknown entry '" + std::string(target) + "'");
  }
  if (scenario_.interfaces.count(id) != 0) {
    return Fail(line_, "[interface " + Hex32(id) + "] given twice");
  }
  if (scenario_.interfaces.size() == kMaxScenarioInterfaces) {
    return Fail(line_, "more than " + Decimal(static_cast<int64_t>(kMaxScenarioInterfaces)) +
                           " [interface] sections");
  }
  interface_ = &scenario_.interfaces[id];
  section_ = Section::kInterface;
  return true;
}

bool ScenarioReader::SetKey(std::string_view key, std::string_view value) {
  switch (section_) {
    case Section::kDriver:
      return SetDriverKey(key, value);
    case Section::kGpu:
      return SetGpuKey(key, value);
    case Section::kInterface:
      return SetInterfaceKey(key, value);
    case Section::kGpuArea:
      return SetGpuAreaKey(key, value);
    case Section::kNone:
      break;
  }
  return UnknownKey(key);
}

bool ScenarioReader::SetDriverKey(std::string_view key, std::string_view value) {
  uint64_t number = 0;
  if (key == "displays") {
    if (!Number(key, value, kMaxScenarioDisplays, number)) return false;
    scenario_.displayCount = static_cast<uint32_t>(number);
    return true;
  }
  if (key == "driver_version") return Dword(key, value, scenario_.driverVersion.version);
  if (key == "driver_branch") return Text(key, value, scenario_.driverVersion.branch);
  return UnknownKey(key);
}

bool ScenarioReader::SetGpuKey(std::string_view key, std::string_view value) {
  GpuModel& gpu = scenario_.gpus.back();
  uint64_t number = 0;
  if (key == "name") return Text(key, value, gpu.name);
  if (key == "vbios") return Text(key, value, gpu.vbiosVersion);
  if (key == "tcc") return Flag(key, value, gpu.tcc);
  if (key == "revision") {
    if (!Number(key, value, UINT32_MAX, number)) return false;
    gpu.revision = static_cast<uint32_t>(number);
    return true;
  }
  uint16_t* word = nullptr;
  if (key == "vendor") word = &gpu.vendorId;
  if (key == "device") word = &gpu.deviceId;
  if (key == "subsystem_vendor") word = &gpu.subsystemVendorId;
  if (key == "subsystem") word = &gpu.subsystemId;
  if (word == nullptr) return UnknownKey(key);
  if (!Number(key, value, UINT16_MAX, number)) return false;
  *word = static_cast<uint16_t>(number);
  return true;
}

bool ScenarioReader::SetInterfaceKey(std::string_view key, std::string_view value) {
  uint64_t number = 0;
  if (key == "fail") {
    int32_t status = 0;
    if (!ParseStatusValue(value, status)) {
      return Fail(line_, "'fail' needs a status code (a signed 32-bit number)");
    }
    interface_->forcedStatus = status;
    return true;
  }
  if (key == "missing") return Flag(key, value, interface_->missing);
  if (key == "versions") {
    if (!ParseNumberList(value, kMaxAcceptedVersions, interface_->acceptedVersions)) {
      return Fail(line_, "'versions' needs 1 to " +
                             Decimal(static_cast<int64_t>(kMaxAcceptedVersions)) +
                             " 32-bit numbers separated by commas");
    }
    return true;
  }
  if (key == "latency_ms") {
    if (!Number(key, value, kMaxScenarioLatencyMs, number)) return false;
    interface_->latencyMs = static_cast<uint32_t>(number);
    return true;
  }
  if (key == "count") {
    if (!Number(key, value, UINT32_MAX, number)) return false;
    interface_->reportedCount = static_cast<uint32_t>(number);
    return true;
  }
  return UnknownKey(key);
}

bool ScenarioReader::StartGpuArea(std::string_view area) {
  if (scenario_.gpus.empty()) {
    return Fail(line_, "[gpu." + std::string(area) + "] comes before any [gpu]");
  }
  // Areas a board has once; [gpu.display] adds one more connected display each time.
  static const std::set<std::string> kOnceAreas = {"board", "volt_rails"};
  static const std::set<std::string> kRepeatedAreas = {"display"};
  const std::string name(area);
  // Sensors, fans, clocks and limits: their sections are read by PerformanceKeys.
  if (IsPerformanceArea(name)) {
    if (!IsRepeatedPerformanceArea(name) && !areasSeen_.insert(name).second) {
      return Fail(line_, "[gpu." + name + "] given twice for one [gpu]");
    }
    std::string message;
    if (!StartPerformanceArea(name, scenario_.gpus.back(), message)) return Fail(line_, message);
    area_ = name;
    section_ = Section::kGpuArea;
    return true;
  }
  // Lighting and the power reading: their sections are read by LightingKeys.
  if (IsLightingArea(name)) {
    if (!IsRepeatedLightingArea(name) && !areasSeen_.insert(name).second) {
      return Fail(line_, "[gpu." + name + "] given twice for one [gpu]");
    }
    std::string message;
    if (!StartLightingArea(name, scenario_.gpus.back(), message)) return Fail(line_, message);
    area_ = name;
    section_ = Section::kGpuArea;
    return true;
  }
  if (kOnceAreas.count(name) == 0 && kRepeatedAreas.count(name) == 0) {
    return Fail(line_, "unknown section [gpu." + name + "]");
  }
  if (kOnceAreas.count(name) != 0 && !areasSeen_.insert(name).second) {
    return Fail(line_, "[gpu." + name + "] given twice for one [gpu]");
  }
  GpuModel& gpu = scenario_.gpus.back();
  if (name == "display") {
    if (gpu.displays.size() == kMaxScenarioDisplays) {
      return Fail(line_, "more than " + Decimal(static_cast<int64_t>(kMaxScenarioDisplays)) +
                             " [gpu.display] sections for one [gpu]");
    }
    ConnectedDisplay display;
    display.displayId = DefaultDisplayId(static_cast<uint32_t>(scenario_.gpus.size() - 1),
                                         static_cast<uint32_t>(gpu.displays.size()));
    gpu.displays.push_back(display);
  }
  area_ = name;
  section_ = Section::kGpuArea;
  return true;
}

bool ScenarioReader::SetGpuAreaKey(std::string_view key, std::string_view value) {
  if (IsPerformanceArea(area_)) {
    std::string message;
    switch (SetPerformanceAreaKey(area_, scenario_.gpus.back(), key, value, message)) {
      case AreaKeyResult::kSet:
        return true;
      case AreaKeyResult::kBadValue:
        return Fail(line_, message);
      case AreaKeyResult::kUnknownKey:
        break;
    }
    return UnknownKey(key);
  }
  if (IsLightingArea(area_)) {
    std::string message;
    switch (SetLightingAreaKey(area_, scenario_.gpus.back(), key, value, message)) {
      case AreaKeyResult::kSet:
        return true;
      case AreaKeyResult::kBadValue:
        return Fail(line_, message);
      case AreaKeyResult::kUnknownKey:
        break;
    }
    return UnknownKey(key);
  }
  if (area_ == "volt_rails") return SetVoltRailsKey(key, value);
  if (area_ == "display") return SetDisplayKey(key, value);
  if (area_ == "board") return SetBoardKey(key, value);
  return UnknownKey(key);
}

bool ScenarioReader::SetVoltRailsKey(std::string_view key, std::string_view value) {
  uint64_t number = 0;
  if (key == "boost") {
    if (!Number(key, value, 100, number)) return false;
    scenario_.gpus.back().voltRails.boostPercent = static_cast<uint8_t>(number);
    return true;
  }
  return UnknownKey(key);
}

bool ScenarioReader::SetDisplayKey(std::string_view key, std::string_view value) {
  ConnectedDisplay& display = scenario_.gpus.back().displays.back();
  DisplayTimingModel& timing = display.timing;
  if (key == "id") return Dword(key, value, display.displayId);
  if (key == "connector") return Dword(key, value, display.connectorType);
  if (key == "width") return Word(key, value, timing.hVisible);
  if (key == "height") return Word(key, value, timing.vVisible);
  if (key == "h_total") return Word(key, value, timing.hTotal);
  if (key == "v_total") return Word(key, value, timing.vTotal);
  if (key == "pclk") return Dword(key, value, timing.pixelClock10kHz);
  if (key == "reported_targets" || key == "filled_targets") {
    uint32_t targets = 0;
    if (!Dword(key, value, targets)) return false;
    (key == "reported_targets" ? display.reportedTargets : display.filledTargets) = targets;
    return true;
  }
  return UnknownKey(key);
}

bool ScenarioReader::SetBoardKey(std::string_view key, std::string_view value) {
  BoardInfoModel& board = scenario_.gpus.back().board;
  if (key == "memory_kb") return Dword(key, value, board.memoryKb);
  if (key == "memory_type") return Dword(key, value, board.memoryType);
  if (key == "memory_maker") return Dword(key, value, board.memoryMaker);
  if (key == "bus_width") return Dword(key, value, board.busWidthBits);
  if (key == "fb_location") return Dword(key, value, board.frameBufferLocation);
  if (key == "cores") return Dword(key, value, board.coreCount);
  return UnknownKey(key);
}

bool ScenarioReader::Word(std::string_view key, std::string_view value, uint16_t& out) {
  uint64_t number = 0;
  if (!Number(key, value, UINT16_MAX, number)) return false;
  out = static_cast<uint16_t>(number);
  return true;
}

bool ScenarioReader::Dword(std::string_view key, std::string_view value, uint32_t& out) {
  uint64_t number = 0;
  if (!Number(key, value, UINT32_MAX, number)) return false;
  out = static_cast<uint32_t>(number);
  return true;
}

bool ScenarioReader::Number(std::string_view key, std::string_view value, uint64_t max,
                            uint64_t& out) {
  if (ParseUnsignedValue(value, max, out)) return true;
  return Fail(line_, "'" + std::string(key) + "' needs a number from 0 to " +
                         Decimal(static_cast<int64_t>(max)));
}

bool ScenarioReader::Text(std::string_view key, std::string_view value, std::string& out) {
  if (value.size() > kMaxScenarioString) {
    return Fail(line_, "'" + std::string(key) + "' is longer than " +
                           Decimal(static_cast<int64_t>(kMaxScenarioString)) + " characters");
  }
  if (HasControlCharacter(value)) {
    return Fail(line_, "'" + std::string(key) + "' contains a control character");
  }
  out = std::string(value);
  return true;
}

bool ScenarioReader::Flag(std::string_view key, std::string_view value, bool& out) {
  if (ParseBoolValue(value, out)) return true;
  return Fail(line_, "'" + std::string(key) + "' needs true or false");
}

bool ScenarioReader::UnknownKey(std::string_view key) {
  return Fail(line_, "unknown key '" + std::string(key) + "' in [" + sectionName_ + "]");
}

}  // namespace

bool ParseScenario(const std::string& text, Scenario& out, std::string& error) {
  if (text.size() > kMaxScenarioBytes) {
    error =
        "scenario is larger than " + Decimal(static_cast<int64_t>(kMaxScenarioBytes)) + " bytes";
    return false;
  }
  std::string_view rest(text);
  const std::string_view byteOrderMark = "\xEF\xBB\xBF";
  if (rest.substr(0, byteOrderMark.size()) == byteOrderMark) {
    rest.remove_prefix(byteOrderMark.size());
  }
  ScenarioReader reader;
  size_t number = 1;
  while (true) {
    const size_t newline = rest.find('\n');
    if (!reader.ReadLine(number, rest.substr(0, newline))) {
      error = reader.error();
      return false;
    }
    if (newline == std::string_view::npos) break;
    rest.remove_prefix(newline + 1);
    ++number;
  }
  if (!reader.Finish()) {
    error = reader.error();
    return false;
  }
  out = std::move(reader.scenario());
  return true;
}

}  // namespace sim
