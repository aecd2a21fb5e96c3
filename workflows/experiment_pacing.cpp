#include "workflows/experiment_pacing.h"

namespace zorkan {

namespace {

constexpr std::int64_t kRetryMs = 1000;

}  // namespace

bool RetryFor(ExperimentPacing& pacing, std::int64_t limitMs,
              const std::function<bool()>& attempt) {
  const std::int64_t giveUpMs = pacing.nowMs() + limitMs;
  while (!attempt()) {
    if (pacing.nowMs() >= giveUpMs) return false;
    pacing.waitUntil(pacing.nowMs() + kRetryMs);
  }
  return true;
}

}  // namespace zorkan
