// Reading the selected GPU (the table's currentIndex) into the panel's settings: fan, clocks and
// voltage, power and temperature limits, boost clock, display pixel clock; then every setting's
// last-seen copy is its value. Driver failures leave zeros or the previous values, as each step
// says; nothing is reported.
#pragma once

#include "overclock/OcBoard.h"
#include "overclock/OcSettings.h"

// A non-zero over-voltage turns `flags.overVoltOn` on (it is never turned off here). On
// fan-cooler boards the GPU's fans are handed back to automatic control.
void ReadCard(OcBoard& board, OcSettings& settings, OcFlags& flags);
