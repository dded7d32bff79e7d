#include "ShortString.h"

#include <algorithm>
#include <cstring>

#include "gpu/NvApiTypes.h"

namespace sim {

void CopyShortString(const std::string& text, char* buffer) {
  const size_t length = std::min<size_t>(text.size(), kNvShortStringSize - 1);
  std::memcpy(buffer, text.data(), length);
  std::memset(buffer + length, 0, kNvShortStringSize - length);
}

}  // namespace sim
