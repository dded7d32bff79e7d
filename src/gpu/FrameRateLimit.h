// The global frame-rate limit: the frame-rate limiter setting of the driver settings database's
// base profile, which every application without a profile of its own follows. Only written.
#pragma once

#include <cstdint>

#include "gpu/NvApi.h"

// The limiter value for `fps` frames per second: 0xB0C02000 + fps when `selector` is 0,
// 0xF0000000 + fps otherwise. The frame rate occupies the low byte.
uint32_t FrameRateLimiterValue(uint32_t fps, int selector);

// Writes the limiter value into the base profile and saves the settings. Returns 0 on success, 1
// as soon as one driver call fails; a session that was created is destroyed on every path.
int SetFrameRateLimit(const NvApi& driver, uint32_t fps, int selector);
