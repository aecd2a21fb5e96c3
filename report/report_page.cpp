#include "report/report_page.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>

#include "report/report_text.h"

namespace zorkan {

namespace {

// The page is laid out on a band of 1200 x 729 units, scaled onto the printable area.
constexpr double kBandWidth = 1200;
constexpr double kBandHeight = 729;
const QRectF kLeftFrame(36, 4, 478, 707);
const QRectF kRightFrame(537, 4, 505, 708);
const QRectF kDividingLine(525, 4, 4, 728);
const QPointF kLabel1(88, 16);
const QPointF kLabel2(592, 12);
const QPointF kLabel3(52, 40);
const QPointF kLabel4(552, 36);
constexpr double kLabelHeight = 19;
const QRectF kMemo1(60, 76, 442, 618);
const QRectF kMemo2(553, 76, 469, 617);
constexpr int kLabelPixels = 16;
constexpr int kMemoPixels = 11;
// Arial as the page asks for it; Liberation Sans has its metrics, and Cyrillic.
constexpr const char* kFace = "Liberation Sans";
constexpr int kPreviewWidth = 980;
constexpr int kPreviewHeight = 720;

QFont PageFont(int pixels, bool bold) {
  QFont font(kFace);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void DrawLabel(QPainter& painter, const QPointF& at, const QString& text) {
  painter.drawText(QRectF(at, QSizeF(kBandWidth - at.x(), kLabelHeight)),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void TForm6::BuildConfigurationReport(const DeviceSettings& settings, const LocalTime& today) {
  fillPage(settings, today);
  openPreview();
}

void TForm6::fillPage(const DeviceSettings& settings, const LocalTime& today) {
  QRMemo1.clear();
  QRMemo2.clear();
  const ReportText text = BuildReportText(settings, today);
  QRLabel1 = FromUtf8(text.dateLine);
  QRLabel2 = QRLabel1;
  QRLabel3 = FromUtf8(text.numberLine);
  QRLabel4 = QRLabel3;
  for (const std::string& line : text.body) QRMemo1 << FromUtf8(line);
  QRMemo2 = QRMemo1;
}

void TForm6::paint(QPainter& painter) const {
  // Without a pen set before it, the first one-unit pen after the scale comes out as a hairline.
  painter.setPen(Qt::NoPen);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(kLeftFrame);
  painter.drawRect(kRightFrame);
  painter.drawLine(QLineF(kDividingLine.center().x(), kDividingLine.top(),
                          kDividingLine.center().x(), kDividingLine.bottom()));
  painter.setFont(PageFont(kLabelPixels, true));
  DrawLabel(painter, kLabel1, QRLabel1);
  DrawLabel(painter, kLabel2, QRLabel2);
  DrawLabel(painter, kLabel3, QRLabel3);
  DrawLabel(painter, kLabel4, QRLabel4);
  painter.setFont(PageFont(kMemoPixels, false));
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  painter.drawText(kMemo1, flags, QRMemo1.join('\n'));
  painter.drawText(kMemo2, flags, QRMemo2.join('\n'));
}

void TForm6::print(QPrinter& printer) const {
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter painter(&printer);
  const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
  const double scale = std::min(area.width() / kBandWidth, area.height() / kBandHeight);
  painter.scale(scale, scale);
  paint(painter);
}

bool TForm6::saveAsPdf(const QString& path) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  print(printer);
  return QFileInfo(path).size() > 0;
}

void TForm6::openPreview() const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintPreviewDialog preview(&printer, owner_);
  // Room for the whole toolbar, the PDF button at its end included, and a legible page.
  preview.resize(kPreviewWidth, kPreviewHeight);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [this](QPrinter* target) { print(*target); });
  if (QToolBar* tools = preview.findChild<QToolBar*>()) {
    QAction* save = tools->addAction("Сохранить в PDF…");
    save->setObjectName("SaveAsPdf");
    QObject::connect(save, &QAction::triggered, &preview, [this, &preview] {
      const QString path =
          QFileDialog::getSaveFileName(&preview, "Сохранить в PDF…", QString(), "PDF (*.pdf)",
                                       nullptr, QFileDialog::DontUseNativeDialog);
      if (!path.isEmpty()) saveAsPdf(path);
    });
  }
  preview.exec();
}

}  // namespace zorkan
