// One I2C transaction with the lighting controller at address 0x92 of a GPU, as the driver's
// I2C read and write calls take it: the record, the register byte and the data kept together.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gpu/GpuTable.h"
#include "gpu/structs/LightingStructs.h"
#include "lighting/LedProtocol.h"

// The largest transfer: a status read.
constexpr size_t kI2cMaxData = kLedReplySize;

// The record's pointers refer to the members behind it (see NvI2cInfo), so a transaction is
// never copied or moved once built.
class I2cTransaction {
 public:
  // `registerSize` 0 points at the register byte but does not send it. `size` is clamped to
  // kI2cMaxData; `bytes` may be null for a read.
  I2cTransaction(uint8_t registerByte, uint32_t registerSize, const uint8_t* bytes, size_t size);
  I2cTransaction(const I2cTransaction&) = delete;
  I2cTransaction& operator=(const I2cTransaction&) = delete;

  NvI2cInfo* Record() { return &info_; }
  const uint8_t* Data() const { return data_; }

 private:
  NvI2cInfo info_;
  uint8_t register_ = 0;
  uint8_t data_[kI2cMaxData] = {};
};

// Reads the 32-byte status block at register 0xA0 of the current GPU into `reply`. The driver's
// status goes to the table. A failed read leaves `reply` as it was. True when the read failed.
bool I2cReadStatus(GpuTable& table, LedReply& reply);

// Writes `size` bytes to GPU `index` (-1: the current GPU). More than kI2cMaxData bytes are
// refused without a call (status kNvInvalidArgument). True when the write failed.
bool I2cWrite(GpuTable& table, int index, uint8_t registerByte, uint32_t registerSize,
              const uint8_t* bytes, size_t size);
