// The lighting controllers' byte protocol: frames, settings blocks, the two effect numberings,
// reply classification (also of arbitrary replies) and the status report packet.
#include <gtest/gtest.h>

#include <random>

#include "lighting/LedController.h"
#include "lighting/LedProtocol.h"

namespace {

TEST(LedFrames, CarryTheirCommandAfterTheRegisterByte) {
  EXPECT_EQ(LedPowerFrame(true), (LedFrame{0xA0, 0xFC, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LedPowerFrame(false), (LedFrame{0xA0, 0xFC, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LedRestoreDefaultsFrame(), (LedFrame{0xA0, 0xFA, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LedIdentifyFrame(), (LedFrame{0xA0, 0xF1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LedQueryStatusFrame(), (LedFrame{0xA0, 0xF0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(LedSetEffectFrame(kLedBreath, LedColour{0x11, 0x22, 0x33}),
            (LedFrame{0xA0, 0x00, 3, 0x11, 0x22, 0x33, 0x00, 0x04}));
}

TEST(LedSettingsBlocks, HoldOnlyTheirOwnBytes) {
  LedSettingsBlock effect{};
  effect[0] = 1;
  effect[6] = 1;
  effect[7] = 9;
  effect[8] = 8;
  effect[9] = 7;
  effect[10] = 50;
  effect[11] = 100;
  effect[13] = 7;
  EXPECT_EQ(LedEffectBlock(1, kLedCycle, LedColour{9, 8, 7}), effect);
  LedSettingsBlock on{};
  on[0] = 1;
  EXPECT_EQ(LedPowerBlock(true), on);
  EXPECT_EQ(LedPowerBlock(false), LedSettingsBlock{});
  LedSettingsBlock restore{};
  restore[0] = 1;
  restore[1] = 1;
  EXPECT_EQ(LedRestoreDefaultsBlock(), restore);
}

struct EffectCase {
  uint8_t code;
  uint8_t subCode;
  uint8_t mode;         // as read
  LedBlockEffect sent;  // what Ok writes back for that mode
};

class BlockEffectReading : public testing::TestWithParam<EffectCase> {};

TEST_P(BlockEffectReading, GivesTheModeAndItsWrittenEffect) {
  const EffectCase& c = GetParam();
  const uint8_t mode = LedModeForBlockEffect(c.code, c.subCode);
  EXPECT_EQ(mode, c.mode);
  const LedBlockEffect sent = LedBlockEffectForMode(mode);
  EXPECT_EQ(sent.code, c.sent.code);
  EXPECT_EQ(sent.subCode, c.sent.subCode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BlockEffectReading,
    testing::Values(EffectCase{0, 0, kLedStatic, {0, 0}}, EffectCase{0, 9, kLedStatic, {0, 0}},
                    EffectCase{1, 0, kLedBreath, {1, 0}}, EffectCase{1, 7, kLedCycle, {1, 7}},
                    // any other sub-code of effect 1 reads as Strobe, written back as effect 3
                    EffectCase{1, 3, kLedStrobe, {3, 0}}, EffectCase{2, 0, kLedWave, {2, 0}},
                    EffectCase{3, 0, kLedStrobe, {3, 0}},
                    // other codes are taken as the mode itself; 5 and up have no button
                    EffectCase{4, 0, kLedCycle, {1, 7}}, EffectCase{5, 0, 5, {0, 0}},
                    EffectCase{255, 1, 255, {0, 0}}));

TEST(LedReplies, FramesStatusNeedsAnAnswerAndTheMarker) {
  LedReply reply{};
  reply.fill(0);
  EXPECT_FALSE(IsLedFramesStatus(reply));  // byte 0 answered, byte 28 not 1: goes on
  reply[28] = 1;
  EXPECT_TRUE(IsLedFramesStatus(reply));
  reply[0] = 0xFF;
  EXPECT_FALSE(IsLedFramesStatus(reply));
  reply[0] = 4;
  reply[28] = 2;
  EXPECT_FALSE(IsLedFramesStatus(reply));
}

TEST(LedReplies, IdentityMustSitInBytesZeroToFour) {
  const auto replyOf = [](const char* text) {
    LedReply reply{};
    for (size_t i = 0; text[i] != '\0' && i < reply.size(); ++i) {
      reply[i] = static_cast<uint8_t>(text[i]);
    }
    return reply;
  };
  EXPECT_TRUE(IsLedBlocksIdentity(replyOf("N675M")));
  EXPECT_TRUE(IsLedBlocksIdentity(replyOf("N675MXYZ")));
  EXPECT_FALSE(IsLedBlocksIdentity(replyOf("xN675M")));
  EXPECT_FALSE(IsLedBlocksIdentity(replyOf("N675m")));
  EXPECT_FALSE(IsLedBlocksIdentity(replyOf("N675")));
  LedReply fill;
  fill.fill(kLedNoAnswer);
  EXPECT_FALSE(IsLedBlocksIdentity(fill));
}

TEST(LedReplies, FramesStateReadsModeColourAndOnByte) {
  LedReply reply{};
  reply[0] = kLedWave;
  reply[1] = 10;
  reply[2] = 20;
  reply[3] = 30;
  reply[12] = 0;
  LedState state;
  ASSERT_TRUE(LedStateFromFramesStatus(reply, state));
  EXPECT_TRUE(state.known);
  EXPECT_FALSE(state.lightsOn);
  EXPECT_EQ(state.onByte, 0);
  EXPECT_EQ(state.mode, kLedWave);
  EXPECT_EQ(state.colour.green, 20);
  EXPECT_EQ(state.pendingColour.blue, 30);

  reply[0] = kLedNoAnswer;
  LedState untouched;
  EXPECT_FALSE(LedStateFromFramesStatus(reply, untouched));
  EXPECT_FALSE(untouched.known);
  EXPECT_TRUE(untouched.lightsOn);
}

// Replies come from a device outside the program: any 32 bytes classify the same way every
// time and decode into a state within its ranges.
TEST(LedReplies, ArbitraryRepliesClassifyDeterministically) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 5000; ++round) {
    LedReply reply;
    for (uint8_t& b : reply) b = static_cast<uint8_t>(byte(random));
    if (round % 4 == 0) reply[28] = 1;  // make the frame marker common
    if (round % 7 == 0) reply[0] = kLedNoAnswer;
    const bool frames = IsLedFramesStatus(reply);
    EXPECT_EQ(frames, reply[0] != 0xFF && reply[28] == 1);
    EXPECT_EQ(IsLedFramesStatus(reply), frames);
    EXPECT_FALSE(frames && IsLedBlocksIdentity(reply));

    LedState fromFrames;
    EXPECT_EQ(LedStateFromFramesStatus(reply, fromFrames), reply[0] != kLedNoAnswer);
    EXPECT_EQ(fromFrames.lightsOn, !fromFrames.known || fromFrames.onByte != 0);

    LedState fromBlocks;
    LedStateFromBlocksStatus(reply, fromBlocks);
    LedState again;
    LedStateFromBlocksStatus(reply, again);
    EXPECT_EQ(fromBlocks.mode, again.mode);
    EXPECT_EQ(fromBlocks.mode, LedModeForBlockEffect(reply[6], reply[13]));
    EXPECT_EQ(fromBlocks.lightsOn, reply[0] != 0);
    const LedBlockEffect sent = LedBlockEffectForMode(fromBlocks.mode);
    EXPECT_LE(sent.code, 3);
  }
}

TEST(LedStatusReportPacket, CarriesTemperaturePowerAndChecksum) {
  EXPECT_EQ(LedStatusReportPacket(65, 160),
            (LedStatusReport{0xA1, 0x41, 0x00, 0xA0, 0x64, 0x64, 0x00, 0x00, 0x02, 0x4A}));
  // Power above 255 W uses both bytes; the checksum adds them separately.
  EXPECT_EQ(LedStatusReportPacket(80, 0x015E),
            (LedStatusReport{0xA1, 0x50, 0x01, 0x5E, 0x64, 0x64, 0x00, 0x00, 0x02, 0x18}));
  // Only the low bytes go out.
  const LedStatusReport wide = LedStatusReportPacket(-1, 0x12345);
  EXPECT_EQ(wide[1], 0xFF);
  EXPECT_EQ(wide[2], 0x23);
  EXPECT_EQ(wide[3], 0x45);
}

TEST(LedBoardPower, IsThePercentOfTheRatedPowerTruncated) {
  EXPECT_EQ(LedBoardPowerWatts(50000, 320), 160);
  EXPECT_EQ(LedBoardPowerWatts(33333, 350), 116);  // 116.66 W
  EXPECT_EQ(LedBoardPowerWatts(0, 320), 0);
  EXPECT_EQ(LedBoardPowerWatts(100000, 0), 0);
  // Single precision, as the reading is kept: close to 15032385 W, not exact.
  EXPECT_NEAR(LedBoardPowerWatts(UINT32_MAX, 350), 15032385, 8);
  EXPECT_EQ(LedBoardPowerWatts(UINT32_MAX, INT32_MAX), INT32_MAX);  // held, not overflowed
}

}  // namespace
