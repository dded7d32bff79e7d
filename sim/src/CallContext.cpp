#include "CallContext.h"

#include <algorithm>

#include "TextFormat.h"
#include "sim/Handles.h"

namespace sim {

void CallContext::DescribeGpu(NvPhysicalGpuHandle handle) {
  Describe("handle=" + Hex32(handle));
  size_t index = 0;
  if (GpuIndexFromHandle(handle, scenario_.gpus.size(), index)) {
    gpu_ = &scenario_.gpus[index];
    record_.gpuIndex = static_cast<int>(index);
  } else {
    gpu_ = nullptr;
    record_.gpuIndex = -1;
  }
}

void CallContext::Describe(const std::string& text) {
  if (!inputs_.empty()) inputs_ += ' ';
  inputs_ += text;
}

void CallContext::Result(const std::string& text) {
  if (!results_.empty()) results_ += ' ';
  results_ += text;
}

bool CallContext::AcceptsVersion(uint32_t versionWord,
                                 std::initializer_list<uint32_t> natural) const {
  if (behaviour_ != nullptr) return behaviour_->AcceptsVersion(versionWord, natural);
  return std::find(natural.begin(), natural.end(), versionWord) != natural.end();
}

void CallContext::Finish(NvStatus status) {
  record_.status = status;
  record_.args = inputs_;
  if (!results_.empty()) {
    if (!record_.args.empty()) record_.args += ' ';
    record_.args += "-> " + results_;
  }
}

}  // namespace sim
