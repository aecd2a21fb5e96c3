#pragma once
// A chart on screen as a picture file: PNG at the size it is shown, PDF on a landscape A4 page
// under a title.

#include <QString>

class QGraphicsView;

namespace zorkan {

// false when the file could not be written.
bool SaveChartPng(QGraphicsView& chart, const QString& path);
bool SaveChartPdf(QGraphicsView& chart, const QString& path, const QString& title);

}  // namespace zorkan
