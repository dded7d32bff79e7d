#include "sim/TraceWriter.h"

#include "TextFormat.h"

namespace sim {

TraceWriter::TraceWriter(const char* path) {
  if (path != nullptr && *path != '\0') file_.reset(std::fopen(path, "a"));
}

void TraceWriter::Write(const TraceEntry& entry) {
  WriteLine(FormatTraceLine(entry));
}

void TraceWriter::Note(const std::string& text) {
  WriteLine("# " + SingleLine(text));
}

void TraceWriter::WriteLine(const std::string& line) {
  if (!file_) return;
  std::fputs(line.c_str(), file_.get());
  std::fputc('\n', file_.get());
  std::fflush(file_.get());
}

}  // namespace sim
