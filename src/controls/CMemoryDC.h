// The off-screen drawing surface the skinned controls paint through (see win::MemoryDC).
#pragma once

#include "win/Handles.h"

using CMemoryDC = win::MemoryDC;
