#pragma once
// What the tuner's experiment and its check on the loop share: samples of the live values on the
// pacing's clock, each one tested against the limits that end an experiment on the instrument, and
// the progress panel's lines.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tuning/experiment_record.h"
#include "workflows/exchange_context.h"
#include "workflows/experiment_pacing.h"

namespace zorkan {

enum class ExperimentEnd {
  Done,
  Refused,  // the options or the instrument do not allow it; nothing was changed
  MaxTemperature,
  MaxDuration,
  Cancelled,         // Escape, Ctrl+C, SIGTERM
  InstrumentLost,    // the instrument stopped answering
  MeasurementFault,  // channel 1 reports a measurement status, such as a sensor break
};

// "Опыт прерван оператором", …
const char* ExperimentEndText(ExperimentEnd end);
// "150.0": temperatures in the progress lines and messages.
std::string DegreesText(double value);

struct ExperimentLimits {
  double maxTemperature = 250;
  std::chrono::milliseconds maxDuration{std::chrono::hours(1)};
  std::chrono::milliseconds samplePeriod{500};
};

class ExperimentSession {
 public:
  // `heaterRelay` (1 or 2) is the relay whose state each sample records.
  ExperimentSession(ExchangeContext& exchange, ExperimentPacing& pacing,
                    const SampleListener& listener, const ExperimentLimits& limits,
                    int heaterRelay);

  // One sample now; false once the session has ended (by a limit, Escape or a lost instrument).
  bool sample();
  // The same at the next sample time.
  bool sampleNext();
  void end(ExperimentEnd end, LinkError code = kOk, std::string detail = {});

  bool ended() const { return ended_; }
  ExperimentEnd endReason() const { return end_; }
  LinkError code() const { return code_; }
  // "Достигнута максимальная температура: 250.3"
  std::string endText() const;

  const std::vector<tuning::ExperimentSample>& samples() const { return samples_; }
  // The step line, shown only when it changes.
  void showStep(std::string text);

 private:
  ExchangeContext& exchange_;
  ExperimentPacing& pacing_;
  const SampleListener& listener_;
  const ExperimentLimits limits_;
  const std::uint8_t heaterBit_;
  const std::int64_t startMs_;
  std::int64_t nextSampleMs_;
  std::optional<std::int64_t> failingSinceMs_;
  std::vector<tuning::ExperimentSample> samples_;
  std::string step_;
  bool ended_ = false;
  ExperimentEnd end_ = ExperimentEnd::Done;
  LinkError code_ = kOk;
  std::string detail_;
};

}  // namespace zorkan
