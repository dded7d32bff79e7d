// The overclock panel model with a recording view: sliders, edits, +/-, the link, switches, the
// change detector, profiles in a real configuration file, GPU choice and the start-up overclock.
#include <gtest/gtest.h>

#include <string>

#include "OverclockFixture.h"
#include "gpu/ClockOffsets.h"
#include "overclock/OcEditText.h"
#include "overclock/OcProfiles.h"

namespace {

using overclock_test::PanelOnBoard;
using overclock_test::PstatesGpu;
using overclock_test::VfFanCoolerGpu;
using overclock_test::VfGpu;

// A P-states board: core offset -135..300 MHz, power 50..120 % (default 100), temperature
// target 60..92 °C (default 83) after the test's adjustment.
struct PstatesPanel : PanelOnBoard {
  PstatesPanel() : PanelOnBoard(ScenarioOf({Gpu()}), 0, 0) { panel.Create(); }
  static sim::GpuModel Gpu() {
    sim::GpuModel gpu = PstatesGpu();
    gpu.policies.power[0].minPcm = 50000;
    gpu.policies.power[0].maxPcm = 120000;
    gpu.policies.thermal[0].minRaw = 65 * 256;
    gpu.policies.thermal[0].defaultRaw = 83 * 256;
    gpu.policies.thermal[0].limitRaw = 83 * 256;
    gpu.policies.thermal[0].maxRaw = 90 * 256;
    return gpu;
  }
};

TEST(OcPanelCreate, ReadsTheCardSetsRangesLooksAndHidesSave) {
  PstatesPanel p;
  EXPECT_EQ(p.view.ranges[OcRow::kCore], std::make_pair(-135, 300));
  EXPECT_EQ(p.view.ranges[OcRow::kPower], std::make_pair(50, 120));
  EXPECT_EQ(p.view.ranges[OcRow::kTemp], std::make_pair(65, 90));
  EXPECT_EQ(p.view.ranges[OcRow::kFan], std::make_pair(0, 100));
  EXPECT_EQ(p.view.ranges[OcRow::kFrame], std::make_pair(40, 255));
  EXPECT_EQ(p.view.ranges[OcRow::kDisplay], std::make_pair(0, 20000));
  EXPECT_EQ(p.view.edits[OcRow::kPower], L"100");
  EXPECT_EQ(p.view.edits[OcRow::kFrame], L"40");
  EXPECT_EQ(p.view.resultClock, std::to_wstring(p.panel.settings().boostClockMHz));
  EXPECT_FALSE(p.view.saveShown);
  EXPECT_EQ(p.view.gpuButtons, 0);
  for (OcRow row : {OcRow::kOverVolt, OcRow::kFrame, OcRow::kDisplay}) {
    EXPECT_FALSE(p.view.usable[row]);
    EXPECT_EQ(p.view.icons[PlusButton(row)].normal, L"SliderAddUn.ico");
  }
  EXPECT_EQ(p.view.icons[OcButton::kOverVolt].normal, L"FrameCtrlH.ico");
  EXPECT_EQ(p.view.icons[OcButton::kLink], (IconPair{L"Lock.ico", L"LockH.ico"}));
  EXPECT_EQ(p.view.icons[OcButton::kFanAuto], (IconPair{L"Auto.ico", L"AutoH.ico"}));
  EXPECT_EQ(p.view.icons[OcButton::kFanManual].normal, L"ManualUn.ico");
  EXPECT_EQ(p.view.icons[OcButton::kProfiles].normal, L"ProfilesUn.ico");
  EXPECT_EQ(p.view.icons[OcButton::kApply], (IconPair{L"Apply.ico", L"ApplyH.ico"}));
}

TEST(OcPanelSlider, PowerAndTemperatureFollowEachOtherWhileLinked) {
  PstatesPanel p;
  struct Case {
    OcRow moved;
    int position;
    OcRow other;
    int expected;
  };
  const Case cases[] = {{OcRow::kPower, 120, OcRow::kTemp, 90},
                        {OcRow::kPower, 110, OcRow::kTemp, 87},
                        {OcRow::kPower, 75, OcRow::kTemp, 74},
                        {OcRow::kTemp, 65, OcRow::kPower, 50}};
  for (const Case& c : cases) {
    p.panel.OnSlider(c.moved, c.position);
    EXPECT_EQ(p.panel.settings()[c.other].value, c.expected);
    EXPECT_EQ(p.view.positions[c.other], c.expected);
    EXPECT_EQ(p.view.edits[c.other], std::to_wstring(c.expected));
  }
  p.panel.OnLinkSwitch();
  EXPECT_EQ(p.view.icons[OcButton::kLink].normal, L"Unlock.ico");
  p.panel.OnSlider(OcRow::kPower, 120);
  EXPECT_EQ(p.panel.settings()[OcRow::kTemp].value, 65);
}

TEST(OcPanelSlider, CoreOffsetUpdatesTheResultingClock) {
  PstatesPanel p;
  p.panel.OnSlider(OcRow::kCore, 150);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"150");
  EXPECT_EQ(p.view.resultClock, std::to_wstring(p.panel.settings().boostClockMHz + 150));
}

