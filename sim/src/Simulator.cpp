#include "sim/Simulator.h"

#include <chrono>
#include <thread>
#include <utility>

#include "CallContext.h"
#include "EntryTable.h"

namespace sim {

Simulator::Simulator(Scenario scenario) : scenario_(std::move(scenario)) {}

void Simulator::ClearTrace() {
  std::lock_guard<std::mutex> lock(mutex_);
  trace_.clear();
}

size_t Simulator::CountCalls(uint32_t id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  size_t count = 0;
  for (const TraceEntry& entry : trace_) {
    if (entry.kind == TraceKind::kCall && entry.id == id) ++count;
  }
  return count;
}

size_t Simulator::CountResolutions(uint32_t id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  size_t count = 0;
  for (const TraceEntry& entry : trace_) {
    if (entry.kind == TraceKind::kResolve && entry.id == id) ++count;
  }
  return count;
}

void Simulator::SetTraceSink(TraceSink sink) {
  std::lock_guard<std::mutex> lock(mutex_);
  sink_ = std::move(sink);
}

void* Simulator::Resolve(uint32_t id) {
  std::lock_guard<std::mutex> lock(mutex_);
  TraceEntry record;
  record.kind = TraceKind::kResolve;
  record.id = id;
  record.function = "nvapi_QueryInterface";
  void* address = nullptr;
  const EntryInfo* entry = FindEntry(id);
  const InterfaceBehaviour* behaviour = scenario_.FindInterface(id);
  if (entry == nullptr) {
    record.args = "unknown";
  } else if (behaviour != nullptr && behaviour->missing) {
    record.args = std::string(entry->name) + " -> missing";
  } else {
    record.args = entry->name;
    address = entry->address;
  }
  record.status = address != nullptr ? kNvOk : kNvNoImplementation;
  Record(std::move(record));
  return address;
}

NvStatus Simulator::Invoke(uint32_t id, const CallDescriber& describe, const CallRunner& run) {
  uint32_t latencyMs = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (const InterfaceBehaviour* behaviour = scenario_.FindInterface(id)) {
      latencyMs = behaviour->latencyMs;
    }
  }
  // The wait happens outside the lock, as a slow driver call would not stop other threads.
  if (latencyMs != 0) std::this_thread::sleep_for(std::chrono::milliseconds(latencyMs));

  std::lock_guard<std::mutex> lock(mutex_);
  const EntryInfo* entry = FindEntry(id);
  const InterfaceBehaviour* behaviour = scenario_.FindInterface(id);
  TraceEntry record;
  record.kind = TraceKind::kCall;
  record.id = id;
  record.function = entry != nullptr ? entry->name : "unknown";

  CallContext context(scenario_, state_, record, behaviour);
  describe(context);
  NvStatus status = kNvOk;
  if (entry == nullptr) {
    status = kNvNoImplementation;
  } else if (entry->gate == EntryGate::kAfterInitialize && !state_.initialized) {
    status = kNvApiNotInitialized;
  } else if (behaviour != nullptr && behaviour->forcedStatus.has_value()) {
    status = *behaviour->forcedStatus;
    context.Result("forced");
  } else {
    status = run(context);
  }
  context.Finish(status);
  Record(std::move(record));
  return status;
}

void Simulator::Record(TraceEntry entry) {
  entry.sequence = nextSequence_++;
  trace_.push_back(std::move(entry));
  if (sink_) sink_(trace_.back());
}

}  // namespace sim
