#include "gpu/FrameRateLimit.h"

#include <memory>

#include "gpu/structs/DriverSettingsStructs.h"

namespace {

constexpr uint32_t kLimiterBaseFirst = 0xB0C02000;  // selector 0
constexpr uint32_t kLimiterBaseOther = 0xF0000000;

// Owns a DRS session for one sequence of calls and destroys it however the sequence ends, so a
// failed write never leaves a session open in the driver.
class DrsSession {
 public:
  explicit DrsSession(const NvApi& driver) : driver_(driver) {
    open_ = driver_.DrsCreateSession(&handle_) == kNvOk;
  }
  DrsSession(const DrsSession&) = delete;
  DrsSession& operator=(const DrsSession&) = delete;
  ~DrsSession() { Close(); }

  // Destroys the session now; the driver's answer, or kNvOk when it was not open.
  NvStatus Close() {
    if (!open_) return kNvOk;
    open_ = false;
    return driver_.DrsDestroySession(handle_);
  }

  bool open() const { return open_; }
  NvDrsSessionHandle handle() const { return handle_; }

 private:
  const NvApi& driver_;
  NvDrsSessionHandle handle_ = 0;
  bool open_ = false;
};

}  // namespace

uint32_t FrameRateLimiterValue(uint32_t fps, int selector) {
  return (selector == 0 ? kLimiterBaseFirst : kLimiterBaseOther) + fps;
}

int SetFrameRateLimit(const NvApi& driver, uint32_t fps, int selector) {
  const uint32_t value = FrameRateLimiterValue(fps, selector);
  DrsSession session(driver);
  if (!session.open()) return 1;
  if (driver.DrsLoadSettings(session.handle()) != kNvOk) return 1;
  NvDrsProfileHandle profile = 0;
  if (driver.DrsGetBaseProfile(session.handle(), &profile) != kNvOk) return 1;

  // 12 KB: kept off the stack.
  auto setting = std::make_unique<NvDrsSetting>();  // value-initialised: all zero
  setting->version = kNvDrsSettingVersion;
  setting->settingId = kNvDrsFrameRateLimiterId;
  setting->settingType = kNvDrsDword;
  setting->currentValue.dword = value;
  if (driver.DrsSetSetting(session.handle(), profile, setting.get()) != kNvOk) return 1;
  if (driver.DrsSaveSettings(session.handle()) != kNvOk) return 1;
  return session.Close() != kNvOk ? 1 : 0;
}
