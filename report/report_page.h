#pragma once
// The printable configuration page TForm6: one landscape sheet holding the report twice, side by
// side in two frames, to be cut in half. Shown in a print preview, from which the operator prints
// it or saves it as a PDF file.

#include <QString>
#include <QStringList>

#include "link/clock.h"
#include "settings/device_settings.h"

class QPainter;
class QPrinter;
class QWidget;

namespace zorkan {

class TForm6 {
 public:
  // `owner` is the window the preview belongs to.
  explicit TForm6(QWidget* owner) : owner_(owner) {}

  // Empties both bodies, fills the page from the model and opens the print preview.
  void BuildConfigurationReport(const DeviceSettings& settings, const LocalTime& today);
  // The same without the preview.
  void fillPage(const DeviceSettings& settings, const LocalTime& today);

  // The page on a printer (or a PDF file) set up as the preview sets it up: landscape.
  void print(QPrinter& printer) const;
  // false when the file could not be written.
  bool saveAsPdf(const QString& path) const;

  // The page's elements: date lines, number lines, bodies (left half, then its copy).
  QString QRLabel1, QRLabel2, QRLabel3, QRLabel4;
  QStringList QRMemo1, QRMemo2;

 private:
  void paint(QPainter& painter) const;
  void openPreview() const;

  QWidget* owner_;
};

}  // namespace zorkan
