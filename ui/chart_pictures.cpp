#include "ui/chart_pictures.h"

#include <QFont>
#include <QGraphicsView>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>

namespace zorkan {

namespace {

constexpr int kPdfResolution = 300;
constexpr qreal kPdfMarginMm = 10;
constexpr qreal kTitlePoints = 11;

}  // namespace

bool SaveChartPng(QGraphicsView& chart, const QString& path) {
  return chart.grab().save(path, "PNG");
}

bool SaveChartPdf(QGraphicsView& chart, const QString& path, const QString& title) {
  QPdfWriter pdf(path);
  pdf.setTitle(title);
  pdf.setCreator(title);
  pdf.setResolution(kPdfResolution);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                QPageLayout::Millimeter));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  QRectF page(painter.viewport());
  QFont font = chart.font();
  font.setPointSizeF(kTitlePoints);
  painter.setFont(font);
  QRectF heading;
  painter.drawText(page, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title, &heading);
  page.setTop(heading.bottom() + heading.height() / 2);
  // The scene itself, so that lines and texts stay vectors on the page.
  chart.render(&painter, page, chart.viewport()->rect(), Qt::KeepAspectRatio);
  return painter.end();
}

}  // namespace zorkan