TEST(OcPanelEdit, TypedValuesAreHeldToTheSlidersRange) {
  // The VF board's core offset range is -200..+1000 MHz.
  PanelOnBoard p(ScenarioOf({VfGpu()}), 1, 0);
  p.panel.Create();
  ASSERT_EQ(p.view.ranges[OcRow::kCore], std::make_pair(-200, 1000));
  p.view.edits[OcRow::kCore] = L"5000";
  p.panel.OnEditDone(OcRow::kCore);
  EXPECT_EQ(p.panel.settings()[OcRow::kCore].value, 1000);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"1000");
  EXPECT_EQ(p.view.positions[OcRow::kCore], 1000);
  p.view.edits[OcRow::kCore] = L"-5000";
  p.panel.OnEditDone(OcRow::kCore);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"-200");
  EXPECT_TRUE(p.sink.shown.empty());
}

TEST(OcPanelEdit, LettersGiveTheIntegerPromptAndTheRowsStartValue) {
  struct Case {
    OcRow row;
    const wchar_t* fallback;
  };
  for (const Case& c : {Case{OcRow::kFrame, L"40"}, Case{OcRow::kMem, L"0"}}) {
    PstatesPanel p;
    p.view.edits[c.row] = L"abc";
    p.panel.OnEditDone(c.row);
    ASSERT_EQ(p.sink.shown.size(), 1u);
    EXPECT_EQ(p.sink.shown[0], kIntegerPrompt);
    EXPECT_EQ(p.view.edits[c.row], c.fallback);
    EXPECT_EQ(EditTextOf(p.panel.settings()[c.row].value), c.fallback);
  }
}

TEST(OcPanelEdit, PowerEditMovesTheTemperatureButItsButtonsDoNot) {
  PstatesPanel p;
  p.view.edits[OcRow::kPower] = L"110";
  p.panel.OnEditDone(OcRow::kPower);
  EXPECT_EQ(p.panel.settings()[OcRow::kTemp].value, 87);
  p.panel.OnStep(OcRow::kPower, +1);
  EXPECT_EQ(p.panel.settings()[OcRow::kPower].value, 111);
  EXPECT_EQ(p.panel.settings()[OcRow::kTemp].value, 87);
}

TEST(OcPanelStep, StepsStopAtTheEndsAndSwitchedOffRowsIgnoreThem) {
  PstatesPanel p;
  p.panel.OnSlider(OcRow::kCore, 300);
  p.panel.OnStep(OcRow::kCore, +1);
  EXPECT_EQ(p.panel.settings()[OcRow::kCore].value, 300);
  p.panel.OnStep(OcRow::kCore, -1);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"299");

  p.panel.OnStep(OcRow::kFrame, +1);
  EXPECT_EQ(p.panel.settings()[OcRow::kFrame].value, 40);
  p.panel.OnFrameSwitch();
  EXPECT_TRUE(p.view.usable[OcRow::kFrame]);
  EXPECT_EQ(p.view.icons[OcButton::kFrame].normal, L"FrameCtrl.ico");
  p.panel.OnStep(OcRow::kFrame, +1);
  EXPECT_EQ(p.panel.settings()[OcRow::kFrame].value, 41);
}

TEST(OcPanelTick, FanFollowsTheCardOutsideManualAndNeverShowsSaveForIt) {
  PstatesPanel p;
  p.view.edits[OcRow::kFan] = L"90";
  p.panel.OnEditDone(OcRow::kFan);
  p.panel.OnTick();
  EXPECT_NE(p.panel.settings()[OcRow::kFan].value, 90);
  EXPECT_EQ(p.view.edits[OcRow::kFan], std::to_wstring(p.panel.settings()[OcRow::kFan].value));
  EXPECT_FALSE(p.view.saveShown);

  p.panel.OnFanMode(kFanModeManual);
  EXPECT_EQ(p.view.icons[OcButton::kFanManual].normal, L"Manual.ico");
  p.panel.OnSlider(OcRow::kFan, 90);
  p.panel.OnTick();
  EXPECT_EQ(p.panel.settings()[OcRow::kFan].value, 90);
  EXPECT_TRUE(p.view.saveShown);
}

