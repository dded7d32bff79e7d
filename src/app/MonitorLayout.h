// Where the monitor sits in the main window: per channel its graph, the three labels and the
// series name, and the temperature dial. Rectangles in client pixels.
#pragma once

#include "app/MonitoringLoop.h"
#include "resource.h"

// x, y, width, height.
struct Placement {
  int x, y, width, height;
};

struct MonitorChannelLayout {
  int graphId;
  const wchar_t* series;
  Placement graph;
  int maximumId;
  Placement maximum;
  int minimumId;
  Placement minimum;
  int currentId;
  Placement current;
};

// In Gauge order: engine, temperature, memory, fan.
constexpr MonitorChannelLayout kMonitorLayout[kGaugeCount] = {
    {IDC_GRAPH_ENGINE,
     L"Engine Clock MHz",
     {60, 190, 330, 96},
     IDC_ENGINE_MAX,
     {290, 168, 25, 16},
     IDC_ENGINE_MIN,
     {360, 168, 25, 16},
     IDC_ENGINE_NOW,
     {395, 220, 25, 16}},
    {IDC_GRAPH_TEMPERATURE,
     L"Temperature C",
     {60, 340, 330, 96},
     IDC_TEMPERATURE_MAX,
     {290, 319, 25, 16},
     IDC_TEMPERATURE_MIN,
     {360, 319, 25, 16},
     IDC_TEMPERATURE_NOW,
     {395, 370, 25, 16}},
    {IDC_GRAPH_MEMORY,
     L"Memory Clock MHz",
     {790, 190, 330, 96},
     IDC_MEMORY_MAX,
     {1020, 168, 30, 16},
     IDC_MEMORY_MIN,
     {1090, 168, 25, 16},
     IDC_MEMORY_NOW,
     {1125, 220, 25, 16}},
    {IDC_GRAPH_FAN,
     L"Fan Speed %",
     {790, 340, 330, 96},
     IDC_FAN_MAX,
     {1020, 319, 25, 16},
     IDC_FAN_MIN,
     {1090, 319, 25, 16},
     IDC_FAN_NOW,
     {1125, 370, 25, 16}},
};

constexpr Placement kDialPlacement{436, 145, 331, 305};
