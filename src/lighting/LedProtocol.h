// The byte-level protocol of the two I2C lighting controllers: their address and register, the
// 8-byte command frames, the 30-byte settings blocks, the effect numbering of each, the status
// replies and the 10-byte temperature and power report. Pure functions; nothing here talks to
// the driver.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint8_t kLedDeviceAddress = 0x92;  // the 7-bit address 0x49, shifted as the driver wants
constexpr uint8_t kLedRegister = 0xA0;       // status and settings block
constexpr size_t kLedReplySize = 32;

using LedReply = std::array<uint8_t, kLedReplySize>;
using LedFrame = std::array<uint8_t, 8>;
using LedSettingsBlock = std::array<uint8_t, 30>;
using LedStatusReport = std::array<uint8_t, 10>;

// The effect numbering of the panel, which the frame controller also uses unchanged.
enum LedMode : uint8_t {
  kLedStatic = 0,
  kLedStrobe = 1,
  kLedWave = 2,
  kLedBreath = 3,
  kLedCycle = 4,
};

struct LedColour {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// Command frames, sent without a register byte: byte 0 (0xA0) follows the address on the bus.
LedFrame LedPowerFrame(bool on);
LedFrame LedRestoreDefaultsFrame();
LedFrame LedSetEffectFrame(uint8_t mode, LedColour colour);
LedFrame LedIdentifyFrame();
LedFrame LedQueryStatusFrame();

// The block controller's effect code and sub-code for a panel mode, and back.
struct LedBlockEffect {
  uint8_t code = 0;
  uint8_t subCode = 0;
};
LedBlockEffect LedBlockEffectForMode(uint8_t mode);
uint8_t LedModeForBlockEffect(uint8_t code, uint8_t subCode);

// Settings blocks, written to register 0xA0.
LedSettingsBlock LedEffectBlock(uint8_t onByte, uint8_t mode, LedColour colour);
LedSettingsBlock LedPowerBlock(bool on);
LedSettingsBlock LedRestoreDefaultsBlock();

// Replies. A frame controller's plain status read has byte 0 other than the 0xFF fill and
// byte 28 equal to 1; a block controller answers its identify frame with "N675M".
constexpr uint8_t kLedNoAnswer = 0xFF;
bool IsLedFramesStatus(const LedReply& reply);
bool IsLedBlocksIdentity(const LedReply& reply);

// The status report: temperature in °C and board power in watts, with its 16-bit checksum.
LedStatusReport LedStatusReportPacket(int32_t temperatureC, int32_t powerW);
// Board power from the power topology reading (thousandths of a percent of the rated power),
// truncated toward zero.
int32_t LedBoardPowerWatts(uint32_t thousandthsPercent, int32_t ratedPowerW);
