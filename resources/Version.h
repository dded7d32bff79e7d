// The program's version, in the one place it is written: the version resource reads it, and the
// build takes the installer's and the zip's names from it and checks the manifest and the
// project version against it.
#pragma once

#define PYRELIX_VERSION_MAJOR 1
#define PYRELIX_VERSION_MINOR 0
#define PYRELIX_VERSION_PATCH 0
#define PYRELIX_VERSION_BUILD 35
// The build number is shown with three digits.
#define PYRELIX_VERSION_TEXT "1.0.0.035"
