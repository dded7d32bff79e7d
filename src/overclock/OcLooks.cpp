#include "overclock/OcLooks.h"

namespace {

IconPair Same(const std::wstring& name) {
  return {name, name};
}

}  // namespace

IconPair SettingSwitchIcons(bool on) {
  return Same(on ? L"FrameCtrl.ico" : L"FrameCtrlH.ico");
}

IconPair PlusIcons(bool usable) {
  return Same(usable ? L"SliderAdd.ico" : L"SliderAddUn.ico");
}

IconPair MinusIcons(bool usable) {
  return Same(usable ? L"SliderReduce.ico" : L"SliderReduceUn.ico");
}

IconPair LinkIcons(bool on) {
  return on ? IconPair{L"Lock.ico", L"LockH.ico"} : IconPair{L"Unlock.ico", L"UnlockH.ico"};
}

IconPair FanModeIcons(int32_t mode, int32_t current) {
  static const wchar_t* const kBases[] = {L"Auto", L"Manual", L"FanAdvance"};
  if (mode < 0 || mode > 2) return {};
  const std::wstring base = kBases[mode];
  if (mode == current) return {base + L".ico", base + L"H.ico"};
  return Same(base + L"Un.ico");
}

IconPair ProfileSwitchIcons(bool on) {
  return Same(on ? L"ProfilesH.ico" : L"ProfilesUn.ico");
}

IconPair NumberIcons(int k, bool lit) {
  if (k < 1 || k > 9) return {};
  return Same(L"Using" + std::to_wstring(k) + (lit ? L"H.ico" : L".ico"));
}

IconPair AllGpuIcons(bool on) {
  return Same(on ? L"Setting_Check_H.ico" : L"Setting_Check.ico");
}

IconPair FixedIcons(const wchar_t* base) {
  const std::wstring name = base;
  return {name + L".ico", name + L"H.ico"};
}
