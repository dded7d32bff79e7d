// Writes trace lines to a file, one per line (LF-terminated), flushed as each is written.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "sim/TraceEntry.h"

namespace sim {

class TraceWriter {
 public:
  // Appends to path; a null or empty path, or one that cannot be opened, writes nothing.
  explicit TraceWriter(const char* path);

  bool IsOpen() const { return file_ != nullptr; }
  void Write(const TraceEntry& entry);
  // A line "# <text>" for things that are not calls (scenario problems).
  void Note(const std::string& text);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  void WriteLine(const std::string& line);

  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace sim
