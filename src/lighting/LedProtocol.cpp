#include "lighting/LedProtocol.h"

#include <cstdint>

namespace {

constexpr uint8_t kFramePower = 0xFC;
constexpr uint8_t kFrameRestore = 0xFA;
constexpr uint8_t kFrameIdentify = 0xF1;
constexpr uint8_t kFrameQuery = 0xF0;
constexpr uint8_t kFramesMarkerByte = 28;
constexpr uint8_t kBlockCycleSubCode = 7;

LedFrame Command(uint8_t command, uint8_t argument = 0) {
  return LedFrame{kLedRegister, command, argument, 0, 0, 0, 0, 0};
}

}  // namespace

LedFrame LedPowerFrame(bool on) {
  return Command(kFramePower, on ? 1 : 0);
}

LedFrame LedRestoreDefaultsFrame() {
  return Command(kFrameRestore);
}

LedFrame LedSetEffectFrame(uint8_t mode, LedColour colour) {
  return LedFrame{kLedRegister, 0, mode, colour.red, colour.green, colour.blue, 0, 0x04};
}

LedFrame LedIdentifyFrame() {
  return Command(kFrameIdentify);
}

LedFrame LedQueryStatusFrame() {
  return Command(kFrameQuery);
}

LedBlockEffect LedBlockEffectForMode(uint8_t mode) {
  switch (mode) {
    case kLedStrobe:
      return {3, 0};
    case kLedWave:
      return {2, 0};
    case kLedBreath:
      return {1, 0};
    case kLedCycle:
      return {1, kBlockCycleSubCode};
    default:  // Static, and any mode without a button
      return {0, 0};
  }
}

uint8_t LedModeForBlockEffect(uint8_t code, uint8_t subCode) {
  switch (code) {
    case 0:
      return kLedStatic;
    case 1:
      if (subCode == 0) return kLedBreath;
      if (subCode == kBlockCycleSubCode) return kLedCycle;
      return kLedStrobe;
    case 2:
      return kLedWave;
    case 3:
      return kLedStrobe;
    default:  // taken as the mode number itself
      return code;
  }
}

LedSettingsBlock LedEffectBlock(uint8_t onByte, uint8_t mode, LedColour colour) {
  const LedBlockEffect effect = LedBlockEffectForMode(mode);
  LedSettingsBlock block{};
  block[0] = onByte;
  block[6] = effect.code;
  block[7] = colour.red;
  block[8] = colour.green;
  block[9] = colour.blue;
  block[10] = 50;
  block[11] = 100;
  block[13] = effect.subCode;
  return block;
}

LedSettingsBlock LedPowerBlock(bool on) {
  LedSettingsBlock block{};
  block[0] = on ? 1 : 0;
  return block;
}

LedSettingsBlock LedRestoreDefaultsBlock() {
  LedSettingsBlock block{};
  block[0] = 1;
  block[1] = 1;
  return block;
}

bool IsLedFramesStatus(const LedReply& reply) {
  return reply[0] != kLedNoAnswer && reply[kFramesMarkerByte] == 1;
}

bool IsLedBlocksIdentity(const LedReply& reply) {
  return reply[0] == 'N' && reply[1] == '6' && reply[2] == '7' && reply[3] == '5' &&
         reply[4] == 'M';
}

LedStatusReport LedStatusReportPacket(int32_t temperatureC, int32_t powerW) {
  const uint32_t power = static_cast<uint32_t>(powerW);
  LedStatusReport packet{0xA1,
                         static_cast<uint8_t>(static_cast<uint32_t>(temperatureC) & 0xFF),
                         static_cast<uint8_t>((power >> 8) & 0xFF),
                         static_cast<uint8_t>(power & 0xFF),
                         100,
                         100,
                         0,
                         0,
                         0,
                         0};
  uint32_t sum = 0;
  for (size_t i = 0; i < 7; ++i) sum += packet[i];
  packet[8] = static_cast<uint8_t>((sum >> 8) & 0xFF);
  packet[9] = static_cast<uint8_t>(sum & 0xFF);
  return packet;
}

int32_t LedBoardPowerWatts(uint32_t thousandthsPercent, int32_t ratedPowerW) {
  const float percent = static_cast<float>(thousandthsPercent) / 1000.0f;
  const float watts = percent * static_cast<float>(ratedPowerW) / 100.0f;
  // A reading far beyond any board would not fit; it is held at the ends of the range.
  if (watts >= 2147483520.0f) return INT32_MAX;
  if (watts <= -2147483520.0f) return INT32_MIN;
  return static_cast<int32_t>(watts);
}
