// Whether a start of the program goes on, given what creating the instance mutex found.
#pragma once

#include "controls/MessageSink.h"

enum class InstanceMutex { kCreated, kAlreadyExists, kFailed };

// kFailed: tells the user and stops. kAlreadyExists: asks, and goes on only on OK.
bool ContinueStartup(InstanceMutex mutex, MessageSink& messages);
