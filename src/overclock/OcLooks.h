// Which icon files the overclock panel's buttons show for each state (names inside the
// resource folder).
#pragma once

#include <cstdint>
#include <string>

struct IconPair {
  std::wstring normal;
  std::wstring hover;
  bool operator==(const IconPair& other) const {
    return normal == other.normal && hover == other.hover;
  }
};

// V, F and D: the switch of a setting that can be left unused.
IconPair SettingSwitchIcons(bool on);
// The "+" and "-" buttons of a row, usable or not.
IconPair PlusIcons(bool usable);
IconPair MinusIcons(bool usable);
// P: the power / temperature link.
IconPair LinkIcons(bool on);
// Fan-mode button `mode` (0 A, 1 M, 2 Adv) while the panel's mode is `current`.
IconPair FanModeIcons(int32_t mode, int32_t current);
// The Profile switch.
IconPair ProfileSwitchIcons(bool on);
// Numbered button k (1..9): "Using<k>.ico", lit "Using<k>H.ico".
IconPair NumberIcons(int k, bool lit);
// "All GPU".
IconPair AllGpuIcons(bool on);
// Buttons whose looks never change.
IconPair FixedIcons(const wchar_t* base);  // "<base>.ico" / "<base>H.ico"
