#pragma once
// The pages "Текущие значения" and "График" as the live tick sees them: measured values,
// statuses and indicators, the trend chart and the answer-status line.

#include <QCoreApplication>
#include <optional>

#include "link/clock.h"
#include "settings/device_settings.h"
#include "ui/trend_chart.h"
#include "workflows/live_polling.h"

class QMainWindow;

namespace Ui {
class TForm1;
}

namespace zorkan {

class LivePage final : public LiveView {
  Q_DECLARE_TR_FUNCTIONS(zorkan::LivePage)

 public:
  // `clock` tells how old stale values are.
  LivePage(Ui::TForm1& ui, QMainWindow& window, const DeviceSettings& settings, const Clock& clock);

  // A live page is shown and no modal box waits for the operator (polling never talks to the
  // instrument behind a question).
  bool livePageShown() const override;
  void repaint() override;
  void ShowLiveValues(const LiveValues& values) override;
  void DrawTrendPoint(const LiveValues& values) override;
  void showAnswerStatus(const AnswerStatus& status) override;
  // Stale values greyed, with how old they are, so that they are not taken for live ones.
  void showFreshness(const LiveFreshness& freshness) override;
  // What was shown last, in the language just chosen.
  void retranslate();

 private:
  Ui::TForm1& ui_;
  QMainWindow& window_;
  const DeviceSettings& settings_;
  const Clock& clock_;
  TrendChart chart_;
  std::optional<LiveValues> shownValues_;
  std::optional<AnswerStatus> shownStatus_;
  std::optional<LiveFreshness> shownFreshness_;
};

}  // namespace zorkan
