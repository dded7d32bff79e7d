#include "vbios/VbiosFlow.h"

#include "vbios/FilePathForApi.h"
#include "vbios/VbiosTool.h"

VbiosOutcome VbiosFlow::Fail() {
  messages_.ShowMessage(kVbiosFailMessage);
  return VbiosOutcome::kFailed;
}

VbiosOutcome VbiosFlow::Save() {
  const std::optional<std::wstring> chosen = files_.ChooseSaveFile();
  if (!chosen) return VbiosOutcome::kCancelled;
  const std::optional<std::wstring> target = FilePathForApi(*chosen);
  const std::optional<std::wstring> tool =
      VbiosToolPath(platform_.ExecutableDirectory(), platform_.IsWow64());
  if (!target || !tool) return Fail();
  // A work file left by an earlier run must not pass for this save's result.
  if (!platform_.RemoveFile(kVbiosWorkFile)) return Fail();
  if (platform_.RunAndWait(*tool, VbiosSaveArguments()) != 0) return Fail();
  if (!platform_.MoveFileTo(kVbiosWorkFile, *target)) return Fail();
  return VbiosOutcome::kDone;
}

VbiosOutcome VbiosFlow::Flash() {
  if (messages_.ShowMessage(kVbiosFlashWarning) != MessageSink::kOk) {
    return VbiosOutcome::kCancelled;
  }
  const std::optional<std::wstring> chosen = files_.ChooseOpenFile();
  if (!chosen) return VbiosOutcome::kCancelled;
  const std::optional<std::wstring> source = FilePathForApi(*chosen);
  const std::optional<std::wstring> tool =
      VbiosToolPath(platform_.ExecutableDirectory(), platform_.IsWow64());
  // The tool flashes whatever the work file holds: it runs only on a fresh copy of the chosen
  // file, never on a stale one.
  const bool flashed = source && tool && platform_.RemoveFile(kVbiosWorkFile) &&
                       platform_.CopyFileTo(*source, kVbiosWorkFile) &&
                       platform_.RunAndWait(*tool, VbiosFlashArguments()) == 0;
  const VbiosOutcome outcome = flashed ? VbiosOutcome::kDone : Fail();
  platform_.RemoveFile(kVbiosWorkFile);
  return outcome;
}
