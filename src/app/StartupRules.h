// The decisions of the main window's start-up, apart from the window that carries them out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/MainWindowState.h"

// The notices shown, one after the other, for an enumeration result (none on success).
std::vector<std::wstring> EnumerationMessages(int enumerateResult);

// "Pyrelix_DID%04X.cfg" for the first GPU's device ID.
std::wstring ConfigFileNameFor(uint16_t deviceId);

// Reads GPU 0's PCI identifiers again and, for an NVIDIA board, sets the two model flags from its
// device ID. `VfClockModel` is only ever raised here; a failed read or another vendor leaves both.
void ClassifyBoard(MainWindowState& state);

// Clears the report slots and checks the video BIOS of every GPU that has a slot.
void CheckReportingBoards(MainWindowState& state);

struct TimerSpec {
  unsigned id;
  unsigned periodMs;
};

// The main window's timers: start-minimised check, fan curve and dial, readings, and the LED
// status report only when a board asked for it.
std::vector<TimerSpec> MainTimers(int32_t reportEnabled);
