#pragma once
// A model whose every profile setting differs from its default, and profile files taken apart into
// their lines or built from lists.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ini/cp1251.h"
#include "settings/device_settings.h"
#include "tests/support/settings_printer.h"

namespace zorkan::testing {

// Every setting a profile carries differs from its default, with values that four decimals hold
// exactly; the settings no profile carries keep their defaults.
inline DeviceSettings Scrambled() {
  DeviceSettings s;
  for (int i = 0; i < kChannelCount; ++i) {
    ChannelSettings& c = s.channels[i];
    const float f = static_cast<float>(i);
    c.sensorType = 9 + i;
    c.rangeMax = 250.5f + f;
    c.rangeMin = -12.25f - f;
    c.lineResistance = 1.5f + f;
    c.wireCount = 2;
    c.rootExtraction = 1;
    c.averaging = 4 + i;
    c.offset = -0.75f - f;
    c.rangeAdjust = 1.125f + f;
    c.polynomial = {0.5f + f, 1.25f, -2.5f, 3.0625f};
    c.setpointType1 = 1;
    c.setpointType2 = 2;
    c.setpoint1 = 71.5f + f;
    c.setpoint2 = 81.25f;
    c.hysteresis1 = 0.5f;
    c.hysteresis2 = 1.5f + f;
    c.observations = 5;
    c.channelEnable = 1;
    c.decimals = 2 + i;
    c.relayProcessing = 0;
    c.regulationInterval = 12 + i;
    c.pulseInterval = 7;
    c.channelText = "Печь " + std::to_string(i + 1);
    c.unitText = "°C";
    c.selected = 0;
    c.calibration = {25.5f, 7000.25f + f, 90.5f, 9.5f, 17.75f, 17.5f};
    c.calibrationReferences = {41.5f, 301.5f, 99.5f, 9.75f + f, 4.5f, 19.5f};
    c.setpointStep = 0.5f;
    c.hysteresisStep = 0.25f + f;
  }
  s.general.deviceType = kDeviceTwoChannel;
  s.general.errorDisplay = kErrorDisplaySimple;
  s.general.qcCode = 123;
  s.general.generalSelected = 0;
  s.relays.relaySelected = 0;
  s.relays.relayMask = {{{3, 5}, {7, 9}}};
  s.relays.use = 0;
  s.relays.test = 1;
  s.description = {"Первая строка", "second = line; [x]", "", "четвёртая"};
  s.grad = {.kalibUsr = 6,
            .kalibDel = 120,
            .usrRef = 5,
            .delRef = 60,
            .usrKu = 4,
            .delKu = 30,
            .usrKi = 3,
            .delKi = 20,
            .rrefMin = 5001.5f,
            .rrefMax = 9001.5f,
            .urefMin = 19.5f,
            .urefMax = 33.5f,
            .kuMin = 76.5f,
            .kuMax = 116.5f,
            .ku10Min = 8.5f,
            .ku10Max = 12.5f,
            .ki05Min = 15.5f,
            .ki05Max = 23.5f,
            .ki020Min = 15.5f,
            .ki020Max = 23.5f,
            .writeImmediately = 0};
  s.logInterval = 5;
  s.useMax = 1;
  for (SensorBounds& bounds : s.sensorBounds) bounds = {bounds.max + 10, bounds.min - 5, 1.5f};
  return s;
}

// One key line of a profile with the section it stands in.
struct KeyLine {
  std::string section;
  std::string key;
  std::string value;  // as stored, CP1251
  bool operator==(const KeyLine&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const KeyLine& line) {
  return out << '[' << line.section << "] " << line.key << '=' << line.value;
}

// The key lines of a file the tool wrote (CR LF line ends, no blanks around "=").
inline std::vector<KeyLine> KeyLines(std::string_view bytes) {
  std::vector<KeyLine> lines;
  std::string section;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
    if (line.starts_with('[') && line.ends_with(']')) {
      section = line.substr(1, line.size() - 2);
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      lines.push_back(
          {section, std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
    }
  }
  return lines;
}

// The section names of a file in their order.
inline std::vector<std::string> SectionNames(std::string_view bytes) {
  std::vector<std::string> names;
  for (const KeyLine& line : KeyLines(bytes)) {
    if (names.empty() || names.back() != line.section) names.push_back(line.section);
  }
  return names;
}

// The bytes of a file written key by key in the order of `lines` (UTF-8 texts): each section
// where its first key was written, each later key at the end of its section.
inline std::string FileOf(const std::vector<KeyLine>& lines) {
  std::vector<std::pair<std::string, std::string>> sections;
  for (const KeyLine& line : lines) {
    auto section = std::find_if(sections.begin(), sections.end(),
                                [&](const auto& s) { return s.first == line.section; });
    if (section == sections.end()) {
      sections.push_back({line.section, "[" + line.section + "]\r\n"});
      section = sections.end() - 1;
    }
    section->second += line.key + "=" + Utf8ToCp1251(line.value) + "\r\n";
  }
  std::string bytes;
  for (const auto& section : sections) bytes += section.second;
  return bytes;
}

}  // namespace zorkan::testing