TEST(OcPanelTick, AnyChangeShowsSaveAndGoingBackDoesNotHideIt) {
  PstatesPanel p;
  p.panel.OnTick();
  EXPECT_FALSE(p.view.saveShown);
  p.panel.OnSlider(OcRow::kMem, 10);
  p.panel.OnTick();
  EXPECT_TRUE(p.view.saveShown);
  p.panel.OnSlider(OcRow::kMem, 0);
  p.panel.OnTick();
  EXPECT_TRUE(p.view.saveShown);
}

TEST(OcPanelApply, AsksFirstAndWorksUnderTheWaitCursor) {
  PstatesPanel p;
  p.panel.OnSlider(OcRow::kCore, 150);
  p.simulator().ClearTrace();
  p.sink.answers = {MessageSink::kCancel};
  p.panel.OnApply();
  EXPECT_EQ(p.sink.shown.back(), kApplyQuestion);
  EXPECT_TRUE(CallsOf(p.simulator(), kIdGpuSetPstates20).empty());
  EXPECT_EQ(p.view.busyCalls, 0);

  p.panel.OnApply();
  EXPECT_EQ(p.view.busyCalls, 1);
  EXPECT_EQ(p.view.busyDepth, 0);
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(0, p.driver.table, back), 0);
  EXPECT_EQ(back.graphicsOffsetKHz, 150000);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"150");
}

TEST(OcPanelSwitches, OverVoltageWarnsWhenSwitchedOnAndClearsWhenOff) {
  PstatesPanel p;
  p.sink.answers = {MessageSink::kCancel};
  p.panel.OnOverVoltSwitch();
  EXPECT_EQ(p.sink.shown.back(), kOverVoltWarning);
  EXPECT_EQ(p.panel.flags().overVoltOn, 0);

  p.panel.OnOverVoltSwitch();
  EXPECT_EQ(p.panel.flags().overVoltOn, 1);
  EXPECT_TRUE(p.view.usable[OcRow::kOverVolt]);
  p.panel.OnSlider(OcRow::kOverVolt, 30);
  p.simulator().ClearTrace();
  const size_t asked = p.sink.shown.size();
  p.panel.OnOverVoltSwitch();
  EXPECT_EQ(p.sink.shown.size(), asked);  // no question when switching off
  EXPECT_EQ(p.panel.flags().overVoltOn, 0);
  EXPECT_EQ(p.panel.settings()[OcRow::kOverVolt].value, 0);
  EXPECT_EQ(p.view.edits[OcRow::kOverVolt], L"0");
  EXPECT_EQ(CallsOf(p.simulator(), kIdGpuSetPstates20).size(), 1u);
}

TEST(OcPanelSwitches, FanCurveModeOpensTheCurveDialog) {
  PstatesPanel p;
  p.panel.OnFanMode(kFanModeCurve);
  EXPECT_EQ(p.panel.settings().fanMode, kFanModeCurve);
  EXPECT_EQ(p.view.fanDialogShown, 1);
  EXPECT_EQ(p.view.icons[OcButton::kFanCurve], (IconPair{L"FanAdvance.ico", L"FanAdvanceH.ico"}));
  EXPECT_EQ(p.view.icons[OcButton::kFanAuto].normal, L"AutoUn.ico");
}

TEST(OcPanelReset, RestoresDefaultsAndTheLooks) {
  PstatesPanel p;
  p.panel.OnFrameSwitch();
  p.panel.OnLinkSwitch();
  p.panel.OnFanMode(kFanModeManual);
  p.panel.OnSlider(OcRow::kCore, 200);
  p.panel.OnReset();
  EXPECT_EQ(p.view.busyCalls, 1);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"0");
  EXPECT_EQ(p.view.edits[OcRow::kFrame], L"40");
  EXPECT_FALSE(p.view.usable[OcRow::kFrame]);
  EXPECT_EQ(p.view.icons[OcButton::kLink].normal, L"Lock.ico");
  EXPECT_EQ(p.view.icons[OcButton::kFanAuto].normal, L"Auto.ico");
}

