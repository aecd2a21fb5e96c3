#pragma once
// The heater under the tuner's hand, through the instrument's manual PWM control (the parameters
// "Прямое управление" writes): full on or off, and back to the instrument's own regulation on
// every way out.

#include <cstdint>

#include "link/device_link.h"
#include "workflows/experiment_pacing.h"

namespace zorkan {

class ManualHeater {
 public:
  // `relay` (1 or 2) carries the heater; `dutyBefore` is the manual duty the instrument held,
  // given back with its regulation.
  ManualHeater(DeviceLink& link, int relay, std::int32_t dutyBefore)
      : link_(link), relay_(relay), dutyBefore_(dutyBefore) {}

  // The duty first, so that the manual PWM never starts with a duty left from before.
  LinkError take();
  LinkError set(bool on);
  // Heater off, the instrument's own regulation back (read back to be sure), its manual duty as it
  // was. An instrument that does not answer is asked again every second until `limitMs` have
  // passed; false when it never answered.
  bool handBack(ExperimentPacing& pacing, std::int64_t limitMs);

 private:
  DeviceLink& link_;
  const int relay_;
  const std::int32_t dutyBefore_;
};

}  // namespace zorkan
