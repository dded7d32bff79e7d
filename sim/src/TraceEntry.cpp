#include "sim/TraceEntry.h"

#include "TextFormat.h"

namespace sim {
std::string FormatTraceLine(const TraceEntry& entry) {
  std::string line = Decimal(static_cast<int64_t>(entry.sequence));
  line += entry.kind == TraceKind::kResolve ? " resolve" : " call";
  line += " id=" + Hex32(entry.id);
  line += " fn=" + SingleLine(entry.function);
  line += " gpu=" + Decimal(entry.gpuIndex);
  line += " ver=" + Hex32(entry.version);
  line += " status=" + Decimal(entry.status);
  line += " args=" + SingleLine(entry.args);
  return line;
}

}  // namespace sim
