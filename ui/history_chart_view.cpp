#include "ui/history_chart_view.h"

#include <QGraphicsLineItem>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <cmath>

namespace zorkan {

namespace {

constexpr double kWheelStepFactor = 0.8;  // per notch of the wheel
constexpr double kWheelNotch = 120;
constexpr double kKeyZoomFactor = 0.5;
constexpr double kKeyPanShare = 0.1;
constexpr int kSmallestBand = 4;  // pixels: anything smaller was a click

// `range` scaled by `factor` around the point at `share` of it.
template <typename Range>
Range Scaled(Range range, double share, double factor, double Range::*low, double Range::*high) {
  const double at = range.*low + share * (range.*high - range.*low);
  range.*low = at - (at - range.*low) * factor;
  range.*high = at + (range.*high - at) * factor;
  return range;
}

}  // namespace

HistoryChartView::HistoryChartView(QWidget* parent)
    : QChartView(parent), content_(std::make_unique<HistoryChart>()) {
  // The view comes with a chart of its own, which it gives up but does not delete.
  QChart* const empty = chart();
  setChart(content_->chart());
  delete empty;
  setRenderHint(QPainter::Antialiasing, false);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  cursor_ = new QGraphicsLineItem(chart());
  cursor_->setPen(QPen(QColor(80, 80, 80), 1, Qt::DotLine));
  cursor_->setZValue(100);
  cursor_->hide();
  rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
  // The plot's width decides how many columns each quantity is reduced to.
  connect(chart(), &QChart::plotAreaChanged, this, [this](const QRectF& plot) {
    const int width = static_cast<int>(plot.width());
    if (std::exchange(drawnWidth_, width) != width) content_->redraw();
  });
}

HistoryChartView::~HistoryChartView() = default;

void HistoryChartView::showAll() {
  content_->show(content_->everything());
}

void HistoryChartView::zoomTime(double factor, QPointF at) {
  const QRectF plot = content_->plotArea();
  ChartView view = content_->view();
  const double share = plot.width() > 0 ? (inChart(at).x() - plot.left()) / plot.width() : 0.5;
  view.span =
      Scaled(view.span, std::clamp(share, 0.0, 1.0), factor, &TimeSpan::begin, &TimeSpan::end);
  content_->show(view);
}

void HistoryChartView::zoomValues(double factor, QPointF at) {
  const QRectF plot = content_->plotArea();
  ChartView view = content_->view();
  const double share = plot.height() > 0 ? (plot.bottom() - inChart(at).y()) / plot.height() : 0.5;
  for (ValueRange& range : view.values) {
    range = Scaled(range, std::clamp(share, 0.0, 1.0), factor, &ValueRange::lowest,
                   &ValueRange::highest);
  }
  content_->show(view);
}

void HistoryChartView::zoomInto(QRectF rectangle) {
  const QRectF plot = content_->plotArea();
  if (plot.width() <= 0 || plot.height() <= 0) return;
  const QRectF chosen = QRectF(inChart(rectangle.topLeft()), inChart(rectangle.bottomRight()))
                            .normalized()
                            .intersected(plot);
  if (chosen.isEmpty()) return;
  ChartView view = content_->view();
  const double width = view.span.end - view.span.begin;
  view.span = {view.span.begin + (chosen.left() - plot.left()) / plot.width() * width,
               view.span.begin + (chosen.right() - plot.left()) / plot.width() * width};
  for (ValueRange& range : view.values) {
    const double height = range.highest - range.lowest;
    range = {range.lowest + (plot.bottom() - chosen.bottom()) / plot.height() * height,
             range.lowest + (plot.bottom() - chosen.top()) / plot.height() * height};
  }
  content_->show(view);
}

void HistoryChartView::pan(QPointF by) {
  const QRectF plot = content_->plotArea();
  if (plot.width() <= 0 || plot.height() <= 0) return;
  ChartView view = content_->view();
  const double shift = -by.x() / plot.width() * (view.span.end - view.span.begin);
  view.span = {view.span.begin + shift, view.span.end + shift};
  for (ValueRange& range : view.values) {
    const double rise = by.y() / plot.height() * (range.highest - range.lowest);
    range = {range.lowest + rise, range.highest + rise};
  }
  content_->show(view);
}

void HistoryChartView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / kWheelNotch;
  if (notches == 0) return;
  const double factor = std::pow(kWheelStepFactor, notches);
  if (event->modifiers() & Qt::ControlModifier) {
    zoomValues(factor, event->position());
  } else {
    zoomTime(factor, event->position());
  }
  event->accept();
}

void HistoryChartView::mousePressEvent(QMouseEvent* event) {
  const bool band = event->button() == Qt::RightButton ||
                    (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
  if (band) {
    bandOrigin_ = event->position().toPoint();
    rubberBand_->setGeometry(QRect(*bandOrigin_, QSize()));
    rubberBand_->show();
  } else if (event->button() == Qt::LeftButton) {
    dragFrom_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  }
  event->accept();
}

void HistoryChartView::mouseMoveEvent(QMouseEvent* event) {
  if (bandOrigin_) {
    rubberBand_->setGeometry(QRect(*bandOrigin_, event->position().toPoint()).normalized());
  } else if (dragFrom_) {
    pan(event->position() - *dragFrom_);
    dragFrom_ = event->position();
  }
  moveCursor(event->position());
  event->accept();
}

void HistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (bandOrigin_) {
    const QRect band = QRect(*bandOrigin_, event->position().toPoint()).normalized();
    rubberBand_->hide();
    bandOrigin_.reset();
    if (band.width() >= kSmallestBand && band.height() >= kSmallestBand) zoomInto(band);
  }
  dragFrom_.reset();
  unsetCursor();
  moveCursor(event->position());
  event->accept();
}

void HistoryChartView::keyPressEvent(QKeyEvent* event) {
  const QRectF plot = content_->plotArea();
  const QPointF middle = mapFromScene(chart()->mapToScene(plot.center()));
  switch (event->key()) {
    case Qt::Key_Home:
      showAll();
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoomTime(kKeyZoomFactor, middle);
      break;
    case Qt::Key_Minus:
      zoomTime(1 / kKeyZoomFactor, middle);
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      pan({(event->key() == Qt::Key_Left ? 1 : -1) * kKeyPanShare * plot.width(), 0});
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      pan({0, (event->key() == Qt::Key_Up ? 1 : -1) * kKeyPanShare * plot.height()});
      break;
    default:
      QChartView::keyPressEvent(event);
      return;
  }
  event->accept();
}

void HistoryChartView::leaveEvent(QEvent* event) {
  hideCursor();
  QChartView::leaveEvent(event);
}

QPointF HistoryChartView::inChart(QPointF viewPosition) const {
  return chart()->mapFromScene(mapToScene(viewPosition.toPoint()));
}

void HistoryChartView::moveCursor(QPointF viewPosition) {
  const QRectF plot = content_->plotArea();
  const QPointF at = inChart(viewPosition);
  if (!plot.contains(at) || content_->empty()) {
    hideCursor();
    return;
  }
  cursor_->setLine(at.x(), plot.top(), at.x(), plot.bottom());
  cursor_->show();
  if (cursorMoved_) cursorMoved_(content_->momentAt(at.x()));
}

void HistoryChartView::hideCursor() {
  cursor_->hide();
  if (cursorMoved_) cursorMoved_(std::nullopt);
}

}  // namespace zorkan
