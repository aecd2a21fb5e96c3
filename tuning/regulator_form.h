#pragma once
// The instrument's regulator as the tuner assumes it (docs/REGULATOR.md): once per PWM period a
// duty from the mean of the measured value over the period just gone; on/off outside the zone;
// inside it 50 % plus (50 / zone) * (Kp * e + integral of e / Ti - Td * slope), the integral held
// where it would push a saturated output further, the slope filtered with a time constant Td / 4.

namespace zorkan::tuning {

// The numbers the instrument keeps.
struct RegulatorCoefficients {
  double proportional = 1;      // "Коэффициент пропорциональности"
  double zone = 10;             // "Зона", degrees either side of the regulated value
  double integrationS = 0;      // "T инт"; 0: no integral action
  double differentiationS = 0;  // "T  дифф"
  int pwmPeriodS = 1;           // "Период ШИМ"

  bool operator==(const RegulatorCoefficients&) const = default;
};

// The same loop in the textbook's ideal form: output = gain * (e + integral of e / integralS -
// derivativeS * slope), in per cent per degree and seconds.
struct StandardPid {
  double gain = 0;
  double integralS = 0;  // 0: none
  double derivativeS = 0;
};

StandardPid StandardFormOf(const RegulatorCoefficients& coefficients);
// The instrument's four numbers for `pid` with the given zone and PWM period. The four overlap
// (the zone only scales the others within it), so the zone is chosen, not derived.
RegulatorCoefficients RegulatorFormOf(const StandardPid& pid, double zone, int pwmPeriodS);

// One regulator's memory between two periods.
class RegulatorState {
 public:
  // The duty (per cent) for the period that starts now, given the mean measured over the one gone.
  double duty(const RegulatorCoefficients& coefficients, double setpoint, double measured);
  // As if the loop had long held `setpoint` with `duty`: the integral carries the duty's
  // distance from the 50 % bias.
  void settle(const RegulatorCoefficients& coefficients, double setpoint, double duty);

 private:
  bool hasLast_ = false;
  double last_ = 0;
  double slope_ = 0;
  double integral_ = 0;  // in per cent
};

}  // namespace zorkan::tuning
