// The VBIOS panel's two operations, step by step: saving the card's video BIOS to a chosen file
// and flashing a chosen file onto the card, both through the flashing tool and its work file.
#pragma once

#include "controls/MessageSink.h"
#include "vbios/VbiosPlatform.h"

enum class VbiosOutcome {
  kCancelled,  // the user said no to the question or the file dialog: nothing was run
  kDone,
  kFailed,  // "Save BIOS Fail!" was shown
};

class VbiosFlow {
 public:
  VbiosFlow(VbiosPlatform& platform, RomFileChooser& files, MessageSink& messages)
      : platform_(platform), files_(files), messages_(messages) {}

  // Save: choose the file; remove a stale work file; the tool saves the card's BIOS into the
  // work file; the work file is moved onto the chosen file. Any failed step shows the failure
  // notice and ends the save (a work file the tool wrote stays where it is).
  VbiosOutcome Save();

  // Flash: the warning (only OK goes on); choose the file; remove a stale work file and copy the
  // chosen file into it; the tool flashes the work file. The tool never runs unless the copy
  // succeeded, a failed step shows the failure notice, and the work file is removed in every
  // case once a file was chosen.
  VbiosOutcome Flash();

 private:
  VbiosOutcome Fail();

  VbiosPlatform& platform_;
  RomFileChooser& files_;
  MessageSink& messages_;
};
