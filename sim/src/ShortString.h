// Copying text into the driver's fixed 64-byte string buffers.
#pragma once

#include <string>

namespace sim {

// Writes at most 63 characters of text and NUL-fills the rest of the 64-byte buffer.
void CopyShortString(const std::string& text, char* buffer);

}  // namespace sim
