#include "controls/DialFrame.h"

int DialTemperature(unsigned reading) {
  return reading > 200 ? 0 : int(reading);
}

int DialFrameFor(int temperature) {
  if (temperature <= 0) return kDialFirstFrame;
  if (temperature <= 22) return 1301;
  if (temperature <= 119) return temperature + 1278;
  return kDialLastFrame;
}
