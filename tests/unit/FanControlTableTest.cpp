// The fan control table built from a curve, and the 500 ms step that matches the temperature to
// a row and sends the row's level, against a recording sink.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fan/FanControlTable.h"

namespace {

// Answers the temperatures it is given and writes down every send.
class RecordingFans : public FanControlSink {
 public:
  uint32_t temperature = 0;
  int reads = 0;
  std::vector<std::string> sends;

  uint32_t ReadTemperature() override {
    ++reads;
    return temperature;
  }
  void SetCoolerLevel(int32_t level) override { sends.push_back("all " + std::to_string(level)); }
  void SetFanCoolerManual(uint32_t coolerId, int32_t level) override {
    sends.push_back("fan" + std::to_string(coolerId) + " " + std::to_string(level));
  }
};

// Every point of a curve at the same grid row.
FanCurve FlatCurve(int32_t level) {
  FanCurve curve = DefaultFanCurve();
  for (FanCurvePoint& point : curve) point.level = level;
  return curve;
}

class FanStep : public ::testing::Test {
 protected:
  // The level sent by one tick at `celsius` on the older interface, or -1 when nothing was sent.
  int Tick(uint32_t celsius, int32_t mode = kCurveStepFanMode) {
    fans.temperature = celsius;
    fans.sends.clear();
    const FanStepResult result = RunFanCurveStep(table, mode, 0, fans);
    if (!result.sent) {
      EXPECT_TRUE(fans.sends.empty());
      return -1;
    }
    EXPECT_EQ(fans.sends, std::vector<std::string>{"all " + std::to_string(result.level)});
    return result.level;
  }

  FanControlTable table;
  RecordingFans fans;
};

}  // namespace

TEST(FanTable, DefaultCurveGivesTenRowsFromZeroToAHundred) {
  FanControlTable table;
  ApplyFanCurve(table, DefaultFanCurve());
  ASSERT_EQ(table.segmentCount, 10u);
  for (uint32_t i = 0; i < 10; ++i) {
    EXPECT_EQ(table.rows[i].lowC, 10 * i) << i;
    EXPECT_EQ(table.rows[i].highC, 10 * (i + 1)) << i;
    EXPECT_EQ(table.rows[i].levelPct, 10 * (i + 1)) << i;
  }
}

TEST(FanTable, DisabledPointsAreSkippedAndTheNextRowBeginsWhereTheLastEnabledEnded) {
  FanCurve curve = DefaultFanCurve();
  curve[2].enabled = 0;  // 20–30 °C
  curve[3].enabled = 0;  // 30–40 °C
  curve[9].enabled = 0;  // 90–100 °C
  curve[4].level = 0;    // 100 % for 20–50 °C
  FanControlTable table;
  ApplyFanCurve(table, curve);
  ASSERT_EQ(table.segmentCount, 7u);
  EXPECT_EQ(table.rows[1].highC, 20u);
  EXPECT_EQ(table.rows[2].lowC, 20u);
  EXPECT_EQ(table.rows[2].highC, 50u);
  EXPECT_EQ(table.rows[2].levelPct, 100u);
  EXPECT_EQ(table.rows[6].lowC, 80u);
  EXPECT_EQ(table.rows[6].highC, 90u);

  for (FanCurvePoint& point : curve) point.enabled = 0;
  ApplyFanCurve(table, curve);
  EXPECT_EQ(table.segmentCount, 0u);
}

TEST(FanTable, ApplyForcesTheNextSendButKeepsTheCurrentRow) {
  FanControlTable table;
  table.currentSegment = 4;
  table.appliedSegment = 4;
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(table.currentSegment, 4u);
  EXPECT_EQ(table.appliedSegment, 0u);
}

TEST_F(FanStep, TemperaturesMatchTheirRowWithBoundariesInTheLowerRow) {
  ApplyFanCurve(table, DefaultFanCurve());
  struct Case {
    uint32_t celsius;
    int sent;  // -1: nothing sent
  };
  // One tick after another on the default curve.
  const Case ticks[] = {
      {40, 40},  // (30, 40]
      {40, -1},  // same row: nothing sent again
      {41, 50},  // (40, 50]
      {50, -1},  // 50 belongs to (40, 50]
      {0, -1},   // 0 °C, or a failed reading, matches nothing
      {51, 60},  // (50, 60]
      {1, 10},   // (0, 10]
      {100, 100},
  };
  for (const Case& c : ticks) EXPECT_EQ(Tick(c.celsius), c.sent) << c.celsius << " °C";
  EXPECT_EQ(table.lastTemperature, 100u);
}