ProfileRecord ReadSection(const PanelOnBoard& p, const wchar_t* section) {
  ProfileRecord record;
  record.Name(section);
  EXPECT_EQ(p.File().ReadProfile(record), 0);
  return record;
}

TEST(OcPanelProfiles, SaveWritesTheSlotAndStartOcFromTheSliders) {
  PstatesPanel p;
  p.panel.OnSave();  // no slot chosen yet: nothing
  EXPECT_TRUE(p.sink.shown.empty());
  EXPECT_FALSE(FileExists(p.ConfigPath()));

  p.panel.OnSlider(OcRow::kCore, 120);
  p.view.edits[OcRow::kFrame] = L"300";
  p.panel.OnEditDone(OcRow::kFrame);
  p.panel.OnSaveSlot(2);
  EXPECT_EQ(p.view.icons[OcButton::kSlot2].normal, L"Using2H.ico");
  p.sink.answers = {MessageSink::kCancel};
  p.panel.OnSave();
  EXPECT_EQ(p.sink.shown.back(), kSaveWarning);
  EXPECT_FALSE(FileExists(p.ConfigPath()));

  p.panel.OnSave();
  for (const wchar_t* section : {L"Profile2", L"Start_OC"}) {
    const ProfileRecord r = ReadSection(p, section);
    EXPECT_EQ(r.keys[kCoreOffset].value, 120) << section;
    EXPECT_EQ(r.keys[kFrame].value, 255) << section;
    EXPECT_EQ(r.keys[kPower].value, 100) << section;
    EXPECT_EQ(r.keys[kFanMode].value, 0) << section;
  }
}

TEST(OcPanelProfiles, ChoosingAProfileAppliesItAndMakesItTheStartupOverclock) {
  PstatesPanel p;
  p.panel.OnSlider(OcRow::kCore, 80);
  p.panel.OnSaveSlot(1);
  p.panel.OnSave();
  p.panel.OnSlider(OcRow::kCore, 0);

  p.panel.OnProfileButton(1);  // profiles switched off: nothing
  EXPECT_EQ(p.panel.selectedProfile(), 0);
  p.panel.OnProfileSwitch();
  EXPECT_EQ(p.view.icons[OcButton::kProfiles].normal, L"ProfilesH.ico");
  p.panel.OnProfileButton(1);
  EXPECT_EQ(p.view.icons[OcButton::kProfile1].normal, L"Using1H.ico");
  EXPECT_FALSE(p.view.saveShown);
  EXPECT_EQ(p.sink.shown.back(), kApplyQuestion);
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(0, p.driver.table, back), 0);
  EXPECT_EQ(back.graphicsOffsetKHz, 80000);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"80");
}

TEST(OcPanelProfiles, CancelledChoiceStillCopiesTheProfileToStartOc) {
  PstatesPanel p;
  WriteFileBytes(p.ConfigPath(),
                 "[Profile2]\r\nCoreOffset=5000\r\nMemOffset=-20\r\nTempTarget=85\r\n"
                 "Power=110\r\nFanSpeed=60\r\nFanMode=1\r\nFrame=70\r\nOverVolt=0\r\n"
                 "DisplayClock=0\r\n");
  p.panel.OnProfileSwitch();
  p.simulator().ClearTrace();
  p.sink.answers = {MessageSink::kCancel};
  p.panel.OnProfileButton(2);
  EXPECT_TRUE(CallsOf(p.simulator(), kIdGpuSetPstates20).empty());
  // The panel holds the loaded values (brought into range), the controls the old ones.
  EXPECT_EQ(p.panel.settings()[OcRow::kCore].value, 300);
  EXPECT_EQ(p.panel.settings()[OcRow::kMem].value, -20);
  EXPECT_EQ(p.panel.settings().fanMode, kFanModeAuto);
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"0");
  const ProfileRecord startup = ReadSection(p, L"Start_OC");
  EXPECT_EQ(startup.keys[kCoreOffset].value, 5000);  // copied as the file holds it
  EXPECT_EQ(startup.keys[kFanMode].value, 1);
}

