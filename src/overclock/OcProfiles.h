// The overclock profiles of the configuration file: three user profiles ("Profile1".."Profile3")
// and the start-up overclock ("Start_OC"), each with the nine keys of a profile section.
#pragma once

#include <string>

#include "config/CIniFile.h"
#include "overclock/OcSettings.h"
#include "overclock/OcSliders.h"

extern const wchar_t* const kStartupSection;

// "Profile1", "Profile2", "Profile3" for 1..3; empty for anything else.
std::wstring ProfileSectionName(int slot);

// Reads `section` into the values of the eight settings and sets the fan mode automatic, whatever
// the file holds. A value is first brought into its slider's range, as a typed one is, so a
// hand-edited file cannot send the card more than the panel offers. A missing file or section
// gives zeros (brought into range), except that a power limit or temperature target of 0 leaves
// the setting as it is. Returns CIniFile's result.
int LoadProfile(const CIniFile& file, const std::wstring& section, const OcSliders& sliders,
                OcSettings& settings);

// Writes the slider positions (fan mode 0) to the profile of `slot`, then the same to "Start_OC".
// 1 when the slot is not 1..3 or a write failed.
int SaveProfile(const CIniFile& file, int slot, const OcSliders& sliders);

// Copies the profile of `slot` as it stands in the file to "Start_OC" (zeros when it cannot be
// read). 1 when the slot is not 1..3 or the write failed.
int CopyProfileToStartup(const CIniFile& file, int slot);
