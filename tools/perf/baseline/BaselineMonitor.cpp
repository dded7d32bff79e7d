#include "BaselineMonitor.h"

#include "app/GpuMonitorSensors.h"
#include "app/MonitoringLoop.h"
#include "gpu/GpuEnumeration.h"
#include "gpu/Sensors.h"

void BaselineMonitor::Start() {
  EnumerateGpus(state_.gpus);
  ApplyInitialGauges(state_, ReadInitialGaugeReadings(state_.gpus));
}

void BaselineMonitor::OneSecondTick() {
  GpuMonitorSensors sensors(state_.gpus);
  RunMonitorTick(state_, sensors, tickCounter_);
}

void BaselineMonitor::HalfSecondTick() {
  int32_t temperature = 0;
  ReadTemperature(-1, state_.gpus, temperature);
}
