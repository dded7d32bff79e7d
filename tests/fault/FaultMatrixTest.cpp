// Every driver interface the program uses, made to fail and then removed from the driver in
// turn: the program starts, monitors, opens every panel and runs its actions, and closes — with
// no crash or hang, and with its configuration file whole. The outcome of each run is written
// as a table row (to the file named by PYRELIX_FAULT_REPORT, when set).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AutoAnswer.h"
#include "MessagePump.h"
#include "SimulatedDriver.h"
#include "app/CPyrelixDlg.h"
#include "app/StartupRules.h"
#include "resource.h"
#include "settings/WindowServices.h"
#include "sim/DemoScenario.h"
#include "sim/EntryCatalog.h"

namespace {

void Click(HWND window, int id) {
  HWND control = ::GetDlgItem(window, id);
  if (control == nullptr) return;
  ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  PumpMessages();
}

// One press in a panel's run: on the panel itself, or on the window that the run opened last (the
// fan curve dialog opened by "Adv").
struct Press {
  int id;
  bool inOpened = false;
};

// What one panel is put through: the main-window button that opens it, then its controls in
// order. Confirmations and messages are answered OK. File dialogs are left out: they wait for a
// person.
struct PanelRun {
  int mainButton;
  const char* name;
  std::vector<Press> presses;
};

const std::vector<PanelRun>& PanelRuns() {
  static const std::vector<PanelRun> runs = {
      {IDC_MAIN_SETTING,
       "settings",
       {{IDC_SET_RUN}, {IDC_SET_TRA}, {IDC_SET_APPLY}, {IDC_SET_TRA}, {IDC_SET_APPLY}}},
      {IDC_MAIN_INFO, "information", {}},
      {IDC_MAIN_ADVANCE,
       "overclock",
       {{IDC_ADV_CORE_PLUS},
        {IDC_ADV_MEM_PLUS},
        {IDC_ADV_POWER_MINUS},
        {IDC_ADV_OVERVOLT_SWITCH},
        {IDC_ADV_FRAME_SWITCH},
        {IDC_ADV_DISPLAY_SWITCH},
        {IDC_ADV_FAN_MANUAL},
        {IDC_ADV_APPLY},
        {IDC_ADV_PROFILES},
        {IDC_ADV_PROFILE1},
        {IDC_ADV_SAVE},
        {IDC_ADV_SLOT2},
        {IDC_ADV_RESET},
        {IDC_ADV_FAN_CURVE},
        {IDC_FAN_APPLY, true},
        {IDC_FAN_CLOSE, true}}},
      {IDC_MAIN_BIOS, "VBIOS", {}},
      {IDC_MAIN_HELP, "help", {}},
      {IDC_MAIN_LED,
       "lighting",
       {{IDC_LED_STATIC}, {IDC_LED_OK}, {IDC_LED_OFF}, {IDC_LED_ON}, {IDC_LED_DEF}}},
  };
  return runs;
}

struct PanelSearch {
  HWND except;
  HWND alsoExcept;
  HWND found;
};

BOOL CALLBACK FindPanel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<PanelSearch*>(param);
  if (window != search->except && window != search->alsoExcept && ::IsWindowVisible(window) &&
      ::GetDlgItem(window, IDC_MSG_TEXT) == nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of this thread other than the two given and a message box, or null.
HWND NewestPanel(HWND except, HWND alsoExcept) {
  PanelSearch search{except, alsoExcept, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindPanel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The configuration file is whole when every section of a first start is there with its keys.
std::string FileProblem(const std::string& text) {
  if (text.empty()) return "missing";
  const char* const sections[] = {"[Pyrelix]",  "[Windows Startup]", "[Default]", "[Start_OC]",
                                  "[Profile1]", "[Profile2]",        "[Profile3]"};
  for (const char* section : sections) {
    if (text.find(section) == std::string::npos) return std::string("no ") + section;
  }
  if (text.find("Initialized=1") == std::string::npos) return "not initialised";
  size_t keys = 0;
  for (size_t at = text.find("FanMode="); at != std::string::npos;
       at = text.find("FanMode=", at + 1))
    ++keys;
  if (keys < 5) return "a profile lost its keys";
  return "";
}

struct Outcome {
  size_t messages = 0;
  int32_t engine = 0, memory = 0, temperature = 0, fan = 0;
  std::string file;  // empty: whole
};

Outcome RunJourney(const sim::Scenario& scenario) {
  const std::wstring dir = GetExeDirectory(nullptr) + L"\\";
  for (uint16_t id : {uint16_t{0x2684}, uint16_t{0}}) {
    ::DeleteFileW((dir + ConfigFileNameFor(id)).c_str());
  }
  Outcome outcome;
  SimulatedDriver driver(scenario);
  AutoAnswer answers(std::vector<int>(200, IDC_MSG_OK));
  {
    auto window = std::make_unique<CPyrelixDlg>(driver.api);
    EXPECT_TRUE(window->Create(nullptr));
    HWND main = window->hwnd();
    ::ShowWindow(main, SW_SHOW);
    auto tick = [&](int times) {
      for (int i = 0; i < times; ++i) {
        for (UINT_PTR id = 1; id <= 3; ++id) ::SendMessageW(main, WM_TIMER, id, 0);
        PumpMessages();
      }
    };
    tick(3);
    for (const PanelRun& run : PanelRuns()) {
      Click(main, run.mainButton);
      HWND panel = NewestPanel(main, nullptr);
      EXPECT_NE(panel, nullptr) << run.name << " panel did not open";
      if (panel == nullptr) continue;
      HWND opened = panel;
      for (const Press& press : run.presses) {
        if (press.inOpened) {
          Click(opened, press.id);
        } else {
          Click(panel, press.id);
          HWND newest = NewestPanel(main, panel);
          if (newest != nullptr) opened = newest;
        }
      }
      ::SendMessageW(panel, WM_TIMER, 1, 0);  // the overclock panel's change detector
      tick(2);                                // the fan curve step sees the applied curve
      if (opened != panel) ::SendMessageW(opened, WM_COMMAND, IDCANCEL, 0);
      ::SendMessageW(panel, WM_COMMAND, IDCANCEL, 0);
      PumpMessages();
      EXPECT_FALSE(::IsWindowVisible(panel)) << run.name << " panel did not close";
    }
    tick(2);
    const MainWindowState& state = window->state();
    outcome.engine = state.engine.current;
    outcome.memory = state.memory.current;
    outcome.temperature = state.temperature.current;
    outcome.fan = state.fan.current;
    outcome.file = FileProblem(ReadAll(dir + state.configFileName));
    ::DestroyWindow(main);
  }
  outcome.messages = answers.clicked();
  return outcome;
}

// Which readings the monitor showed at the end: E(ngine), M(emory), T(emperature), F(an), or -.
std::string Readings(const Outcome& o) {
  std::string shown;
  shown += o.engine != 0 ? 'E' : '-';
  shown += o.memory != 0 ? 'M' : '-';
  shown += o.temperature != 0 ? 'T' : '-';
  shown += o.fan != 0 ? 'F' : '-';
  return shown;
}

std::string Row(const Outcome& o) {
  return std::to_string(o.messages) + " | " + Readings(o) + " | " +
         (o.file.empty() ? std::string("whole") : o.file);
}

}  // namespace

TEST(FaultMatrix, EveryInterfaceFailedOrMissingLeavesTheJourneyWhole) {
  std::ostringstream table;
  table << "| Interface | Failed: messages | Failed: readings | Failed: file"
           " | Missing: messages | Missing: readings | Missing: file |\n"
           "|---|---|---|---|---|---|---|\n";
  const Outcome healthy = RunJourney(sim::DemoScenario());
  EXPECT_EQ(healthy.file, "");
  table << "| (none) | " << Row(healthy) << " | " << Row(healthy) << " |\n";

  for (const sim::EntryName& entry : sim::ImplementedEntries()) {
    std::string cells;
    for (bool missing : {false, true}) {
      SCOPED_TRACE(std::string(entry.name) + (missing ? " missing" : " failing"));
      std::printf("fault: %s %s\n", entry.name, missing ? "missing" : "failing");
      std::fflush(stdout);
      sim::Scenario scenario = sim::DemoScenario();
      sim::InterfaceBehaviour behaviour;
      if (missing) {
        behaviour.missing = true;
      } else {
        behaviour.forcedStatus = kNvError;
      }
      scenario.interfaces[entry.id] = behaviour;
      const Outcome outcome = RunJourney(scenario);
      EXPECT_EQ(outcome.file, "") << "the configuration file is not whole";
      cells += " | " + Row(outcome);
    }
    table << "| `" << entry.name << "`" << cells << " |\n";
  }
  if (const char* report = std::getenv("PYRELIX_FAULT_REPORT")) {
    std::ofstream(report, std::ios::binary) << table.str();
  }
  std::printf("%s", table.str().c_str());
}