TEST_F(FanStep, AReadingOfZeroKeepsTheRowAndTheFans) {
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(45), 50);
  EXPECT_EQ(Tick(0), -1);
  EXPECT_EQ(table.currentSegment, 5u);
  EXPECT_EQ(Tick(46), -1);  // still the row last sent
}

TEST_F(FanStep, AboveAHundredDegreesMatchesNoRowButTheNextSendIsFullSpeed) {
  ApplyFanCurve(table, FlatCurve(7));  // 30 % everywhere
  EXPECT_EQ(Tick(55), 30);
  EXPECT_EQ(Tick(130), -1);  // no row: the fans stay at 30 %
  ApplyFanCurve(table, FlatCurve(7));
  EXPECT_EQ(Tick(130), 100);  // the row last matched goes out, at 100 % above 100 °C
  EXPECT_EQ(Tick(130), -1);
}

TEST_F(FanStep, NothingIsSentWhileNoRowHasEverMatched) {
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(0), -1);
  EXPECT_EQ(Tick(150), -1);
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(150), -1);
  EXPECT_EQ(fans.reads, 3);
}

TEST_F(FanStep, ApplyingTwiceSendsTheCurrentRowAgain) {
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(45), 50);
  EXPECT_EQ(Tick(45), -1);
  ApplyFanCurve(table, DefaultFanCurve());
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(45), 50);
  EXPECT_EQ(Tick(45), -1);
}

TEST_F(FanStep, OnlyFanModeTwoWithAnAppliedTableTouchesTheFans) {
  EXPECT_EQ(Tick(45), -1);  // nothing applied yet, even in mode 2
  EXPECT_EQ(fans.reads, 0);
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(45), 50);
  for (int32_t mode : {0, 1}) {
    EXPECT_EQ(Tick(75, mode), -1) << mode;
  }
  EXPECT_EQ(fans.reads, 1);
  // Back in mode 2 within the row last sent: no send is forced.
  EXPECT_EQ(Tick(48), -1);
  EXPECT_EQ(Tick(75), 80);
}

TEST_F(FanStep, LevelsAreHeldToTheFanRange) {
  FanCurve curve = DefaultFanCurve();
  curve[0].level = -3;  // 130 %
  curve[1].level = 12;  // −20 %
  ApplyFanCurve(table, curve);
  EXPECT_EQ(Tick(5), 100);
  EXPECT_EQ(Tick(15), 0);
}

TEST_F(FanStep, ARowOfALongerTableThatApplyReplacedIsNotSent) {
  ApplyFanCurve(table, DefaultFanCurve());
  EXPECT_EQ(Tick(95), 100);  // row 10
  FanCurve shorter = DefaultFanCurve();
  for (int i = 3; i < 10; ++i) shorter[i].enabled = 0;
  ApplyFanCurve(table, shorter);
  EXPECT_EQ(Tick(95), -1);  // no row of the new table: the old row 10 is not sent
  EXPECT_EQ(Tick(25), 30);
}

TEST(FanStepInterfaces, EachCoolerInterfaceGetsTheLevelItsWay) {
  struct Case {
    int32_t fanCoolerModel;
    std::vector<std::string> sends;
  };
  const Case cases[] = {
      {0, {"all 70"}},
      {1, {"fan1 70", "fan2 70"}},
  };
  for (const Case& c : cases) {
    FanControlTable table;
    RecordingFans fans;
    ApplyFanCurve(table, DefaultFanCurve());
    fans.temperature = 62;
    const FanStepResult result = RunFanCurveStep(table, kCurveStepFanMode, c.fanCoolerModel, fans);
    EXPECT_TRUE(result.sent);
    EXPECT_EQ(fans.sends, c.sends) << c.fanCoolerModel;
  }
}
