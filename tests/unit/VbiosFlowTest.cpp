// The save and flash operations against a recording platform: their steps, confirmations,
// failure notices, and that a flash never runs on a stale work file.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "controls/MessageSink.h"
#include "vbios/VbiosFlow.h"

namespace {

// Records every step as text; each step can be told to fail.
struct RecordingPlatform : VbiosPlatform, RomFileChooser, MessageSink {
  std::wstring ExecutableDirectory() override { return L"C:\\Pyrelix"; }
  bool IsWow64() override { return wow64; }
  int RunAndWait(const std::wstring& program, const std::vector<std::wstring>& arguments) override {
    std::wstring step = L"run " + program;
    for (const std::wstring& a : arguments) step += L" " + a;
    steps.push_back(step);
    return toolStatus;
  }
  bool RemoveFile(const std::wstring& path) override { return Step(L"remove " + path); }
  bool CopyFileTo(const std::wstring& from, const std::wstring& to) override {
    return Step(L"copy " + from + L" -> " + to);
  }
  bool MoveFileTo(const std::wstring& from, const std::wstring& to) override {
    return Step(L"move " + from + L" -> " + to);
  }
  std::optional<std::wstring> ChooseSaveFile() override {
    steps.push_back(L"save dialog");
    return chosen;
  }
  std::optional<std::wstring> ChooseOpenFile() override {
    steps.push_back(L"open dialog");
    return chosen;
  }
  int ShowMessage(const std::wstring& text) override {
    steps.push_back(L"message " + text);
    return answer;
  }

  bool Step(const std::wstring& step) {
    steps.push_back(step);
    return failing.count(step.substr(0, step.find(L' '))) == 0;
  }

