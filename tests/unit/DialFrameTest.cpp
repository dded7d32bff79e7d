// Which picture the temperature dial shows for a reading.
#include <gtest/gtest.h>

#include "controls/DialFrame.h"

TEST(DialFrame, FrameForEachTemperature) {
  struct Case {
    unsigned reading;
    int frame;
  };
  const Case cases[] = {
      {0, 1300},   {1, 1301},   {22, 1301},  {23, 1301},  {24, 1302},    {60, 1338},
      {119, 1397}, {120, 1401}, {200, 1401}, {201, 1300}, {65535, 1300},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DialFrameFor(DialTemperature(c.reading)), c.frame) << c.reading;
  }
  EXPECT_EQ(DialTemperature(201), 0);  // a reading above 200 is not believed
  EXPECT_EQ(DialTemperature(200), 200);
}
