#include "cli/tune_report.h"

#include <charconv>

#include "ini/json_text.h"
#include "tuning/object_model.h"

namespace zorkan::cli {

namespace {

using tuning::RegulatorCoefficients;
using tuning::StepMetrics;

constexpr std::size_t kCaptionWidth = 22;
constexpr std::size_t kColumnWidth = 12;

// Without the process locale, which would give a decimal comma.
std::string Fixed(double value, int decimals) {
  char text[330];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  return std::string(text, result.ptr);
}

// As the instrument's single-precision float holds it and an operator would type it: 97.3, not
// 97.30000305175781.
std::string Typed(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, static_cast<float>(value));
  return std::string(text, result.ptr);
}

std::string Padded(std::string text, std::size_t width) {
  // Cyrillic and the degree sign take two bytes for one column.
  std::size_t columns = 0;
  for (const char c : text) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  if (columns < width) text.append(width - columns, ' ');
  return text;
}

std::string Row(const std::string& caption, const std::string& first, const std::string& second) {
  std::string row = "  " + Padded(caption, kCaptionWidth) + Padded(first, kColumnWidth) + second;
  row.erase(row.find_last_not_of(' ') + 1);
  return row + "\n";
}

std::string SettlingText(double settlingS) {
  return settlingS < 0 ? "never" : Fixed(settlingS, 0);
}

std::string MetricRows(const StepMetrics& first, const StepMetrics& second) {
  return Row("overshoot, %", Fixed(first.overshootPercent, 1), Fixed(second.overshootPercent, 1)) +
         Row("settling time, s", SettlingText(first.settlingS), SettlingText(second.settlingS)) +
         Row("IAE, degree s", Fixed(first.iae, 0), Fixed(second.iae, 0));
}

const char* EndWord(ExperimentEnd end) {
  switch (end) {
    case ExperimentEnd::Done:
      return "done";
    case ExperimentEnd::Refused:
      return "refused";
    case ExperimentEnd::MaxTemperature:
      return "maxTemperature";
    case ExperimentEnd::MaxDuration:
      return "maxDuration";
    case ExperimentEnd::Cancelled:
      return "cancelled";
    case ExperimentEnd::InstrumentLost:
      return "instrumentLost";
    case ExperimentEnd::MeasurementFault:
      return "measurementFault";
  }
  return "";
}

// {"name":value,...} from pairs whose values are JSON texts already.
std::string JsonObject(std::initializer_list<std::pair<const char*, std::string>> members) {
  std::string object = "{";
  for (const auto& [name, value] : members) {
    if (object.size() > 1) object += ',';
    object += JsonString(name) + ":" + value;
  }
  return object + "}";
}

std::string MetricsJson(const StepMetrics& metrics) {
  return JsonObject({{"overshootPercent", JsonNumber(metrics.overshootPercent)},
                     {"settlingS", metrics.settlingS < 0 ? "null" : JsonNumber(metrics.settlingS)},
                     {"iae", JsonNumber(metrics.iae)}});
}

std::string CoefficientsJson(const RegulatorCoefficients& coefficients) {
  const auto typed = [](double value) { return JsonNumber(static_cast<float>(value)); };
  return JsonObject({{"proportional", typed(coefficients.proportional)},
                     {"zone", typed(coefficients.zone)},
                     {"integrationS", typed(coefficients.integrationS)},
                     {"differentiationS", typed(coefficients.differentiationS)},
                     {"pwmPeriodS", std::to_string(coefficients.pwmPeriodS)}});
}

std::string ExperimentJson(const tuning::ExperimentRecord& record) {
  const double seconds = record.samples.empty() ? 0 : record.samples.back().timeS;
  return JsonObject({{"seconds", JsonNumber(seconds)},
                     {"samples", std::to_string(record.samples.size())},
                     {"noise", JsonNumber(record.noise)},
                     {"hysteresis", JsonNumber(record.hysteresis)}});
}

// The analysis' members, each null without one.
std::string AnalysisMembers(const TuningResult& experiment) {
  if (!experiment.analysis) {
    return "\"relay\":null,\"model\":null,\"ultimate\":null,\"coefficients\":null,"
           "\"predicted\":null";
  }
  const tuning::TuningAnalysis& analysis = *experiment.analysis;
  const tuning::FittedModel& fitted = analysis.fit.chosen();
  const tuning::ObjectModel& model = fitted.model;
  const tuning::StepResponse& current = analysis.currentStep;
  const tuning::StepResponse& proposed = analysis.proposedStep;
  return "\"relay\":" +
         JsonObject({{"cycles", std::to_string(analysis.relay.cycles)},
                     {"settled", JsonBool(analysis.relay.settled)},
                     {"gain", JsonNumber(analysis.relay.describingFunction.gain)},
                     {"periodS", JsonNumber(analysis.relay.describingFunction.periodS)}}) +
         ",\"model\":" +
         JsonObject({{"order", analysis.fit.secondOrderChosen ? "2" : "1"},
                     {"gain", JsonNumber(model.gain)},
                     {"lagS", JsonNumber(model.lagS)},
                     {"secondLagS", JsonNumber(model.secondLagS)},
                     {"delayS", JsonNumber(model.delayS)},
                     {"ambient", JsonNumber(model.ambient)},
                     {"rms", JsonNumber(fitted.rms)}}) +
         ",\"ultimate\":" +
         JsonObject({{"gain", JsonNumber(analysis.ultimate.gain)},
                     {"periodS", JsonNumber(analysis.ultimate.periodS)}}) +
         ",\"coefficients\":" +
         JsonObject({{"current", CoefficientsJson(experiment.current)},
                     {"proposed", CoefficientsJson(analysis.design.coefficients)},
                     {"maxSensitivity", JsonNumber(analysis.design.maxSensitivity)}}) +
         ",\"predicted\":" +
         JsonObject({{"from", JsonNumber(current.from)},
                     {"to", JsonNumber(current.to)},
                     {"current", MetricsJson(current.metrics)},
                     {"proposed", MetricsJson(proposed.metrics)}});
}

std::string CheckJson(const std::optional<StepCheckResult>& check) {
  if (!check) return "null";
  return JsonObject({{"end", JsonString(EndWord(check->end))},
                     {"message", JsonString(check->message)},
                     {"from", JsonNumber(check->from)},
                     {"to", JsonNumber(check->to)},
                     {"settledBefore", JsonBool(check->settledBefore)},
                     {"restored", JsonBool(check->restored)},
                     {"handedBack", JsonBool(check->handedBack)},
                     {"measured", MetricsJson(check->measured)},
                     {"predicted", MetricsJson(check->predicted.metrics)}});
}

}  // namespace

