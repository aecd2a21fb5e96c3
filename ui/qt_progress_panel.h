#pragma once
// The progress panel Panel76 over the lower part of the tabs: six lines, redrawn at once on every
// change, so that they are visible during the blocking transaction that follows.

#include <array>

#include "operator/progress.h"

class QLabel;
class QWidget;

namespace zorkan {

class QtProgressPanel final : public ProgressPanel {
 public:
  QtProgressPanel(QWidget& panel, std::array<QLabel*, 6> lines, QWidget& mainWindow);

  void setLines(const ProgressLines& lines) override;
  void setVisible(bool visible) override;
  // The one point in a sequence where clicks, repaints, timer ticks and Escape presses get through.
  void processPendingEvents() override;
  // The lines shown last, in the language just chosen.
  void retranslate();

 private:
  QWidget& panel_;
  std::array<QLabel*, 6> lines_;
  QWidget& mainWindow_;
  ProgressLines shown_;
};

}  // namespace zorkan
