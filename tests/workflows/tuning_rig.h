#pragma once
// The tuner's workflows on the in-process simulator heating an object of the test's choice, on
// the virtual clock.

#include <cstdint>
#include <optional>

#include "sim/heated_object.h"
#include "tests/support/virtual_pacing.h"
#include "tests/workflows/exchange_rig.h"
#include "tuning/regulator_form.h"

namespace zorkan::testing {

struct TuningRig : ExchangeRig {
  explicit TuningRig(const sim::PlantOptions& plant = {})
      : ExchangeRig({.baudRate = 9600, .plant = plant}) {}

  // What the instrument holds of the regulator.
  tuning::RegulatorCoefficients coefficients() const {
    const auto f = [this](unsigned number) {
      return static_cast<double>(*simulator.floatParameter(2, number));
    };
    return {f(30), f(37), f(7), f(6), *simulator.byteParameter(2, 337)};
  }
  std::uint8_t pwmControlWord() const { return *simulator.byteParameter(1, 17); }

  VirtualPacing pacing{simulator.clock()};
};

}  // namespace zorkan::testing
