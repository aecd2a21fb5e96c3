#pragma once
// A small chart of a few curves, drawn as the trend chart is drawn, with QPainter: a white ground,
// a grid whose scale follows what is shown, a legend, and a band along the bottom that shades where
// a switch (the heater) was on. Curves grow point by point while an experiment runs. Its captions
// are texts marked QT_TRANSLATE_NOOP("zorkan::CurveChart", …), drawn in the window's language.

#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <utility>
#include <vector>

namespace zorkan {

class CurveChart final : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(zorkan::CurveChart)

 public:
  explicit CurveChart(QWidget* parent = nullptr);

  void setAxisCaptions(const char* x, const char* y);
  // Every curve and the band gone.
  void clear();
  // Its index for addPoint.
  int addCurve(const char* caption, const QColor& colour, Qt::PenStyle style = Qt::SolidLine);
  void addPoint(int curve, double x, double y);
  void setBand(const char* caption, const QColor& colour);
  // From `x` on the switch is `on`, until the next state.
  void addBandState(double x, bool on);
  int pointCount(int curve) const { return static_cast<int>(curves_.at(curve).points.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Curve {
    const char* caption;
    QColor colour;
    Qt::PenStyle style;
    QVector<QPointF> points;
  };
  struct Bounds {
    double left = 0;
    double right = 1;
    double bottom = 0;
    double top = 1;
  };
  Bounds bounds() const;

  const char* xCaption_ = "";
  const char* yCaption_ = "";
  std::vector<Curve> curves_;
  const char* bandCaption_ = nullptr;
  QColor bandColour_;
  std::vector<std::pair<double, bool>> band_;
};

}  // namespace zorkan
