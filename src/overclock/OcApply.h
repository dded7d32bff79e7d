// Sending the panel's settings to the card and reading back what it took: clock offsets, power
// limit, temperature limit and priority bit, then (each only when switched on) the display pixel
// clock, the over-voltage or voltage boost and the frame-rate limit, and last the fan mode. Write
// results are not examined; the read-back shows what the card took.
#pragma once

#include "overclock/OcBoard.h"
#include "overclock/OcSettings.h"

// Writes to every GPU (syncAllGpus on) or to the current one, then reads the current GPU back
// into the values of the clock offsets, over-voltage, power, temperature and display clock.
// Bounds, defaults and last-seen copies are not touched.
void ApplyOverclock(OcBoard& board, OcSettings& settings, const OcFlags& flags);

// The values Reset sends: no offsets, no over-voltage, 40 fps, the default power limit,
// temperature target and display clock, automatic fans.
void SetResetValues(OcSettings& settings);

// Reset: the reset values applied with the flags as they stand, every GPU's fans back to
// automatic, then the switches back to their initial state (V, F and D off, P on).
void ResetOverclock(OcBoard& board, OcSettings& settings, OcFlags& flags);

// Switching the over-voltage off: a zero over-voltage to every GPU, whatever the board kind.
void ClearOverVoltage(OcBoard& board);
