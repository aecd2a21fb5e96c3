#include "sim/faults.h"

namespace zorkan::sim {

namespace {

bool Matches(const Fault& fault, std::optional<RequestTarget> target, bool write) {
  if (fault.kind == FaultKind::AlteredReadBack && !write) return false;
  if (fault.space == 0) return true;
  return target && target->space == fault.space && target->number == fault.number;
}

}  // namespace

void FaultList::add(const Fault& fault) {
  if (fault.times != 0) faults_.push_back(fault);
}

void FaultList::clear() {
  faults_.clear();
}

FaultEffects FaultList::apply(std::optional<RequestTarget> target, bool write) {
  FaultEffects effects;
  for (Fault& fault : faults_) {
    if (!Matches(fault, target, write)) continue;
    switch (fault.kind) {
      case FaultKind::Silence:
        effects.silent = true;
        break;
      case FaultKind::Late:
        effects.delay += std::chrono::milliseconds(fault.amount);
        break;
      case FaultKind::NoiseBefore:
        effects.noiseBefore += fault.amount;
        break;
      case FaultKind::NoiseAfter:
        effects.noiseAfter += fault.amount;
        break;
      case FaultKind::Status:
        effects.status = fault.amount;
        break;
      case FaultKind::AlteredReadBack:
        effects.alterReadBack = true;
        if (fault.amount != 0) effects.floatShift = static_cast<float>(fault.amount) / 1000.0f;
        break;
    }
    if (fault.times > 0) --fault.times;
  }
  std::erase_if(faults_, [](const Fault& fault) { return fault.times == 0; });
  return effects;
}

}  // namespace zorkan::sim
