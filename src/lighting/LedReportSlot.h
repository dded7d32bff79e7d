// Per-GPU slots of the once-per-second temperature and power report sent to the boards whose
// video BIOS is one of the two versions that expect it.
#pragma once

#include <cstdint>

#include "gpu/GpuTable.h"
// The main window runs the lighting detection right after the report check.
#include "lighting/LedController.h"

struct LedReportSlot {
  int32_t enabled = 0;
  int32_t temperatureC = 0;  // last temperature sent
  int32_t powerW = 0;        // last board power sent
  int32_t boardPowerW = 0;   // the board's rated power, from its video BIOS version
};

constexpr int kLedReportSlotCount = 10;  // GPU indices 0..9; higher indices are never reported

// The board power a video BIOS version is rated for, or 0 when the version expects no report.
// The comparison is exact and case-sensitive.
int32_t RatedBoardPowerForVbios(const char* version);

// Reads GPU `index`'s video BIOS version (status kept in the table) and, when it is one of the
// reporting versions, enables `slot` with its rating and sets `reportEnabled`.
void CheckReportVbios(GpuTable& table, int index, LedReportSlot& slot, int32_t& reportEnabled);

// Sends GPU `index` its status report: its temperature (ReadSensorTemperature) and its board
// power (the power topology reading times the slot's rated power), both kept in `slot`.
void SendStatusReport(GpuTable& table, int index, LedReportSlot& slot);

// Timer 3: the report of every GPU of the table whose slot is enabled, GPU 0 first.
void SendDueStatusReports(GpuTable& table, LedReportSlot (&slots)[kLedReportSlotCount]);
