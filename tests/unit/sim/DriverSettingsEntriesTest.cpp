// The simulated driver settings database: sessions, their working copies, and what it refuses.
#include <gtest/gtest.h>

#include <memory>

#include "SimTestSupport.h"
#include "gpu/structs/DriverSettingsStructs.h"

namespace {

using simtest::ActiveDriver;

struct Drs {
  explicit Drs(ActiveDriver& driver)
      : create(driver.Get<nvfn::DrsCreateSession>(kIdDrsCreateSession)),
        destroy(driver.Get<nvfn::DrsDestroySession>(kIdDrsDestroySession)),
        load(driver.Get<nvfn::DrsLoadSettings>(kIdDrsLoadSettings)),
        save(driver.Get<nvfn::DrsSaveSettings>(kIdDrsSaveSettings)),
        baseProfile(driver.Get<nvfn::DrsGetBaseProfile>(kIdDrsGetBaseProfile)),
        set(driver.Get<nvfn::DrsSetSetting>(kIdDrsSetSetting)) {}

  // A session with the settings loaded and the base profile found.
  uint32_t Open(uint32_t& profile) {
    uint32_t session = 0;
    EXPECT_EQ(create(&session), kNvOk);
    EXPECT_EQ(load(session), kNvOk);
    EXPECT_EQ(baseProfile(session, &profile), kNvOk);
    return session;
  }
  NvStatus Set(uint32_t session, uint32_t profile, uint32_t value, uint32_t type = kNvDrsDword,
               uint32_t version = kNvDrsSettingVersion) {
    auto setting = std::make_unique<NvDrsSetting>();
    setting->version = version;
    setting->settingId = kNvDrsFrameRateLimiterId;
    setting->settingType = type;
    setting->currentValue.dword = value;
    return set(session, profile, setting.get());
  }

  nvfn::DrsCreateSession* create;
  nvfn::DrsDestroySession* destroy;
  nvfn::DrsLoadSettings* load;
  nvfn::DrsSaveSettings* save;
  nvfn::DrsGetBaseProfile* baseProfile;
  nvfn::DrsSetSetting* set;
};

TEST(DriverSettings, ASessionsChangesReachOthersOnlyWhenSaved) {
  ActiveDriver driver;
  Drs drs(driver);
  uint32_t profile = 0;
  const uint32_t writer = drs.Open(profile);
  ASSERT_EQ(drs.Set(writer, profile, 0xF000003C), kNvOk);
  EXPECT_TRUE(driver.simulator.state().driverSettings.baseProfile.empty());

  ASSERT_EQ(drs.save(writer), kNvOk);
  const auto& saved = driver.simulator.state().driverSettings.baseProfile;
  ASSERT_EQ(saved.count(kNvDrsFrameRateLimiterId), 1u);
  EXPECT_EQ(saved.at(kNvDrsFrameRateLimiterId).value, 0xF000003Cu);

  // A second session loads the saved value; its own unsaved change is lost when it closes.
  const uint32_t other = drs.Open(profile);
  EXPECT_NE(other, writer);
  ASSERT_EQ(drs.Set(other, profile, 0xB0C02028), kNvOk);
  ASSERT_EQ(drs.destroy(other), kNvOk);
  EXPECT_EQ(saved.at(kNvDrsFrameRateLimiterId).value, 0xF000003Cu);
  ASSERT_EQ(drs.destroy(writer), kNvOk);
  EXPECT_TRUE(driver.simulator.state().driverSettings.sessions.empty());
}

TEST(DriverSettings, TracesTheSettingsIdTypeAndValue) {
  ActiveDriver driver;
  Drs drs(driver);
  uint32_t profile = 0;
  const uint32_t session = drs.Open(profile);
  driver.simulator.ClearTrace();
  ASSERT_EQ(drs.Set(session, profile, 0xB0C0203C), kNvOk);
  const sim::TraceEntry& entry = driver.simulator.Trace().back();
  EXPECT_EQ(entry.version, 0x13020u);
  EXPECT_EQ(entry.args, "session=" + std::string("0x5E000001") +
                            " profile=0x00003000 id=0x10834FEE type=0 value=0xB0C0203C");
}

TEST(DriverSettings, RefusesWhatARealDatabaseWould) {
  ActiveDriver driver;
  Drs drs(driver);
  uint32_t profile = 0;
  const uint32_t session = drs.Open(profile);
  EXPECT_EQ(drs.destroy(0x1234), kNvInvalidHandle);
  EXPECT_EQ(drs.load(0x1234), kNvInvalidHandle);
  EXPECT_EQ(drs.save(0x1234), kNvInvalidHandle);
  EXPECT_EQ(drs.Set(session, profile + 1, 60), kNvInvalidHandle);
  EXPECT_EQ(drs.Set(session, profile, 60, kNvDrsBinary), kNvInvalidArgument);
  EXPECT_EQ(drs.Set(session, profile, 60, kNvDrsDword, 0x23020), kNvIncompatibleStructVersion);
  EXPECT_EQ(drs.set(session, profile, nullptr), kNvInvalidArgument);
  EXPECT_EQ(drs.baseProfile(session, nullptr), kNvInvalidArgument);
  EXPECT_EQ(drs.create(nullptr), kNvInvalidArgument);

  uint32_t unloaded = 0;
  ASSERT_EQ(drs.create(&unloaded), kNvOk);
  EXPECT_EQ(drs.baseProfile(unloaded, &profile), kNvError);
  EXPECT_EQ(drs.save(unloaded), kNvError);
  EXPECT_TRUE(driver.simulator.state().driverSettings.baseProfile.empty());
}

}  // namespace
