#include "ui/qt_progress_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include "ui/core_text.h"

namespace zorkan {

namespace {

constexpr int kLinePixels = 16;

}  // namespace

QtProgressPanel::QtProgressPanel(QWidget& panel, std::array<QLabel*, 6> lines, QWidget& mainWindow)
    : panel_(panel), lines_(lines), mainWindow_(mainWindow) {
  for (QLabel* line : lines_) {
    QFont font = line->font();
    font.setPixelSize(kLinePixels);
    font.setBold(true);
    line->setFont(font);
  }
}

void QtProgressPanel::setLines(const ProgressLines& lines) {
  shown_ = lines;
  for (std::size_t i = 0; i < lines.size(); ++i) lines_[i]->setText(CoreText(lines[i]));
  mainWindow_.repaint();
}

void QtProgressPanel::retranslate() {
  for (std::size_t i = 0; i < shown_.size(); ++i) lines_[i]->setText(CoreText(shown_[i]));
}

void QtProgressPanel::setVisible(bool visible) {
  panel_.setVisible(visible);
  if (visible) panel_.raise();
  mainWindow_.repaint();
}

void QtProgressPanel::processPendingEvents() {
  QCoreApplication::processEvents();
}

}  // namespace zorkan
