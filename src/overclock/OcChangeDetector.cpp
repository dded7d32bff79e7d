#include "overclock/OcChangeDetector.h"

bool TakeChanges(OcSettings& settings) {
  bool changed = false;
  for (OcRow row : kOcRows) {
    if (row == OcRow::kFan && settings.fanMode != kFanModeManual) continue;
    OcSetting& s = settings[row];
    if (s.value != s.lastSeen) {
      s.lastSeen = s.value;
      changed = true;
    }
  }
  return changed;
}