TEST(OcPanelStartup, StartOcIsHeldToTheSlidersAndFansGoAutomatic) {
  PstatesPanel p;
  WriteFileBytes(p.ConfigPath(),
                 "[Start_OC]\r\nCoreOffset=5000\r\nMemOffset=-9000\r\nTempTarget=85\r\n"
                 "Power=110\r\nFanSpeed=60\r\nFanMode=1\r\nFrame=70\r\nOverVolt=0\r\n"
                 "DisplayClock=0\r\n");
  p.simulator().ClearTrace();
  p.panel.ApplyStartupOverclock();
  EXPECT_TRUE(p.sink.shown.empty());
  const sim::TraceEntry set = CallsOf(p.simulator(), kIdGpuSetPstates20).at(0);
  EXPECT_NE(set.args.find("domain0=+300000"), std::string::npos) << set.args;
  OcInfo back;
  ASSERT_EQ(ReadPstateClocks(0, p.driver.table, back), 0);
  EXPECT_EQ(back.graphicsOffsetKHz, 300000);
  EXPECT_EQ(back.memoryOffsetKHz, -500000);
  const auto coolers = CallsOf(p.simulator(), kIdGpuSetCoolerLevels);
  ASSERT_EQ(coolers.size(), 1u);
  EXPECT_NE(coolers[0].args.find("policy=32"), std::string::npos) << coolers[0].args;
  EXPECT_EQ(p.view.edits[OcRow::kCore], L"300");
}

TEST(OcPanelStartup, NeverSavedSectionResetsOffsetsButKeepsTheCardsLimits) {
  PstatesPanel p;
  p.panel.OnSlider(OcRow::kPower, 110);
  p.panel.OnApply();
  p.panel.OnSlider(OcRow::kCore, 100);
  // A missing file, then the zeros a first start writes.
  for (bool written : {false, true}) {
    if (written) {
      WriteFileBytes(p.ConfigPath(),
                     "[Start_OC]\r\nCoreOffset=0\r\nMemOffset=0\r\nTempTarget=0\r\n"
                     "Power=0\r\nFanSpeed=0\r\nFanMode=0\r\nFrame=0\r\nOverVolt=0\r\n"
                     "DisplayClock=0\r\n");
    }
    p.panel.ApplyStartupOverclock();
    EXPECT_EQ(p.panel.settings()[OcRow::kCore].value, 0) << written;
    EXPECT_EQ(p.panel.settings()[OcRow::kPower].value, 110) << written;
    EXPECT_EQ(p.panel.settings()[OcRow::kTemp].value, 87) << written;
  }
}

TEST(OcPanelGpus, ButtonsPerGpuSelectionRereadsAndTellsTheWindow) {
  PanelOnBoard p(ScenarioOf({PstatesGpu(), VfFanCoolerGpu(), PstatesGpu()}), 0, 0);
  p.panel.Create();
  EXPECT_EQ(p.view.gpuButtons, 3);
  EXPECT_EQ(p.view.icons[OcButton::kAllGpus].normal, L"Setting_Check_H.ico");
  p.simulator().ClearTrace();
  p.panel.OnGpuButton(2);
  EXPECT_EQ(p.driver.table.currentIndex, 1);
  EXPECT_EQ(p.view.gpuSelectedCalls, 1);
  EXPECT_EQ(p.view.icons[OcButton::kGpu1].normal, L"Using1.ico");
  EXPECT_EQ(p.view.icons[OffsetButton(OcButton::kGpu1, 1)].normal, L"Using2H.ico");
  const auto reads = CallsOf(p.simulator(), kIdGpuGetPstates20);
  ASSERT_FALSE(reads.empty());
  EXPECT_EQ(reads[0].gpuIndex, static_cast<int>(p.driver.table.physicalHandles[1]) - 0x1000);
  // The slider ranges stay those of the first reading.
  EXPECT_EQ(p.view.ranges[OcRow::kCore], std::make_pair(-135, 300));

  p.panel.OnGpuButton(4);  // no such GPU
  EXPECT_EQ(p.driver.table.currentIndex, 1);
  p.panel.OnAllGpusSwitch();
  EXPECT_EQ(p.view.icons[OcButton::kAllGpus].normal, L"Setting_Check.ico");
}

TEST(OcPanelGpus, FanCoolerBoardFansGoAutomaticWhenRead) {
  PanelOnBoard p(ScenarioOf({VfFanCoolerGpu()}), 1, 1);
  p.panel.Create();
  const auto sets = CallsOf(p.simulator(), kIdGpuClientFanCoolersSetControl);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(p.view.ranges[OcRow::kCore], std::make_pair(-1000, 1000));
  EXPECT_EQ(p.view.ranges[OcRow::kOverVolt], std::make_pair(0, 100));
}

}  // namespace
