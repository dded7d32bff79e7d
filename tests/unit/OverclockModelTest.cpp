// The overclock settings model's arithmetic: unit conversions, the power / temperature link and
// the integers of the edits.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "overclock/OcChangeDetector.h"
#include "overclock/OcEditText.h"
#include "overclock/OcSettings.h"
#include "overclock/OcUnits.h"
#include "overclock/PowerTempLink.h"

namespace {

OcSettings Linked(OcSetting power, OcSetting temp) {
  OcSettings s = OcSettings::Initial();
  s[OcRow::kPower] = power;
  s[OcRow::kTemp] = temp;
  return s;
}

// Power 50..120 % with default 100, temperature 65..90 °C with default 83.
const OcSettings kBoard = Linked({100, 120, 50, 100, 100}, {83, 90, 65, 83, 83});

struct LinkCase {
  const char* name;
  int32_t from;
  int32_t expected;
};

void PrintTo(const LinkCase& c, std::ostream* out) {
  *out << c.from << " -> " << c.expected;
}

class PowerToTempCases : public testing::TestWithParam<LinkCase> {};
TEST_P(PowerToTempCases, FollowsBothDefaults) {
  EXPECT_EQ(PowerToTemp(kBoard, GetParam().from), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Link, PowerToTempCases,
    testing::Values(LinkCase{"UpperBound", 120, 90}, LinkCase{"AboveDefaultRounds", 110, 87},
                    LinkCase{"BelowDefaultTruncates", 75, 74}, LinkCase{"Default", 100, 83},
                    LinkCase{"LowerBound", 50, 65}, LinkCase{"PastTheUpperBound", 150, 90},
                    LinkCase{"PastTheLowerBound", 0, 65}),
    [](const testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

class TempToPowerCases : public testing::TestWithParam<LinkCase> {};
TEST_P(TempToPowerCases, FollowsBothDefaults) {
  EXPECT_EQ(TempToPower(kBoard, GetParam().from), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Link, TempToPowerCases,
    testing::Values(LinkCase{"LowerBound", 65, 50}, LinkCase{"UpperBound", 90, 120},
                    // (87 - 83) / 7 × 20 + 100 + 0.5 = 111.9
                    LinkCase{"AboveDefaultRounds", 87, 111},
                    // 100 - 9 / 18 × 50 = 75
                    LinkCase{"BelowDefaultTruncates", 74, 75}, LinkCase{"Default", 83, 100}),
    [](const testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

// A default on its bound, or a failed reading with every bound 0, leaves a side of zero width:
// the value moving past the default gives the bound it moves toward, the default itself the
// other default; nothing is divided by zero (UBSan would report it, and the result would be
// NaN turned into an integer).
TEST(PowerTempLink, ZeroWidthSidesGiveTheBoundMovedToward) {
  const OcSettings defaultOnUpper = Linked({100, 100, 50, 100, 100}, {83, 90, 65, 83, 83});
  EXPECT_EQ(PowerToTemp(defaultOnUpper, 105), 90);
  EXPECT_EQ(PowerToTemp(defaultOnUpper, 100), 83);
  EXPECT_EQ(PowerToTemp(defaultOnUpper, 75), 74);

  const OcSettings defaultOnLower = Linked({100, 120, 100, 100, 100}, {83, 90, 83, 83, 83});
  EXPECT_EQ(PowerToTemp(defaultOnLower, 90), 83);
  EXPECT_EQ(PowerToTemp(defaultOnLower, 100), 83);
  EXPECT_EQ(TempToPower(defaultOnLower, 80), 100);
  EXPECT_EQ(TempToPower(defaultOnLower, 83), 100);
  EXPECT_EQ(TempToPower(defaultOnLower, 90), 120);

  const OcSettings failedReading = Linked({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
  for (int32_t v : {-5, 0, 5}) {
    EXPECT_EQ(PowerToTemp(failedReading, v), 0) << v;
    EXPECT_EQ(TempToPower(failedReading, v), 0) << v;
  }
}

TEST(PowerTempLink, ExtremeValuesStayInRange) {
  EXPECT_EQ(PowerToTemp(kBoard, std::numeric_limits<int32_t>::max()), 90);
  EXPECT_EQ(PowerToTemp(kBoard, std::numeric_limits<int32_t>::min()), 65);
  EXPECT_EQ(TempToPower(kBoard, std::numeric_limits<int32_t>::min()), 50);
}

TEST(OcUnits, DriverUnitsToPanelUnits) {
  EXPECT_EQ(KHzToMHz(-50500), -50);
  EXPECT_EQ(KHzToMHz(150999), 150);
  EXPECT_EQ(UvToMv(25000), 25);
  EXPECT_EQ(UvToMv(99600), 100);
  EXPECT_EQ(UvToMv(100000), 100);
  EXPECT_EQ(LowerUvToMv(-50400), -49);
  EXPECT_EQ(LowerUvToMv(0), 0);
  EXPECT_EQ(LowerUvToMv(12700), 12);
  EXPECT_EQ(PcmToPercent(115999), 115);
  EXPECT_EQ(BoostKHzToMHz(1076500), 1077);
  EXPECT_EQ(BoostKHzToMHz(0xFFFFFFFFu), 4294967);
}

TEST(OcUnits, PanelUnitsToDriverUnitsSaturate) {
  EXPECT_EQ(ThousandfoldInt(-150), -150000);
  EXPECT_EQ(ThousandfoldInt(5000000), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(ThousandfoldInt(-5000000), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(PercentToPcm(110), 110000u);
  EXPECT_EQ(PercentToPcm(-3), 0u);
  EXPECT_EQ(PercentToPcm(std::numeric_limits<int32_t>::max()),
            std::numeric_limits<uint32_t>::max());
}

TEST(ParseEditInteger, AcceptsSignedDigitsBetweenBlanksOnly) {
  struct Case {
    const wchar_t* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {L"5000", 5000},
      {L" -12 ", -12},
      {L"+7", 7},
      {L"", std::nullopt},
      {L"abc", std::nullopt},
      {L"12a", std::nullopt},
      {L"-", std::nullopt},
      {L"1 2", std::nullopt},
      {L"99999999999", 2147483647},
      {L"-99999999999", std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseEditInteger(c.text), c.value) << c.text;
}

TEST(TakeChanges, FanSpeedCountsOnlyInManualMode) {
  OcSettings s = OcSettings::Initial();
  EXPECT_FALSE(TakeChanges(s));
  s[OcRow::kFan].value = 70;
  for (int32_t mode : {kFanModeAuto, kFanModeCurve}) {
    s.fanMode = mode;
    EXPECT_FALSE(TakeChanges(s)) << mode;
  }
  s.fanMode = kFanModeManual;
  EXPECT_TRUE(TakeChanges(s));
  EXPECT_FALSE(TakeChanges(s));
  s[OcRow::kCore].value = 5;
  EXPECT_TRUE(TakeChanges(s));
  s[OcRow::kCore].value = 0;  // going back is a change too
  EXPECT_TRUE(TakeChanges(s));
}

}  // namespace
