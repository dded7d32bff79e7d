// The overclock panel's settings in display units (MHz, mV or %, fps, %, °C, 10 kHz, %), each
// with its bounds and the copy the change detector last saw, and the panel's switches.
#pragma once

#include <array>
#include <cstdint>

// The panel's eight slider rows, in their order on the panel.
enum class OcRow : int { kCore, kOverVolt, kMem, kFrame, kPower, kTemp, kFan, kDisplay };
constexpr int kOcRowCount = 8;
constexpr OcRow kOcRows[kOcRowCount] = {OcRow::kCore,  OcRow::kOverVolt, OcRow::kMem,
                                        OcRow::kFrame, OcRow::kPower,    OcRow::kTemp,
                                        OcRow::kFan,   OcRow::kDisplay};

// Fan modes: the driver's automatic control, one fixed level, or the drawn curve.
constexpr int32_t kFanModeAuto = 0;
constexpr int32_t kFanModeManual = 1;
constexpr int32_t kFanModeCurve = 2;

// The frame-rate limit's fixed bounds and what Reset and a bad frame edit fall back to.
constexpr int32_t kFrameLowest = 40;
constexpr int32_t kFrameHighest = 255;

struct OcSetting {
  int32_t value = 0;
  int32_t upper = 0;
  int32_t lower = 0;
  int32_t fallback = 0;  // the card's default (power, temperature, fan, display clock)
  int32_t lastSeen = 0;
};

struct OcSettings {
  std::array<OcSetting, kOcRowCount> rows{};
  int32_t boostClockMHz = 0;
  int32_t overVoltMaxUv = 0;  // the driver's over-voltage maximum, µV
  int32_t fanMode = kFanModeAuto;

  OcSetting& operator[](OcRow row) { return rows[static_cast<int>(row)]; }
  const OcSetting& operator[](OcRow row) const { return rows[static_cast<int>(row)]; }

  // The values a panel starts with before it reads a card.
  static OcSettings Initial();
};

// The panel's switches (0 off, 1 on).
struct OcFlags {
  int32_t overVoltOn = 0;
  int32_t linkPowerTemp = 1;
  int32_t frameLimitOn = 0;
  int32_t displayClockOn = 0;
  int32_t syncAllGpus = 1;
  int32_t profilesOn = 0;
};
