// The simulated flashing tool: answers the two command lines the VBIOS panel uses the way the
// real tool does (exit status 0 for success), against a card whose video BIOS is a file.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace simflash {

// Reads a setting (environment variable) by name; empty when unset.
using SettingLookup = std::function<std::string(const char* name)>;

// Settings, all optional:
//   PYRELIX_NVFLASH_EXIT  exit status to end with after doing the work (default 0); a status
//                         other than 0 leaves the work file and the card untouched.
//   PYRELIX_NVFLASH_CARD  file holding the card's video BIOS: a save copies it into the work
//                         file (the built-in image when the file is absent), a flash replaces it.
//   PYRELIX_NVFLASH_LOG   file each run appends one line to: its arguments separated by spaces.
// Understood command lines: "--save backup.rom" and "backup.rom -A -6"; anything else ends with
// status 2. A flash without a work file ends with status 1.
int Run(const std::vector<std::string>& arguments, const SettingLookup& setting);

// The built-in card image: 64 KiB beginning with the option ROM signature 55 AA.
std::string BuiltInImage();

}  // namespace simflash
