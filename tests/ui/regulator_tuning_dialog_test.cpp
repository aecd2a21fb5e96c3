// "Настройка регулятора…" on the in-process simulator and the virtual clock: the experiment with
// its chart and tables, the write that keeps the operator's page edits, the check, and Escape, the
// stop button and closing the dialog each leaving the instrument regulating by itself.
#include <gtest/gtest.h>

#include <QAction>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <ostream>
#include <string>

#include "tests/ui/window_rig.h"
#include "tests/workflows/tuning_rig.h"
#include "ui/curve_chart.h"
#include "ui/regulator_tuning_dialog.h"
#include "workflows/regulator_parameters.h"

namespace zorkan {
namespace {

using testing::TuningRig;

// The dialog over a small oven with a dead time, its target 150 and its maximum 250.
struct DialogRig : TuningRig {
  DialogRig() : TuningRig({.gain = 4, .lagS = 20, .delayS = 4}) {
    find<QDoubleSpinBox>("TargetEdit")->setValue(150);
    find<QDoubleSpinBox>("MaxTemperatureEdit")->setValue(250);
    dialog.show();
  }

  template <typename Widget>
  Widget* find(const char* name) {
    return dialog.findChild<Widget*>(name);
  }
  void click(const char* name) { find<QPushButton>(name)->click(); }
  QString message() { return find<QLabel>("ResultMessageLabel")->text(); }

  RegulatorTuningDialog dialog{exchange, settings, view, pacing, nullptr};
};

struct WayOut {
  const char* name;
  std::function<void(DialogRig&)> act;
  bool closes;
};
void PrintTo(const WayOut& wayOut, std::ostream* out) {
  *out << wayOut.name;
}

class TuningDialogStops : public ::testing::TestWithParam<WayOut> {};

TEST_P(TuningDialogStops, TheExperimentAndTheInstrumentRegulatesItself) {
  DialogRig rig;
  const tuning::RegulatorCoefficients before = rig.coefficients();
  bool acted = false;
  rig.pacing.afterWait = [&] {
    if (!acted && rig.simulator.clock().monotonicMs() > 40'000) {
      acted = true;
      GetParam().act(rig);
    }
  };
  rig.click("StartButton");
  EXPECT_EQ(rig.pwmControlWord(), 0);
  EXPECT_EQ(rig.coefficients(), before);
  EXPECT_TRUE(rig.message().startsWith("Опыт прерван оператором. Ручное управление ШИМ выключено"))
      << rig.message().toStdString();
  EXPECT_GT(rig.find<CurveChart>("ExperimentChart")->pointCount(0), 40);
  EXPECT_EQ(rig.dialog.isVisible(), !GetParam().closes);
  EXPECT_TRUE(rig.find<QPushButton>("StartButton")->isEnabled());
  EXPECT_FALSE(rig.find<QPushButton>("StopButton")->isEnabled());
  EXPECT_FALSE(rig.find<QPushButton>("WriteButton")->isEnabled()) << "no model to write";
  EXPECT_EQ(rig.view.calls, (std::vector<std::string>{"lock", "unlock"}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, TuningDialogStops,
    ::testing::Values(WayOut{"Escape",
                             [](DialogRig& rig) {
                               QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                               QCoreApplication::sendEvent(&rig.dialog, &escape);
                             },
                             false},
                      WayOut{"StopButton", [](DialogRig& rig) { rig.click("StopButton"); }, false},
                      WayOut{"Close", [](DialogRig& rig) { rig.dialog.close(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

QString Cell(QTableWidget* table, int row, int column) {
  return table->item(row, column)->text();
}

TEST(TuningDialog, TheProposalIsShownWrittenKeepingThePagesEditsAndCheckedOnTheLoop) {
  DialogRig rig;
  rig.click("StartButton");
  ASSERT_TRUE(rig.message().startsWith("Опыт завершён")) << rig.message().toStdString();
  auto* coefficients = rig.find<QTableWidget>("CoefficientsTable");
  ASSERT_GE(coefficients->rowCount(), 4);
  EXPECT_EQ(Cell(coefficients, 0, 0), "Коэффициент пропорциональности");
  EXPECT_EQ(Cell(coefficients, 0, 1), "10");
  const tuning::RegulatorCoefficients proposed{
      Cell(coefficients, 0, 2).toFloat(), Cell(coefficients, 1, 2).toFloat(),
      Cell(coefficients, 2, 2).toFloat(), Cell(coefficients, 3, 2).toFloat(), 2};
  EXPECT_GT(rig.find<QTableWidget>("ModelTable")->rowCount(), 5);
  EXPECT_EQ(rig.find<CurveChart>("PredictionChart")->pointCount(1),
            rig.find<CurveChart>("PredictionChart")->pointCount(0));

  rig.settings.channels[0].setpoint1 = 321;  // typed on the pages, not written
  rig.click("WriteButton");
  EXPECT_EQ(rig.coefficients(), proposed);
  EXPECT_EQ(rig.settings.channels[0].setpoint1, 321);
  EXPECT_EQ(CoefficientsOf(rig.settings),
            (tuning::RegulatorCoefficients{proposed.proportional, proposed.zone,
                                           proposed.integrationS, proposed.differentiationS,
                                           rig.settings.channels[0].regulationInterval}));

  rig.click("CheckButton");
  EXPECT_TRUE(rig.message().contains("Ступенька 150.0 → 160.0 на объекте: перерегулирование"))
      << rig.message().toStdString();
  EXPECT_GT(rig.find<CurveChart>("PredictionChart")->pointCount(3), 0) << "the measured step";
  EXPECT_EQ(*rig.simulator.floatParameter(2, 29), 150.0f);
  EXPECT_EQ(rig.pwmControlWord(), 0);
}

// The menu item opens the dialog on the pages' regulated value, with the live tick stopped, and
// gives the tick back.
TEST(TuningDialog, OpensFromTheMenuWithTheLiveTickStopped) {
  testing::WindowRig rig;
  rig.find<QLineEdit>("Edit5")->setText("160");
  double target = 0;
  bool tickStopped = false;
  rig.answerer.onDialog = [&](QDialog& dialog) {
    target = dialog.findChild<QDoubleSpinBox*>("TargetEdit")->value();
    tickStopped = !rig.find<QTimer>("Timer3")->isActive();
    dialog.reject();
  };
  rig.find<QAction>("RegulatorTuning")->trigger();
  EXPECT_EQ(rig.answerer.otherDialogs.size(), 1u);
  EXPECT_EQ(target, 160);
  EXPECT_TRUE(tickStopped);
  EXPECT_TRUE(rig.find<QTimer>("Timer3")->isActive());
}

}  // namespace
}  // namespace zorkan
