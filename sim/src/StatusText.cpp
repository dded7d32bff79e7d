#include "StatusText.h"

#include "TextFormat.h"

namespace sim {

std::string StatusText(NvStatus status) {
  switch (status) {
    case kNvOk:
      return "Success";
    case kNvError:
      return "Generic error";
    case kNvLibraryNotFound:
      return "Driver library not found";
    case kNvNoImplementation:
      return "Function not implemented";
    case kNvApiNotInitialized:
      return "Interface not initialized";
    case kNvInvalidArgument:
      return "Invalid argument";
    case kNvNvidiaDeviceNotFound:
      return "No NVIDIA device found";
    case kNvEndEnumeration:
      return "End of enumeration";
    case kNvInvalidHandle:
      return "Invalid handle";
    case kNvIncompatibleStructVersion:
      return "Incompatible structure version";
    case kNvExpectedPhysicalGpuHandle:
      return "Expected a physical GPU handle";
    case kNvExpectedDisplayHandle:
      return "Expected a display handle";
  }
  return "Unknown status " + Decimal(status);
}

}  // namespace sim
