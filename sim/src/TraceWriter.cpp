#include "sim/TraceWriter.h"

#include "TextFormat.h"

namespace sim {

TraceWriter::TraceWriter(const char* path) {
  // Binary mode, so lines end in LF on Windows too.
  if (path != nullptr && *path != '\0') file_.reset(std::fopen(path, "ab"));
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
