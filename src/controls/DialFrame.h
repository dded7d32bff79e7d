// Which picture of the temperature dial shows a reading.
#pragma once

constexpr int kDialFirstFrame = 1300;  // 0 °C
constexpr int kDialLastFrame = 1401;   // 120 °C and more
constexpr int kDialOverlay = 1450;     // plate behind the printed number

// The temperature the dial shows for a raw reading: readings above 200 °C are not believed
// and count as 0.
int DialTemperature(unsigned reading);

// Frame for a temperature: 0 -> 1300, 1..22 -> 1301, 23..119 -> T + 1278, 120 and up -> 1401.
int DialFrameFor(int temperature);
