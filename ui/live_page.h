#pragma once
// The pages "Текущие значения" and "График" as the live tick sees them: measured values,
// statuses and indicators, the trend chart and the answer-status line.

#include "settings/device_settings.h"
#include "ui/trend_chart.h"
#include "workflows/live_polling.h"

class QMainWindow;

namespace Ui {
class TForm1;
}

namespace zorkan {

class LivePage final : public LiveView {
 public:
  LivePage(Ui::TForm1& ui, QMainWindow& window, const DeviceSettings& settings);

  // A live page is shown and no modal box waits for the operator (polling never talks to the
  // instrument behind a question).
  bool livePageShown() const override;
  void repaint() override;
  void ShowLiveValues(const LiveValues& values) override;
  void DrawTrendPoint(const LiveValues& values) override;
  void showAnswerStatus(const AnswerStatus& status) override;

 private:
  Ui::TForm1& ui_;
  QMainWindow& window_;
  const DeviceSettings& settings_;
  TrendChart chart_;
};

}  // namespace zorkan
