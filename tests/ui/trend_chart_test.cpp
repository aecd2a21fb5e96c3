// The trend chart drawn into its image and checked at single pixels.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

#include "ui/trend_chart.h"

namespace zorkan {
namespace {

constexpr int kWidth = 681;
constexpr int kHeight = 257;
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

int Row(double share) {
  return static_cast<int>(std::trunc(0.95 * kHeight - 0.9 * (share * (kHeight - 2) + 2)));
}

// Points at x = 1, 2, 3: the trace runs along the row of `value` from x = 2 on.
TrendChart DrawnFlat(float max, float min, float value, bool fault = false) {
  TrendChart chart(kWidth, kHeight);
  for (int point = 0; point < 3; ++point) chart.DrawTrendPoint(max, min, value, fault);
  return chart;
}

TEST(TrendChart, RangeEndsLandOnTheirLinesAndTheBreakOnTheBottomLine) {
  EXPECT_EQ(DrawnFlat(100.0f, 0.0f, 0.0f).image().pixel(3, Row(0.0)), kBlue);
  EXPECT_EQ(Row(0.0), static_cast<int>(std::trunc(0.95 * kHeight - 1.8)));
  EXPECT_EQ(DrawnFlat(100.0f, 0.0f, 100.0f).image().pixel(3, Row(1.0)), kBlue);
  EXPECT_NEAR(Row(1.0), 0.05 * kHeight, 2.0);
  EXPECT_EQ(DrawnFlat(100.0f, 0.0f, 50.0f, true).image().pixel(3, static_cast<int>(0.95 * kHeight)),
            kRed);
}

TEST(TrendChart, WrapLeavesTheImageWhiteButTheNewSegment) {
  TrendChart chart(kWidth, kHeight);
  for (int point = 0; point <= kWidth; ++point) chart.DrawTrendPoint(100.0f, 0.0f, 50.0f, false);
  const QImage& image = chart.image();
  int coloured = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) coloured += image.pixel(x, y) != kWhite ? 1 : 0;
  }
  EXPECT_GT(coloured, 0);
  EXPECT_LT(coloured, 2 * kWidth);  // one segment two pixels wide, no grid
  EXPECT_EQ(image.pixel(kWidth / 2, Row(0.5)), kBlue);
  EXPECT_EQ(image.pixel(kWidth / 2, Row(0.0) + 2), kWhite);  // the "0%" line is gone
}

// A range without width, or one a millionth wide with the value far off, must draw without a
// division by zero or an int overflow (the sanitizers watch this test).
TEST(TrendChart, DegenerateRangesDrawWithoutUndefinedBehaviour) {
  EXPECT_EQ(DrawnFlat(5.0f, 5.0f, 5.0f).image().pixel(3, Row(0.0)), kBlue);
  EXPECT_EQ(DrawnFlat(5.0f, 5.0f, 7.0f).image().pixel(3, Row(0.0)), kBlue);
  const QImage far = DrawnFlat(1.000001f, 1.0f, 10000.0f).image();
  EXPECT_NE(far.pixel(3, Row(0.0) + 2), kBlue);
}

TEST(TrendChart, LabelsAreDrawnInASerifFaceWithCyrillic) {
  const QFontInfo info(ChartFont());
  EXPECT_EQ(info.family(), "Liberation Serif");
  EXPECT_TRUE(QFontMetrics(ChartFont()).inFont(QChar(0x0416)));  // Ж
}

}  // namespace
}  // namespace zorkan