  bool wow64 = false;
  int toolStatus = 0;
  int answer = MessageSink::kOk;
  std::optional<std::wstring> chosen = L"C:\\my roms\\100% card.rom";
  std::set<std::wstring> failing;  // "remove", "copy", "move"
  std::vector<std::wstring> steps;
};

const std::wstring kTool32 = L"run C:/Pyrelix/BIOS/nvflash32.exe";
const std::wstring kSaveRun = kTool32 + L" nvflash.exe --save backup.rom";
const std::wstring kFlashRun = kTool32 + L" nvflash.exe backup.rom -A -6";
const std::wstring kFail = L"message Save BIOS Fail!";
const std::wstring kWarning =
    L"message To Flash BIOS May Be Dangerous to Your Card,Will You Continue?";
const std::wstring kRemove = L"remove backup.rom";
const std::wstring kCopy = L"copy C:\\my roms\\100% card.rom -> backup.rom";
const std::wstring kMove = L"move backup.rom -> C:\\my roms\\100% card.rom";

using Steps = std::vector<std::wstring>;

// "tool fails" -> "tool_fails": the case's name in the test's name.
template <class Case>
std::string NameOf(const testing::TestParamInfo<Case>& info) {
  std::string name = info.param.what;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

struct SaveCase {
  const char* what;
  int toolStatus;
  std::set<std::wstring> failing;
  VbiosOutcome outcome;
  Steps steps;
};

class VbiosSave : public testing::TestWithParam<SaveCase> {};

TEST_P(VbiosSave, RunsItsSteps) {
  const SaveCase& c = GetParam();
  RecordingPlatform p;
  p.toolStatus = c.toolStatus;
  p.failing = c.failing;
  EXPECT_EQ(VbiosFlow(p, p, p).Save(), c.outcome) << c.what;
  EXPECT_EQ(p.steps, c.steps) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VbiosSave,
    testing::Values(
        SaveCase{"good", 0, {}, VbiosOutcome::kDone, {L"save dialog", kRemove, kSaveRun, kMove}},
        SaveCase{
            "tool fails", 1, {}, VbiosOutcome::kFailed, {L"save dialog", kRemove, kSaveRun, kFail}},
        SaveCase{"tool cannot start",
                 -1,
                 {},
                 VbiosOutcome::kFailed,
                 {L"save dialog", kRemove, kSaveRun, kFail}},
        SaveCase{"move fails",
                 0,
                 {L"move"},
                 VbiosOutcome::kFailed,
                 {L"save dialog", kRemove, kSaveRun, kMove, kFail}},
        SaveCase{"stale work file stays",
                 0,
                 {L"remove"},
                 VbiosOutcome::kFailed,
                 {L"save dialog", kRemove, kFail}}),
    NameOf<SaveCase>);

TEST(VbiosSaveChoice, CancellingTheDialogRunsNothing) {
  RecordingPlatform p;
  p.chosen.reset();
  EXPECT_EQ(VbiosFlow(p, p, p).Save(), VbiosOutcome::kCancelled);
  EXPECT_EQ(p.steps, Steps{L"save dialog"});
}

TEST(VbiosSaveChoice, OnWow64TheSixtyFourBitToolRuns) {
  RecordingPlatform p;
  p.wow64 = true;
  VbiosFlow(p, p, p).Save();
  ASSERT_EQ(p.steps.size(), 4u);
  EXPECT_EQ(p.steps[2], L"run C:/Pyrelix/BIOS/nvflash64.exe nvflash.exe --save backup.rom");
}

TEST(VbiosSaveChoice, ALongChosenPathIsPassedWholeWithThePrefix) {
  RecordingPlatform p;
  const std::wstring deep(280, L'x');
  p.chosen = L"C:\\" + deep + L"\\bios.rom";
  EXPECT_EQ(VbiosFlow(p, p, p).Save(), VbiosOutcome::kDone);
  EXPECT_EQ(p.steps.back(), L"move backup.rom -> \\\\?\\C:\\" + deep + L"\\bios.rom");
}

TEST(VbiosSaveChoice, APathThatCannotBePassedWholeIsRefusedBeforeAnythingRuns) {
  RecordingPlatform p;
  p.chosen = std::wstring(300, L'x') + L"\\relative.rom";
  EXPECT_EQ(VbiosFlow(p, p, p).Save(), VbiosOutcome::kFailed);
  EXPECT_EQ(p.steps, (Steps{L"save dialog", kFail}));
}

struct FlashCase {
  const char* what;
  int answer;
  bool chosen;
  int toolStatus;
  std::set<std::wstring> failing;
  VbiosOutcome outcome;
  Steps steps;
};

class VbiosFlash : public testing::TestWithParam<FlashCase> {};

TEST_P(VbiosFlash, RunsItsStepsAndAlwaysRemovesTheWorkFile) {
  const FlashCase& c = GetParam();
  RecordingPlatform p;
  p.answer = c.answer;
  if (!c.chosen) p.chosen.reset();
  p.toolStatus = c.toolStatus;
  p.failing = c.failing;
  EXPECT_EQ(VbiosFlow(p, p, p).Flash(), c.outcome) << c.what;
  EXPECT_EQ(p.steps, c.steps) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VbiosFlash,
    testing::Values(
        FlashCase{"good",
                  1,
                  true,
                  0,
                  {},
                  VbiosOutcome::kDone,
                  {kWarning, L"open dialog", kRemove, kCopy, kFlashRun, kRemove}},
        FlashCase{"warning declined", 2, true, 0, {}, VbiosOutcome::kCancelled, {kWarning}},
        FlashCase{"dialog cancelled",
                  1,
                  false,
                  0,
                  {},
                  VbiosOutcome::kCancelled,
                  {kWarning, L"open dialog"}},
        FlashCase{"tool fails",
                  1,
                  true,
                  3,
                  {},
                  VbiosOutcome::kFailed,
                  {kWarning, L"open dialog", kRemove, kCopy, kFlashRun, kFail, kRemove}},
        // Never flash what an earlier run left: no copy, no tool.
        FlashCase{"copy fails",
                  1,
                  true,
                  0,
                  {L"copy"},
                  VbiosOutcome::kFailed,
                  {kWarning, L"open dialog", kRemove, kCopy, kFail, kRemove}},
        FlashCase{"stale work file stays",
                  1,
                  true,
                  0,
                  {L"remove"},
                  VbiosOutcome::kFailed,
                  {kWarning, L"open dialog", kRemove, kFail, kRemove}}),
    NameOf<FlashCase>);

}  // namespace
