#pragma once
// The history chart on screen and what the operator does with it: the wheel zooms the time (with
// Ctrl the values) around the pointer, a drag pans, a drag with the right button or with Shift
// zooms into the rectangle drawn, Home shows everything, + and - zoom, the arrow keys pan, and a
// cursor follows the pointer and reads out the moment under it.

#include <QChartView>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

#include "ui/history_chart.h"

class QGraphicsLineItem;
class QRubberBand;

namespace zorkan {

class HistoryChartView final : public QChartView {
 public:
  explicit HistoryChartView(QWidget* parent = nullptr);
  ~HistoryChartView() override;

  HistoryChart& content() { return *content_; }
  const HistoryChart& content() const { return *content_; }

  void showAll();
  // `factor` below 1 zooms in; `at` is a position in the view, which stays where it is.
  void zoomTime(double factor, QPointF at);
  void zoomValues(double factor, QPointF at);
  // A rectangle of the view: its stretch of time and of values fill the plot.
  void zoomInto(QRectF rectangle);
  // The content follows a pointer moved by `by` pixels.
  void pan(QPointF by);

  // Called with the moment under the pointer, or nullopt once it has left the plot.
  void onCursorMoved(std::function<void(std::optional<double>)> moved) {
    cursorMoved_ = std::move(moved);
  }

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // A position of the view in the chart's coordinates, where its plot area is.
  QPointF inChart(QPointF viewPosition) const;
  void moveCursor(QPointF viewPosition);
  void hideCursor();

  std::unique_ptr<HistoryChart> content_;
  QGraphicsLineItem* cursor_;
  QRubberBand* rubberBand_;
  std::optional<QPoint> bandOrigin_;
  std::optional<QPointF> dragFrom_;
  int drawnWidth_ = 0;
  std::function<void(std::optional<double>)> cursorMoved_;
};

}  // namespace zorkan
