#include "ui/trend_chart.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zorkan {

namespace {

constexpr int kGridLines = 11;
constexpr double kBottomLine = 0.95;  // the "0%" line, as a share of the height
constexpr double kBandStep = 0.09;
constexpr int kMinuteLineWidth = 2;
constexpr int kTraceWidth = 2;
constexpr int kLabelSize = 10;
constexpr int kLabelLeft = 10;
constexpr int kLabelAbove = 10;
// Twelve vertical lines 60 pixels (30 polls) apart, whatever the width; every other one thick.
constexpr int kVerticalLines = 12;
constexpr int kFirstVertical = 2;
constexpr int kVerticalStep = 60;
// The face as the window layout names it, cut as font names were in its day.
constexpr const char* kLabelFace = "Times_New_Roman";
constexpr int kFaceNameLength = 31;
// Fontconfig does not know the layout's name; Liberation Serif has the metrics of Times New
// Roman, and Cyrillic.
constexpr const char* kSerifFace = "Liberation Serif";

// Coordinates are cut towards zero. A point far outside the range would overflow an int; held a
// few heights off the image, every point that lands on the image is drawn the same.
int Truncated(double coordinate, int height) {
  const double bound = 4.0 * height;
  return static_cast<int>(std::trunc(std::clamp(coordinate, -bound, bound + height)));
}

}  // namespace

QFont ChartFont() {
  const QString face = QString(kLabelFace).left(kFaceNameLength);
  if (QFont::substitute(face) == face) QFont::insertSubstitution(face, kSerifFace);
  QFont font(face);
  font.setPointSize(kLabelSize);
  // The labels are drawn again at every point: smoothed edges would thicken with every pass.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

TrendChart::TrendChart(int width, int height) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

void TrendChart::DrawTrendPoint(float rangeMax, float rangeMin, float value, bool fault) {
  const int width = image_.width();
  const int height = image_.height();
  QPainter painter(&image_);
  drawGrid(painter);

  ++pointCount_;
  QPoint next(pointCount_, pointY(rangeMax, rangeMin, value));
  if (fault) next.setY(Truncated(kBottomLine * height, height));
  if (width < next.x()) {
    pointCount_ = 0;
    next.setX(2);
    painter.setPen(QPen(Qt::white, 1));
    for (int x = 0; x < width; ++x) painter.drawLine(x, 0, x, height);
  }
  painter.setPen(QPen(fault ? QColor(255, 0, 0) : QColor(0, 0, 255), kTraceWidth));
  painter.drawLine(previous_.value_or(next), next);
  previous_ = next;
}

void TrendChart::drawGrid(QPainter& painter) {
  const int width = image_.width();
  const int height = image_.height();
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(2, height - 2, width - 2, height - 2);
  painter.drawLine(2, height - 2, 2, 2);
  painter.setFont(ChartFont());
  for (int k = 0; k < kGridLines; ++k) {
    const int y = Truncated(height * (kBottomLine - kBandStep * k) - 2, height);
    const bool top = k == kGridLines - 1;
    painter.setPen(QPen(Qt::black, top ? 1 : 0));
    painter.drawLine(2, y, width, y);
    painter.drawText(QRect(kLabelLeft, y - kLabelAbove, width, height),
                     Qt::AlignLeft | Qt::AlignTop, QString::number(10 * k) + "%");
  }
  for (int line = 0; line < kVerticalLines; ++line) {
    const int x = kFirstVertical + kVerticalStep * line;
    const bool minute = line % 2 == 0 && line > 0;
    painter.setPen(QPen(Qt::black, minute ? kMinuteLineWidth : 0));
    painter.drawLine(x, 3, x, height - 2);
  }
}

// With the range's minimum on the "0%" line and its maximum on the "100%" line. A range without
// width has no scale: its points lie on the "0%" line.
int TrendChart::pointY(float rangeMax, float rangeMin, float value) const {
  const int height = image_.height();
  double share =
      (static_cast<double>(value) - rangeMin) / (static_cast<double>(rangeMax) - rangeMin);
  if (!std::isfinite(share)) share = 0.0;
  return Truncated(kBottomLine * height - 0.9 * (share * (height - 2) + 2), height);
}

}  // namespace zorkan
