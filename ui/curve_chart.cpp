#include "ui/curve_chart.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace zorkan {

namespace {

constexpr int kLeftMargin = 52;
constexpr int kRightMargin = 12;
constexpr int kTopMargin = 24;
constexpr int kBottomMargin = 34;
constexpr int kBandHeight = 8;
constexpr int kTargetTicks = 5;
constexpr int kLegendGap = 18;
constexpr int kLegendSample = 20;
constexpr double kPadShare = 0.05;

// 1, 2 or 5 times a power of ten, near a fifth of `span`.
double TickStep(double span) {
  const double rough = span / kTargetTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

QString TickText(double value, double step) {
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step)));
  return QString::number(value, 'f', decimals);
}

}  // namespace

CurveChart::CurveChart(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurveChart::setAxisCaptions(const char* x, const char* y) {
  xCaption_ = x;
  yCaption_ = y;
  update();
}

void CurveChart::clear() {
  curves_.clear();
  band_.clear();
  bandCaption_ = nullptr;
  update();
}

int CurveChart::addCurve(const char* caption, const QColor& colour, Qt::PenStyle style) {
  curves_.push_back({caption, colour, style, {}});
  update();
  return static_cast<int>(curves_.size()) - 1;
}

void CurveChart::addPoint(int curve, double x, double y) {
  curves_.at(static_cast<std::size_t>(curve)).points.append({x, y});
  update();
}

void CurveChart::setBand(const char* caption, const QColor& colour) {
  bandCaption_ = caption;
  bandColour_ = colour;
  update();
}

void CurveChart::addBandState(double x, bool on) {
  if (band_.empty() || band_.back().second != on) band_.emplace_back(x, on);
  update();
}

CurveChart::Bounds CurveChart::bounds() const {
  double left = std::numeric_limits<double>::infinity();
  double right = -left;
  double bottom = left;
  double top = -left;
  for (const Curve& curve : curves_) {
    for (const QPointF& point : curve.points) {
      left = std::min(left, point.x());
      right = std::max(right, point.x());
      bottom = std::min(bottom, point.y());
      top = std::max(top, point.y());
    }
  }
  if (!std::isfinite(left)) return {};
  if (right - left < 1e-9) right = left + 1;
  if (top - bottom < 1e-9) {
    bottom -= 1;
    top += 1;
  }
  const double pad = kPadShare * (top - bottom);
  return {left, right, bottom - pad, top + pad};
}

void CurveChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QFontMetrics metrics = painter.fontMetrics();

  // The legend along the top, right of the value's caption, in as many rows as it needs.
  struct Entry {
    QString caption;
    QPen pen;
    QPoint at;
  };
  std::vector<Entry> legend;
  for (const Curve& curve : curves_) {
    legend.push_back({tr(curve.caption), QPen(curve.colour, 2, curve.style, Qt::FlatCap), {}});
  }
  if (bandCaption_ != nullptr)
    legend.push_back(
        {tr(bandCaption_), QPen(bandColour_, kBandHeight, Qt::SolidLine, Qt::FlatCap), {}});
  const QString xCaption = tr(xCaption_);
  const QString yCaption = tr(yCaption_);
  const int firstX = kLeftMargin + metrics.horizontalAdvance(yCaption) + kLegendGap;
  QPoint next(firstX, kTopMargin / 2);
  for (Entry& entry : legend) {
    const int width = kLegendSample + 4 + metrics.horizontalAdvance(entry.caption);
    if (next.x() > firstX && next.x() + width > this->width() - kRightMargin) {
      next = QPoint(firstX, next.y() + metrics.height());
    }
    entry.at = next;
    next.rx() += width + kLegendGap;
  }
  const int legendRows = (next.y() - kTopMargin / 2) / metrics.height();
  const QRect plot = rect().adjusted(kLeftMargin, kTopMargin + legendRows * metrics.height(),
                                     -kRightMargin, -kBottomMargin);
  if (plot.width() <= 0 || plot.height() <= 0) return;
  const Bounds b = bounds();
  const auto toScreen = [&](double x, double y) {
    return QPointF(plot.left() + (x - b.left) / (b.right - b.left) * plot.width(),
                   plot.bottom() - (y - b.bottom) / (b.top - b.bottom) * plot.height());
  };
  const double yStep = TickStep(b.top - b.bottom);
  for (double y = std::ceil(b.bottom / yStep) * yStep; y <= b.top; y += yStep) {
    const int at = static_cast<int>(toScreen(b.left, y).y());
    painter.setPen(QPen(QColor(220, 220, 220), 0));
    painter.drawLine(plot.left(), at, plot.right(), at);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, at - metrics.height() / 2, kLeftMargin - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, TickText(y, yStep));
  }
  const double xStep = TickStep(b.right - b.left);
  for (double x = std::ceil(b.left / xStep) * xStep; x <= b.right; x += xStep) {
    const int at = static_cast<int>(toScreen(x, b.bottom).x());
    painter.setPen(QPen(QColor(220, 220, 220), 0));
    painter.drawLine(at, plot.top(), at, plot.bottom());
    painter.setPen(Qt::black);
    painter.drawText(QRect(at - 30, plot.bottom() + kBandHeight + 2, 60, metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, TickText(x, xStep));
  }
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(plot);
  painter.drawText(QRect(plot.left(), plot.bottom() + kBandHeight + 2, plot.width(),
                         kBottomMargin - kBandHeight - 2),
                   Qt::AlignRight | Qt::AlignBottom, xCaption);
  painter.drawText(QRect(4, 2, kLeftMargin + 60, kTopMargin - 4), Qt::AlignLeft | Qt::AlignTop,
                   yCaption);

  // The band: where the switch was on, up to the next state or the curves' end.
  for (std::size_t i = 0; i < band_.size(); ++i) {
    if (!band_[i].second) continue;
    const double to = i + 1 < band_.size() ? band_[i + 1].first : b.right;
    const double from = toScreen(band_[i].first, b.bottom).x();
    painter.fillRect(
        QRectF(from, plot.bottom() + 1, toScreen(to, b.bottom).x() - from, kBandHeight),
        bandColour_);
  }

  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(plot);
  for (const Curve& curve : curves_) {
    QPolygonF line;
    for (const QPointF& point : curve.points) line << toScreen(point.x(), point.y());
    painter.setPen(QPen(curve.colour, 1.5, curve.style));
    painter.drawPolyline(line);
  }
  painter.setClipping(false);

  for (const Entry& entry : legend) {
    painter.setPen(entry.pen);
    painter.drawLine(entry.at, entry.at + QPoint(kLegendSample, 0));
    painter.setPen(Qt::black);
    painter.drawText(entry.at + QPoint(kLegendSample + 4, metrics.ascent() / 2 - 1), entry.caption);
  }
}

void CurveChart::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) update();
}

}  // namespace zorkan
