#pragma once
// The running trend of channel 1 on the page "График": one point per live poll, one pixel apart,
// over a grid of ten-per-cent bands of the measuring range and half-minute lines. The drawing
// stays between points; only reaching the right edge wipes it.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <optional>

class QPainter;

namespace zorkan {

class TrendChart {
 public:
  TrendChart(int width, int height);

  // Grid, labels and the segment from the previous point to this one; `fault` (the sensor break)
  // draws the point red on the bottom line.
  void DrawTrendPoint(float rangeMax, float rangeMin, float value, bool fault);
  const QImage& image() const { return image_; }

 private:
  void drawGrid(QPainter& painter);
  int pointY(float rangeMax, float rangeMin, float value) const;

  QImage image_;
  int pointCount_ = 0;
  // None before the first point, which then starts the trace where it lies.
  std::optional<QPoint> previous_;
};

// The face the chart's labels ask for, as the system can give it: a serif face with Cyrillic.
QFont ChartFont();

}  // namespace zorkan
