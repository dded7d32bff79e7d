#include "lighting/I2cTransaction.h"

#include <cstring>

I2cTransaction::I2cTransaction(uint8_t registerByte, uint32_t registerSize, const uint8_t* bytes,
                               size_t size)
    : register_(registerByte) {
  if (size > kI2cMaxData) size = kI2cMaxData;
  if (bytes != nullptr) std::memcpy(data_, bytes, size);
  info_.version = kNvI2cInfoVersion;
  info_.displayMask = 1;
  info_.isDdcPort = 1;
  info_.deviceAddress = kLedDeviceAddress;
  info_.registerAddress = EncodeNvPointer(&info_, &register_);
  info_.registerAddressSize = registerSize;
  info_.data = EncodeNvPointer(&info_, data_);
  info_.dataSize = static_cast<uint32_t>(size);
  info_.speed = kNvI2cSpeedUseKhz;
  info_.speedKhz = kNvI2cSpeed100Khz;
  info_.portId = 1;
  info_.portIdSet = 1;
}

bool I2cReadStatus(GpuTable& table, LedReply& reply) {
  I2cTransaction read(kLedRegister, 1, reply.data(), reply.size());
  table.status = table.api.I2cRead(table.Handle(-1), read.Record());
  if (table.status != kNvOk) return true;
  std::memcpy(reply.data(), read.Data(), reply.size());
  return false;
}

bool I2cWrite(GpuTable& table, int index, uint8_t registerByte, uint32_t registerSize,
              const uint8_t* bytes, size_t size) {
  if (size > kI2cMaxData || (bytes == nullptr && size != 0)) {
    table.status = kNvInvalidArgument;
    return true;
  }
  I2cTransaction write(registerByte, registerSize, bytes, size);
  table.status = table.api.I2cWrite(table.Handle(index), write.Record());
  return table.status != kNvOk;
}