std::string TuningText(const TuningResult& experiment) {
  const tuning::TuningAnalysis& analysis = *experiment.analysis;
  const tuning::FittedModel& fitted = analysis.fit.chosen();
  const tuning::ObjectModel& model = fitted.model;
  std::string text = "Model of the object: ";
  text += analysis.fit.secondOrderChosen ? "two lags" : "one lag";
  text += ", fitted within " + Fixed(fitted.rms, 3) + " degrees rms\n";
  text += Row("gain", Fixed(model.gain, 3), "degrees per per cent of heater power");
  text += Row("lag, s", Fixed(model.lagS, 1), "");
  if (analysis.fit.secondOrderChosen) text += Row("second lag, s", Fixed(model.secondLagS, 1), "");
  text += Row("dead time, s", Fixed(model.delayS, 1), "");
  text += Row("ambient", Fixed(model.ambient, 1), "degrees");
  text += "Ultimate gain " + Fixed(analysis.ultimate.gain, 3) + " per cent per degree, period " +
          Fixed(analysis.ultimate.periodS, 1) +
          " s (relay: " + std::to_string(analysis.relay.cycles) + " cycles, " +
          (analysis.relay.settled ? "settled" : "not settled") + ")\n";

  const RegulatorCoefficients& current = experiment.current;
  const RegulatorCoefficients& proposed = analysis.design.coefficients;
  text += "Coefficients:\n";
  text += Row("", "current", "proposed");
  text += Row("Kp", Typed(current.proportional), Typed(proposed.proportional));
  text += Row("zone, degrees", Typed(current.zone), Typed(proposed.zone));
  text += Row("T int, s", Typed(current.integrationS), Typed(proposed.integrationS));
  text += Row("T diff, s", Typed(current.differentiationS), Typed(proposed.differentiationS));
  text +=
      Row("PWM period, s", std::to_string(current.pwmPeriodS), std::to_string(proposed.pwmPeriodS));
  text += Row("max. sensitivity", "", Fixed(analysis.design.maxSensitivity, 2));
  text += "Predicted step " + Fixed(analysis.currentStep.from, 1) + " -> " +
          Fixed(analysis.currentStep.to, 1) + " on the model:\n";
  text += MetricRows(analysis.currentStep.metrics, analysis.proposedStep.metrics);
  return text;
}

std::string StepCheckText(const StepCheckResult& check) {
  return "Step " + Fixed(check.from, 1) + " -> " + Fixed(check.to, 1) + " on the loop:\n" +
         Row("", "measured", "predicted") + MetricRows(check.measured, check.predicted.metrics);
}

std::string TuneJson(const TuneReport& report) {
  const TuningResult& experiment = report.experiment;
  return "{\"status\":" + std::to_string(report.status) +
         ",\"end\":" + JsonString(EndWord(experiment.end)) +
         ",\"message\":" + JsonString(experiment.message) +
         ",\"handedBack\":" + JsonBool(experiment.handedBack) +
         ",\"experiment\":" + ExperimentJson(experiment.record) + "," +
         AnalysisMembers(experiment) + ",\"write\":" +
         (report.written ? JsonObject({{"code", std::to_string(*report.written)}}) : "null") +
         ",\"verify\":" + CheckJson(report.check) + "}\n";
}

}  // namespace zorkan::cli
