#include "workflows/manual_heater.h"

#include "settings/parameter_map.h"
#include "settings/parameter_transfer.h"

namespace zorkan {

namespace {

constexpr std::int32_t kOwnRegulation = 0;
constexpr std::int32_t kFullDuty = 100;

}  // namespace

LinkError ManualHeater::take() {
  if (const LinkError result = WriteParameter(link_, PwmDutyParam(), 0); result != kOk) {
    return result;
  }
  return WriteParameter(link_, PwmControlWordParam(), relay_);
}

LinkError ManualHeater::set(bool on) {
  return WriteParameter(link_, PwmDutyParam(), on ? kFullDuty : 0);
}

bool ManualHeater::handBack(ExperimentPacing& pacing, std::int64_t limitMs) {
  return RetryFor(pacing, limitMs, [this] {
    // Off first: should the control word not get through, the heater at least stays off.
    WriteParameter(link_, PwmDutyParam(), 0);
    if (WriteParameterVerified(link_, PwmControlWordParam(), kOwnRegulation) != kOk) return false;
    // Only acts under manual control again; a failure here changes nothing that heats.
    WriteParameter(link_, PwmDutyParam(), dutyBefore_);
    return true;
  });
}

}  // namespace zorkan
