// The configuration load of the main window's start-up: the start-up options from an
// initialised file, or a complete default file and the autostart registration at the first run.
#pragma once

#include "app/MainWindowState.h"
#include "config/CIniFile.h"
#include "controls/MessageSink.h"
#include "settings/AutoRunValue.h"

// Shown when the autostart mirror of the first run could not be written.
inline constexpr wchar_t kAutoRunSaveFailed[] = L"Save configuration of auto run to file fail!";

// The five overclock sections the first run writes, in order.
extern const wchar_t* const kProfileSections[5];

// Reads "Initialized" of "Pyrelix". When it is 1, takes AutoOverClock, StartupMinimize and
// Transparence (each 1 only when the key reads exactly 1) and TransPercent (as read, 99 when the
// key is missing). Otherwise writes the default file, registers autostart and records the
// outcome in "AutoRun"; failures of the default writes go unreported except that last one.
void LoadConfiguration(MainWindowState& state, const CIniFile& file, AutoRunRegistry& autoRun,
                       MessageSink& messages);
