// The board's lighting: which of the three paths it has (decided once at start-up), the state
// read back from it, and the lighting panel's commands carried to it. Every command goes to the
// GPU the table's currentIndex names at that moment.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"
#include "lighting/LedProtocol.h"

// The lighting path; kept by the main window as an integer.
enum LedKindValue : int32_t {
  kLedI2cFrames = 0,  // I2C controller taking 8-byte command frames; also "nothing found"
  kLedNvIllum = 1,    // the driver's illumination zones
  kLedI2cBlocks = 2,  // I2C controller taking 30-byte settings blocks
};

struct LedState {
  bool known = false;    // a state was read from the board; most commands need it
  bool lightsOn = true;  // the effect and colour commands need it
  uint8_t onByte = 0;    // on/off value as last read or sent
  uint8_t mode = kLedStatic;
  LedColour colour;         // last applied
  LedColour pendingColour;  // being edited in the panel
};

// The detection's one pause, between the identify frame and the read of its answer; the
// window side passes the system's sleep, tests pass a recorder.
using LedWait = void (*)(int milliseconds);
constexpr int kLedIdentifyWaitMs = 100;

// Decides the lighting path: a frame controller's status read, then illumination devices, then
// a block controller's identity. `reply` ends as the last status read left it.
int32_t DetectLedController(GpuTable& table, LedReply& reply, LedWait wait);

// Fills `state` from the board. `reply` is the detection's. Answers the number of illumination
// zones the driver reported (0 for the I2C paths).
uint32_t ReadLedState(GpuTable& table, int32_t kind, const LedReply& reply, LedState& state);

// The decoders ReadLedState uses, for replies already read.
bool LedStateFromFramesStatus(const LedReply& reply, LedState& state);  // false: nothing answered
void LedStateFromBlocksStatus(const LedReply& reply, LedState& state);

// Panel Ok: sends pendingColour and mode (only when known and lights on).
void ApplyLedState(GpuTable& table, int32_t kind, LedState& state);
// Panel On / OFF (only when known). The illumination path sends nothing; every path then takes
// `on` as lightsOn.
void SetLedPower(GpuTable& table, int32_t kind, LedState& state, bool on);
// Panel Def. True when it changed the mode (the panel then refreshes its mode icons).
bool RestoreLedDefaults(GpuTable& table, int32_t kind, LedState& state);
// A mode button: only when known and lights on; nothing is sent until Ok. True when taken.
bool SelectLedMode(LedState& state, uint8_t mode);

// What the main window's start-up step leaves for the lighting panel: the path, the detection
// reply, the state read from the board and the zone count.
struct LedStartup {
  int32_t kind = kLedI2cFrames;
  LedReply reply{};
  LedState state;
  uint32_t zoneCount = 0;
};
// DetectLedController, then ReadLedState with its reply.
LedStartup StartLighting(GpuTable& table, LedWait wait);

// Zeroes the table's zone-control buffer, asks the driver for the current (or default) zone
// values into it, status kept. A failed call leaves the buffer zeroed. True when it failed.
bool IllumGetControl(GpuTable& table, bool useDefault);
