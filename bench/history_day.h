#pragma once
// A day of measurement log as the window's live tick writes it, two lines a second into IZM.txt
// and the CSV log, from the simulated instrument on virtual time: the heated object regulated to
// setpoints changed through the day, a sensor break of ten minutes, and half an hour without a
// live page shown.

#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>

#include "link/device_link.h"
#include "live/csv_measurement_log.h"
#include "settings/device_settings.h"
#include "sim/simulator.h"
#include "workflows/live_polling.h"

namespace zorkan::bench {

// The live page the tick writes for: shown unless the day says otherwise.
class UnseenLivePage final : public LiveView {
 public:
  bool livePageShown() const override { return shown; }
  void repaint() override {}
  void ShowLiveValues(const LiveValues&) override {}
  void DrawTrendPoint(const LiveValues&) override {}
  void showAnswerStatus(const AnswerStatus&) override {}
  bool shown = true;
};

// 24 hours logged at two lines a second: 172,800 samples a channel.
constexpr auto kDayWithItsGap = std::chrono::minutes(24 * 60 + 30);

// IZM.txt and the CSV logs of the day into `folder`; the file time of IZM.txt is set to its last
// line's, as if the day had just been logged. Returns the number of ticks logged.
inline int LogSimulatedDay(const std::filesystem::path& folder, std::chrono::minutes length) {
  using namespace std::chrono;
  constexpr unsigned kRegulatedValue = 29;
  constexpr std::array<float, 4> kSetpoints{150, 180, 120, 150};
  sim::InProcessSimulator simulator;
  DeviceLink link(simulator.port(), simulator.clock(), folder);
  link.openPortAt("COM1", 9600);
  link.setParameters(LinkParameters{});
  DeviceSettings pages;
  for (ChannelSettings& channel : pages.channels) channel.sensorType = kSensorThermocoupleK;
  pages.channels[1].setpoint1 = 200;
  // Every tick logged: two lines a second.
  pages.logInterval = -1;
  LiveValues values;
  UnseenLivePage page;
  LivePolling polling(link, values, pages, page, folder / "IZM.txt");
  CsvMeasurementLog csv(folder);
  csv.switchOn(true);
  polling.alsoLogTo(csv);
  const auto start = simulator.clock().elapsed();
  const auto tick = milliseconds(500);
  const auto ticks = static_cast<int>(duration_cast<milliseconds>(length) / tick);
  int logged = 0;
  for (int i = 0; i < ticks; ++i) {
    const auto now = duration_cast<minutes>(i * tick);
    const auto setpoint = kSetpoints[static_cast<std::size_t>(now / hours(6)) % kSetpoints.size()];
    if (setpoint != pages.channels[0].setpoint1) {
      pages.channels[0].setpoint1 = setpoint;
      simulator.setFloatParameter(2, kRegulatedValue, setpoint);
    }
    const bool broken = now >= hours(9) + minutes(30) && now < hours(9) + minutes(40);
    simulator.overrideLiveBlock(
        broken ? std::optional(std::array<std::uint8_t, 16>{0, 0, 0, 0, 0xC4, 0x7A, 0, 0, 9, 4,
                                                            0x43, 0x48, 0, 0, 0, 0})
               : std::nullopt);
    page.shown = !(now >= hours(16) && now < hours(16) + minutes(30));
    simulator.clock().advanceTo(start + i * tick);
    if (polling.PollLiveValues()) ++logged;
  }
  const LocalTime last = link.lastWait().start;
  const std::filesystem::path izm = folder / "IZM.txt";
  std::tm parts{};
  parts.tm_year = last.year - 1900;
  parts.tm_mon = last.month - 1;
  parts.tm_mday = last.day;
  parts.tm_hour = last.hour;
  parts.tm_min = last.minute;
  parts.tm_sec = last.second;
  parts.tm_isdst = -1;
  const auto when = system_clock::from_time_t(std::mktime(&parts));
  std::filesystem::last_write_time(izm, std::chrono::file_clock::from_sys(when));
  return logged;
}

}  // namespace zorkan::bench
