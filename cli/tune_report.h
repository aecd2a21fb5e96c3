#pragma once
// What zorkan-cli tune prints on standard output: the model, the ultimate gain and period, the
// current and the proposed coefficients side by side with their predicted steps, and the step
// measured on the loop; or all of it, and how each part ended, as one JSON object.

#include <optional>
#include <string>

#include "link/link_error.h"
#include "workflows/regulator_tuning.h"
#include "workflows/step_check.h"

namespace zorkan::cli {

struct TuneReport {
  const TuningResult& experiment;
  std::optional<LinkError> written;  // the write's result, when it was made
  std::optional<StepCheckResult> check;
  int status = 0;  // the exit status
};

// For a finished experiment (one with an analysis).
std::string TuningText(const TuningResult& experiment);
std::string StepCheckText(const StepCheckResult& check);
std::string TuneJson(const TuneReport& report);

}  // namespace zorkan::cli
