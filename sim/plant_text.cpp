#include "sim/plant_text.h"

#include <charconv>
#include <cmath>
#include <set>

namespace zorkan::sim {

namespace {

// A dead time beyond an hour is a typing error, and would cost a delay line of its length.
constexpr double kLongestDelayS = 3600;

struct Key {
  std::string_view name;
  bool (*valid)(double);
  void (*set)(PlantOptions&, double);
  std::string_view rule;
};

const Key kKeys[] = {
    {"gain", [](double v) { return v > 0; }, [](PlantOptions& o, double v) { o.gain = v; },
     "above 0"},
    {"tau", [](double v) { return v > 0; }, [](PlantOptions& o, double v) { o.lagS = v; },
     "above 0"},
    {"tau2", [](double v) { return v >= 0; }, [](PlantOptions& o, double v) { o.secondLagS = v; },
     "0 or more"},
    {"delay", [](double v) { return v >= 0 && v <= kLongestDelayS; },
     [](PlantOptions& o, double v) { o.delayS = v; }, "0 to 3600"},
    {"noise", [](double v) { return v >= 0; }, [](PlantOptions& o, double v) { o.noise = v; },
     "0 or more"},
    {"ambient", [](double) { return true; }, [](PlantOptions& o, double v) { o.ambient = v; },
     "a number"},
};

std::optional<double> Number(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

const char kPlantTextHelp[] =
    "  KEY=VALUE[,KEY=VALUE...], any of:\n"
    "    gain=K     degrees of steady rise per per cent of heater power (default 4)\n"
    "    tau=T1     the object's lag, s (default 90)\n"
    "    tau2=T2    a second lag after it, s (default 0: none)\n"
    "    delay=D    dead time of the heater's power, s (default 0, at most 3600)\n"
    "    noise=S    white noise of S degrees on every 10 ms sample, instead of the\n"
    "               0.03-degree ripple\n"
    "    ambient=A  where the object settles with the heater off (default 20)\n"
    "    e.g. --plant gain=4,tau=20,delay=4 is a small oven with a dead time\n";

std::optional<std::string> ApplyPlantText(std::string_view text, PlantOptions& options) {
  std::set<std::string_view> given;
  for (;;) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto equals = item.find('=');
    const std::string_view name = item.substr(0, equals);
    const Key* key = nullptr;
    for (const Key& candidate : kKeys) {
      if (candidate.name == name) key = &candidate;
    }
    if (key == nullptr) return "unknown plant key \"" + std::string(name) + "\"";
    if (!given.insert(name).second) return "plant key " + std::string(name) + " given twice";
    const auto value =
        equals == std::string_view::npos ? std::nullopt : Number(item.substr(equals + 1));
    if (!value || !key->valid(*value)) {
      return "plant key " + std::string(name) + " needs " + std::string(key->rule);
    }
    key->set(options, *value);
    if (comma == std::string_view::npos) return std::nullopt;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace zorkan::sim
